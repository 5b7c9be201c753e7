// 初始化当前任务: the started task back to its starting state, from the
// pristine copies the task start left in the area working copy; in the
// network area also the archive's server folders and the mission servers.
#include "common/guards.h"
#include "common/messages.h"
#include "common/servers.h"
#include "forms/controls.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "tasks/messages.h"
#include "tasks/missionservers.h"
#include "tasks/taskentry.h"
#include "tasks/taskwindow.h"

#include <QDir>
#include <QLineEdit>

namespace tasks {

namespace fs = plat::fs;

void TaskWindow::reinitialiseTask()
{
    const QString t = ctl<QLineEdit>(QStringLiteral("任务标题"))->text();
    const QString a = state.area, e = state.extension, w = state.workFolder, m = state.taskStep;
    const QString stepFolder = QStringLiteral("D:\\") + w + '\\' + m;
    const QString document = workingDocument(t);
    const QString documentProbe = taskTreePath(QStringLiteral("\\") + a + QStringLiteral("\\题目文档\\") + t + QStringLiteral("_改.") + e);
    const QString pristineDocument = taskTreePath(QStringLiteral("\\") + a + QStringLiteral("\\bk\\") + t + '.' + e);
    const QString pristineMaterial = taskTreePath(QStringLiteral("\\") + a + QStringLiteral("\\素材\\") + w + '\\' + m);

    common::GuardList guards;
    guards << common::GuardEntry::probe(stepFolder, stepFolder + QStringLiteral("改"), true,
                                        common::msg::kCloseOpenFilesBeforeReset)
           << common::GuardEntry::explorer(m, common::explorerOpenMessage(m))
           << common::GuardEntry::probe(document, documentProbe, true, common::msg::kCloseDocument);
    if (!common::uCheckFoldersFree(guards, this)) return;
    if (!msgYesNo(msg::kAskReinitialise, this)) return;

    // Every source before anything is deleted. A task without material has
    // no pristine material folder: its working folder is rebuilt empty.
    const bool hasMaterial = state.tasksWithMaterial.contains(t);
    const bool network = a == QStringLiteral("network");
    const QString serverBank = taskTreePath(QStringLiteral("\\题库\\network\\server"));
    QStringList missing;
    if (!fs::fileExists(pristineDocument)) missing << pristineDocument;
    if (hasMaterial && !fs::folderExists(pristineMaterial)) missing << pristineMaterial;
    if (network && !fs::folderExists(serverBank)) missing << serverBank;
    if (!missing.isEmpty()) {
        QStringList shown;
        for (const QString& p : missing) shown << plat::displayPath(p);
        msgOk(msg::reinitSourcesMissing(shown), this);
        return;
    }

    bool ok = true;
    if (fs::folderExists(stepFolder)) ok = fs::ok(fs::deleteFolder(stepFolder, true));
    if (ok) ok = fs::ok(fs::makePath(stepFolder));
    if (ok && hasMaterial) ok = fs::ok(fs::copyFolder(pristineMaterial, stepFolder));
    if (ok && fs::fileExists(document)) ok = fs::ok(fs::deleteFile(document));
    if (ok) ok = fs::ok(fs::copyFile(pristineDocument, document));
    if (!ok) {
        msgOk(msg::reinitNotDone(plat::displayPath(stepFolder)), this);
        return;
    }

    if (network) {
        QWidget* submit = ctl("任务提交区");
        QWidget* button = ctl("初始化当前任务");
        QWidget* folder = ctl("任务文件夹");
        submit->setEnabled(false);
        button->setEnabled(false);
        folder->setEnabled(false);
        forms::setCaption(button, QStringLiteral("恢复中..."));
        const auto restoreControls = [&] {
            submit->setEnabled(true);
            button->setEnabled(true);
            folder->setEnabled(true);
            forms::setCaption(button, QStringLiteral("初始化当前任务"));
        };
        const QString archive = projectArchive(a, state.studentKey);
        // The FTP server lets go of the archive's folder before it is rebuilt;
        // each kill tool is awaited before anything is restarted.
        const common::ToolSet tools = common::missionTools();
        for (const QString& p : {kMissionFtpProcess, kMissionWebProcess}) {
            if (common::stopServerAndWait(tools, p, this) != common::WaitResult::Ended) {
                restoreControls();
                msgOk(msg::serverNotStopped(p), this);
                return;
            }
        }
        fs::ignoreFailure(fs::deleteFolder(archive + QStringLiteral("\\ftp")), "the copy below overwrites what stays");
        fs::ignoreFailure(fs::deleteFolder(archive + QStringLiteral("\\web")), "the copy below overwrites what stays");
        if (const fs::Status s = fs::copyFolder(serverBank, archive); !s.ok()) {
            restoreControls();
            msgOk(msg::serverFoldersIncomplete(s.describe()), this);
            return;
        }
        uSetupMissionFtpServer(a, state.studentKey, this);
        uSetupMissionWebServer(state.ipAddress == QStringLiteral("IP地址") ? QString() : state.ipAddress, this);
        restoreControls();
    }
    msgOk(common::msg::kRestored, this);
}

}  // namespace tasks
