#pragma once
// A file or folder left under its probe name by an interrupted run (crash,
// power cut) would make every later in-use probe of it fail, or hide it for
// good. Such a leftover is put back under its own name when that name is
// free, or named to the student.
#include <QString>

#include <optional>

class QWidget;

namespace common {

// Puts a leftover back when the path is absent. The message naming the
// leftover when it stays (both names exist, or the rename back failed);
// nullopt when there is no leftover or it was put back.
std::optional<QString> uPutBackProbeLeftover(const QString& path, const QString& probeName);

// The same, showing the message: true when there is no leftover or it was
// put back; false when a message named it.
bool uRecoverProbeLeftover(const QString& path, const QString& probeName, QWidget* owner);

}  // namespace common
