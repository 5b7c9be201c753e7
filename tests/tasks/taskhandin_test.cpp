// The hand-ins of 任务项目窗格 (ticked tasks, Windows sheet), the reset of a
// handed-in task, the re-initialisation, and the Windows sheet's page 2,
// pickers and restore.
#include "common/handover.h"
#include "common/messages.h"
#include "common/processes.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/archive.h"
#include "platform/desktop.h"
#include "platform/filepicker.h"
#include "platform/filesystem.h"
#include "platform/folderpicker.h"
#include "platform/officelock.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/shellwait.h"
#include "platform/textfile.h"
#include "platform_fixture.h"
#include "process_support.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"
#include "tasks/messages.h"
#include "tasks/taskentry.h"
#include "tasks/taskwindow.h"
#include "task_support.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using tasks::TaskWindow;
using testing_support::gbk;
using testing_support::ScriptedMessageBoxes;

namespace {


class Picker final : public plat::FolderPicker, public plat::FilePicker {
public:
    QString next;
    QString last;
    QString pick(QWidget*, const QString& lastOrTitle) override
    {
        last = lastOrTitle;
        return next;
    }
};

class TaskHandInTest : public testing_support::DemoTreeTest {
protected:
    // The task tree, the archiver and the mission servers' folders.
    TaskHandInTest()
        : DemoTreeTest({QStringLiteral("素材/bk/任务项目"), QStringLiteral("素材/bk/soft/RAR"),
                        QStringLiteral("素材/bk/soft/FtpSever for mission"), QStringLiteral("素材/bk/soft/WebSever for mission")})
    {
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks_.screenDpi(96);
        hooks_.starts([this](const QString& host, const QStringList&, plat::WindowStyle) {
            const QString name = QFileInfo(host).fileName();
            starts << name;
            if (name.endsWith(QStringLiteral(".exe")) && !name.contains(QStringLiteral("kill"))) running << name;
            if (name == QStringLiteral("mission_ftp_kill_app.exe")) running.removeAll(QStringLiteral("Ftpconsole.exe"));
            if (name == QStringLiteral("mission_web_kill_app.exe")) running.removeAll(QStringLiteral("MyWebServer0.exe"));
            return qint64(999999);
        });
        hooks_.processes([this] { return running; });
        hooks_.addresses([] { return QStringList{QStringLiteral("10.1.2.3")}; });
        hooks_.desktop([](plat::DesktopAction, const QString&) { return true; });
        plat::setFolderPicker(&picker);
        plat::setFilePicker(&picker);
        signIn(kKey, QStringLiteral("2026001"), QStringLiteral("张三"));
        EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more")));
        target = dir_->path() + QStringLiteral("/交作业 U盘");
        QDir().mkpath(target);
    }
    void TearDown() override
    {
        hooks_.reset();  // before the fixture's own end, which may start the kill tools
        plat::setFolderPicker(nullptr);
        plat::setFilePicker(nullptr);
        PlatformTest::TearDown();
    }
    TaskWindow* open(const QString& area, const QString& mode = QString())
    {
        ScriptedMessageBoxes boxes;
        boxes.allowAnyOk = true;
        EXPECT_TRUE(uWriteTextFile(common::kTaskAreaFile, area));
        EXPECT_TRUE(uWriteTextFile(common::kTaskModeFile, mode));
        QDir().mkpath(hostPath(task(QStringLiteral("提交/")) + area + '/' + kKey));
        return static_cast<TaskWindow*>(forms::show(kWindow));
    }
    void start(TaskWindow* w, int n)
    {
        button(w, QString::fromUtf8(tasks::kTaskMembers[n - 1].button))->click();
        button(w, QStringLiteral("开始任务"))->click();
    }
    // The two questions every hand-in asks, answered Yes.
    static void confirmHandIn(ScriptedMessageBoxes& boxes)
    {
        boxes.expectYesNo(tasks::msg::kAskHandIn, true);
        boxes.expectYesNo(tasks::msg::kAskHandInSure, true);
    }
    // A hand-in into the target folder (typed into `folderBox`, handed in
    // by `submit`) that fails after both questions: the message it shows.
    QString failedHandIn(TaskWindow* w, const QString& folderBox, const QString& submit)
    {
        w->ctl<QLineEdit>(folderBox)->setText(target);
        ScriptedMessageBoxes boxes;
        confirmHandIn(boxes);
        boxes.expectOk();
        button(w, submit)->click();
        return boxes.shown.isEmpty() ? QString() : boxes.shown.last();
    }
    // The same with the archiver away, so that the attempt fails after it
    // has staged the copies; the archiver is back afterwards.
    void failedHandInWithoutArchiver(TaskWindow* w, const QString& folderBox, const QString& submit,
                                     QString* message = nullptr)
    {
        const QString rar = hostPath(QStringLiteral("素材/bk/soft/RAR/Rar.exe"));
        ASSERT_TRUE(QFile::rename(rar, rar + QStringLiteral(".away")));
        const QString shown = failedHandIn(w, folderBox, submit);
        if (message) *message = shown;
        ASSERT_TRUE(QFile::rename(rar + QStringLiteral(".away"), rar));
    }
    // A hand-in of the ticked tasks into a folder that goes through: the
    // window closes back to the start.
    void handInTicked(TaskWindow* w, const QString& folder)
    {
        w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setText(folder);
        ScriptedMessageBoxes boxes;
        confirmHandIn(boxes);
        boxes.expectOk(common::msg::kHandInPacked);
        boxes.expectOk(tasks::msg::kBackToStart);
        button(w, QStringLiteral("操作题提交"))->click();
        processEvents();
    }
    void tick(TaskWindow* w, int n) { w->ctl<QCheckBox>(QString::fromUtf8(tasks::kTaskMembers[n - 1].check))->setChecked(true); }
    QPushButton* button(TaskWindow* w, const QString& name) const { return w->ctl<QPushButton>(name); }
    QString task(const QString& rel) const { return QStringLiteral("素材/bk/任务项目/") + rel; }
    bool exists(const QString& rel) const { return QFileInfo::exists(hostPath(rel)); }
    QStringList archiveNames(const QString& hostFile) const
    {
        QStringList out;
        if (const auto e = plat::listArchive(hostFile))
            for (const auto& x : *e) out << x.name;
        return out;
    }
    // Tasks 1 and 3 started, a file of the student's written, both ticked.
    void startOneAndThreeAndTickBoth(TaskWindow* w, const QString& studentFile)
    {
        start(w, 1);
        button(w, QStringLiteral("重选任务"))->click();
        start(w, 3);
        writeBytes(studentFile, "work");
        tick(w, 1);
        tick(w, 3);
    }
    // What a hand-in killed while packing Excel task 2 leaves in the project
    // archive: the edited workbook and the task's folder.
    void stageInterruptedExcelTaskTwo()
    {
        const QString staged = task(QStringLiteral("提交/excel/")) + kKey;
        writeBytes(staged + QStringLiteral("/制作销售报表.xlsx"), "edited workbook");
        writeBytes(staged + QStringLiteral("/Mission_Two/图表.txt"), "chart");
    }

