// 任务项目窗格 and the main window's task-project area buttons: entry, start-up
// per area and mode, choice, start, mission servers, knowledge points and
// the close, driven through the real widgets on the demo tree.
#include "common/guards.h"
#include "common/handover.h"
#include "common/messages.h"
#include "common/navigation.h"
#include "common/processes.h"
#include "fake_servers.h"
#include "faults.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/desktop.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/shellwait.h"
#include "platform/textfile.h"
#include "platform_fixture.h"
#include "process_support.h"
#include "scripted_msgbox.h"
#include "task_support.h"
#include "tasks/messages.h"
#include "tasks/missionservers.h"
#include "tasks/taskentry.h"
#include "tasks/taskwindow.h"
#include "test_hooks.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using tasks::TaskWindow;
using testing_support::gbk;
using testing_support::ScriptedMessageBoxes;

namespace {


class TaskWindowTest : public testing_support::DemoTreeTest, protected testing_support::FakeServerState {
protected:
    // The task tree, the archiver and the mission servers' folders.
    TaskWindowTest()
        : DemoTreeTest({QStringLiteral("素材/bk/任务项目"), QStringLiteral("素材/bk/soft/RAR"),
                        QStringLiteral("素材/bk/soft/FtpSever for mission"), QStringLiteral("素材/bk/soft/WebSever for mission")})
    {
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks_.screenDpi(96);
        servers_.tools = {{QStringLiteral("Ftpconsole.exe"), QStringLiteral("mission_ftp_kill_app.exe")},
                          {QStringLiteral("MyWebServer0.exe"), QStringLiteral("mission_web_kill_app.exe")}};
        servers_.onStart = [this](const QString& name, plat::WindowStyle style) {
            if (name == QStringLiteral("Ftpconsole.exe") || name == QStringLiteral("MyWebServer0.exe"))
                hiddenServers = hiddenServers && style == plat::WindowStyle::Hidden;
            if (name == QStringLiteral("mission_ftp_kill_app.exe"))
                ftpHomeAtKill = QFileInfo::exists(hostPath(QStringLiteral("素材/bk/任务项目/提交/network/") + kKey + QStringLiteral("/ftp")));
        };
        servers_.install();
        hooks_.addresses([this] { return addresses; });
        hooks_.recordDesktop(desktop);
        signIn(kKey, QStringLiteral("2026001"), QStringLiteral("张三"));
        EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more")));
    }
    void TearDown() override
    {
        hooks_.reset();  // before the fixture's own end, which may start the kill tools
        PlatformTest::TearDown();
    }

    // Through the main window, as a student does.
    TaskWindow* enter(const QString& area)
    {
        forms::show(common::kMainWindowName);
        forms::loaded(common::kMainWindowName)->ctl<QPushButton>(area)->click();
        return static_cast<TaskWindow*>(forms::loaded(kWindow));
    }
    // Directly, as the start-up finds the files.
    TaskWindow* openDirect(const QString& area, const QString& mode = QString())
    {
        EXPECT_TRUE(uWriteTextFile(common::kTaskAreaFile, area));
        EXPECT_TRUE(uWriteTextFile(common::kTaskModeFile, mode));
        return static_cast<TaskWindow*>(forms::show(kWindow));
    }
    QPushButton* button(TaskWindow* w, const QString& name) const { return w->ctl<QPushButton>(name); }
    QString task(const QString& rel) const { return QStringLiteral("素材/bk/任务项目/") + rel; }
    bool exists(const QString& rel) const { return QFileInfo::exists(hostPath(rel)); }
    bool onD(const QString& rel) const { return QFileInfo::exists(drive_ + '/' + rel); }
    QString read936(const QString& rel) const { return plat::decode936(bytes(rel)); }

    testing_support::TestHooks hooks_;
    bool hiddenServers = true;
    bool ftpHomeAtKill = false;
};

// ---- entry from the main window -----------------------------------------

TEST_F(TaskWindowTest, AnAreaOrModeFileThatCannotBeWrittenKeepsTheTaskWindowClosed)
{
    for (const QString& file : {common::kTaskModeFile, common::kTaskAreaFile}) {
        SCOPED_TRACE(file.toStdString());
        // A folder where the file goes: the write fails, whoever runs the test.
        const QString host = plat::toHost(plat::appPath(file));
        QFile::remove(host);
        ASSERT_TRUE(QDir().mkpath(host));
        ScriptedMessageBoxes boxes;
        boxes.expectOk(common::requestNotWrittenMessage(file));
        TaskWindow* w = enter(QStringLiteral("excel"));
        EXPECT_TRUE(w == nullptr || !w->isVisible());
        EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
        EXPECT_EQ(boxes.shown.size(), 1);
        ASSERT_TRUE(QDir(host).removeRecursively());
    }
}

// The disk fills while the archive is copied from its template: the student
// is told, no half archive is left to be taken for the student's, and the
// next entry makes it whole.
TEST_F(TaskWindowTest, AnArchiveThatCannotBeMadeIsTakenBackAndTheTaskWindowStaysClosed)
{
    writeBytes(task(QStringLiteral("题库/提交初始化/word/大文件.dat")), QByteArray(64 * 1024, 'x'));
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk();
        testing_support::FileSizeLimit full(16 * 1024);
        ASSERT_TRUE(full.ok());
        TaskWindow* w = enter(QStringLiteral("word"));
        EXPECT_TRUE(w == nullptr || !w->isVisible());
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(boxes.shown.first().startsWith(QStringLiteral("项目档案没有创建成功")))
            << boxes.shown.first().toStdString();
    }
    EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
    EXPECT_TRUE(QDir(hostPath(task(QStringLiteral("提交/word")))).isEmpty());

