#include "common/processes.h"

namespace common {
namespace {
std::function<QStringList()>& lister()
{
    static std::function<QStringList()> l;
    return l;
}
}  // namespace
void setProcessListForTests(std::function<QStringList()> l) { lister() = std::move(l); }
}  // namespace common

// TODO(processes): the real process list comes with the process presence test.
bool uIsProcessRunning(const QString& name)
{
    if (!common::lister()) return false;
    const QString upper = name.toUpper();
    for (const QString& d : common::lister()())
        if (!d.isEmpty() && upper.contains(d.toUpper())) return true;
    return false;
}