    // The submission holds `kept` and nothing of the task of `document` and
    // `folder`.
    static void expectTaskLeftOut(const QStringList& names, const QString& kept, const QString& document,
                                  const QString& folder)
    {
        ASSERT_TRUE(names.contains(kKey + '/' + kept)) << names.join(' ').toStdString();
        EXPECT_FALSE(names.contains(kKey + '/' + document)) << names.join(' ').toStdString();
        for (const QString& n : names) EXPECT_FALSE(n.startsWith(kKey + '/' + folder)) << n.toStdString();
    }

    QStringList markLines(const QString& area) const
    {
        return plat::decode936(bytes(task(QStringLiteral("已提交/")) + area + '/' + kKey + QStringLiteral(".txt")))
            .split(QStringLiteral("\r\n"));
    }
    // Files whose names are raw bytes, as unzipped from an archive made on
    // Windows: code page 936 (a read-only file among them, a folder too),
    // and a "\\" inside a name.
    static void writeRawNames(const QString& hostFolder)
    {
        const QByteArray at = QFile::encodeName(hostFolder) + '/';
        ASSERT_TRUE(QDir().mkpath(hostFolder));
        ASSERT_EQ(::mkdir((at + gbk(QStringLiteral("资料"))).constData(), 0755), 0);
        const std::pair<QByteArray, mode_t> files[] = {
            {gbk(QStringLiteral("成绩表.txt")), 0644},
            {QByteArray("旧\\备份.txt"), 0644},
            {gbk(QStringLiteral("资料")) + '/' + gbk(QStringLiteral("只读.txt")), 0444},
        };
        for (const auto& [name, mode] : files) {
            const int fd = ::open((at + name).constData(), O_WRONLY | O_CREAT | O_EXCL, mode);
            ASSERT_GE(fd, 0) << name.toStdString();
            ASSERT_EQ(::write(fd, "raw", 3), 3);
            ::close(fd);
        }
    }
    // What a folder holds, by the bytes of the names (nothing: empty list;
    // a folder that is gone: "<gone>").
    static QList<QByteArray> rawEntries(const QString& hostFolder)
    {
        DIR* d = ::opendir(QFile::encodeName(hostFolder).constData());
        if (!d) return {QByteArray("<gone>")};
        QList<QByteArray> out;
        while (const dirent* e = ::readdir(d))
            if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0) out << QByteArray(e->d_name);
        ::closedir(d);
        return out;
    }

    testing_support::TestHooks hooks_;
    Picker picker;
    QString target;
    QStringList starts;
    QStringList running;
};

TEST_F(TaskHandInTest, TickedTasksAreHandedInVerifiedMarkedAndTheWindowCloses)
{
    TaskWindow* w = open(QStringLiteral("excel"));
    startOneAndThreeAndTickBoth(w, QStringLiteral("../D/Excel_Mission/Mission_One/我的笔记.txt"));
    ScriptedMessageBoxes boxes;
    boxes.expectOk(common::msg::kHandInFolderWarning);
    picker.next = target;
    button(w, QStringLiteral("操作题选择提交路径"))->click();
    EXPECT_EQ(picker.last, QStringLiteral("浏览文件夹"));
    confirmHandIn(boxes);
    boxes.expectOk(common::msg::kHandInPacked);
    boxes.expectOk(tasks::msg::kBackToStart);
    button(w, QStringLiteral("操作题提交"))->click();
    processEvents();

    EXPECT_FALSE(forms::isLoaded(kWindow));
    const QString sub = target + QStringLiteral("/excel_13_") + kKey + QStringLiteral(".vorqv");
    const QStringList names = archiveNames(sub);
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/统计学生成绩.xlsx"))) << names.join(' ').toStdString();
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/分析图书借阅.xlsx")));
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/Mission_One/我的笔记.txt")));
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/Mission_Three/")));
    const QStringList marks = markLines(QStringLiteral("excel"));
    EXPECT_EQ(marks.value(0), QStringLiteral("已提交"));
    EXPECT_EQ(marks.value(1), QStringLiteral("任务二已提交标记"));
    EXPECT_EQ(marks.value(2), QStringLiteral("已提交"));
    EXPECT_EQ(marks.size(), 7);  // six lines, each ended by CR LF
    EXPECT_FALSE(QFileInfo::exists(drive_ + QStringLiteral("/Excel_Mission")));
}

