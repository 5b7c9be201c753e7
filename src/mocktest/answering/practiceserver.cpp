#include "mocktest/answering/practiceserver.h"

#include "common/guards.h"
#include "common/processes.h"
#include "common/servers.h"
#include "forms/form.h"
#include "mocktest/messages.h"
#include "mocktest/paper/leveltable.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"

namespace mocktest {

namespace fs = plat::fs;

QString configuredWebRoot()
{
    return plat::readProfileString(QStringLiteral("option"), QStringLiteral("serverpath"), plat::appPath(common::kWebServerIni))
        .value_or(QString());
}

QString setupMockServer(const QString& text, const QString& level, const QString& number, const QString& address,
                         forms::Form* owner)
{
    const QString sever = mockBank(level) + QStringLiteral("\\network\\sever");
    const QString site = sever + QStringLiteral("\\") + number;
    if (!fs::folderExists(site))
        return msg::serverFolderMissing(site);

    if (common::serverKindOf(text) == common::ServerKind::Ftp) {
        // Only this question's files: nothing of an earlier question stays.
        const fs::Status emptied = fs::deleteFolder(common::kFtpFolder, true);
        if (emptied == fs::Status::Failed)
            return msg::ftpFolderNotEmptied(common::kFtpFolder, emptied.describe());
        const fs::Status copied = fs::copyFolder(site, common::kFtpFolder);
        if (!copied.ok()) return msg::ftpFilesNotCopied(copied.describe());
        // A server that does not start tells the student itself.
        (void)common::startServerUnlessRunning(common::kFtpServerProcess, common::kFtpServerExe,
                                                plat::WindowStyle::Minimized, owner);
        return {};
    }

    const QString root = plat::displayPath(site);
    if (uIsProcessRunning(common::kWebServerProcess)) {
        if (configuredWebRoot() == root) return {};
        const common::WaitResult stopped =
            common::stopServerAndWait(common::mockTestTools(level), common::kWebServerProcess, owner);
        if (stopped == common::WaitResult::Gone) return {};
        if (stopped != common::WaitResult::Ended || uIsProcessRunning(common::kWebServerProcess))
            return msg::kWebServerStillRunning;
    }
    // A server that cannot be set up tells the student itself.
    (void)common::uSetupWebServer(address, sever + QStringLiteral("\\server.ini"), site, owner);
    return {};
}

}  // namespace mocktest
