#include "tasks/missionservers.h"

#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/textfile.h"
#include "tasks/messages.h"
#include "tasks/taskentry.h"

#include <QDir>

namespace tasks {

namespace {

using common::ProfileEntry;

constexpr ProfileEntry kMissionTable[] = {
    {"option", "pagesize", "65536"},
    {"option", "autostart", "1"},
    {"option", "filemode", "0"},
    {"option", "urlrewrite", "1"},
    {"option", "fcgibufsize", "63"},
    {"option", "ServerIP", nullptr},
    {"option", "Serverport", "8088"},
    {"option", "DefaultFile", "index.html;index.php;index.htm;index.asp;index.cgi"},
    {"option", "serverpath", nullptr},
    {"option", "filelist", "1"},
    {"option", "filenm", "0"},
    {"option", "sendtimeout", "16000"},
    {"option", "postsize", "8000"},
    {"option", "keepconntime", "15"},
    {"option", "proxyretrynm", "22"},
    {"option", "sconnnm", "4"},
    {"option", "svname", "MyWebServer_Site4621"},
    {"option", "isapibufsize", "63"},
    {"option", "proxybuf", "18000"},
    {"option", "savelog", "0"},
    {"option", "enableasp", "1"},
    {"option", "https", "0"},
    {"option", "httpsport", "443"},
    {"option", "tproxy", "1"},
    {"option", "tproxy", "1"},
    {"option", "logpath", "log"},
    {"option", "threadpoolsize", "3"},
    {"option", "update", "0"},
    {"option", "upflag", "1"},
    {"option", "gzip", "1"},
    {"option", "checkip", "0"},
    {"option", "gzipext", ".html;.htm;.js;.css;"},
    {"option", "gziptmpdir", "gziptmp"},
    {"option", "isapicache", "0"},
    {"option", "enableconnect", "0"},
    {"option", "httprz", "0"},
    {"option", "maxmem", "860"},
    {"vpath", "my", "D:\\phpcms"},
    {"vpath", "d", "d:\\"},
    {"vpath", "p", "F:\\pp\\Photo2"},
    {"vpath", "web", "F:\\web"},
    {"vpath", "ico", "D:\\tool1\\ico"},
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
    {"mime", ".tif", "image/tiff"},
    {"mime", ".chm", "application/mshelp"},
};
static_assert(std::size(kMissionTable) == 71);

QString inFtp(const char* name) { return plat::appPath(kMissionFtpFolder + '\\' + QString::fromUtf8(name)); }

}  // namespace

std::span<const common::ProfileEntry> missionServerTable() { return kMissionTable; }

QString missionFtpHome(const QString& area, const QString& key)
{
    return plat::displayPath(projectArchive(area, key) + QStringLiteral("\\ftp")) + QDir::separator();
}

bool uSetupMissionFtpServer(const QString& area, const QString& key, QWidget* owner)
{
    namespace fs = plat::fs;
    // Names of an older build's intermediate steps go first.
    for (const char* name : {"ftpusers0.txt", "ftpusers0.xml", "ftpusers.txt"})
        fs::ignoreFailure(fs::deleteFile(inFtp(name), true), "an absent intermediate file");
    // The template text as read (left beside the server for reference).
    fs::ignoreFailure(fs::copyFile(inFtp("BK\\ftpusers_模板.xml"), inFtp("ftpusers0.txt")), "a missing template gives an empty user file");
    QByteArray raw;
    if (!plat::readWholeFile(inFtp("ftpusers0.txt"), &raw)) {
        // Without its template the user file would lose every user: the
        // server keeps the file it has and is not started.
        msgOk(missionFtpTemplateMissingMessage(), owner);
        return false;
    }
    QString text = plat::decode936(raw);
    text.replace(QStringLiteral("主目录"), missionFtpHome(area, key).toHtmlEscaped());
    const QByteArray out = plat::encode936(text).value_or(raw);
    // Replaced whole: a shorter text never keeps the tail of an older file.
    if (!plat::writeWholeFileAtomic(inFtp("ftpusers.xml"), out)) {
        msgOk(common::serverConfigNotWrittenMessage(inFtp("ftpusers.xml")), owner);
        return false;
    }
    return common::startProgramOrSay(kMissionFtpExe, plat::WindowStyle::Hidden, owner);
}

QString missionFtpTemplateMissingMessage()
{
    return msg::ftpTemplateMissing(plat::displayPath(inFtp("BK\\ftpusers_模板.xml")));
}

bool uSetupMissionWebServer(const QString& ipv4, QWidget* owner)
{
    const QString site = plat::displayPath(plat::appPath(kMissionWebFolder + QStringLiteral("\\web")));
    const QString staging = plat::appPath(kMissionWebFolder + QStringLiteral("\\BK\\server.ini"));
    const common::WebServer server{missionServerTable(), kMissionWebFolder + QStringLiteral("\\server.ini"), kMissionWebExe};
    return common::uSetupWebServer(server, ipv4, staging, site, owner);
}

}  // namespace tasks
