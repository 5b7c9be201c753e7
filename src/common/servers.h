#pragma once
// The practice servers of the networking exercises: web, FTP and mail (with
// its mail client). Each is configured key by key in a staging copy of its
// file inside the materials tree, which then replaces the server's own file.
#include "common/guards.h"
#include "common/processes.h"
#include "common/shell.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <span>

namespace common {

struct ProfileEntry {
    const char* section;
    const char* key;
    const char* value;  // nullptr: filled in by the routine (address, path)
};

// The practice server.ini table (62 entries, in writing order), the mail
// server's configuration table (9 entries) and the task projects' web
// server's server.ini table (71 entries, in writing order).
std::span<const ProfileEntry> webServerTable();
std::span<const ProfileEntry> mailServerTable();
std::span<const ProfileEntry> missionServerTable();

inline const QString kMailDomain = QStringLiteral("corvanth.lab");

// Paths of the servers' files (relative to the program folder).
inline const QString kWebServerExe = QStringLiteral("\\素材\\bk\\soft\\WebServer\\") + kWebServerProcess;
inline const QString kWebServerIni = QStringLiteral("\\素材\\bk\\soft\\WebServer\\server.ini");
inline const QString kWebRoot = QStringLiteral("\\素材\\bk\\soft\\WebServer\\internet");
inline const QString kFtpServerExe = QStringLiteral("\\素材\\bk\\soft\\FtpServer\\") + kFtpServerProcess;
inline const QString kMailFolder = QStringLiteral("\\素材\\bk\\soft\\Mailserver\\cmail");
inline const QString kMailServerExe = kMailFolder + QStringLiteral("\\") + kMailServerProcess;
inline const QString kMailClientFolder = QStringLiteral("\\素材\\bk\\soft\\Mailserver\\Foxmail");
inline const QString kMailClientExe = kMailClientFolder + QStringLiteral("\\") + kMailClientProcess;
inline const QString kFtpFolder = QStringLiteral("D:\\PracticalTraining");
inline const QString kMissionWebExe = kMissionWebFolder + QStringLiteral("\\") + kMissionWebProcess;

// The knowledge-point exercises' server folder (staging server.ini, FTP
// content folders, kill tools), relative to the program folder.
inline const QString kExerciseServerFolder = QStringLiteral("\\素材\\bk\\题库\\操作题\\network\\server");

// Writes a practice server's configuration table into an INI file (platform
// path); values the table leaves open come from `fill` by key. False when an
// entry could not be written. The file is made again at every set-up, so the
// write does not wait for the disk (plat::Durability::Regenerated).
[[nodiscard]] bool writeProfileTable(std::span<const ProfileEntry> table, const QString& path,
                        const std::function<QString(const char* key)>& fill);

// A web server: the table of its server.ini, its own server.ini and its
// program (both relative to the program folder).
struct WebServer {
    std::span<const ProfileEntry> table;
    QString ownIni;
    QString program;
};
// The practice web server of the exercises, and the task projects' web
// server "MyWebServer0.exe" on port 8088.
WebServer practiceWebServer();
WebServer missionWebServer();

// Starts a practice server or the mail client (program path relative to the
// program folder). When it cannot be started, the student is told and false
// returned.
[[nodiscard]] bool startProgramOrSay(const QString& program, plat::WindowStyle style, QWidget* owner);
// The same, unless a process of that name already runs (true then).
[[nodiscard]] bool startServerUnlessRunning(const QString& process, const QString& program, plat::WindowStyle style, QWidget* owner);
QString programNotStartedMessage(const QString& program);
// A server configuration that could not be written; the server is then not
// started, as it would serve with the configuration of an earlier exercise.
QString serverConfigNotWrittenMessage(const QString& path);

// Starts the server the question text asks for: "文件传输协议" FTP, else
// "邮件管理器" mail, else web. ftpContent is the exercise's FTP content
// folder, stagingIni the staging server.ini (platform paths).
enum class ServerKind { Web, Ftp, Mail };
ServerKind serverKindOf(const QString& questionText);
// Whether a mail set-up writes the server's configuration or the server
// keeps the configuration it has (the random practice window).
enum class MailConfig { Write, Keep };
void uSetupPracticeServer(const QString& questionText, const QString& ftpContent, const QString& stagingIni,
                          const QString& ipv4, const QString& studentNumber, forms::Form* owner,
                          MailConfig mail = MailConfig::Write);

// Web: the table into the staging file (ServerIP the address, every other
// open value the site as the host shows it), the staging file in place of
// the server's own file, the server started hidden. False (the student told)
// when the staging file cannot be written or the server not started.
[[nodiscard]] bool uSetupWebServer(const WebServer& server, const QString& ipv4, const QString& stagingIni, const QString& site,
                     QWidget* owner);
// The practice web server. The site served is the web server's own
// "internet" folder unless a web root (platform path) is given.
[[nodiscard]] bool uSetupWebServer(const QString& ipv4, const QString& stagingIni, const QString& webRoot = QString(),
                     QWidget* owner = nullptr);

// FTP, first half: the working folder emptied (a running FTP server is
// stopped first and awaited) and filled from the content folder; false when
// the owner went away during the wait (then nothing more is done).
[[nodiscard]] bool fillFtpFolder(const QString& ftpContent, forms::Form* owner);
// Both halves: fill, then start the server minimised.
void uSetupFtpServer(const QString& ftpContent, forms::Form* owner);

// Starts a practice server (program path relative to the program folder)
// after its kill tool was awaited, unless it still runs (the tool missing,
// hung or refused): a second copy would then run beside it, so the student
// is told instead. True when started; a program that does not start is
// reported as every other program start is (common::startProgramOrSay).
[[nodiscard]] bool startServerIfStopped(const QString& process, const QString& program, plat::WindowStyle style, QWidget* owner);
QString serverStillRunningMessage(const QString& process);

// Mail, in its four parts.
[[nodiscard]] bool configureMailServer(const QString& ipv4, QWidget* owner = nullptr);
void resetMailboxes(const QString& studentNumber);
[[nodiscard]] bool startMailServer(QWidget* owner = nullptr);
void resetMailClient();
void uSetupMailServer(const QString& ipv4, const QString& studentNumber, QWidget* owner = nullptr,
                      MailConfig config = MailConfig::Write);

// Sources the mail parts rebuild from (platform paths), for checks.
QStringList mailSources();

// Stops one server of a tool set and waits (with a time-out) for its kill
// tool when the next step needs the server gone. Ended when it does not run
// (or has no tool in the set).
WaitResult stopServerAndWait(const ToolSet& tools, const QString& process, forms::Form* owner,
                        int timeoutMs = kKillToolTimeoutMs);

// A tool set reordered by process names (pairs not named keep their place
// after the named ones).
ToolSet orderedTools(const ToolSet& tools, const QStringList& processes);

}  // namespace common