    ASSERT_TRUE(QFile::remove(hostPath(task(QStringLiteral("题库/提交初始化/word/大文件.dat")))));
    ScriptedMessageBoxes boxes;
    boxes.expectOk(tasks::msg::kArchiveCreated);
    TaskWindow* w = enter(QStringLiteral("word"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(exists(task(QStringLiteral("提交/word/") + kKey + QStringLiteral("/说明.txt"))));
}

struct EntryCase {
    const char* area;
    bool handedIn;
    const char* archive;  // "" none, "own", "other-yes", "other-no"
};

class TaskEntryTest : public TaskWindowTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(TaskEntryTest, RecordsAreaAndModeAndPreparesTheArchive)
{
    const EntryCase c = GetParam();
    const QString area = QString::fromUtf8(c.area);
    const QString archive = c.archive;
    const bool windows = area == QStringLiteral("windows");
    if (c.handedIn)
        writeBytes(task(QStringLiteral("已提交/") + area + '/' + kKey + (windows ? QStringLiteral(".rar") : QStringLiteral(".txt"))), "x");
    if (archive == QStringLiteral("own")) writeBytes(task(QStringLiteral("提交/") + area + '/' + kKey + QStringLiteral("/作业.txt")), "mine");
    const QString other = QStringLiteral("2026009李四");
    if (archive.startsWith(QStringLiteral("other")))
        writeBytes(task(QStringLiteral("提交/") + area + '/' + other + QStringLiteral("/作业.txt")), "his");

    ScriptedMessageBoxes boxes;
    if (c.handedIn) boxes.expectOk(tasks::msg::alreadyHandedIn(kKey));
    if (archive.isEmpty()) boxes.expectOk(tasks::msg::kArchiveCreated);
    const bool yes = archive == QStringLiteral("other-yes");
    if (archive.startsWith(QStringLiteral("other"))) {
        boxes.expectYesNo(tasks::msg::askReplaceArchive(other), yes);
        if (yes) boxes.expectOk(tasks::msg::kArchiveReplaced);
    }
    TaskWindow* w = enter(area);

    EXPECT_EQ(uReadLastLine(common::kTaskAreaFile), area);
    EXPECT_EQ(uReadLastLine(common::kTaskModeFile), c.handedIn ? QStringLiteral("自由练习") : QString());
    const QString own = task(QStringLiteral("提交/") + area + '/' + kKey);
    if (archive == QStringLiteral("other-no")) {
        EXPECT_EQ(w, nullptr);
        EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
        EXPECT_EQ(bytes(task(QStringLiteral("提交/") + area + '/' + other + QStringLiteral("/作业.txt"))), "his");
        EXPECT_FALSE(exists(own));
        return;
    }
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(forms::loaded(common::kMainWindowName)->isVisible());
    EXPECT_TRUE(exists(own + QStringLiteral("/说明.txt")) || archive == QStringLiteral("own"));
    if (archive == QStringLiteral("own")) {
        EXPECT_EQ(bytes(own + QStringLiteral("/作业.txt")), "mine");
    }
    if (yes) {
        EXPECT_FALSE(exists(task(QStringLiteral("提交/") + area + '/' + other)));
    }
    if (c.handedIn && windows) {
        EXPECT_FALSE(button(w, QStringLiteral("win提交"))->isEnabled());
        EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("保存路径"))->text(), QStringLiteral("任务结果已提交完成！！！"));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TaskEntryTest,
                         ::testing::Values(EntryCase{"word", false, ""}, EntryCase{"word", true, ""},
                                           EntryCase{"excel", false, "own"}, EntryCase{"ppt", true, "other-yes"},
                                           EntryCase{"network", false, "other-no"}, EntryCase{"windows", true, ""},
                                           EntryCase{"windows", false, "other-yes"}));

TEST_F(TaskWindowTest, OnlyTheMarksFileCountsForOfficeAreasAndOnlyTheWholeKey)
{
    const QString f = tasks::submittedFolder(QStringLiteral("word"));
    writeBytes(task(QStringLiteral("已提交/word/")) + kKey + QStringLiteral(".rar"), "x");
    writeBytes(task(QStringLiteral("已提交/word/")) + kKey + QStringLiteral("X.txt"), "x");
    writeBytes(task(QStringLiteral("已提交/word/x.")) + kKey + QStringLiteral(".txt"), "x");
    EXPECT_FALSE(tasks::uIsSubmitted(f, QStringLiteral("*.txt"), false, kKey));
    writeBytes(task(QStringLiteral("已提交/word/2026001ZHANG.txt")), "x");
    EXPECT_TRUE(tasks::uIsSubmitted(f, QStringLiteral("*.txt"), false, QStringLiteral("2026001zhang")));
}

// A hand-in killed while packing leaves "<key>.packing.rar" (and the
// archiver's own "<key>.packing.rar.part"): neither counts as handed in, and
// the next entry removes them.
TEST_F(TaskWindowTest, AnInterruptedPackingNeitherCountsNorStays)
{
    const QString leftover = task(QStringLiteral("已提交/windows/")) + kKey + QStringLiteral(".packing.rar");
    writeBytes(leftover, "half");
    writeBytes(leftover + QStringLiteral(".part"), "half");
    EXPECT_FALSE(tasks::uIsSubmitted(tasks::submittedFolder(QStringLiteral("windows")), QStringLiteral("*.rar"), true, kKey));
    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    TaskWindow* w = enter(QStringLiteral("windows"));
    ASSERT_NE(w, nullptr);
    for (const QString& shown : boxes.shown) EXPECT_FALSE(shown.contains(QStringLiteral("已提交"))) << shown.toStdString();
    EXPECT_FALSE(exists(leftover));
    EXPECT_FALSE(exists(leftover + QStringLiteral(".part")));
}

TEST_F(TaskWindowTest, AKeyThatCannotNameAFolderIsRefusedBeforeAnythingIsWritten)
{
    signIn(QStringLiteral("..\\..\\x"), QStringLiteral("1"), QStringLiteral("x"));
    ScriptedMessageBoxes boxes;
    boxes.expectOk();
    EXPECT_EQ(enter(QStringLiteral("word")), nullptr);
    EXPECT_TRUE(QDir(hostPath(task(QStringLiteral("提交/word")))).isEmpty());
}

TEST_F(TaskWindowTest, ATreeLeftUnderItsProbeNameIsPutBackAtTheNextEntry)
{
    EXPECT_TRUE(uWriteTextFile(common::kTaskAreaFile, QStringLiteral("excel")));  // the last visit's
    ASSERT_TRUE(QDir().rename(hostPath(task(QString())), hostPath(QStringLiteral("素材/bk/任务项目0"))));
    ScriptedMessageBoxes boxes;
    boxes.expectOk(tasks::msg::kArchiveCreated);
    ASSERT_NE(enter(QStringLiteral("word")), nullptr);
    EXPECT_EQ(uReadLastLine(common::kTaskAreaFile), QStringLiteral("word"));
    EXPECT_TRUE(exists(task(QStringLiteral("题库/word/任务列表.txt"))));
    EXPECT_FALSE(exists(QStringLiteral("素材/bk/任务项目0")));
}

TEST_F(TaskWindowTest, ALeftoverProbeNameBesideTheTreeIsKeptOnDAndNamedAndTheTaskStarts)
{
    QDir().mkpath(hostPath(QStringLiteral("素材/bk/任务项目0/题库/作业")));
    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    EXPECT_NE(enter(QStringLiteral("word")), nullptr);
    ASSERT_FALSE(boxes.shown.isEmpty());
    EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("任务项目0_留存_"))) << boxes.shown[0].toStdString();
    EXPECT_FALSE(exists(QStringLiteral("素材/bk/任务项目0")));
    const QStringList kept = QDir(drive_).entryList({QStringLiteral("任务项目0_留存_*")}, QDir::Dirs);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(drive_ + '/' + kept[0] + QStringLiteral("/题库/作业")));
}

