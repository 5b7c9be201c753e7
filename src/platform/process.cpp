#include "platform/process.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <sys/wait.h>

namespace plat {
namespace {
StartHook& startHook()
{
    static StartHook h;
    return h;
}
}  // namespace

void setStartHookForTests(StartHook h) { startHook() = std::move(h); }

qint64 startProgram(const QString& program, const QStringList& args, WindowStyle style)
{
    const QString host = toHost(program);
    if (startHook()) {
        const qint64 pid = startHook()(host, args, style);
        if (pid >= 0) return pid;
    }
    const QFileInfo fi(host);
    if (!fi.exists() || !fi.isFile() || !fi.isExecutable()) return 0;
    qint64 pid = 0;
    QProcess p;
    p.setProgram(host);
    p.setArguments(args);
    p.setStandardInputFile(QProcess::nullDevice());
    if (style != WindowStyle::Normal) {
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
    }
    if (!p.startDetached(&pid)) return 0;
    return pid;
}

bool processRunning(qint64 pid)
{
    if (pid <= 0) return false;
    // Reap it first when it is our own child that has ended.
    int status = 0;
    const pid_t r = ::waitpid(static_cast<pid_t>(pid), &status, WNOHANG);
    if (r == static_cast<pid_t>(pid)) return false;
    if (::kill(static_cast<pid_t>(pid), 0) == 0) {
        // A zombie still answers the signal test; its state says it ended.
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (stat.open(QIODevice::ReadOnly)) {
            const QByteArray s = stat.readAll();
            const int close = s.lastIndexOf(')');
            if (close > 0 && close + 2 < s.size() && s[close + 2] == 'Z') return false;
        }
        return true;
    }
    return errno == EPERM;
}

}  // namespace plat