TEST_F(TaskHandInTest, AFailedHandInKeepsEverythingAndTheWindowOpen)
{
    TaskWindow* w = open(QStringLiteral("word"));
    start(w, 1);
    tick(w, 1);
    QFile::remove(hostPath(QStringLiteral("素材/bk/soft/RAR/Rar.exe")));
    EXPECT_TRUE(failedHandIn(w, QStringLiteral("操作题保存路径"), QStringLiteral("操作题提交")).contains(QStringLiteral("找不到打包程序")));
    EXPECT_TRUE(forms::isLoaded(kWindow));
    EXPECT_EQ(w->state.handedInMarks[0], QStringLiteral("任务一已提交标记"));
    EXPECT_TRUE(w->state.handInDigits[0].isEmpty());
    EXPECT_TRUE(button(w, QStringLiteral("操作题提交"))->isEnabled());
    EXPECT_FALSE(exists(task(QStringLiteral("已提交/word/")) + kKey + QStringLiteral(".txt")));
    EXPECT_TRUE(QDir(target).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/Word_Mission/Mission_One/校徽.txt")));
}

// A failed attempt leaves its copies in the project archive; a file the
// student deletes afterwards must not reach the next attempt's submission.
TEST_F(TaskHandInTest, AFileDeletedAfterAFailedAttemptIsNotHandedIn)
{
    TaskWindow* w = open(QStringLiteral("word"));
    start(w, 1);
    tick(w, 1);
    writeBytes(QStringLiteral("../D/Word_Mission/Mission_One/草稿.txt"), "draft");
    ASSERT_NO_FATAL_FAILURE(failedHandInWithoutArchiver(w, QStringLiteral("操作题保存路径"), QStringLiteral("操作题提交")));
    ASSERT_TRUE(QFile::remove(drive_ + QStringLiteral("/Word_Mission/Mission_One/草稿.txt")));
    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    confirmHandIn(boxes);
    button(w, QStringLiteral("操作题提交"))->click();
    processEvents();
    const QStringList names = archiveNames(target + QStringLiteral("/word_1_") + kKey + QStringLiteral(".vorqv"));
    ASSERT_TRUE(names.contains(kKey + QStringLiteral("/Mission_One/校徽.txt"))) << names.join(' ').toStdString();
    EXPECT_FALSE(names.contains(kKey + QStringLiteral("/Mission_One/草稿.txt")));
}

// A failed attempt leaves the ticked task's copies in the project archive;
// a task the student unticks afterwards must not go along with the next
// attempt.
TEST_F(TaskHandInTest, ATaskUntickedAfterAFailedAttemptIsNotHandedIn)
{
    TaskWindow* w = open(QStringLiteral("word"));
    start(w, 1);
    tick(w, 1);
    writeBytes(QStringLiteral("../D/Word_Mission/Mission_One/草稿.txt"), "draft");
    ASSERT_NO_FATAL_FAILURE(failedHandInWithoutArchiver(w, QStringLiteral("操作题保存路径"), QStringLiteral("操作题提交")));
    const QString staged = task(QStringLiteral("提交/word/")) + kKey;
    ASSERT_TRUE(exists(staged + QStringLiteral("/制作招生简章.docx")));
    ASSERT_TRUE(exists(staged + QStringLiteral("/Mission_One/草稿.txt")));

    w->ctl<QCheckBox>(QStringLiteral("选择任务一"))->setChecked(false);
    button(w, QStringLiteral("重选任务"))->click();
    start(w, 2);
    tick(w, 2);
    handInTicked(w, target);
    ASSERT_FALSE(forms::isLoaded(kWindow));
    ASSERT_NO_FATAL_FAILURE(
        expectTaskLeftOut(archiveNames(target + QStringLiteral("/word_2_") + kKey + QStringLiteral(".vorqv")),
                          QStringLiteral("编排校园通讯.docx"), QStringLiteral("制作招生简章.docx"), QStringLiteral("Mission_One")));
    EXPECT_EQ(markLines(QStringLiteral("word")).value(0), QStringLiteral("任务一已提交标记"));
    EXPECT_EQ(markLines(QStringLiteral("word")).value(1), QStringLiteral("已提交"));
}

// The program killed while packing task 2: its edited document is only in
// the project archive (the working copy holds the pristine one). A hand-in
// of another task that fails before task 2 is started again keeps it, and
// task 2 goes on from it.
TEST_F(TaskHandInTest, AnInterruptedTasksOnlyCopyOutlivesAnotherTasksHandIn)
{
    stageInterruptedExcelTaskTwo();
    writeBytes(task(QStringLiteral("初始化/excel/题目文档/制作销售报表.xlsx")), "pristine workbook");
    TaskWindow* w = open(QStringLiteral("excel"));
    start(w, 1);
    tick(w, 1);
    QFile::remove(hostPath(QStringLiteral("素材/bk/soft/RAR/Rar.exe")));
    (void)failedHandIn(w, QStringLiteral("操作题保存路径"), QStringLiteral("操作题提交"));
    button(w, QStringLiteral("重选任务"))->click();
    ScriptedMessageBoxes boxes;
    boxes.expectOk(tasks::msg::earlierAnswerKept(QStringLiteral("制作销售报表")));
    start(w, 2);
    EXPECT_EQ(bytes(task(QStringLiteral("excel/题目文档/制作销售报表.xlsx"))), "edited workbook");
    EXPECT_EQ(bytes(QStringLiteral("../D/Excel_Mission/Mission_Two/图表.txt")), "chart");
}

// The same after a restart: what the killed hand-in staged for task 2 does
// not go along with a hand-in of task 1 alone.
TEST_F(TaskHandInTest, AnInterruptedTasksCopiesStayOutOfAnotherTasksHandIn)
{
    stageInterruptedExcelTaskTwo();
    TaskWindow* w = open(QStringLiteral("excel"));
    start(w, 1);
    tick(w, 1);
    handInTicked(w, target);
    ASSERT_FALSE(forms::isLoaded(kWindow));
    ASSERT_NO_FATAL_FAILURE(
        expectTaskLeftOut(archiveNames(target + QStringLiteral("/excel_1_") + kKey + QStringLiteral(".vorqv")),
                          QStringLiteral("统计学生成绩.xlsx"), QStringLiteral("制作销售报表.xlsx"), QStringLiteral("Mission_Two")));
}

// A handed-in task reset and handed in again: the packed archive keeps the
// other tasks, but the task's own earlier entries give way to what the
// student has now (a file of the first hand-in that is gone stays out).
TEST_F(TaskHandInTest, ATaskHandedInAgainAfterAResetTakesOnlyWhatTheStudentHasNow)
{
    TaskWindow* w = open(QStringLiteral("word"));
    startOneAndThreeAndTickBoth(w, QStringLiteral("../D/Word_Mission/Mission_One/草稿.txt"));
    handInTicked(w, target);
    ASSERT_FALSE(forms::isLoaded(kWindow));

    w = open(QStringLiteral("word"), QStringLiteral("自由练习"));
    start(w, 1);
    {
        ScriptedMessageBoxes boxes;
        boxes.expectYesNo(tasks::msg::askReset(QStringLiteral("制作招生简章")), true);
        boxes.expectYesNo(tasks::msg::askResetSure(QStringLiteral("制作招生简章")), true);
        boxes.expectOk(tasks::msg::resetDone(QStringLiteral("制作招生简章")));
        button(w, QStringLiteral("操作题重置任务"))->click();
    }
    ASSERT_FALSE(QFileInfo::exists(drive_ + QStringLiteral("/Word_Mission/Mission_One/草稿.txt")));
    tick(w, 1);
    const QString again = dir_->path() + QStringLiteral("/第二次");
    QDir().mkpath(again);
    handInTicked(w, again);
    ASSERT_FALSE(forms::isLoaded(kWindow));
    const QStringList names = archiveNames(again + QStringLiteral("/word_1_") + kKey + QStringLiteral(".vorqv"));
    ASSERT_TRUE(names.contains(kKey + QStringLiteral("/Mission_One/校徽.txt"))) << names.join(' ').toStdString();
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/设计个人简历.docx")));
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/Mission_Three/")));
    EXPECT_FALSE(names.contains(kKey + QStringLiteral("/Mission_One/草稿.txt"))) << names.join(' ').toStdString();
    EXPECT_EQ(markLines(QStringLiteral("word")).value(0), QStringLiteral("已提交"));
    EXPECT_EQ(markLines(QStringLiteral("word")).value(2), QStringLiteral("已提交"));
}

// The program killed while the archiver ran: the project archive holds the
// edited document and the task folder, D: still holds the folder. After a
// restart the task goes on from them, and the next hand-in packs them.
TEST_F(TaskHandInTest, AnInterruptedHandInKeepsTheEditedDocumentAndFolder)
{
    stageInterruptedExcelTaskTwo();
    writeBytes(QStringLiteral("../D/Excel_Mission/Mission_Two/图表.txt"), "chart");
    TaskWindow* w = open(QStringLiteral("excel"));
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk();
        start(w, 2);
        EXPECT_TRUE(boxes.shown.value(0).contains(QStringLiteral("上次的提交没有完成"))) << boxes.shown.value(0).toStdString();
    }
    EXPECT_EQ(bytes(task(QStringLiteral("excel/题目文档/制作销售报表.xlsx"))), "edited workbook");
    EXPECT_EQ(bytes(QStringLiteral("../D/Excel_Mission/Mission_Two/图表.txt")), "chart");
    tick(w, 2);
    w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setText(target);
    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    confirmHandIn(boxes);
    button(w, QStringLiteral("操作题提交"))->click();
    processEvents();
    const QString sub = target + QStringLiteral("/excel_2_") + kKey + QStringLiteral(".vorqv");
    if (!QStandardPaths::findExecutable(QStringLiteral("bsdtar")).isEmpty()) {
        QProcess x;
        testing_support::startInUtf8Locale(x, QStringLiteral("bsdtar"),
                                           {QStringLiteral("-xOf"), sub, kKey + QStringLiteral("/制作销售报表.xlsx")});
        ASSERT_TRUE(x.waitForFinished(20000));
        EXPECT_EQ(x.readAllStandardOutput(), QByteArray("edited workbook"));
    }
    EXPECT_TRUE(archiveNames(sub).contains(kKey + QStringLiteral("/Mission_Two/图表.txt")));
}

