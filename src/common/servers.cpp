#include "common/servers.h"

#include "common/messages.h"
#include "common/processes.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "forms/form.h"

#include <QDir>

#include <algorithm>
#include <array>

namespace common {
namespace {

// The exercises' web server and the task projects' one are the same program
// with two configurations: their tables are put together from the blocks
// they share, in writing order, and differ in a few options, the virtual
// paths and the MIME types.
constexpr ProfileEntry kOptionsHead[] = {
    {"option", "pagesize", "65536"},
    {"option", "autostart", "1"},
    {"option", "filemode", "0"},
    {"option", "urlrewrite", "1"},
    {"option", "fcgibufsize", "63"},
    {"option", "ServerIP", nullptr},
};
constexpr ProfileEntry kOptionsFiles[] = {
    {"option", "DefaultFile", "index.html;index.php;index.htm;index.asp;index.cgi"},
    {"option", "serverpath", nullptr},
    {"option", "filelist", "1"},
    {"option", "filenm", "0"},
    {"option", "sendtimeout", "16000"},
    {"option", "postsize", "8000"},
};
constexpr ProfileEntry kOptionsProxy[] = {
    {"option", "proxyretrynm", "22"},
    {"option", "sconnnm", "4"},
    {"option", "svname", "MyWebServer_Site4621"},
    {"option", "isapibufsize", "63"},
    {"option", "proxybuf", "18000"},
    {"option", "savelog", "0"},
    {"option", "enableasp", "1"},
};
constexpr ProfileEntry kOptionsGzip[] = {
    {"option", "update", "0"},
    {"option", "upflag", "1"},
    {"option", "gzip", "1"},
    {"option", "checkip", "0"},
    {"option", "gzipext", ".html;.htm;.js;.css;"},
    {"option", "gziptmpdir", "gziptmp"},
};
constexpr ProfileEntry kOptionsTail[] = {
    {"option", "enableconnect", "0"},
    {"option", "httprz", "0"},
    {"option", "maxmem", "860"},
};
constexpr ProfileEntry kIsapi[] = {
    {"isapi", ".php", "c:\\php\\php5isapi.dll"},
    {"isapi", ".phpt", "asp.net.dll"},
    {"isapi", ".cgi", "d:\\perl\\perlis.dll"},
    {"isapi", ".aspx", "asp.net.dll"},
    {"isapi", ".axd", "asp.net.dll"},
    {"isapi", ".ashx", "asp.net.dll"},
    {"isapi", ".asmx", "asp.net.dll"},
    {"isapi", ".ascx", "asp.net.dll"},
    {"isapi", ".asax", "asp.net.dll"},
    {"isapi", ".cs", "asp.net.dll"},
    {"isapi", ".asp", "asp.dll"},
    {"isapi", ".phpf", "h:\\paa\\ggg\\php5isapi.dll"},
    {"isapi", ".esp", "f:\\pp\\esp\\emuesp.dll"},
};
constexpr ProfileEntry kMime[] = {
    {"mime", ".html", "text/html"},
    {"mime", ".shtml", "text/html"},
    {"mime", ".htm", "text/html"},
    {"mime", ".jpg", "image/jpeg"},
    {"mime", ".css", "text/css"},
    {"mime", ".jpeg", "image/jpeg"},
    {"mime", ".gif", "image/gif"},
    {"mime", ".js", "application/x-javascript"},
    {"mime", ".swf", "application/x-shockwave-flash"},
    {"mime", ".png", "image/png"},
    {"mime", ".txt", "text/plain"},
    {"mime", ".shtm", "text/html"},
    {"mime", ".htc", "text/x-component"},
    {"mime", ".bmp", "image/bmp"},
};
constexpr ProfileEntry kHelpMime[] = {{"mime", ".chm", "application/mshelp"}};

// The blocks one after the other, as one table.
template <std::size_t... N>
constexpr auto joined(const ProfileEntry (&... blocks)[N])
{
    std::array<ProfileEntry, (N + ...)> out{};
    std::size_t at = 0;
    ((std::copy(std::begin(blocks), std::end(blocks), out.begin() + at), at += N), ...);
    return out;
}

// Port 8080, the site as the one virtual path.
constexpr auto kWebTable = joined(
    kOptionsHead, {{"option", "Serverport", "8080"}}, kOptionsFiles, kOptionsProxy,
    {{"option", "tproxy", "1"}, {"option", "logpath", "log"}, {"option", "threadpoolsize", "6"}}, kOptionsGzip,
    kOptionsTail, {{"vpath", "/internet/", nullptr}}, kIsapi, {{"httprz", "", ""}}, kMime, kHelpMime);
static_assert(kWebTable.size() == 62);

// Port 8088, HTTPS off, fixed virtual paths, TIFF pictures.
constexpr auto kMissionTable = joined(
    kOptionsHead, {{"option", "Serverport", "8088"}}, kOptionsFiles, {{"option", "keepconntime", "15"}}, kOptionsProxy,
    {{"option", "https", "0"}, {"option", "httpsport", "443"}, {"option", "tproxy", "1"}, {"option", "tproxy", "1"},
     {"option", "logpath", "log"}, {"option", "threadpoolsize", "3"}},
    kOptionsGzip, {{"option", "isapicache", "0"}}, kOptionsTail,
    {{"vpath", "my", "D:\\phpcms"}, {"vpath", "d", "d:\\"}, {"vpath", "p", "F:\\pp\\Photo2"}, {"vpath", "web", "F:\\web"},
     {"vpath", "ico", "D:\\tool1\\ico"}},
    kIsapi, kMime, {{"mime", ".tif", "image/tiff"}}, kHelpMime);
static_assert(kMissionTable.size() == 71);

const ProfileEntry kMailTable[] = {
    {"system", "Dominame", nullptr},
    {"system", "SMTPServerAddr", nullptr},
    {"system", "POP3ServerAddr", nullptr},
    {"system", "AdminServerAddr", nullptr},
    {"system", "WebWorkPath", nullptr},
    {"system", "POP3WorkPath", nullptr},
    {"Port", "POP3", "1010"},
    {"Port", "SMTP", "2525"},
    {"Port", "Admin", "8011"},
};

const QString kStagingMailIni = kMailFolder + QStringLiteral("\\BK\\CMailCOM.ini");
const QString kMailIni = kMailFolder + QStringLiteral("\\CMailCOM.ini");
const QString kMailboxes = kMailFolder + QStringLiteral("\\mail");
const QString kPristineMailboxes = kMailFolder + QStringLiteral("\\BK\\mail");
const QString kPristineClientIndex = kMailClientFolder + QStringLiteral("\\0bk\\IndexLib2");

// Writes the table into the staging file and puts a copy in place of the
// server's own file. A staging file that cannot be written is reported: the
// server would otherwise serve with an earlier exercise's configuration.
bool configure(std::span<const ProfileEntry> table, const QString& staging, const QString& own,
               const std::function<QString(const char* key)>& fill, QWidget* owner)
{
    if (!writeProfileTable(table, staging, fill)) {
        msgOk(serverConfigNotWrittenMessage(staging), owner);
        return false;
    }
    plat::fs::ignoreFailure(plat::fs::deleteFile(own, true), "it may not be there yet");
    plat::fs::ignoreFailure(plat::fs::copyFile(staging, own), "the server starts with its defaults");
    return true;
}

}  // namespace

std::span<const ProfileEntry> webServerTable() { return kWebTable; }
std::span<const ProfileEntry> mailServerTable() { return kMailTable; }
std::span<const ProfileEntry> missionServerTable() { return kMissionTable; }

WebServer practiceWebServer() { return {kWebTable, kWebServerIni, kWebServerExe}; }

WebServer missionWebServer() { return {kMissionTable, kMissionWebFolder + QStringLiteral("\\server.ini"), kMissionWebExe}; }

QString programNotStartedMessage(const QString& program)
{
    return QStringLiteral("程序“") + plat::baseName(program) + QStringLiteral("”无法启动（") +
           plat::displayPath(plat::appPath(program)) + QStringLiteral("）。\n请联系老师检查素材文件夹。");
}

QString serverConfigNotWrittenMessage(const QString& path)
{
    return QStringLiteral("练习服务器的配置文件无法写入：") + plat::displayPath(path) + msg::kServerNotStarted;
}

bool startProgramOrSay(const QString& program, plat::WindowStyle style, QWidget* owner)
{
    if (plat::startProgram(plat::appPath(program), {}, style) > 0) return true;
    msgOk(programNotStartedMessage(program), owner);
    return false;
}

bool startServerUnlessRunning(const QString& process, const QString& program, plat::WindowStyle style, QWidget* owner)
{
    return uIsProcessRunning(process) || startProgramOrSay(program, style, owner);
}

bool writeProfileTable(std::span<const ProfileEntry> table, const QString& path,
                        const std::function<QString(const char* key)>& fill)
{
    // One pass: a large file is read and written once, not once per entry.
    QList<plat::ProfileString> entries;
    entries.reserve(qsizetype(table.size()));
    for (const ProfileEntry& e : table)
        entries.append({QString::fromUtf8(e.section), QString::fromUtf8(e.key), e.value ? QString::fromUtf8(e.value) : fill(e.key)});
    return plat::writeProfileStrings(entries, path, plat::Durability::Regenerated);
}

ServerKind serverKindOf(const QString& questionText)
{
    if (questionText.contains(QStringLiteral("文件传输协议"))) return ServerKind::Ftp;
    if (questionText.contains(QStringLiteral("邮件管理器"))) return ServerKind::Mail;
    return ServerKind::Web;
}

void uSetupPracticeServer(const QString& questionText, const QString& ftpContent, const QString& stagingIni,
                          const QString& ipv4, const QString& studentNumber, forms::Form* owner, MailConfig mail)
{
    switch (serverKindOf(questionText)) {
    case ServerKind::Ftp: uSetupFtpServer(ftpContent, owner); break;
    case ServerKind::Mail: uSetupMailServer(ipv4, studentNumber, owner, mail); break;
    case ServerKind::Web: (void)uSetupWebServer(ipv4, stagingIni, QString(), owner); break;  // reported there
    }
}

bool uSetupWebServer(const WebServer& server, const QString& ipv4, const QString& stagingIni, const QString& site,
                     QWidget* owner)
{
    const auto fill = [&](const char* key) { return qstrcmp(key, "ServerIP") == 0 ? ipv4 : site; };
    return configure(server.table, stagingIni, plat::appPath(server.ownIni), fill, owner) &&
           startProgramOrSay(server.program, plat::WindowStyle::Hidden, owner);
}

bool uSetupWebServer(const QString& ipv4, const QString& stagingIni, const QString& webRoot, QWidget* owner)
{
    const QString root = webRoot.isEmpty() ? plat::appPath(kWebRoot) : webRoot;
    const QString site = plat::fs::folderExists(root) ? plat::displayPath(root) : QString();
    return uSetupWebServer(practiceWebServer(), ipv4, stagingIni, site, owner);
}

bool fillFtpFolder(const QString& ftpContent, forms::Form* owner)
{
    // The served folder is rebuilt from the materials tree, never from
    // earlier work; the server must let go of it first. A server that did not
    // stop is found still running when it is to be started again, and said.
    if (stopServerAndWait(exerciseTools(), kFtpServerProcess, owner) == WaitResult::Gone) return false;
    plat::fs::ignoreFailure(plat::fs::deleteFolder(kFtpFolder, true), "the copy below overwrites what stays");
    plat::fs::ignoreFailure(plat::fs::copyFolder(ftpContent, kFtpFolder), "the server serves what arrived");
    return true;
}

void uSetupFtpServer(const QString& ftpContent, forms::Form* owner)
{
    if (!fillFtpFolder(ftpContent, owner)) return;  // the window went away meanwhile
    // Either failure was reported to the student there.
    (void)startServerIfStopped(kFtpServerProcess, kFtpServerExe, plat::WindowStyle::Minimized, owner);
}

QString serverStillRunningMessage(const QString& process)
{
    return QStringLiteral("练习服务器“") + process +
           QStringLiteral("”未能停止，仍在运行，因此没有再启动一个。\n请关闭它（或请老师帮助）后重新打开本题。");
}

bool startServerIfStopped(const QString& process, const QString& program, plat::WindowStyle style, QWidget* owner)
{
    if (uIsProcessRunning(process)) {
        msgOk(serverStillRunningMessage(process), owner);
        return false;
    }
    return startProgramOrSay(program, style, owner);
}

bool configureMailServer(const QString& ipv4, QWidget* owner)
{
    const auto fill = [&](const char* key) -> QString {
        if (qstrcmp(key, "Dominame") == 0) return kMailDomain;
        if (qstrcmp(key, "WebWorkPath") == 0)
            return plat::displayPath(plat::appPath(kMailFolder + QStringLiteral("\\webmailupload")));
        if (qstrcmp(key, "POP3WorkPath") == 0)
            return plat::displayPath(plat::appPath(kMailFolder + QStringLiteral("\\webmaildownload")));
        return ipv4;
    };
    return configure(mailServerTable(), plat::appPath(kStagingMailIni), plat::appPath(kMailIni), fill, owner);
}

void resetMailboxes(const QString& studentNumber)
{
    plat::fs::ignoreFailure(plat::fs::deleteFolder(plat::appPath(kMailboxes)), "the copy below overwrites what stays");
    plat::fs::ignoreFailure(plat::fs::copyFolder(plat::appPath(kPristineMailboxes), plat::appPath(kMailboxes)),
                            "the server starts with the mailboxes that arrived");
    plat::fs::ignoreFailure(plat::fs::rename(plat::appPath(kMailboxes + QStringLiteral("\\test")),
                                             plat::appPath(kMailboxes + QStringLiteral("\\") + studentNumber)),
                            "the student's mailbox keeps the sample's name");
}

bool startMailServer(QWidget* owner) { return startProgramOrSay(kMailServerExe, plat::WindowStyle::Hidden, owner); }

void resetMailClient()
{
    // Each step stands alone: what an earlier student left is removed as far as it goes.
    static const char* const kFreshClient = "the client starts with what could be reset";
    const auto in = [](const char* name) { return plat::appPath(kMailClientFolder + QStringLiteral("\\") + QString::fromUtf8(name)); };
    plat::fs::ignoreFailure(plat::fs::deleteFolder(in("Alarm")), kFreshClient);
    plat::fs::ignoreFailure(plat::fs::deleteFile(in("accounts.cfg")), kFreshClient);
    plat::fs::ignoreFailure(plat::fs::deleteFolder(in("IndexLib2")), kFreshClient);
    plat::fs::ignoreFailure(plat::fs::deleteFile(in("accounts.cfg.bak")), kFreshClient);
    plat::fs::ignoreFailure(plat::fs::copyFolder(plat::appPath(kPristineClientIndex), in("IndexLib2")), kFreshClient);
    plat::fs::ignoreFailure(plat::fs::deleteFile(in("fmnmtk2.dat")), kFreshClient);
    plat::fs::ignoreFailure(plat::fs::deleteFile(in("FoxInfo.dat")), kFreshClient);
}

void uSetupMailServer(const QString& ipv4, const QString& studentNumber, QWidget* owner, MailConfig config)
{
    // The mailboxes and the client are reset whatever the server does: they
    // must not keep an earlier student's mail. Failures were reported.
    const bool configured = config == MailConfig::Keep || configureMailServer(ipv4, owner);
    resetMailboxes(studentNumber);
    if (configured) (void)startMailServer(owner);
    resetMailClient();
}

QStringList mailSources() { return {plat::appPath(kPristineMailboxes), plat::appPath(kPristineClientIndex)}; }

WaitResult stopServerAndWait(const ToolSet& tools, const QString& process, forms::Form* owner, int timeoutMs)
{
    if (!uIsProcessRunning(process)) return WaitResult::Ended;
    for (const ToolPair& t : tools)
        if (t.process == process) return startAndWait(plat::appPath(t.killTool), {}, plat::WindowStyle::Hidden, owner, timeoutMs);
    return WaitResult::Ended;
}

ToolSet orderedTools(const ToolSet& tools, const QStringList& processes)
{
    ToolSet out;
    for (const QString& p : processes)
        for (const ToolPair& t : tools)
            if (t.process == p) out << t;
    for (const ToolPair& t : tools)
        if (!processes.contains(t.process)) out << t;
    return out;
}

}  // namespace common