// ---- start-up per area and mode ----------------------------------------

struct StartupCase {
    const char* area;
    const char* mode;  // launch mode
    const char* title;
    const char* ext;
    const char* folder;
    int tasks;
};

class TaskStartupTest : public TaskWindowTest, public ::testing::WithParamInterface<StartupCase> {};

TEST_P(TaskStartupTest, LaysOutTheAreaFromTheBank)
{
    const StartupCase c = GetParam();
    const QString area = QString::fromUtf8(c.area);
    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    if (QString::fromUtf8(c.mode) == QStringLiteral("mission")) {
        EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("mission")));
        EXPECT_TRUE(uWriteTextFile(common::kMissionAreaFile, area));
        EXPECT_TRUE(uWriteTextFile(common::kTaskAreaFile, QStringLiteral("excel")));
        EXPECT_TRUE(uWriteTextFile(common::kTaskModeFile, QStringLiteral("自由练习")));
    } else {
        EXPECT_TRUE(uWriteTextFile(common::kTaskAreaFile, area));
        EXPECT_TRUE(uWriteTextFile(common::kTaskModeFile, QString()));
    }
    writeBytes(task(area + QStringLiteral("/题目文档/旧作业.docx")), "left from the last visit");
    auto* w = static_cast<TaskWindow*>(forms::show(kWindow));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->laidOut());
    EXPECT_EQ(w->caption(), QString::fromUtf8(c.title) + QStringLiteral("【学号：2026001】【姓名：张三】"));
    EXPECT_EQ(w->state.area, area);
    EXPECT_EQ(w->state.studentKey, kKey);
    EXPECT_FALSE(exists(task(area + QStringLiteral("/题目文档/旧作业.docx"))));
    if (QString::fromUtf8(c.mode) == QStringLiteral("mission")) {
        EXPECT_EQ(uReadLastLine(common::kTaskModeFile), QString());
        EXPECT_TRUE(exists(task(QStringLiteral("提交/") + area + '/' + kKey)));
        EXPECT_EQ(w->state.missionArea, area);
    }
    if (area == QStringLiteral("windows")) {
        EXPECT_TRUE(w->ctl(QStringLiteral("windows任务区1"))->isVisible());
        EXPECT_TRUE(w->ctl<QPlainTextEdit>(QStringLiteral("win8"))->toPlainText().contains(QStringLiteral("实训资料")));
        EXPECT_NEAR(w->outerHeightTw(), 9135 + 440, 15);
        return;
    }
    EXPECT_TRUE(w->ctl(QStringLiteral("office任务区"))->isVisible());
    EXPECT_EQ(w->state.extension, QString::fromUtf8(c.ext));
    EXPECT_EQ(w->state.workFolder, QString::fromUtf8(c.folder));
    EXPECT_NEAR(w->outerHeightTw(), 735 + 2895 + 1335 + 1300, 15);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(w->ctl(QString::fromUtf8(tasks::kTaskMembers[n - 1].button))->isVisible(), n <= c.tasks) << n;
        EXPECT_EQ(w->ctl(QString::fromUtf8(tasks::kTaskMembers[n - 1].check))->isVisible(), n <= c.tasks) << n;
    }
    EXPECT_FALSE(button(w, QStringLiteral("开始任务"))->isEnabled());
    EXPECT_EQ(button(w, QStringLiteral("开始"))->isVisibleTo(w->ctl(QStringLiteral("任务内容区"))), area != QStringLiteral("network"));
}