// Names as unzipped from a Windows archive are handed in, and once handed
// in nothing of them stays on D: or in the project archive.
TEST_F(TaskHandInTest, WindowsNamesAreHandedInAndLeaveNothingBehind)
{
    TaskWindow* w = open(QStringLiteral("word"));
    start(w, 1);
    tick(w, 1);
    writeRawNames(drive_ + QStringLiteral("/Word_Mission/Mission_One"));
    handInTicked(w, target);
    ASSERT_FALSE(forms::isLoaded(kWindow));
    const QStringList names = archiveNames(target + QStringLiteral("/word_1_") + kKey + QStringLiteral(".vorqv"));
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/Mission_One/成绩表.txt"))) << names.join(' ').toStdString();
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/Mission_One/旧\\备份.txt"))) << names.join(' ').toStdString();
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/Mission_One/资料/只读.txt"))) << names.join(' ').toStdString();
    EXPECT_EQ(rawEntries(drive_ + QStringLiteral("/Word_Mission")), QList<QByteArray>{"<gone>"});
    EXPECT_TRUE(rawEntries(hostPath(task(QStringLiteral("提交/word")))).isEmpty());
}

// A document still open in the office program: the student is told its
// unsaved edits would be missing, and "No" hands nothing in.
TEST_F(TaskHandInTest, ADocumentStillOpenIsNamedBeforeTheHandIn)
{
    TaskWindow* w = open(QStringLiteral("excel"));
    start(w, 1);
    tick(w, 1);
    running << QStringLiteral("soffice.bin");
    // The office program runs, as another user's: the lock from another PC counts.
    plat::setOfficeProcessesForTests(QList<plat::OfficeProcess>{{::getuid() + 1, QString()}});
    const std::unique_ptr<void, void (*)(void*)> noOffice(
        this, [](void*) { plat::setOfficeProcessesForTests(std::nullopt); });
    writeBytes(task(QStringLiteral("excel/题目文档/.~lock.统计学生成绩.xlsx#")),
               ",student,PC-01,11.12.2026 08:00,file:///home/student/.config/libreoffice/4;");
    w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setText(target);
    ScriptedMessageBoxes boxes;
    confirmHandIn(boxes);
    boxes.expectYesNo(QString(), false);
    button(w, QStringLiteral("操作题提交"))->click();
    ASSERT_EQ(boxes.shown.size(), 3);
    EXPECT_TRUE(boxes.shown.last().contains(QStringLiteral("统计学生成绩.xlsx"))) << boxes.shown.last().toStdString();
    EXPECT_TRUE(boxes.shown.last().contains(QStringLiteral("没有保存的修改不会被提交")));
    EXPECT_TRUE(QDir(target).isEmpty());
    EXPECT_FALSE(exists(task(QStringLiteral("已提交/excel/")) + kKey + QStringLiteral(".txt")));
    EXPECT_TRUE(button(w, QStringLiteral("操作题提交"))->isEnabled());
}

