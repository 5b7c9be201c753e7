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

QString inFtp(const char* name) { return plat::appPath(kMissionFtpFolder + '\\' + QString::fromUtf8(name)); }

}  // namespace

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
    if (!plat::writeWholeFileAtomic(inFtp("ftpusers.xml"), out, plat::Durability::Regenerated)) {
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
    return common::uSetupWebServer(common::missionWebServer(), ipv4, staging, site, owner);
}

}  // namespace tasks