INSTANTIATE_TEST_SUITE_P(
    Areas, TaskStartupTest,
    ::testing::Values(StartupCase{"word", "more", "任务项目_Word", "docx", "Word_Mission", 3},
                      StartupCase{"excel", "more", "任务项目_Excel", "xlsx", "Excel_Mission", 3},
                      StartupCase{"ppt", "mission", "任务项目_PowerPoint", "pptx", "Ppt_Mission", 3},
                      StartupCase{"network", "more", "任务项目_Network", "net", "SXNET", 2},
                      StartupCase{"network", "mission", "任务项目_Network", "net", "SXNET", 2},
                      StartupCase{"windows", "more", "任务项目_Windows", "", "", 0},
                      StartupCase{"windows", "mission", "任务项目_Windows", "", "", 0}));

TEST_F(TaskWindowTest, FreePracticeLoadsTheMarksAndAShortMarksFileLeavesTheRest)
{
    writeBytes(task(QStringLiteral("已提交/excel/")) + kKey + QStringLiteral(".txt"), gbk(QStringLiteral("任务一已提交标记\r\n已提交\r\n")));
    TaskWindow* w = openDirect(QStringLiteral("excel"), QStringLiteral("自由练习"));
    EXPECT_EQ(w->state.handedInMarks[1], QStringLiteral("已提交"));
    EXPECT_EQ(w->state.handedInMarks[2], QStringLiteral("任务三已提交标记"));
}

TEST_F(TaskWindowTest, AListWithAnEmptyLineHidesThatTaskAndAMissingListIsReported)
{
    writeBytes(task(QStringLiteral("题库/ppt/任务列表.txt")), gbk(QStringLiteral("甲\r\n\r\n丙\r\n丁\r\n戊\r\n己\r\n庚\r\n")));
    TaskWindow* w = openDirect(QStringLiteral("ppt"));
    EXPECT_FALSE(w->ctl(QStringLiteral("任务二"))->isVisible());
    EXPECT_TRUE(w->ctl(QStringLiteral("任务六"))->isVisible());
    EXPECT_EQ(w->state.taskNames.size(), 7);
    forms::resetForTests();

    QFile::remove(hostPath(task(QStringLiteral("题库/word/任务列表.txt"))));
    ScriptedMessageBoxes boxes;
    boxes.expectOk();
    w = openDirect(QStringLiteral("word"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(boxes.shown.value(0).contains(QStringLiteral("任务列表")));
    EXPECT_FALSE(w->ctl(QStringLiteral("任务一"))->isVisible());
}

// ---- choice, start, copy-once ---------------------------------------------

TEST_F(TaskWindowTest, ChoosingAndWithdrawingATask)
{
    TaskWindow* w = openDirect(QStringLiteral("word"));
    button(w, QStringLiteral("任务三"))->click();
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("任务标题"))->text(), QStringLiteral("设计个人简历"));
    EXPECT_EQ(w->state.taskStep, QStringLiteral("Mission_Three"));
    EXPECT_EQ(w->state.taskLabel, QStringLiteral("任务3"));
    EXPECT_FALSE(button(w, QStringLiteral("任务一"))->isEnabled());
    EXPECT_TRUE(button(w, QStringLiteral("开始任务"))->isEnabled());
    button(w, QStringLiteral("开始任务"))->click();
    EXPECT_TRUE(w->ctl(QStringLiteral("任务内容区"))->isVisible());
    button(w, QStringLiteral("重选任务"))->click();
    EXPECT_FALSE(w->ctl(QStringLiteral("任务内容区"))->isVisible());
    EXPECT_FALSE(w->ctl(QStringLiteral("涉及知识点提示区"))->isVisible());
    EXPECT_TRUE(button(w, QStringLiteral("任务一"))->isEnabled());
    EXPECT_TRUE(w->ctl<QLineEdit>(QStringLiteral("任务标题"))->text().isEmpty());
    EXPECT_EQ(w->state.taskLabel, QStringLiteral("任务3"));
    EXPECT_NEAR(w->outerHeightTw(), 735 + 2895 + 1335 + 1300, 15);
}