struct RefusalCase {
    const char* name;
    bool tick;
    const char* folder;  // "" empty, "D" inside D:, "ok"
    QString message;  // (a part of) the message
};

class TaskHandInRefusalTest : public TaskHandInTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(TaskHandInRefusalTest, NothingChangesAndTheStudentIsTold)
{
    const RefusalCase c = GetParam();
    TaskWindow* w = open(QStringLiteral("ppt"));
    start(w, 1);
    if (c.tick) tick(w, 1);
    const QString folder = QString::fromUtf8(c.folder);
    if (folder == QStringLiteral("D")) {
        QDir().mkpath(drive_ + QStringLiteral("/备份"));
        w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setText(drive_ + QStringLiteral("/备份"));
    } else if (folder == QStringLiteral("ok")) {
        w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setText(target);
    }
    ScriptedMessageBoxes boxes;
    boxes.expectOk();
    button(w, QStringLiteral("操作题提交"))->click();
    EXPECT_TRUE(boxes.shown.value(0).contains(c.message)) << boxes.shown.value(0).toStdString();
    EXPECT_FALSE(exists(task(QStringLiteral("已提交/ppt/")) + kKey + QStringLiteral(".rar")));
    EXPECT_TRUE(button(w, QStringLiteral("操作题提交"))->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Table, TaskHandInRefusalTest,
                         ::testing::Values(RefusalCase{"no folder", true, "", common::msg::kChooseSaveFolder},
                                           RefusalCase{"nothing ticked", false, "ok", tasks::msg::kTickATask},
                                           RefusalCase{"inside D:", true, "D", "D盘"}));

TEST_F(TaskHandInTest, ResetReopensAHandedInTask)
{
    writeBytes(task(QStringLiteral("已提交/word/")) + kKey + QStringLiteral(".txt"),
               gbk(QStringLiteral("任务一已提交标记\r\n任务二已提交标记\r\n已提交\r\n任务四已提交标记\r\n已提交\r\n任务六已提交标记\r\n")));
    TaskWindow* w = open(QStringLiteral("word"), QStringLiteral("自由练习"));
    start(w, 3);
    ASSERT_TRUE(button(w, QStringLiteral("操作题重置任务"))->isVisibleTo(w));
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(tasks::msg::askReset(QStringLiteral("设计个人简历")), true);
    boxes.expectYesNo(tasks::msg::askResetSure(QStringLiteral("设计个人简历")), true);
    boxes.expectOk(tasks::msg::resetDone(QStringLiteral("设计个人简历")));
    button(w, QStringLiteral("操作题重置任务"))->click();
    const QStringList marks = markLines(QStringLiteral("word"));
    EXPECT_EQ(marks.value(2), QStringLiteral("任务三已提交标记"));
    EXPECT_EQ(marks.value(4), QStringLiteral("已提交"));
    EXPECT_TRUE(w->ctl(QStringLiteral("选择任务三"))->isEnabled());
    EXPECT_TRUE(button(w, QStringLiteral("操作题提交"))->isEnabled());
    EXPECT_FALSE(button(w, QStringLiteral("操作题重置任务"))->isVisibleTo(w));
}

// ---- re-initialisation ------------------------------------------------------

TEST_F(TaskHandInTest, ReinitialisationRebuildsFromThePristineCopies)
{
    TaskWindow* w = open(QStringLiteral("word"));
    start(w, 1);
    writeBytes(task(QStringLiteral("word/题目文档/制作招生简章.docx")), "edited");
    writeBytes(QStringLiteral("../D/Word_Mission/Mission_One/多余.txt"), "extra");
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(tasks::msg::kAskReinitialise, true);
    boxes.expectOk(common::msg::kRestored);
    button(w, QStringLiteral("初始化当前任务"))->click();
    EXPECT_EQ(bytes(task(QStringLiteral("word/题目文档/制作招生简章.docx"))), bytes(task(QStringLiteral("题库/word/题目文档/制作招生简章.docx"))));
    EXPECT_FALSE(QFileInfo::exists(drive_ + QStringLiteral("/Word_Mission/Mission_One/多余.txt")));
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/Word_Mission/Mission_One/校徽.txt")));
    EXPECT_TRUE(starts.filter(QStringLiteral("kill")).isEmpty());
}

TEST_F(TaskHandInTest, ReinitialisationWithAMissingSourceChangesNothing)
{
    TaskWindow* w = open(QStringLiteral("word"));
    start(w, 1);
    writeBytes(task(QStringLiteral("word/题目文档/制作招生简章.docx")), "edited");
    QFile::remove(hostPath(task(QStringLiteral("word/bk/制作招生简章.docx"))));
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(tasks::msg::kAskReinitialise, true);
    boxes.expectOk();
    button(w, QStringLiteral("初始化当前任务"))->click();
    EXPECT_TRUE(boxes.shown.last().contains(QStringLiteral("缺失")));
    EXPECT_EQ(bytes(task(QStringLiteral("word/题目文档/制作招生简章.docx"))), "edited");
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/Word_Mission/Mission_One/校徽.txt")));
}

TEST_F(TaskHandInTest, NetworkReinitialisationRestartsTheServersAfterTheirKillToolsEnded)
{
    TaskWindow* w = open(QStringLiteral("network"));
    start(w, 1);
    ASSERT_TRUE(running.contains(QStringLiteral("Ftpconsole.exe")));
    starts.clear();
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(tasks::msg::kAskReinitialise, true);
    boxes.expectOk(common::msg::kRestored);
    button(w, QStringLiteral("初始化当前任务"))->click();
    EXPECT_EQ(starts, (QStringList{QStringLiteral("mission_ftp_kill_app.exe"), QStringLiteral("mission_web_kill_app.exe"),
                                   QStringLiteral("Ftpconsole.exe"), QStringLiteral("MyWebServer0.exe")}));
    EXPECT_EQ(button(w, QStringLiteral("初始化当前任务"))->text(), QStringLiteral("初始化当前任务"));
    EXPECT_TRUE(w->ctl(QStringLiteral("任务提交区"))->isEnabled());
}

// ---- Windows sheet -----------------------------------------------------------

class WindowsSheetTest : public TaskHandInTest {
protected:
    TaskWindow* sheet()
    {
        TaskWindow* w = open(QStringLiteral("windows"));
        button(w, QStringLiteral("Command7"))->click();
        return w;
    }
    QString picture(const QString& name)
    {
        const QString p = dir_->path() + QStringLiteral("/截图/") + name;
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write("PNG picture " + name.toUtf8());
        return p;
    }
    // A hand-in of the sheet that goes through; the student stays (No to
    // leaving the window).
    void handInSheet(TaskWindow* w)
    {
        ScriptedMessageBoxes boxes;
        confirmHandIn(boxes);
        boxes.expectOk(tasks::msg::kSheetHandedIn);
        boxes.expectYesNo(common::msg::kAskExit, false);
        button(w, QStringLiteral("win提交"))->click();
        processEvents();
    }
};

TEST_F(WindowsSheetTest, PageTwoPreparesTheQuestionAndItsFolder)
{
    TaskWindow* w = sheet();
    EXPECT_TRUE(w->ctl(QStringLiteral("windows任务区2"))->isVisible());
    EXPECT_EQ(w->state.workFolder, QStringLiteral("SXWIN"));
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/SXWIN/旧文件.txt")));
    const QString text = w->ctl<QPlainTextEdit>(QStringLiteral("操作题题目内容"))->toPlainText();
    EXPECT_FALSE(text.contains(QStringLiteral("C:\\kaoshi\\windows")));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(drive_ + QStringLiteral("/SXWIN"))));
    EXPECT_NEAR(w->outerHeightTw(), 10215 + 400, 15);
    button(w, QStringLiteral("上一任务"))->click();
    EXPECT_TRUE(w->ctl(QStringLiteral("windows任务区1"))->isVisible());
    EXPECT_NEAR(w->outerHeightTw(), 9135 + 440, 15);
}

