#pragma once
// Running an outside program from a command line and waiting for it while
// the windows stay responsive, and the network report that stands for the
// system tool "ipconfig".
#include "platform/process.h"

#include <QString>
#include <QStringList>

namespace plat {

// How a command line was started.
struct Started {
    bool ok = false;  // false: the program could not be started
    qint64 pid = 0;   // 0 with ok: served here and already finished
};

// Starts a command line with a window style. The command interpreter line
// "cmd.exe /c ipconfig >D:\IPtemp0000.txt" (also ">>", any letter case, blanks
// around the redirection) is served here by writing the network report into
// the named file. Any other line names a program: the whole line when it is
// an existing file, otherwise the text up to the first blank, followed by
// blank-separated arguments. Never goes through a shell.
Started startCommandLine(const QString& commandLine, WindowStyle style);

// Waits until the process has ended, letting the event loop run between
// polls (no busy loop); pending events run at least once, also when the
// process has already ended. timeoutMs < 0 waits without limit. True when
// it ended, false on time-out.
bool waitForProcess(qint64 pid, int timeoutMs = -1);

// The IPv4 addresses of this machine's network interfaces, loopback left out.
QStringList localIPv4Addresses();
// The ipconfig-style report: one line per address that contains "IPv4" and
// ends with the address after a blank. Lines end with CR LF.
QString ipconfigReport(const QStringList& addresses);
// Writes (or appends) the report in code page 936; false when it cannot.
bool writeIpconfigReport(const QString& target, bool append);

// Tests: the addresses to report instead of this machine's (empty function:
// the real ones).
void setIPv4AddressesForTests(std::function<QStringList()> lister);

}  // namespace plat
