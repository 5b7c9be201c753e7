#include "mocktest/answering/practiceserver.h"

#include "common/guards.h"
#include "common/processes.h"
#include "common/servers.h"
#include "forms/form.h"
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
        return QStringLiteral("找不到本题的服务器文件夹“") + plat::displayPath(site) + QStringLiteral("”，请联系老师检查模拟测试题库。");

    if (common::serverKindOf(text) == common::ServerKind::Ftp) {
        // Only this question's files: nothing of an earlier question stays.
        const fs::Status emptied = fs::deleteFolder(common::kFtpFolder, true);
        if (emptied == fs::Status::Failed)
            return QStringLiteral("无法清空“") + plat::displayPath(common::kFtpFolder) + QStringLiteral("”：") + emptied.describe();
        const fs::Status copied = fs::copyFolder(site, common::kFtpFolder);
        if (!copied.ok()) return QStringLiteral("FTP服务器的文件未能全部复制：") + copied.describe();
        // A server that does not start tells the student itself.
        (void)common::startServerUnlessRunning(common::kFtpServerProcess, common::kFtpServerExe,
                                                plat::WindowStyle::Minimized, owner);
        return {};
    }

    const QString root = plat::displayPath(site);
    if (uIsProcessRunning(common::kWebServerProcess)) {
        if (configuredWebRoot() == root) return {};
        const common::WaitResult stopped =
            common::uStopServerAndWait(common::mockTestTools(level), common::kWebServerProcess, owner);
        if (stopped == common::WaitResult::Gone) return {};
        if (stopped != common::WaitResult::Ended || uIsProcessRunning(common::kWebServerProcess))
            return QStringLiteral("网页服务器未能停止，仍在提供上一题的网站。请关闭本窗口后重新进入模拟测试。");
    }
    // A server that cannot be set up tells the student itself.
    (void)common::uSetupWebServer(address, sever + QStringLiteral("\\server.ini"), site, owner);
    return {};
}

}  // namespace mocktest
