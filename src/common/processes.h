#pragma once
// Whether an outside program runs.
#include <QString>
#include <QStringList>
#include <functional>

// True when the upper-cased description (executable file name) of some
// running process occurs inside the upper-cased given name; false otherwise
// and on any error.
bool uIsProcessRunning(const QString& name);

namespace common {
// Tests: replace the list of running process descriptions (nullptr: the real
// list of this machine).
void setProcessListForTests(std::function<QStringList()> lister);
}  // namespace common