struct StartCase {
    const char* area;
    int n;
    const char* ext;
    const char* folder;
    bool material;
    bool pictures;
};

class TaskStartTest : public TaskWindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(TaskStartTest, PersonalisesCopiesAndOffersTheTask)
{
    const StartCase c = GetParam();
    const QString area = QString::fromUtf8(c.area);
    TaskWindow* w = openDirect(area);
    button(w, QString::fromUtf8(tasks::kTaskMembers[c.n - 1].button))->click();
    const QString t = w->ctl<QLineEdit>(QStringLiteral("任务标题"))->text();
    button(w, QStringLiteral("开始任务"))->click();

    const QString step = QString::fromUtf8(c.folder) + '/' + QString::fromUtf8(tasks::kTaskMembers[c.n - 1].step);
    EXPECT_TRUE(onD(step));
    const QString shown = w->ctl<QPlainTextEdit>(QStringLiteral("任务内容"))->toPlainText();
    EXPECT_FALSE(shown.contains(QStringLiteral("任务素材文件夹")));
    EXPECT_FALSE(shown.contains(QStringLiteral("strLocalIP")));
    if (area == QStringLiteral("network")) {
        EXPECT_TRUE(shown.contains(QStringLiteral("10.1.2.3")));
    }
    EXPECT_EQ(read936(task(QStringLiteral("题库/") + area + QStringLiteral("/题目内容_改/") + t + QStringLiteral(".txt"))),
              read936(task(area + QStringLiteral("/题目内容/") + t + QStringLiteral(".txt"))));
    const QString doc = t + '.' + QString::fromUtf8(c.ext);
    EXPECT_EQ(bytes(task(area + QStringLiteral("/题目文档/") + doc)), bytes(task(QStringLiteral("题库/") + area + QStringLiteral("/题目文档/") + doc)));
    EXPECT_TRUE(exists(task(area + QStringLiteral("/bk/") + doc)));
    EXPECT_TRUE(exists(QStringLiteral("素材/bk/题库/操作题/") + area + QStringLiteral("/server/ipd_mission.txt")));
    EXPECT_EQ(w->state.mayHandIn[c.n - 1], QStringLiteral("1"));
    EXPECT_TRUE(w->ctl(QString::fromUtf8(tasks::kTaskMembers[c.n - 1].check))->isEnabled());
    EXPECT_EQ(w->ctl(QStringLiteral("任务文件夹"))->isVisibleTo(w), c.material);
    EXPECT_EQ(w->ctl(QStringLiteral("样式"))->isVisibleTo(w), c.pictures);
    if (c.material) {
        EXPECT_FALSE(QDir(drive_ + '/' + step).isEmpty());
    }
    if (area == QStringLiteral("network")) {
        EXPECT_FALSE(button(w, QStringLiteral("重选任务"))->isEnabled());
        EXPECT_TRUE(starts.contains(QStringLiteral("Ftpconsole.exe")));
        EXPECT_TRUE(starts.contains(QStringLiteral("MyWebServer0.exe")));
        EXPECT_TRUE(hiddenServers);
        EXPECT_TRUE(exists(task(QStringLiteral("提交/network/")) + kKey + QStringLiteral("/ftp/通知.txt")));
    } else {
        EXPECT_FALSE(starts.contains(QStringLiteral("Ftpconsole.exe")));
    }
}

INSTANTIATE_TEST_SUITE_P(Areas, TaskStartTest,
                         ::testing::Values(StartCase{"word", 1, "docx", "Word_Mission", true, true},
                                           StartCase{"excel", 2, "xlsx", "Excel_Mission", false, true},
                                           StartCase{"ppt", 3, "pptx", "Ppt_Mission", false, false},
                                           StartCase{"network", 1, "net", "SXNET", true, true}));

