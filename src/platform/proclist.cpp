#include "platform/proclist.h"

#include "platform/procscan.h"

#include <QFile>
#include <QFileInfo>

namespace plat {
namespace {
QString fromBytes(std::string_view s) { return QFile::decodeName(QByteArray(s.data(), static_cast<qsizetype>(s.size()))); }
}  // namespace

bool forEachProcess(const std::function<bool(const RunningProcess&)>& visit)
{
    return procscan::forEachProcess([&](const procscan::Process& p) {
        RunningProcess r;
        r.pid = p.pid;
        r.name = fromBytes(p.name);
        r.exePath = fromBytes(p.exe);
        return visit(r);
    });
}

QList<RunningProcess> runningProcesses()
{
    QList<RunningProcess> out;
    forEachProcess([&](const RunningProcess& p) {
        out << p;
        return true;
    });
    return out;
}

bool hostPathHeldOpen(const QString& hostPath)
{
    const QString canonical = QFileInfo(hostPath).canonicalFilePath();
    if (canonical.isEmpty()) return false;  // absent
    const QByteArray bytes = QFile::encodeName(canonical);
    return procscan::heldOpenUnder(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace plat
