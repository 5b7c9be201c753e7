#include "common/processes.h"

#include "platform/proclist.h"

namespace common {
namespace {
std::function<QStringList()>& lister()
{
    static std::function<QStringList()> l;
    return l;
}

// The matching rule: the upper-cased description is looked for inside the
// upper-cased name, never the other way round. A process without a readable
// name never gets here with an empty description, which would match anything.
bool matches(const QString& upperName, const QString& description)
{
    return !description.isEmpty() && upperName.contains(description.toUpper(), Qt::CaseSensitive);
}
}  // namespace
void setProcessListForTests(std::function<QStringList()> l) { lister() = std::move(l); }
}  // namespace common

bool uIsProcessRunning(const QString& name)
{
    const QString upper = name.toUpper();
    if (common::lister()) {
        for (const QString& d : common::lister()())
            if (common::matches(upper, d)) return true;
        return false;
    }
    bool found = false;
    plat::forEachProcess([&](const plat::RunningProcess& p) {
        found = common::matches(upper, p.name);
        return !found;
    });
    return found;
}