TEST_F(WindowsSheetTest, PickersShareTheirPagesDialogAndCancelKeepsTheBox)
{
    TaskWindow* w = sheet();
    picker.next = picture(QStringLiteral("a.png"));
    button(w, QStringLiteral("Command4"))->click();
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("计算机基本信息"))->text(), picker.next);
    const QString first = picker.next;
    picker.next.clear();
    button(w, QStringLiteral("Command2"))->click();
    EXPECT_EQ(picker.last, first);
    EXPECT_TRUE(w->ctl<QLineEdit>(QStringLiteral("资源管理器"))->text().isEmpty());
    button(w, QStringLiteral("Command4"))->click();
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("计算机基本信息"))->text(), first);
}

TEST_F(WindowsSheetTest, HandInWritesTheAnswersInOrderWithTheScreenshots)
{
    TaskWindow* w = sheet();
    const QStringList boxes21 = tasks::sheetAnswerBoxes();
    ASSERT_EQ(boxes21.size(), 21);
    for (int i = 0; i < boxes21.size(); ++i)
        w->ctl<QLineEdit>(boxes21[i])->setText(QStringLiteral("答%1").arg(i + 1));
    const QString shot = picture(QStringLiteral("分辨率.png"));
    w->ctl<QLineEdit>(QStringLiteral("屏幕分辨率"))->setText(shot);
    w->ctl<QLineEdit>(QStringLiteral("计算机基本信息"))->clear();
    for (const char* b : {"自定义开始菜单", "Aero特效", "资源管理器", "用户账户", "硬盘分区与盘符", "库"})
        w->ctl<QLineEdit>(QString::fromUtf8(b))->clear();
    w->ctl<QLineEdit>(QStringLiteral("保存路径"))->setText(target);
    handInSheet(w);
    EXPECT_TRUE(forms::isLoaded(kWindow));
    EXPECT_FALSE(button(w, QStringLiteral("win提交"))->isEnabled());

    const QString sub = target + QStringLiteral("/Win_") + kKey + QStringLiteral(".vorqv");
    const QStringList names = archiveNames(sub);
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/02_屏幕分辨率.jpg"))) << names.join(' ').toStdString();
    EXPECT_FALSE(names.contains(kKey + QStringLiteral("/01_计算机基本信息.jpg")));
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/SXWIN/旧文件.txt")));
    // windows.txt: read back from the packed archive through bsdtar-free means:
    // the packed archive is a ZIP; unpack windows.txt with bsdtar when present.
    if (!QStandardPaths::findExecutable(QStringLiteral("bsdtar")).isEmpty()) {
        QProcess x;
        testing_support::startInUtf8Locale(x, QStringLiteral("bsdtar"),
                                           {QStringLiteral("-xOf"), sub, kKey + QStringLiteral("/windows.txt")});
        ASSERT_TRUE(x.waitForFinished(20000));
        const QStringList lines = plat::decode936(x.readAllStandardOutput()).split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 22);
        EXPECT_EQ(lines[1], QStringLiteral("答2"));
        EXPECT_EQ(lines[7], shot);
        EXPECT_EQ(lines[20], QStringLiteral("答21"));
    }
}