TEST_F(TaskWindowTest, StartingATaskAgainKeepsTheStudentsEditedDocument)
{
    TaskWindow* w = openDirect(QStringLiteral("word"));
    button(w, QStringLiteral("任务一"))->click();
    button(w, QStringLiteral("开始任务"))->click();
    const QString doc = task(QStringLiteral("word/题目文档/制作招生简章.docx"));
    writeBytes(doc, "edited by the student");
    writeBytes(QStringLiteral("../D/Word_Mission/Mission_One/校徽.txt"), "changed");
    button(w, QStringLiteral("重选任务"))->click();
    button(w, QStringLiteral("任务一"))->click();
    button(w, QStringLiteral("开始任务"))->click();
    EXPECT_EQ(bytes(doc), "edited by the student");
    QFile f(drive_ + QStringLiteral("/Word_Mission/Mission_One/校徽.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "changed");
    EXPECT_TRUE(w->ctl(QStringLiteral("任务内容区"))->isVisible());
    EXPECT_FALSE(w->ctl<QPlainTextEdit>(QStringLiteral("任务内容"))->toPlainText().isEmpty());
}

TEST_F(TaskWindowTest, AHandedInTaskIsShownButNotOfferedAgain)
{
    writeBytes(task(QStringLiteral("已提交/word/")) + kKey + QStringLiteral(".txt"),
               gbk(QStringLiteral("任务一已提交标记\r\n已提交\r\n任务三已提交标记\r\n任务四已提交标记\r\n任务五已提交标记\r\n任务六已提交标记\r\n")));
    TaskWindow* w = openDirect(QStringLiteral("word"), QStringLiteral("自由练习"));
    button(w, QStringLiteral("任务二"))->click();
    button(w, QStringLiteral("开始任务"))->click();
    EXPECT_EQ(w->state.mayHandIn[1], QStringLiteral("0"));
    EXPECT_FALSE(w->ctl(QStringLiteral("选择任务二"))->isEnabled());
    EXPECT_FALSE(button(w, QStringLiteral("操作题提交"))->isEnabled());
    EXPECT_TRUE(button(w, QStringLiteral("操作题重置任务"))->isVisibleTo(w));
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->text(), QStringLiteral("【任务2】结果已提交！！！"));
}

TEST_F(TaskWindowTest, AMissingTaskTextIsReportedAndNothingIsStarted)
{
    QFile::remove(hostPath(task(QStringLiteral("题库/excel/题目内容/统计学生成绩.txt"))));
    TaskWindow* w = openDirect(QStringLiteral("excel"));
    button(w, QStringLiteral("任务一"))->click();
    ScriptedMessageBoxes boxes;
    boxes.expectOk();
    button(w, QStringLiteral("开始任务"))->click();
    EXPECT_TRUE(boxes.shown.value(0).contains(QStringLiteral("统计学生成绩")));
    EXPECT_FALSE(w->ctl(QStringLiteral("任务内容区"))->isVisible());
    EXPECT_FALSE(onD(QStringLiteral("Excel_Mission")));
    EXPECT_TRUE(button(w, QStringLiteral("开始任务"))->isEnabled());
}

TEST_F(TaskWindowTest, DocumentAndFolderButtonsHandTheTaskToTheDesktop)
{
    TaskWindow* w = openDirect(QStringLiteral("word"));
    button(w, QStringLiteral("任务一"))->click();
    button(w, QStringLiteral("开始任务"))->click();
    button(w, QStringLiteral("开始"))->click();
    button(w, QStringLiteral("任务文件夹"))->click();
    ASSERT_EQ(desktop.size(), 2);
    EXPECT_TRUE(desktop[0].endsWith(QStringLiteral("制作招生简章.docx")));
    EXPECT_TRUE(desktop[1].endsWith(QStringLiteral("Word_Mission/Mission_One")));
}

TEST_F(TaskWindowTest, StylePanelOpensPagesWithWrapAroundAndFoldsBack)
{
    TaskWindow* w = openDirect(QStringLiteral("word"));
    const int folded = w->outerHeightTw();
    button(w, QStringLiteral("任务二"))->click();  // two sample pictures
    button(w, QStringLiteral("开始任务"))->click();
    ASSERT_TRUE(button(w, QStringLiteral("样式"))->isVisibleTo(w));
    EXPECT_TRUE(button(w, QStringLiteral("样式下一张"))->isVisibleTo(w));
    EXPECT_FALSE(button(w, QStringLiteral("样式下一张"))->isEnabled());
    button(w, QStringLiteral("样式"))->click();
    EXPECT_TRUE(w->ctl(QStringLiteral("样式区"))->isVisible());
    EXPECT_TRUE(button(w, QStringLiteral("折叠"))->isVisible());
    EXPECT_FALSE(button(w, QStringLiteral("样式"))->isVisible());
    EXPECT_GT(w->outerHeightTw(), folded);
    const int opened = w->outerHeightTw();
    EXPECT_EQ(w->stylePanel().selected(), 0);
    button(w, QStringLiteral("样式上一张"))->click();
    EXPECT_EQ(w->stylePanel().selected(), 1);
    button(w, QStringLiteral("样式下一张"))->click();
    EXPECT_EQ(w->stylePanel().selected(), 0);
    button(w, QStringLiteral("折叠"))->click();
    EXPECT_NEAR(w->outerHeightTw(), folded, 15);
    EXPECT_FALSE(button(w, QStringLiteral("样式下一张"))->isEnabled());
    button(w, QStringLiteral("样式"))->click();
    EXPECT_EQ(w->outerHeightTw(), opened);

    button(w, QStringLiteral("重选任务"))->click();
    EXPECT_FALSE(button(w, QStringLiteral("样式"))->isVisibleTo(w));
    button(w, QStringLiteral("任务一"))->click();  // one picture: no arrows
    button(w, QStringLiteral("开始任务"))->click();
    EXPECT_FALSE(button(w, QStringLiteral("样式下一张"))->isVisibleTo(w));
}

// ---- mission servers ------------------------------------------------------

TEST_F(TaskWindowTest, FtpUsersFileIsReplacedWholeWithTheKeyEscaped)
{
    const QString xml = QStringLiteral("素材/bk/soft/FtpSever for mission/ftpusers.xml");
    writeBytes(xml, QByteArray(5000, 'x'));  // a longer leftover
    tasks::uSetupMissionFtpServer(QStringLiteral("network"), QStringLiteral("2026001<李&四>"));
    const QString text = read936(xml);
    EXPECT_FALSE(text.contains(QStringLiteral("xxx")));
    EXPECT_FALSE(text.contains(QStringLiteral("主目录")));
    EXPECT_TRUE(text.contains(QStringLiteral("2026001&lt;李&amp;四&gt;")));
    EXPECT_TRUE(text.contains(QStringLiteral("/素材/bk/任务项目/提交/network/")));
    EXPECT_TRUE(exists(QStringLiteral("素材/bk/soft/FtpSever for mission/ftpusers0.txt")));
    EXPECT_FALSE(exists(QStringLiteral("素材/bk/soft/FtpSever for mission/ftpusers.txt")));
    EXPECT_EQ(starts, QStringList{QStringLiteral("Ftpconsole.exe")});
}

TEST_F(TaskWindowTest, WithoutItsTemplateTheFtpUsersFileIsKeptAndTheServerNotStarted)
{
    const QString xml = QStringLiteral("素材/bk/soft/FtpSever for mission/ftpusers.xml");
    writeBytes(xml, "<users of the last start/>");
    ASSERT_TRUE(QFile::remove(hostPath(QStringLiteral("素材/bk/soft/FtpSever for mission/BK/ftpusers_模板.xml"))));
    ScriptedMessageBoxes boxes;
    boxes.expectOk(tasks::missionFtpTemplateMissingMessage());
    EXPECT_FALSE(tasks::uSetupMissionFtpServer(QStringLiteral("network"), kKey));
    EXPECT_EQ(bytes(xml), "<users of the last start/>");
    EXPECT_TRUE(starts.isEmpty());
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST_F(TaskWindowTest, MissionServerIniKeepsUnwrittenKeysAndWritesTheTable)
{
    tasks::uSetupMissionWebServer(QStringLiteral("10.9.8.7"));
    const QString ini = read936(QStringLiteral("素材/bk/soft/WebSever for mission/server.ini"));
    EXPECT_EQ(ini, read936(QStringLiteral("素材/bk/soft/WebSever for mission/BK/server.ini")));
    EXPECT_TRUE(ini.startsWith(QStringLiteral("; mission web server configuration")));
    EXPECT_TRUE(ini.contains(QStringLiteral("ServerIP=10.9.8.7\r\n")));
    EXPECT_TRUE(ini.contains(QStringLiteral("Serverport=8088\r\n")));
    EXPECT_EQ(ini.count(QStringLiteral("tproxy=")), 1);
    EXPECT_TRUE(ini.contains(QStringLiteral(".tif=image/tiff")));
    EXPECT_EQ(tasks::missionServerTable().size(), 71u);
}

TEST_F(TaskWindowTest, RunningMissionServersAreLeftAlone)
{
    running = {QStringLiteral("Ftpconsole.exe"), QStringLiteral("MyWebServer0.exe")};
    TaskWindow* w = openDirect(QStringLiteral("network"));
    button(w, QStringLiteral("任务二"))->click();
    button(w, QStringLiteral("开始任务"))->click();
    EXPECT_FALSE(starts.contains(QStringLiteral("Ftpconsole.exe")));
    EXPECT_FALSE(exists(QStringLiteral("素材/bk/soft/FtpSever for mission/ftpusers.xml")));
}

// ---- knowledge points -----------------------------------------------------

// The knowledge point opens the exercise window on the network bank.
class TaskKnowledgePointTest : public TaskWindowTest {
protected:
    TaskKnowledgePointTest() { demoParts_ << QStringLiteral("素材/bk/题库/操作题/network"); }
};

TEST_F(TaskKnowledgePointTest, KnowledgePointRoundTripToTheExerciseWindowAndBack)
{
    TaskWindow* w = openDirect(QStringLiteral("network"));
    button(w, QStringLiteral("任务二"))->click();
    button(w, QStringLiteral("开始任务"))->click();
    button(w, QStringLiteral("Command11"))->click();
    EXPECT_FALSE(w->ctl(QStringLiteral("涉及知识点提示区"))->isVisible());
    EXPECT_EQ(button(w, QStringLiteral("知识点1"))->text(), QStringLiteral("保存网页"));
    EXPECT_TRUE(button(w, QStringLiteral("知识点2"))->isVisible());
    EXPECT_FALSE(button(w, QStringLiteral("知识点3"))->isVisible());
    EXPECT_EQ(uReadLastLine(common::kCallMarkerFile), QStringLiteral("任务项目"));

    button(w, QStringLiteral("知识点1"))->click();
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/题库/知识点与课本实训.txt")), gbk(QStringLiteral("network\r\n保存网页\r\nnet\r\n")));
    EXPECT_FALSE(w->isVisible());
    ASSERT_TRUE(forms::isLoaded(QStringLiteral("知识点与课本实训窗格")));
    EXPECT_EQ(forms::loaded(kWindow), w);

    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    ASSERT_TRUE(forms::unload(QStringLiteral("知识点与课本实训窗格")));
    processEvents();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(button(w, QStringLiteral("知识点1"))->text(), QStringLiteral("保存网页"));
    EXPECT_EQ(w->state.taskLabel, QStringLiteral("任务2"));
}

// ---- close ------------------------------------------------------------------

TEST_F(TaskWindowTest, CloseAsksTwiceGuardsThenCleansUpAndReturns)
{
    forms::show(common::kMainWindowName);
    forms::hide(common::kMainWindowName);
    TaskWindow* w = openDirect(QStringLiteral("network"));
    button(w, QStringLiteral("任务一"))->click();
    button(w, QStringLiteral("开始任务"))->click();
    writeBytes(task(QStringLiteral("已提交/network/")) + kKey + QStringLiteral(".rar"), "handed in earlier");
    writeBytes(task(QStringLiteral("已提交/network/")) + kKey + QStringLiteral(".txt"), "marks");
    {
        ScriptedMessageBoxes boxes;
        boxes.expectYesNo(common::msg::kAskExit, true);
        boxes.expectYesNo(tasks::msg::kAskExitSure, false);
        EXPECT_FALSE(forms::unload(kWindow));
    }
    EXPECT_TRUE(onD(QStringLiteral("SXNET/Mission_One")));
    {
        testing_support::FileHolder held(drive_ + QStringLiteral("/SXNET/Mission_One/作业.txt"));
        ASSERT_TRUE(held.holding());
        ScriptedMessageBoxes boxes;
        boxes.expectYesNo(common::msg::kAskExit, true);
        boxes.expectYesNo(tasks::msg::kAskExitSure, true);
        boxes.expectOk(common::filesOpenMessage(QStringLiteral("SXNET")));
        EXPECT_FALSE(forms::unload(kWindow));
        EXPECT_TRUE(running.contains(QStringLiteral("Ftpconsole.exe")));
    }
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskExit, true);
    boxes.expectYesNo(tasks::msg::kAskExitSure, true);
    EXPECT_TRUE(forms::unload(kWindow));
    EXPECT_TRUE(ftpHomeAtKill) << "the FTP server is stopped while its folder still exists";
    EXPECT_TRUE(running.isEmpty());
    EXPECT_FALSE(onD(QStringLiteral("SXNET")));
    EXPECT_TRUE(QDir(hostPath(task(QStringLiteral("提交/network")))).isEmpty());
    EXPECT_EQ(bytes(task(QStringLiteral("已提交/network/")) + kKey + QStringLiteral(".rar")), "handed in earlier");
    EXPECT_EQ(bytes(task(QStringLiteral("已提交/network/")) + kKey + QStringLiteral(".txt")), "marks");
    EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
}

TEST_F(TaskWindowTest, QuietCloseOnlyAfterAVerifiedHandIn)
{
    EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("mission")));
    EXPECT_TRUE(uWriteTextFile(common::kMissionAreaFile, QStringLiteral("word")));
    ScriptedMessageBoxes boxes;
    boxes.expectOk(tasks::msg::kArchiveCreated);
    TaskWindow* w = static_cast<TaskWindow*>(forms::show(kWindow));
    w->state.exitCheck = QStringLiteral("1");  // without a verified hand-in: still asks
    boxes.expectYesNo(common::msg::kAskExit, false);
    EXPECT_FALSE(forms::unload(kWindow));
    w->state.handedIn = true;
    EXPECT_TRUE(forms::unload(kWindow));
    EXPECT_TRUE(ended_);
}

}  // namespace
