// The hand-ins of 任务项目窗格: the ticked office or network tasks, and the
// Windows sheet. Both go through the shared hand-in, which verifies the
// packed archive and the submission file before anything is marked or
// removed; a failure keeps the window open with the work as it was.
#include "common/handin.h"
#include "common/messages.h"
#include "forms/controls.h"
#include "forms/runtime.h"
#include "platform/archive.h"
#include "platform/filesystem.h"
#include "platform/folderpicker.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "tasks/messages.h"
#include "tasks/taskentry.h"
#include "tasks/taskwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>

namespace tasks {

namespace fs = plat::fs;

namespace {


// The Windows sheet's answer boxes in the order of "windows.txt", with the
// name of the picture copy for the screenshot boxes.
struct SheetBox {
    const char* box;
    const char* copy;  // nullptr: a typed answer
};
constexpr SheetBox kSheetBoxes[] = {
    {"计算机基本信息", "01_计算机基本信息.jpg"},
    {"CPU主频", nullptr},
    {"计算机名", nullptr},
    {"内存大小", nullptr},
    {"工作组", nullptr},
    {"系统版本", nullptr},
    {"系统类型", nullptr},
    {"屏幕分辨率", "02_屏幕分辨率.jpg"},
    {"自定义开始菜单", "03_自定义开始菜单.jpg"},
    {"Aero特效", "04_Aero特效.jpg"},
    {"资源管理器", "05_资源管理器.jpg"},
    {"用户账户", "06_用户账户.jpg"},
    {"硬盘分区与盘符", "07_硬盘分区与盘符.jpg"},
    {"文件名的结构", nullptr},
    {"通配符", nullptr},
    {"库", "08_库.jpg"},
    {"Bb转换", nullptr},
    {"KBB转换", nullptr},
    {"MBKB转换", nullptr},
    {"GBMB转换", nullptr},
    {"TBGB转换", nullptr},
};

QString marksFile(const QString& area, const QString& key) { return submittedFolder(area) + '\\' + key + QStringLiteral(".txt"); }

}  // namespace

QStringList sheetAnswerBoxes()
{
    QStringList out;
    for (const SheetBox& b : kSheetBoxes) out << QString::fromUtf8(b.box);
    return out;
}

void TaskWindow::restoreSheetAnswers()
{
    // The typed answers live only in the boxes; a hand-in killed after it
    // wrote them into the project archive leaves them there alone. Unless the
    // sheet was handed in after all, they come back into the boxes, and a
    // screenshot box gets its path back where the picture's copy was made.
    const Area* sheet = findArea(QStringLiteral("windows"));
    if (uIsSubmitted(submittedFolder(QString::fromUtf8(sheet->word)), QString::fromUtf8(sheet->pattern), sheet->foldersToo,
                     state.studentKey))
        return;
    const QString archive = projectArchive(QString::fromUtf8(sheet->word), state.studentKey);
    const auto lines = plat::readLines936(archive + QStringLiteral("\\windows.txt"));
    if (!lines || lines->size() != qsizetype(std::size(kSheetBoxes))) return;
    bool any = false;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        const SheetBox& b = kSheetBoxes[i];
        const QString& answer = lines->at(i);
        if (answer.isEmpty() || (b.copy && !fs::fileExists(archive + '\\' + QString::fromUtf8(b.copy)))) continue;
        ctl<QLineEdit>(QString::fromUtf8(b.box))->setText(answer);
        any = true;
    }
    if (any) msgOk(msg::kSheetAnswersKept, this);
}

void TaskWindow::setProgress(int percent)
{
    // -1: the archiver runs; a bar without range moves to show it.
    for (const char* name : {"ProgressBar1", "ProgressBar2"}) {
        auto* bar = ctl<QProgressBar>(QString::fromUtf8(name));
        bar->setRange(0, percent < 0 ? 0 : 100);
        if (percent >= 0) bar->setValue(percent);
    }
}