TEST_F(WindowsSheetTest, AScreenshotThatIsGoneIsNamedBeforePacking)
{
    TaskWindow* w = sheet();
    w->ctl<QLineEdit>(QStringLiteral("库"))->setText(dir_->path() + QStringLiteral("/不见了.png"));
    EXPECT_TRUE(failedHandIn(w, QStringLiteral("保存路径"), QStringLiteral("win提交")).contains(QStringLiteral("不见了.png")));
    EXPECT_TRUE(button(w, QStringLiteral("win提交"))->isEnabled());
    EXPECT_FALSE(exists(task(QStringLiteral("已提交/windows/")) + kKey + QStringLiteral(".rar")));
    EXPECT_TRUE(QDir(target).isEmpty());
}

// A failed attempt leaves its copies in the project archive: a screenshot
// whose box the student clears afterwards, and a file deleted from D:\SXWIN,
// must not reach the next attempt's submission.
TEST_F(WindowsSheetTest, WhatIsClearedAfterAFailedAttemptIsNotHandedIn)
{
    TaskWindow* w = sheet();
    w->ctl<QLineEdit>(QStringLiteral("库"))->setText(picture(QStringLiteral("库.png")));
    w->ctl<QLineEdit>(QStringLiteral("屏幕分辨率"))->setText(picture(QStringLiteral("分辨率.png")));
    writeBytes(QStringLiteral("../D/SXWIN/草稿.txt"), "draft");
    QString failure;
    ASSERT_NO_FATAL_FAILURE(
        failedHandInWithoutArchiver(w, QStringLiteral("保存路径"), QStringLiteral("win提交"), &failure));
    EXPECT_TRUE(failure.contains(QStringLiteral("找不到打包程序"))) << failure.toStdString();
    // The failed attempt did stage both.
    const QString staged = task(QStringLiteral("提交/windows/")) + kKey;
    ASSERT_TRUE(exists(staged + QStringLiteral("/08_库.jpg")));
    ASSERT_TRUE(exists(staged + QStringLiteral("/SXWIN/草稿.txt")));

    w->ctl<QLineEdit>(QStringLiteral("库"))->clear();
    ASSERT_TRUE(QFile::remove(drive_ + QStringLiteral("/SXWIN/草稿.txt")));
    handInSheet(w);
    const QStringList names = archiveNames(target + QStringLiteral("/Win_") + kKey + QStringLiteral(".vorqv"));
    ASSERT_TRUE(names.contains(kKey + QStringLiteral("/02_屏幕分辨率.jpg"))) << names.join(' ').toStdString();
    ASSERT_TRUE(names.contains(kKey + QStringLiteral("/SXWIN/旧文件.txt")));
    EXPECT_FALSE(names.contains(kKey + QStringLiteral("/08_库.jpg"))) << names.join(' ').toStdString();
    EXPECT_FALSE(names.contains(kKey + QStringLiteral("/SXWIN/草稿.txt")));
}

