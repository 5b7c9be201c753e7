#include "common/shell.h"

#include "forms/form.h"
#include "platform/shellwait.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

namespace common {

namespace {

WaitResult waitFor(const plat::Started& started, forms::Form* owner, int timeoutMs)
{
    if (!started.ok) return WaitResult::NotStarted;

    QPointer<forms::Form> guard(owner);
    auto busy = owner ? std::make_unique<forms::Form::Busy>(owner) : nullptr;
    bool ended = true;
    if (started.pid == 0)
        QCoreApplication::processEvents();  // served here and done: still one poll, one yield
    else
        ended = plat::waitForProcess(started.pid, timeoutMs);
    if (owner && !guard) {
        // The window went away under the wait; its busy count went with it.
        (void)busy.release();
        return WaitResult::Gone;
    }
    return ended ? WaitResult::Ended : WaitResult::TimedOut;
}

}  // namespace

WaitResult uShellAndWait(const QString& commandLine, plat::WindowStyle style, forms::Form* owner, int timeoutMs)
{
    return waitFor(plat::startCommandLine(commandLine, style), owner, timeoutMs);
}

WaitResult uStartAndWait(const QString& program, const QStringList& args, plat::WindowStyle style, forms::Form* owner,
                         int timeoutMs)
{
    const qint64 pid = plat::startProgram(program, args, style);
    return waitFor({pid > 0, pid}, owner, timeoutMs);
}

}  // namespace common
