// The task start (开始任务): panels opened, hand-in controls reset for the
// task, the handed-in check, the machine's address, the personalised text,
// the documents and material copied (once per task and visit), the sample
// pictures and, for the network area, the mission servers.
#include "common/ipv4.h"
#include "common/processes.h"
#include "common/questiontext.h"
#include "forms/controls.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/result.h"
#include "tasks/messages.h"
#include "tasks/missionservers.h"
#include "tasks/taskentry.h"
#include "tasks/taskwindow.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>

namespace tasks {

namespace fs = plat::fs;

void TaskWindow::showTaskText(const QString& path)
{
    if (!common::showQuestionText(ctl<QPlainTextEdit>(QStringLiteral("任务内容")), path))
        msgOk(common::questionTextUnreadableMessage(path), this);
}

void TaskWindow::startTask()
{
    const int n = state.currentTask();
    const QString t = ctl<QLineEdit>(QStringLiteral("任务标题"))->text();
    const QString a = state.area, e = state.extension, m = state.taskStep, w = state.workFolder;
    if (n == 0 || t.isEmpty()) return;
    const QString bank = taskTreePath(QStringLiteral("\\题库\\") + a);
    const QString text = bank + QStringLiteral("\\题目内容\\") + t + QStringLiteral(".txt");
    const QString document = bank + QStringLiteral("\\题目文档\\") + t + '.' + e;

    // A task whose text or document is missing cannot be started: nothing
    // is changed, the student is told which file is missing.
    for (const QString& need : {text, document})
        if (!fs::fileExists(need)) {
            msgOk(msg::taskFileMissing(t, plat::displayPath(need)), this);
            return;
        }

    ctl("开始任务")->setEnabled(false);
    ctl("任务内容区")->show();
    ctl("涉及知识点提示区")->show();
    for (const char* name : {"样式", "任务文件夹", "折叠", "样式区"}) ctl(QString::fromUtf8(name))->hide();
    ctl("操作题提交")->setEnabled(true);
    ctl("操作题选择提交路径")->setEnabled(true);
    ctl("操作题选择提交路径")->show();
    ctl("操作题重置任务")->hide();
    ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->clear();
    state.exitCheck.clear();

    state.mayHandIn[n - 1] = QStringLiteral("1");
    if (uIsSubmitted(submittedFolder(a), QStringLiteral("*.txt"), false, state.studentKey) &&
        state.handedInMarks[n - 1] == kHandedIn) {
        ctl("操作题提交")->setEnabled(false);
        ctl("操作题选择提交路径")->setEnabled(false);
        ctl("操作题选择提交路径")->hide();
        ctl("操作题重置任务")->show();
        ctl(QString::fromUtf8(kTaskMembers[n - 1].check))->setEnabled(false);
        state.mayHandIn[n - 1] = QStringLiteral("0");
        ctl<QLineEdit>(QStringLiteral("操作题保存路径"))
            ->setText(QStringLiteral("【") + state.taskLabel + QStringLiteral("】结果已提交！！！"));
    }

    const QString stepFolder = QStringLiteral("D:\\") + w + '\\' + m;
    const QString shownText = taskTreePath(QStringLiteral("\\") + a + QStringLiteral("\\题目内容\\") + t + QStringLiteral(".txt"));
    const bool first = !state.prepared[n - 1];
    // Copies that fail are named to the student at the end.
    QStringList failed;
    const auto note = [&failed](const fs::Status& s) {
        if (!s.ok()) failed << s.describe();
    };
    // A hand-in that was interrupted (the program killed while packing)
    // leaves the student's document and folder in the project archive, and
    // the folder on D:; a later hand-in of other tasks sets them aside. They
    // are the student's work: the task goes on from them instead of from the
    // bank (the archive's copy is the newer one).
    const auto stagedCopy = [&](const QString& item, bool folder) {
        for (const QString& at : {projectArchive(a, state.studentKey), setAsideFolder(a, state.studentKey)}) {
            const QString path = at + '\\' + item;
            if (folder ? fs::folderExists(path) : fs::fileExists(path)) return path;
        }
        return QString();
    };
    const QString stagedDocument = stagedCopy(t + '.' + e, false);
    const QString stagedFolder = stagedCopy(m, true);
    const bool keepDocument = first && !stagedDocument.isEmpty();
    const bool keepFolder = first && fs::folderExists(stepFolder);
    const bool restoreFolder = first && !keepFolder && !stagedFolder.isEmpty();
    QString ip;
    if (first) {
        const QString serverFolder = plat::appPath(QStringLiteral("\\素材\\bk\\题库\\操作题\\") + a + QStringLiteral("\\server"));
        note(fs::makePath(serverFolder));
        ip = common::uGetLocalIPv4(serverFolder + QStringLiteral("\\ipd_mission.txt"), this);
        if (!ip.isEmpty()) state.ipAddress = ip;
        const QString personal = bank + QStringLiteral("\\题目内容_改\\") + t + QStringLiteral(".txt");
        note(fs::makePath(bank + QStringLiteral("\\题目内容_改")));
        // An old personalised text must not pass for this one.
        if (!common::uPersonaliseQuestionText(text, personal,
                                              {{QStringLiteral("任务素材文件夹"), plat::displayPath(stepFolder)},
                                               {QStringLiteral("strLocalIP"), ip}}))
            failed << plat::displayPath(personal);
        note(fs::copyFile(personal, shownText));
        note(fs::copyFile(document, taskTreePath(QStringLiteral("\\") + a + QStringLiteral("\\bk\\") + t + '.' + e)));
        note(fs::copyFile(keepDocument ? stagedDocument : document, workingDocument(t)));
    }

    loadSamplePictures(t);
    if (state.tasksWithMaterial.contains(t)) ctl("任务文件夹")->show();
    showTaskText(shownText);

    if (first) {
        note(fs::makePath(stepFolder));
        if (restoreFolder) note(fs::copyFolder(stagedFolder, stepFolder));
        if (state.tasksWithMaterial.contains(t)) {
            const QString material = bank + QStringLiteral("\\素材\\") + t;
            if (!keepFolder && !restoreFolder) note(fs::copyFolder(material, stepFolder));
            const QString pristine = taskTreePath(QStringLiteral("\\") + a + QStringLiteral("\\素材\\") + w + '\\' + m);
            note(fs::makePath(pristine));
            note(fs::copyFolder(material, pristine));
        }
        state.prepared[n - 1] = failed.isEmpty();  // a failed copy is tried again at the next start
    }

    if (a == QStringLiteral("network")) {
        ctl("重选任务")->setEnabled(false);
        note(fs::copyFolder(taskTreePath(QStringLiteral("\\题库\\network\\server")), projectArchive(a, state.studentKey)));
        // A server that cannot be set up tells the student itself.
        if (!uIsProcessRunning(kMissionFtpProcess)) uSetupMissionFtpServer(a, state.studentKey, this);
        if (!uIsProcessRunning(kMissionWebProcess)) uSetupMissionWebServer(first ? ip : state.ipAddress, this);
    }

    for (int k = 0; k < 6; ++k)
        if (state.mayHandIn[k] == QStringLiteral("1")) ctl(QString::fromUtf8(kTaskMembers[k].check))->setEnabled(true);
    if (keepDocument || keepFolder || restoreFolder)
        msgOk(msg::earlierAnswerKept(t), this);
    if (!failed.isEmpty())
        msgOk(msg::startCopiesFailed(failed), this);
}

void TaskWindow::loadSamplePictures(const QString& task)
{
    if (!state.tasksWithPictures.contains(task)) return;
    ctl("样式")->show();
    const int count =
        style_.setFolder(taskTreePath(QStringLiteral("\\题库\\") + state.area + QStringLiteral("\\样图\\") + task));
    if (count == 0) return;
    style_.uShowPicture(0);
    for (const char* b : {"样式上一张", "样式下一张"}) {
        ctl(QString::fromUtf8(b))->setVisible(count >= 2);
        ctl(QString::fromUtf8(b))->setEnabled(false);
    }
}

}  // namespace tasks
