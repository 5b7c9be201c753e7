#pragma once
// Starting an outside program and waiting for it to end.
#include "platform/process.h"

#include <QString>

namespace forms {
class Form;
}

namespace common {

enum class [[nodiscard]] WaitResult {
    Ended,       // the program ran and has ended
    NotStarted,  // it could not be started; nothing was awaited
    TimedOut,    // still running when the time-out passed
    Gone,        // the waiting window was closed meanwhile
};

// Starts the command line with the window style and waits for its end while
// the event loop runs. The owner (if any) is busy meanwhile: its buttons and
// close box do nothing. timeoutMs < 0 waits without limit.
WaitResult uShellAndWait(const QString& commandLine, plat::WindowStyle style, forms::Form* owner = nullptr,
                         int timeoutMs = -1);

// The same for a program given by its path (platform path) and arguments.
WaitResult startAndWait(const QString& program, const QStringList& args, plat::WindowStyle style,
                         forms::Form* owner = nullptr, int timeoutMs = -1);

// Time-out for kill tools whose effect the next step relies on.
inline constexpr int kKillToolTimeoutMs = 10000;

}  // namespace common