bool TaskWindow::writeMarks(const std::array<QString, 6>& marks, QString* why) const
{
    QStringList lines(marks.begin(), marks.end());
    const QString path = marksFile(state.area, state.studentKey);
    if (const fs::Status made = fs::makePath(QFileInfo(plat::toHost(path)).absolutePath()); !made.ok()) {
        if (why) *why = msg::recordNotWritten(made.describe());
        return false;
    }
    if (plat::writeText936(path, lines.join(QStringLiteral("\r\n")))) return true;
    if (why) *why = msg::recordNotWritten(plat::displayPath(path));
    return false;
}

void TaskWindow::enableHandInControls(bool on)
{
    for (const char* name : {"操作题提交", "操作题选择提交路径", "任务内容区", "任务标题区", "涉及知识点区"})
        ctl(QString::fromUtf8(name))->setEnabled(on);
}

void TaskWindow::chooseHandInFolder()
{
    bool ticked = false;
    for (const TaskMember& m : kTaskMembers) ticked = ticked || ctl<QCheckBox>(QString::fromUtf8(m.check))->isChecked();
    if (!ticked) {
        msgOk(msg::kTickATask, this);
        return;
    }
    msgOk(common::msg::kHandInFolderWarning, this);
    const QString folder = uBrowseForFolder(this, QStringLiteral("浏览文件夹"));
    if (!folder.isEmpty()) ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setText(folder);
}

void TaskWindow::handInTasks()
{
    const QString target = ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->text();
    if (target.isEmpty()) {
        msgOk(common::msg::kChooseSaveFolder, this);
        return;
    }
    QList<int> ticked;
    for (int n = 1; n <= 6; ++n)
        if (ctl<QCheckBox>(QString::fromUtf8(kTaskMembers[n - 1].check))->isChecked()) ticked << n;
    if (ticked.isEmpty()) {
        msgOk(msg::kTickATask, this);
        return;
    }
    if (const QString problem = common::handInFolderProblem(target); !problem.isEmpty()) {
        msgOk(problem, this);
        return;
    }
    if (!msgYesNo(msg::kAskHandIn, this) || !msgYesNo(msg::kAskHandInSure, this)) return;

    const QString a = state.area;
    const QString archive = projectArchive(a, state.studentKey);
    // Every source first: nothing is copied before all of them are there.
    for (int n : ticked) {
        const QString doc = workingDocument(state.taskName(n));
        const QString step = QStringLiteral("D:\\") + state.workFolder + '\\' + QString::fromUtf8(kTaskMembers[n - 1].step);
        for (const QString& need : {doc, step})
            if (!fs::fileExists(need) && !fs::folderExists(need)) {
                msgOk(msg::answerMissing(state.taskName(n), plat::displayPath(need)), this);
                return;
            }
    }
    if (!fs::folderExists(archive)) {
        msgOk(msg::archiveMissing(plat::displayPath(archive)), this);
        return;
    }
    QStringList sources;
    for (int n : ticked)
        sources << workingDocument(state.taskName(n))
                << QStringLiteral("D:\\") + state.workFolder + '\\' + QString::fromUtf8(kTaskMembers[n - 1].step);
    if (!common::askAboutOpenDocuments(sources, this)) return;

    // A failed attempt left its copies of the tasks it packed in the archive.
    // Those of a task that is neither ticked now nor handed in must not go
    // along with this hand-in. They may be the only copy of the student's
    // work (a hand-in killed in an earlier visit), so they are set aside, not
    // deleted: a later start of the task goes on from them.
    const QString aside = setAsideFolder(a, state.studentKey);
    for (int n = 1; n <= 6; ++n) {
        const QString name = state.taskName(n);
        if (name.isEmpty() || ticked.contains(n) || state.handedInMarks[n - 1] == kHandedIn) continue;
        for (const QString& item : {name + '.' + state.extension, QString::fromUtf8(kTaskMembers[n - 1].step)}) {
            const QString staged = archive + '\\' + item;
            if (!fs::folderExists(staged) && !fs::fileExists(staged)) continue;
            // What waits there already is older than what was staged since.
            const QString waiting = aside + '\\' + item;
            const fs::Status cleared = fs::folderExists(waiting) ? fs::deleteFolder(waiting, true)
                                       : fs::fileExists(waiting) ? fs::deleteFile(waiting, true)
                                                                 : fs::Status();
            if (!fs::ok(cleared) || !fs::ok(fs::makePath(aside)) || !fs::ok(fs::rename(staged, waiting))) {
                msgOk(msg::staleTaskCopyStays(name, plat::displayPath(staged)), this);
                return;
            }
        }
    }

    enableHandInControls(false);
    std::array<QString, 6> digits = state.handInDigits;
    std::array<QString, 6> marks = state.handedInMarks;
    for (int n : ticked) {
        const QString step = QString::fromUtf8(kTaskMembers[n - 1].step);
        // The task's folder in the archive becomes exactly what the student
        // has now: what an earlier attempt put there and the student has
        // deleted since does not go along.
        const QString staged = archive + '\\' + step;
        const bool copied = fs::ok(fs::copyFile(workingDocument(state.taskName(n)), archive + '\\')) &&
                            (!fs::folderExists(staged) || fs::ok(fs::deleteFolder(staged, true))) &&
                            fs::ok(fs::copyFolder(QStringLiteral("D:\\") + state.workFolder + '\\' + step, staged));
        if (!copied) {
            enableHandInControls(true);
            msgOk(msg::answerNotStaged(state.taskName(n), plat::displayPath(archive)), this);
            return;
        }
        digits[n - 1] = QString::number(n);
        marks[n - 1] = kHandedIn;
    }

    common::HandIn h;
    h.folder = archive;
    h.packedArchive = packedArchive(a, state.studentKey);
    h.targetFolder = target;
    h.submissionName = a + '_' + QStringList(digits.begin(), digits.end()).join(QString()) + '_' + state.studentKey +
                       QStringLiteral(".vorqv");
    h.owner = this;
    for (int n : ticked)
        h.replaces << state.studentKey + '/' + state.taskName(n) + '.' + state.extension
                   << state.studentKey + '/' + QString::fromUtf8(kTaskMembers[n - 1].step) + '/';
    h.progress = [this](int p) { setProgress(p); };
    h.record = [this, &marks](QString* why) { return writeMarks(marks, why); };
    h.tell = [&] {
        state.handInDigits = digits;
        state.handedInMarks = marks;
        state.handedIn = true;
        msgOk(common::msg::kHandInPacked, this);
    };
    const common::HandInResult r = common::handInFolder(h);
    if (!r.ok) {
        enableHandInControls(true);
        msgOk(r.message, this);
        return;
    }
    state.exitCheck = QStringLiteral("1");
    forms::unload(this);
}

