#include "common/processes.h"

#include "platform/proclist.h"

namespace common {
namespace {
std::function<QStringList()>& lister()
{
    static std::function<QStringList()> l;
    return l;
}

// A program's name as compared: the file name without a folder in front and
// without ".exe" at its end, in capitals.
QString stemOf(const QString& name)
{
    QString s = name.mid(qMax(name.lastIndexOf('\\'), name.lastIndexOf('/')) + 1).toUpper();
    if (s.endsWith(QLatin1String(".EXE"))) s.chop(4);
    return s;
}
}  // namespace

void setProcessListForTests(std::function<QStringList()> l) { lister() = std::move(l); }

bool sameProgramName(const QString& running, const QString& asked)
{
    const QString a = stemOf(asked);
    // A name of one or two letters ("X", "sh") says too little to be one of
    // ours.
    return a.size() > 2 && stemOf(running) == a;
}
}  // namespace common

bool uIsProcessRunning(const QString& name)
{
    if (common::lister()) {
        for (const QString& d : common::lister()())
            if (common::sameProgramName(d, name)) return true;
        return false;
    }
    bool found = false;
    plat::forEachProcess([&](const plat::RunningProcess& p) {
        found = common::sameProgramName(p.name, name);
        return !found;
    });
    return found;
}
