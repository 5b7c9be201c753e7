#pragma once
// Outside programs: starting them, and whether one runs.
#include <QString>
#include <QStringList>
#include <functional>

namespace plat {

// Window style of a started program. The stand-in programs of this system
// have no windows of their own; hidden and minimised are recorded only.
enum class WindowStyle { Hidden = 0, Normal = 1, Minimized = 2 };

// Starts a program by its path (a platform path) with an argument list;
// never through a shell. Returns the process id, or 0 when it could not be
// started (missing file, not executable). Never throws, never shows a message.
[[nodiscard]] qint64 startProgram(const QString& program, const QStringList& args = {}, WindowStyle style = WindowStyle::Normal);

// Whether the process with this id is still running (false for 0).
bool processRunning(qint64 pid);

// Tests: observe (and optionally replace) every start. The hook gets the
// host path, the arguments and the style, and returns the pid to report
// (return -1 to let the real start happen).
using StartHook = std::function<qint64(const QString& hostProgram, const QStringList& args, WindowStyle style)>;
void setStartHookForTests(StartHook hook);

}  // namespace plat