void TaskWindow::resetHandedInTask()
{
    const QString title = ctl<QLineEdit>(QStringLiteral("任务标题"))->text();
    if (!msgYesNo(msg::askReset(title), this)) return;
    if (!msgYesNo(msg::askResetSure(title), this)) return;
    const int n = state.currentTask();
    std::array<QString, 6> marks = state.handedInMarks;
    if (n > 0) marks[n - 1] = QString::fromUtf8(kTaskMembers[n - 1].markLabel);
    QString why;
    if (!writeMarks(marks, &why)) {
        msgOk(msg::resetNotDone(why), this);
        return;
    }
    state.handedInMarks = marks;
    if (n > 0) {
        state.mayHandIn[n - 1] = QStringLiteral("1");
        ctl(QString::fromUtf8(kTaskMembers[n - 1].check))->setEnabled(true);
    }
    ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->clear();
    ctl("操作题选择提交路径")->show();
    ctl("操作题重置任务")->hide();
    ctl("操作题选择提交路径")->setEnabled(true);
    ctl("操作题提交")->setEnabled(true);
    msgOk(msg::resetDone(title), this);
}

void TaskWindow::chooseSheetFolder()
{
    const QString folder = uBrowseForFolder(this, QStringLiteral("浏览文件夹"));
    if (!folder.isEmpty()) ctl<QLineEdit>(QStringLiteral("保存路径"))->setText(folder);
}

