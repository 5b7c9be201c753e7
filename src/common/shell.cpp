#include "common/shell.h"

#include "forms/form.h"
#include "platform/shellwait.h"

#include <QCoreApplication>
#include <QPointer>

namespace common {

namespace {

WaitResult waitFor(const plat::Started& started, forms::Form* owner, int timeoutMs)
{
    if (!started.ok) return WaitResult::NotStarted;

    QPointer<forms::Form> guard(owner);
    const forms::Form::Busy busy(owner);
    bool ended = true;
    if (started.pid == 0)
        QCoreApplication::processEvents();  // served here and done: still one poll, one yield
    else
        ended = plat::waitForProcess(started.pid, timeoutMs);
    if (owner && !guard) return WaitResult::Gone;  // the window went away under the wait
    return ended ? WaitResult::Ended : WaitResult::TimedOut;
}

}  // namespace

WaitResult uShellAndWait(const QString& commandLine, plat::WindowStyle style, forms::Form* owner, int timeoutMs)
{
    return waitFor(plat::startCommandLine(commandLine, style), owner, timeoutMs);
}

WaitResult startAndWait(const QString& program, const QStringList& args, plat::WindowStyle style, forms::Form* owner,
                         int timeoutMs)
{
    const qint64 pid = plat::startProgram(program, args, style);
    return waitFor({pid > 0, pid}, owner, timeoutMs);
}

}  // namespace common
