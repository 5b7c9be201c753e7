#pragma once
// Whether an outside program runs.
#include <QString>
#include <QStringList>
#include <functional>

// True when some running program has the given name: whole names compared,
// letter case aside, ".exe" optional on either side, a folder in front of
// the given name ignored. A name of one or two letters never matches. False
// otherwise and on any error.
bool uIsProcessRunning(const QString& name);

namespace common {

// The outside programs the platform asks about or stops: each name is
// written here once. Program file names, as uIsProcessRunning takes them:
inline const QString kWebServerProcess = QStringLiteral("MyWebServer.exe");
inline const QString kFtpServerProcess = QStringLiteral("FTPServer.exe");
inline const QString kMailServerProcess = QStringLiteral("CMailServer.exe");
inline const QString kMailClientProcess = QStringLiteral("Foxmail.exe");
inline const QString kMissionFtpProcess = QStringLiteral("Ftpconsole.exe");
inline const QString kMissionWebProcess = QStringLiteral("MyWebServer0.exe");

// The mission servers' folders (relative to the program folder; the tree
// spells them "Sever").
inline const QString kMissionFtpFolder = QStringLiteral("\\素材\\bk\\soft\\FtpSever for mission");
inline const QString kMissionWebFolder = QStringLiteral("\\素材\\bk\\soft\\WebSever for mission");

// The kill tools by file name; where each lies is its tool set's (guards.h).
inline const QString kWebKillTool = QStringLiteral("kill_app.exe");
inline const QString kFtpKillTool = QStringLiteral("f-kill_app.exe");
inline const QString kMailKillTool = QStringLiteral("mail-kill_app.exe");
inline const QString kMissionFtpKillTool = QStringLiteral("mission_ftp_kill_app.exe");
inline const QString kMissionWebKillTool = QStringLiteral("mission_web_kill_app.exe");

// The rule above for one running program's name.
bool sameProgramName(const QString& running, const QString& asked);

// Tests: replace the list of running process descriptions (nullptr: the real
// list of this machine).
void setProcessListForTests(std::function<QStringList()> lister);
}  // namespace common
