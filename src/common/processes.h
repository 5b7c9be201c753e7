#pragma once
// Whether an outside program runs.
#include <QString>
#include <QStringList>
#include <functional>

// True when some running program has the given name: whole names compared,
// letter case aside, ".exe" optional on either side, a folder in front of
// the given name ignored. A name of one or two letters never matches. False
// otherwise and on any error.
bool uIsProcessRunning(const QString& name);

namespace common {
// The rule above for one running program's name.
bool sameProgramName(const QString& running, const QString& asked);

// Tests: replace the list of running process descriptions (nullptr: the real
// list of this machine).
void setProcessListForTests(std::function<QStringList()> lister);
}  // namespace common
