#pragma once
// A file or folder left under a probe name by an interrupted run (crash,
// power cut, a program killed) would make every later in-use probe of its
// path fail, or hide it for good. Such a leftover is put back under its own
// name when that name is free; otherwise it is kept, under a name no step
// uses, and named so that a teacher can look at it: it may hold work. The
// step goes on either way.
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace common {

// Every probe name a step of the platform gives this path (a working folder
// on drive D:), the given one first: a leftover of any of them is found,
// whichever step was interrupted.
QStringList knownProbeNames(const QString& path, const QString& probeName);

struct ProbeLeftover {
    QString message;        // names the leftover and where it is kept
    bool inTheWay = false;  // it could not be moved: a probe of the path cannot run
};

// Looks for leftovers of the path's probe names. One under `probeName` is
// put back when the path is absent; any other is renamed to a name of its
// own beside it. nullopt when there was none or it was put back; otherwise
// the message for the student.
std::optional<ProbeLeftover> putBackProbeLeftover(const QString& path, const QString& probeName);

// The same, showing the message: false only when a leftover stays in the
// way of the probe (the message says so).
bool recoverProbeLeftover(const QString& path, const QString& probeName, QWidget* owner);

}  // namespace common