void TaskWindow::handInSheet()
{
    if (!msgYesNo(msg::kAskHandIn, this) || !msgYesNo(msg::kAskHandInSure, this)) return;
    const QString target = ctl<QLineEdit>(QStringLiteral("保存路径"))->text();
    if (target.isEmpty()) {
        msgOk(common::msg::kChooseSaveFolder, this);
        return;
    }
    if (const QString problem = common::handInFolderProblem(target); !problem.isEmpty()) {
        msgOk(problem, this);
        return;
    }
    // A picked screenshot that is gone is named before anything is packed.
    for (const SheetBox& b : kSheetBoxes) {
        if (!b.copy) continue;
        const QString path = ctl<QLineEdit>(QString::fromUtf8(b.box))->text();
        if (!path.isEmpty() && !QFileInfo(path).isFile()) {
            msgOk(msg::screenshotGone(path, QString::fromUtf8(b.box)), this);
            return;
        }
    }
    const QString archive = projectArchive(QStringLiteral("windows"), state.studentKey);
    if (!fs::folderExists(archive)) {
        msgOk(msg::archiveMissing(plat::displayPath(archive)), this);
        return;
    }

    if (!common::askAboutOpenDocuments({QStringLiteral("D:\\SXWIN")}, this)) return;

    const auto enable = [this](bool on) {
        ctl("win提交")->setEnabled(on);
        ctl("选择提交路径")->setEnabled(on);
    };
    enable(false);
    const auto failWith = [&](const QString& text) {
        enable(true);
        msgOk(text + '\n' + common::kWorkKeptNote, this);
    };
    QStringList answers;
    for (const SheetBox& b : kSheetBoxes) answers << ctl<QLineEdit>(QString::fromUtf8(b.box))->text();
    if (!plat::writeText936(archive + QStringLiteral("\\windows.txt"), answers.join(QStringLiteral("\r\n"))))
        return failWith(msg::answersNotWritten(plat::displayPath(archive + QStringLiteral("\\windows.txt"))));
    // The archive takes the folder and screenshots exactly as they are now:
    // an earlier attempt's copies go first.
    const QString stagedFolder = archive + QStringLiteral("\\SXWIN");
    if ((fs::folderExists(stagedFolder) && !fs::ok(fs::deleteFolder(stagedFolder, true))) ||
        (fs::folderExists(QStringLiteral("D:\\SXWIN")) && !fs::ok(fs::copyFolder(QStringLiteral("D:\\SXWIN"), stagedFolder))))
        return failWith(msg::folderNotStaged(plat::displayPath(QStringLiteral("D:\\SXWIN")), plat::displayPath(archive)));
    for (const SheetBox& b : kSheetBoxes) {
        if (!b.copy) continue;
        const QString path = ctl<QLineEdit>(QString::fromUtf8(b.box))->text();
        const QString copy = plat::toHost(archive + '\\' + QString::fromUtf8(b.copy));
        if (path.isEmpty()) {
            const QString stale = archive + '\\' + QString::fromUtf8(b.copy);
            if (fs::fileExists(stale) && !fs::ok(fs::deleteFile(stale, true)))
                return failWith(msg::staleScreenshotStays(plat::displayPath(stale)));
            continue;
        }
        QString why;
        if (!plat::copyFileVerified(path, copy, [this](int p) { setProgress(p); }, &why))
            return failWith(msg::screenshotNotStaged(path, why));
    }

    common::HandIn h;
    h.folder = archive;
    h.packedArchive = packedArchive(QStringLiteral("windows"), state.studentKey);
    h.targetFolder = target;
    h.submissionName = QStringLiteral("Win_") + state.studentKey + QStringLiteral(".vorqv");
    h.owner = this;
    h.progress = [this](int p) { setProgress(p); };
    h.tell = [this] {
        state.handedIn = true;
        msgOk(msg::kSheetHandedIn, this);
    };
    const common::HandInResult r = common::handInFolder(h);
    if (!r.ok) {
        enable(true);
        msgOk(r.message, this);
        return;
    }
    forms::unload(this);
}

}  // namespace tasks