// The submission file cannot be written (the chosen drive is full): nothing
// counts as handed in, so the sheet can be handed in again on re-entry.
TEST_F(WindowsSheetTest, AFullTargetRecordsNothing)
{
    TaskWindow* w = sheet();
    // Incompressible work larger than the drive.
    QByteArray noise(20000, Qt::Uninitialized);
    QRandomGenerator g(7);
    for (char& c : noise) c = char(g.bounded(256));
    writeBytes(QStringLiteral("../D/SXWIN/截图备份.bmp"), noise);
    const QString small = dir_->path() + QStringLiteral("/小U盘");
    QDir().mkpath(small);
    if (::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=4k") != 0)
        GTEST_SKIP() << "no tmpfs mount here";
    w->ctl<QLineEdit>(QStringLiteral("保存路径"))->setText(small);
    ScriptedMessageBoxes boxes;
    confirmHandIn(boxes);
    boxes.expectOk();
    button(w, QStringLiteral("win提交"))->click();
    const QStringList left = QDir(small).entryList(QDir::Files | QDir::Hidden);
    ::umount(QFile::encodeName(small).constData());
    EXPECT_TRUE(boxes.shown.last().contains(QStringLiteral("提交文件写入失败"))) << boxes.shown.last().toStdString();
    EXPECT_TRUE(button(w, QStringLiteral("win提交"))->isEnabled());
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
    EXPECT_TRUE(QDir(hostPath(task(QStringLiteral("已提交/windows")))).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(tasks::uIsSubmitted(tasks::submittedFolder(QStringLiteral("windows")), QStringLiteral("*.rar"), true, kKey));
}

// The Windows sheet with names as unzipped from a Windows archive in its
// work folder: handed in, and gone with the close.
TEST_F(WindowsSheetTest, WindowsNamesAreHandedInAndLeaveNothingBehind)
{
    TaskWindow* w = sheet();
    writeRawNames(drive_ + QStringLiteral("/SXWIN/解压"));
    w->ctl<QLineEdit>(QStringLiteral("保存路径"))->setText(target);
    ScriptedMessageBoxes boxes;
    confirmHandIn(boxes);
    boxes.expectOk(tasks::msg::kSheetHandedIn);
    boxes.expectYesNo(common::msg::kAskExit, true);
    boxes.expectYesNo(tasks::msg::kAskExitSure, true);
    button(w, QStringLiteral("win提交"))->click();
    processEvents();
    ASSERT_FALSE(forms::isLoaded(kWindow));
    const QStringList names = archiveNames(target + QStringLiteral("/Win_") + kKey + QStringLiteral(".vorqv"));
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/SXWIN/解压/成绩表.txt"))) << names.join(' ').toStdString();
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/SXWIN/解压/旧\\备份.txt"))) << names.join(' ').toStdString();
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/SXWIN/解压/资料/只读.txt"))) << names.join(' ').toStdString();
    EXPECT_EQ(rawEntries(drive_ + QStringLiteral("/SXWIN")), QList<QByteArray>{"<gone>"});
    EXPECT_TRUE(rawEntries(hostPath(task(QStringLiteral("提交/windows")))).isEmpty());
}

// The program killed during the sheet's hand-in: the typed answers are only
// in the archive's answer file. The next entry puts them back into the
// boxes (a screenshot box only where its picture was copied), unless the
// sheet was handed in after all.
class SheetRecoveryTest : public WindowsSheetTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SheetRecoveryTest, AnswersOfAnInterruptedHandInComeBackUnlessHandedIn)
{
    const bool handedIn = GetParam();
    const QString staged = task(QStringLiteral("提交/windows/")) + kKey;
    const QString copied = picture(QStringLiteral("基本信息.png"));
    const QString notCopied = picture(QStringLiteral("分辨率.png"));
    QStringList lines;
    for (int i = 1; i <= 21; ++i) lines << QStringLiteral("答%1").arg(i);
    lines[0] = copied;
    lines[7] = notCopied;
    lines[8].clear();
    writeBytes(staged + QStringLiteral("/windows.txt"), gbk(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    writeBytes(staged + QStringLiteral("/01_计算机基本信息.jpg"), "PNG picture 基本信息.png");
    if (handedIn) writeBytes(task(QStringLiteral("已提交/windows/")) + kKey + QStringLiteral(".rar"), "packed");
    ASSERT_TRUE(uWriteTextFile(common::kTaskAreaFile, QStringLiteral("windows")));
    ASSERT_TRUE(uWriteTextFile(common::kTaskModeFile, handedIn ? QStringLiteral("自由练习") : QString()));
    ScriptedMessageBoxes boxes;
    if (!handedIn) boxes.expectOk(tasks::msg::kSheetAnswersKept);
    auto* w = static_cast<TaskWindow*>(forms::show(kWindow));
    ASSERT_TRUE(w->laidOut());
    const auto box = [w](const char* name) { return w->ctl<QLineEdit>(QString::fromUtf8(name))->text(); };
    if (handedIn) {
        for (const QString& b : tasks::sheetAnswerBoxes()) EXPECT_TRUE(w->ctl<QLineEdit>(b)->text().isEmpty()) << b.toStdString();
        EXPECT_EQ(box("保存路径"), QStringLiteral("任务结果已提交完成！！！"));
        return;
    }
    EXPECT_EQ(box("计算机基本信息"), copied);
    EXPECT_EQ(box("CPU主频"), QStringLiteral("答2"));
    EXPECT_EQ(box("屏幕分辨率"), QString());
    EXPECT_EQ(box("自定义开始菜单"), QString());
    EXPECT_EQ(box("文件名的结构"), QStringLiteral("答14"));
    EXPECT_EQ(box("TBGB转换"), QStringLiteral("答21"));
    EXPECT_TRUE(button(w, QStringLiteral("win提交"))->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Table, SheetRecoveryTest, ::testing::Bool());

TEST_F(WindowsSheetTest, RestoreRebuildsTheFolderAndAMissingSourceChangesNothing)
{
    TaskWindow* w = sheet();
    writeBytes(QStringLiteral("../D/SXWIN/学生的.txt"), "mine");
    // A file the question had the student make read-only goes as well.
    writeBytes(QStringLiteral("../D/SXWIN/临时/只读.txt"), "ro");
    ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\SXWIN\\临时\\只读.txt"), true));
    {
        ScriptedMessageBoxes boxes;
        boxes.expectRestored();
        button(w, QStringLiteral("恢复本题"))->click();
    }
    EXPECT_FALSE(QFileInfo::exists(drive_ + QStringLiteral("/SXWIN/临时/只读.txt")));
    EXPECT_FALSE(QFileInfo::exists(drive_ + QStringLiteral("/SXWIN/学生的.txt")));
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/SXWIN/旧文件.txt")));

    writeBytes(QStringLiteral("../D/SXWIN/学生的.txt"), "mine");
    QDir(hostPath(task(QStringLiteral("windows/素材/实训素材/01")))).removeRecursively();
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskRestore, true);
    boxes.expectOk();
    button(w, QStringLiteral("恢复本题"))->click();
    EXPECT_TRUE(boxes.shown.last().contains(QStringLiteral("缺失")));
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/SXWIN/学生的.txt")));
}

}  // namespace
