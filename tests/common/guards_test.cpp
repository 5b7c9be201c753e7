// Workspace guards: the in-use probe, the file-manager check, guard lists,
// the tool sets and the stopping of practice servers with real stand-ins.
#include "common/guards.h"
#include "common/processes.h"
#include "platform/filemanager.h"
#include "platform/filesystem.h"
#include "platform/officelock.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/proclist.h"
#include "platform_fixture.h"
#include "process_support.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <unistd.h>

using testing_support::waitFor;

namespace {

class GuardsTest : public testing_support::PlatformTest {
protected:
    QString d(const QString& rel) const { return drive_ + '/' + rel; }
    void mkdir(const QString& rel) const { ASSERT_TRUE(QDir().mkpath(d(rel))); }
    void touch(const QString& rel) const
    {
        QFile f(d(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    bool exists(const QString& rel) const { return QFileInfo::exists(d(rel)); }
};

// ---- In-use probe --------------------------------------------------------

struct ProbeCase {
    const char* what;
    bool folder, file, leftover;  // what lies on D: first
    bool renameBack;
    bool inUse;
    bool pathAfter, probeAfter;
};

void PrintTo(const ProbeCase& c, std::ostream* os) { *os << c.what; }

class Probe : public GuardsTest, public ::testing::WithParamInterface<ProbeCase> {};

TEST_P(Probe, FollowsTheRenameRules)
{
    const ProbeCase& c = GetParam();
    if (c.folder) touch((mkdir(QStringLiteral("KSDOC")), QStringLiteral("KSDOC/a.docx")));
    if (c.file) touch(QStringLiteral("KSDOC"));
    if (c.leftover) touch((mkdir(QStringLiteral("KSDOC0000")), QStringLiteral("KSDOC0000/old.docx")));
    EXPECT_EQ(common::uProbeInUse(QStringLiteral("D:\\KSDOC"), QStringLiteral("D:\\KSDOC0000"), c.renameBack), c.inUse);
    EXPECT_EQ(exists(QStringLiteral("KSDOC")), c.pathAfter);
    EXPECT_EQ(exists(QStringLiteral("KSDOC0000")), c.probeAfter);
    if (c.folder && c.pathAfter && !c.leftover) {
        EXPECT_TRUE(exists(QStringLiteral("KSDOC/a.docx")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Probe,
    ::testing::Values(
        ProbeCase{"folder, rename back", true, false, false, true, false, true, false},
        ProbeCase{"folder, left under the probe name", true, false, false, false, false, false, true},
        ProbeCase{"plain file, left under the probe name", false, true, false, false, false, false, true},
        ProbeCase{"absent", false, false, false, true, false, false, false},
        ProbeCase{"leftover takes the path's name", false, false, true, true, false, true, false},
        ProbeCase{"leftover stays without rename back", false, false, true, false, false, false, true},
        ProbeCase{"folder and leftover: in use", true, false, true, true, true, true, true},
        ProbeCase{"folder and leftover, no rename back: in use", true, false, true, false, true, true, true}));

TEST_F(GuardsTest, ProbeReportsAFileHeldOpenByAnotherProcessAndMovesNothing)
{
    mkdir(QStringLiteral("实训素材/sub"));
    touch(QStringLiteral("实训素材/sub/文档.docx"));
    {
        testing_support::FileHolder holder(d(QStringLiteral("实训素材/sub/文档.docx")));
        ASSERT_TRUE(holder.holding());
        for (bool back : {true, false})
            EXPECT_TRUE(common::uProbeInUse(QStringLiteral("D:\\实训素材"), QStringLiteral("D:\\实训素材0000"), back));
        EXPECT_TRUE(exists(QStringLiteral("实训素材/sub/文档.docx")));
        EXPECT_FALSE(exists(QStringLiteral("实训素材0000")));
        // A file of another folder being open does not count.
        mkdir(QStringLiteral("winsys"));
        EXPECT_FALSE(common::uProbeInUse(QStringLiteral("D:\\winsys"), QStringLiteral("D:\\winsys0000"), true));
    }
    EXPECT_FALSE(common::uProbeInUse(QStringLiteral("D:\\实训素材"), QStringLiteral("D:\\实训素材0000"), true));
    EXPECT_TRUE(exists(QStringLiteral("实训素材/sub/文档.docx")));
}

TEST_F(GuardsTest, ADocumentLockedByLibreOfficeIsInUseAndNothingMoves)
{
    testing_support::TestHooks hooks;
    hooks.officeProcesses({{::getuid(), QString()}});
    touch((mkdir(QStringLiteral("实训素材/sub")), QStringLiteral("实训素材/sub/报告.docx")));
    touch(QStringLiteral("实训素材/sub/.~lock.报告.docx#"));
    touch((mkdir(QStringLiteral("题目文档")), QStringLiteral("题目文档/题目_word分栏.docx")));
    touch(QStringLiteral("题目文档/.~lock.题目_word分栏.docx#"));
    EXPECT_TRUE(common::uProbeInUse(QStringLiteral("D:\\实训素材"), QStringLiteral("D:\\改名"), true));
    EXPECT_TRUE(common::uProbeInUse(QStringLiteral("D:\\题目文档\\题目_word分栏.docx"), QStringLiteral("D:\\题目文档\\1.docx"), true));
    EXPECT_TRUE(exists(QStringLiteral("实训素材/sub/报告.docx")));
    EXPECT_FALSE(exists(QStringLiteral("改名")));
    EXPECT_FALSE(exists(QStringLiteral("题目文档/1.docx")));
    // Once LibreOffice has let go (its lock file gone), the probe passes.
    QFile::remove(d(QStringLiteral("实训素材/sub/.~lock.报告.docx#")));
    EXPECT_FALSE(common::uProbeInUse(QStringLiteral("D:\\实训素材"), QStringLiteral("D:\\改名"), true));
    EXPECT_TRUE(exists(QStringLiteral("实训素材/sub/报告.docx")));
}

TEST_F(GuardsTest, ALockLeftByAnOfficeProgramThatIsGoneIsRemovedAndTheProbePasses)
{
    testing_support::TestHooks hooks;
    hooks.officeProcesses({});
    touch((mkdir(QStringLiteral("实训素材/sub")), QStringLiteral("实训素材/sub/报告.docx")));
    touch(QStringLiteral("实训素材/sub/.~lock.报告.docx#"));
    touch((mkdir(QStringLiteral("题目文档")), QStringLiteral("题目文档/题目_word分栏.docx")));
    touch(QStringLiteral("题目文档/.~lock.题目_word分栏.docx#"));
    testing_support::ScriptedMessageBoxes boxes;
    EXPECT_TRUE(common::uCheckFoldersFree(
        {common::GuardEntry::probe(QStringLiteral("D:\\实训素材"), QStringLiteral("D:\\改名"), true, QStringLiteral("实训素材")),
         common::GuardEntry::probe(QStringLiteral("D:\\题目文档\\题目_word分栏.docx"), QStringLiteral("D:\\题目文档\\1.docx"), true,
                                   QStringLiteral("题目文档"))}));
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(exists(QStringLiteral("实训素材/sub/.~lock.报告.docx#")));
    EXPECT_FALSE(exists(QStringLiteral("题目文档/.~lock.题目_word分栏.docx#")));
    EXPECT_TRUE(exists(QStringLiteral("实训素材/sub/报告.docx")));
    EXPECT_TRUE(exists(QStringLiteral("题目文档/题目_word分栏.docx")));
}

TEST_F(GuardsTest, AReadOnlyFileIsNotInUse)
{
    touch((mkdir(QStringLiteral("KSWIN/01/资料")), QStringLiteral("KSWIN/01/资料/旧文件.txt")));
    ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\KSWIN\\01\\资料\\旧文件.txt"), true));
    EXPECT_FALSE(common::uProbeInUse(QStringLiteral("D:\\KSWIN"), QStringLiteral("D:\\win改名"), true));
    EXPECT_TRUE(exists(QStringLiteral("KSWIN/01/资料/旧文件.txt")));
}

// ---- Guard lists ---------------------------------------------------------

TEST_F(GuardsTest, GuardListStopsAtTheFirstFailureAfterTheEarlierEntriesHadTheirEffect)
{
    mkdir(QStringLiteral("KSDOC"));
    touch((mkdir(QStringLiteral("KSXLS")), QStringLiteral("KSXLS/表.xlsx")));
    mkdir(QStringLiteral("KSPPT"));
    testing_support::FileHolder holder(d(QStringLiteral("KSXLS/表.xlsx")));
    ASSERT_TRUE(holder.holding());
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::filesOpenMessage(QStringLiteral("KSXLS")));
    const common::GuardList list = {
        common::GuardEntry::probe(QStringLiteral("D:\\KSDOC"), QStringLiteral("D:\\KSDOC0000"), false,
                                  common::filesOpenMessage(QStringLiteral("KSDOC"))),
        common::GuardEntry::probe(QStringLiteral("D:\\KSXLS"), QStringLiteral("D:\\KSXLS0000"), true,
                                  common::filesOpenMessage(QStringLiteral("KSXLS"))),
        common::GuardEntry::probe(QStringLiteral("D:\\KSPPT"), QStringLiteral("D:\\KSPPT0000"), false,
                                  common::filesOpenMessage(QStringLiteral("KSPPT"))),
    };
    QString refusal;
    EXPECT_FALSE(common::uCheckFoldersFree(list, nullptr, &refusal));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(refusal, boxes.shown[0]);
    EXPECT_TRUE(exists(QStringLiteral("KSDOC0000")));  // first entry passed and took effect
    EXPECT_TRUE(exists(QStringLiteral("KSXLS/表.xlsx")));
    EXPECT_TRUE(exists(QStringLiteral("KSPPT")));  // third never probed
    EXPECT_FALSE(exists(QStringLiteral("KSPPT0000")));
}

// A leftover of an interrupted run beside its folder is kept under a name of
// its own and named; the list goes on, for every probe name any step gives
// the folder. One under the entry's own probe name with the folder absent is
// the folder itself and comes back.
TEST_F(GuardsTest, LeftoversUnderProbeNamesAreKeptAsideAndNamedAndTheListGoesOn)
{
    const struct {
        const char* what;
        const char* folder;  // on D:, "" none
        const char* leftover;
        const char* probe;  // the entry's own probe name
        bool putBack;
    } cases[] = {
        {"own probe name, folder there", "KSXLS", "e改名", "D:\\e改名", false},
        {"the restore's probe name, seen by the paper", "KSXLS", "改名e", "D:\\e改名", false},
        {"the restore's probe name, folder absent", "", "改名e", "D:\\e改名", false},
        {"own probe name, folder absent", "", "e改名", "D:\\e改名", true},
        {"the close's probe name, seen by the restore", "KSWIN", "win改名", "D:\\改名win", false},
    };
    for (const auto& c : cases) {
        QDir(drive_).removeRecursively();
        QDir().mkpath(drive_);
        const QString folder = QString::fromUtf8(*c.folder ? c.folder : "KSXLS");
        if (*c.folder) touch((mkdir(folder), folder + QStringLiteral("/new.txt")));
        const QString left = QString::fromUtf8(c.leftover);
        touch((mkdir(left), left + QStringLiteral("/作业.docx")));
        testing_support::ScriptedMessageBoxes boxes;
        boxes.allowAnyOk = true;
        EXPECT_TRUE(common::uCheckFoldersFree({common::GuardEntry::probe(QStringLiteral("D:\\") + folder, QString::fromUtf8(c.probe), true,
                                                                         common::filesOpenMessage(folder))}))
            << c.what;
        EXPECT_FALSE(exists(left)) << c.what;
        if (c.putBack) {
            EXPECT_TRUE(boxes.shown.isEmpty()) << c.what;
            EXPECT_TRUE(exists(folder + QStringLiteral("/作业.docx"))) << c.what;
            continue;
        }
        ASSERT_EQ(boxes.shown.size(), 1) << c.what;
        const QStringList kept = QDir(drive_).entryList({left + QStringLiteral("_留存_*")}, QDir::Dirs);
        ASSERT_EQ(kept.size(), 1) << c.what;
        EXPECT_TRUE(exists(kept[0] + QStringLiteral("/作业.docx"))) << c.what;
        EXPECT_TRUE(boxes.shown[0].contains(plat::displayPath(QStringLiteral("D:\\") + kept[0]))) << boxes.shown[0].toStdString();
        EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("老师"))) << c.what;
        EXPECT_EQ(exists(folder + QStringLiteral("/new.txt")), *c.folder != '\0') << c.what;
    }
}

TEST_F(GuardsTest, GuardListPassesWhenEveryEntryPasses)
{
    mkdir(QStringLiteral("KSDOC"));
    testing_support::ScriptedMessageBoxes boxes;
    EXPECT_TRUE(common::uCheckFoldersFree(
        {common::GuardEntry::explorer(QStringLiteral("KSDOC"), common::explorerOpenMessage(QStringLiteral("KSDOC"))),
         common::GuardEntry::probe(QStringLiteral("D:\\KSDOC"), QStringLiteral("D:\\KSDOC0000"), true,
                                   common::filesOpenMessage(QStringLiteral("KSDOC")))}));
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_TRUE(exists(QStringLiteral("KSDOC")));
}

// ---- File-manager windows, on a private X server -------------------------

using ExplorerCheck = testing_support::WithPrivateX<GuardsTest>;

TEST_F(ExplorerCheck, FindsAFileManagerWindowByItsWholeTitleCaseAside)
{
    testing_support::ClassedWindow nautilus(x_->name(), "Nautilus", QStringLiteral("WWW"));
    testing_support::ClassedWindow thunar(x_->name(), "Thunar", QStringLiteral("实训素材"));
    testing_support::ClassedWindow path(x_->name(), "Dolphin", QStringLiteral("/home/s/KSDOC"));
    testing_support::ClassedWindow editor(x_->name(), "XTerm", QStringLiteral("KSXLS"));
    ASSERT_TRUE(nautilus.ok() && thunar.ok() && path.ok() && editor.ok());
    const struct {
        const char* name;
        bool open;
    } cases[] = {{"WWW", true},   {"www", true},   {"WW", false},   {"WWW2", false}, {"实训素材", true},
                 {"KSDOC", false}, {"KSXLS", false}, {"winsys", false}};
    for (const auto& c : cases)
        EXPECT_EQ(common::uIsFolderOpenInExplorer(QString::fromUtf8(c.name)), c.open) << c.name;
}

TEST_F(ExplorerCheck, AnOpenWindowStopsTheGuardListBeforeTheProbe)
{
    mkdir(QStringLiteral("KSDOC"));
    testing_support::ClassedWindow w(x_->name(), "Caja", QStringLiteral("ksdoc"));
    ASSERT_TRUE(w.ok());
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(QStringLiteral("请关闭KSDOC文件夹及其子文件夹 >_<"));
    EXPECT_FALSE(common::uCheckFoldersFree(
        {common::GuardEntry::explorer(QStringLiteral("KSDOC"), common::explorerOpenMessage(QStringLiteral("KSDOC"))),
         common::GuardEntry::probe(QStringLiteral("D:\\KSDOC"), QStringLiteral("D:\\KSDOC0000"), false,
                                   common::filesOpenMessage(QStringLiteral("KSDOC")))}));
    EXPECT_TRUE(exists(QStringLiteral("KSDOC")));
    EXPECT_FALSE(exists(QStringLiteral("KSDOC0000")));
}

// Window entries in a row are judged together: the first shown, in the
// list's order, gives its message, whatever the order of the windows.
TEST_F(ExplorerCheck, TheFirstShownWindowEntryOfTheListRefuses)
{
    testing_support::ClassedWindow xls(x_->name(), "Nautilus", QStringLiteral("KSXLS"));
    testing_support::ClassedWindow ppt(x_->name(), "Thunar", QStringLiteral("KSPPT - Thunar"));
    ASSERT_TRUE(xls.ok() && ppt.ok());
    common::GuardList list;
    for (const char* name : {"KSDOC", "KSPPT", "KSXLS"})
        list << common::GuardEntry::explorer(QString::fromUtf8(name),
                                             common::explorerOpenMessage(QString::fromUtf8(name)));
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::explorerOpenMessage(QStringLiteral("KSPPT")));
    EXPECT_FALSE(common::uCheckFoldersFree(list));
    EXPECT_EQ(boxes.shown.size(), 1);
    // With neither shown among them, the list passes.
    testing_support::ScriptedMessageBoxes none;
    EXPECT_TRUE(common::uCheckFoldersFree(
        {list[0],
         common::GuardEntry::explorer(QStringLiteral("KSWIN"), common::explorerOpenMessage(QStringLiteral("KSWIN")))}));
    EXPECT_TRUE(none.shown.isEmpty());
}

// The windows the program opens itself show a folder inside the guarded one
// ("05 - Thunar"): they count as showing it.
TEST_F(ExplorerCheck, AWindowOnAFolderInsideTheGuardedOneCounts)
{
    mkdir(QStringLiteral("KSDOC/05/图片"));
    mkdir(QStringLiteral("KSXLS/01"));
    const struct {
        const char* title;
        bool ksdocRefused;
    } cases[] = {{"05 - Thunar", true}, {"图片 - Thunar", true}, {"KSDOC - Thunar", true}, {"06 - Thunar", false}, {"01 - Thunar", false}};
    for (const auto& c : cases) {
        testing_support::ClassedWindow w(x_->name(), "Thunar", QString::fromUtf8(c.title));
        ASSERT_TRUE(w.ok());
        ASSERT_TRUE(waitFor([&] { return plat::fileManagerWindowTitled(QString::fromUtf8(c.title).section(QStringLiteral(" - "), 0, 0)); }))
            << c.title;
        testing_support::ScriptedMessageBoxes boxes;
        boxes.allowAnyOk = true;
        EXPECT_EQ(common::uCheckFoldersFree({common::GuardEntry::explorer(QStringLiteral("KSDOC"), common::explorerOpenMessage(QStringLiteral("KSDOC")))}), !c.ksdocRefused) << c.title;
        EXPECT_EQ(boxes.shown.size(), c.ksdocRefused ? 1 : 0) << c.title;
        EXPECT_TRUE(exists(QStringLiteral("KSDOC/05/图片"))) << c.title;
    }
}

TEST(ExplorerCheckWithoutDisplay, FindsNothing)
{
    testing_support::TestHooks hooks;
    hooks.display({});
    EXPECT_FALSE(common::uIsFolderOpenInExplorer(QStringLiteral("WWW")));
    hooks.display(":98765");  // no such server
    EXPECT_FALSE(common::uIsFolderOpenInExplorer(QStringLiteral("WWW")));
}

// ---- Tool sets and stopping servers --------------------------------------

// The folders of the demo tree that hold the stand-in servers and the kill
// tools of every tool set.
class ToolSets : public testing_support::DemoTreeTest {
protected:
    ToolSets()
        : DemoTreeTest({QStringLiteral("素材/bk/soft/WebServer"), QStringLiteral("素材/bk/soft/FtpServer"),
                        QStringLiteral("素材/bk/soft/Mailserver/cmail"), QStringLiteral("素材/bk/soft/FtpSever for mission"),
                        QStringLiteral("素材/bk/soft/WebSever for mission"), QStringLiteral("素材/bk/题库/操作题/network/server"),
                        QStringLiteral("素材/bk/模拟测试/题库/入门/network/sever"),
                        QStringLiteral("素材/bk/模拟测试/题库/普通/network/sever"),
                        QStringLiteral("素材/bk/模拟测试/题库/困难/network/sever")})
    {
    }
};

TEST_F(ToolSets, EveryKillToolAndServerOfTheToolSetsIsInTheDemoTree)
{
    common::ToolSet all = common::exerciseTools() + common::missionTools();
    for (const char* level : {"入门", "普通", "困难"}) all += common::mockTestTools(QString::fromUtf8(level));
    ASSERT_EQ(all.size(), 3 + 2 + 3 * 2);
    for (const common::ToolPair& t : all) {
        const QFileInfo tool(plat::toHost(plat::appPath(t.killTool)));
        EXPECT_TRUE(tool.isFile() && tool.isExecutable() && !tool.isSymLink()) << qPrintable(t.killTool);
    }
    EXPECT_EQ(common::mockTestTools(QStringLiteral("入门")).at(1).killTool,
              QStringLiteral("\\素材\\bk\\模拟测试\\题库\\入门\\network\\sever\\f-kill_app.exe"));
}

// Real stand-in servers of this test's own tree; the process list is limited
// to programs of that tree so that tests running beside this one do not count.
class StopServers : public ToolSets {
protected:
    void SetUp() override
    {
        ToolSets::SetUp();
        if (!QFileInfo::exists(hostPath(QStringLiteral("素材/bk/soft/WebServer/MyWebServer.exe"))))
            GTEST_SKIP() << "stand-ins not built";
        const QString tree = QFileInfo(program_).canonicalFilePath() + '/';
        hooks_.processes([tree] {
            QStringList names;
            for (const plat::RunningProcess& p : plat::runningProcesses())
                if (p.exePath.startsWith(tree)) names << p.name;
            return names;
        });
        hooks_.starts([this](const QString& host, const QStringList&, plat::WindowStyle style) {
            started_ << QFileInfo(host).fileName();
            styles_ << style;
            return qint64(-1);  // the real start follows
        });
    }
    void TearDown() override
    {
        hooks_.reset();
        ToolSets::TearDown();
    }
    std::unique_ptr<testing_support::RunningProgram> server(const char* rel)
    {
        auto p = std::make_unique<testing_support::RunningProgram>(hostPath(QString::fromUtf8(rel)));
        EXPECT_TRUE(p->started());
        return p;
    }
    testing_support::TestHooks hooks_;
    QStringList started_;
    QList<plat::WindowStyle> styles_;
};

TEST_F(StopServers, StartsTheKillToolsOfTheRunningServersInOrderAndTheyStopThem)
{
    const struct {
        bool web, ftp;
        QStringList tools;
    } cases[] = {
        {false, false, {}},
        {true, false, {QStringLiteral("kill_app.exe")}},
        {false, true, {QStringLiteral("f-kill_app.exe")}},
        {true, true, {QStringLiteral("kill_app.exe"), QStringLiteral("f-kill_app.exe")}},
    };
    for (const auto& c : cases) {
        started_.clear();
        styles_.clear();
        auto web = c.web ? server("素材/bk/soft/WebServer/MyWebServer.exe") : nullptr;
        auto ftp = c.ftp ? server("素材/bk/soft/FtpServer/FTPServer.exe") : nullptr;
        ASSERT_TRUE(!web || waitFor([] { return uIsProcessRunning(QStringLiteral("MyWebServer.exe")); }));
        ASSERT_TRUE(!ftp || waitFor([] { return uIsProcessRunning(QStringLiteral("FTPServer.exe")); }));
        common::uStopPracticeServers(common::mockTestTools(QStringLiteral("入门")));
        EXPECT_EQ(started_, c.tools);
        for (plat::WindowStyle s : styles_) EXPECT_EQ(s, plat::WindowStyle::Hidden);
        EXPECT_TRUE(!web || web->waitEnded());
        EXPECT_TRUE(!ftp || ftp->waitEnded());
    }
}

TEST_F(StopServers, ExerciseToolsStopTheMailServerAndMissionToolsTheMissionServers)
{
    auto mail = server("素材/bk/soft/Mailserver/cmail/CMailServer.exe");
    auto missionFtp = server("素材/bk/soft/FtpSever for mission/Ftpconsole.exe");
    auto missionWeb = server("素材/bk/soft/WebSever for mission/MyWebServer0.exe");
    ASSERT_TRUE(waitFor([] { return uIsProcessRunning(QStringLiteral("MyWebServer0.exe")); }));
    common::uStopPracticeServers(common::exerciseTools());
    // "MyWebServer0.exe" is not "MyWebServer.exe": only the mail tool starts.
    EXPECT_EQ(started_, QStringList{QStringLiteral("mail-kill_app.exe")});
    EXPECT_TRUE(mail->waitEnded());
    common::uStopPracticeServers(common::missionTools());
    EXPECT_EQ(started_, (QStringList{QStringLiteral("mail-kill_app.exe"), QStringLiteral("mission_ftp_kill_app.exe"),
                                     QStringLiteral("mission_web_kill_app.exe")}));
    EXPECT_TRUE(missionFtp->waitEnded());
    EXPECT_TRUE(missionWeb->waitEnded());
}

TEST_F(StopServers, AMissingKillToolIsPassedOverSilently)
{
    auto web = server("素材/bk/soft/WebServer/MyWebServer.exe");
    ASSERT_TRUE(waitFor([] { return uIsProcessRunning(QStringLiteral("MyWebServer.exe")); }));
    ASSERT_TRUE(QFile::remove(hostPath(QStringLiteral("素材/bk/模拟测试/题库/入门/network/sever/kill_app.exe"))));
    testing_support::ScriptedMessageBoxes boxes;  // no box at all
    common::uStopPracticeServers(common::mockTestTools(QStringLiteral("入门")));
    EXPECT_FALSE(web->waitEnded(300));
    EXPECT_TRUE(uIsProcessRunning(QStringLiteral("MyWebServer.exe")));
}

TEST_F(StopServers, AKillToolLeavesTheServersOfAnotherMaterialsTreeAlone)
{
    QTemporaryDir other;
    const QString otherServer = other.path() + QStringLiteral("/程序/素材/bk/soft/WebServer/MyWebServer.exe");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(otherServer).absolutePath()));
    ASSERT_TRUE(QFile::copy(hostPath(QStringLiteral("素材/bk/soft/WebServer/MyWebServer.exe")), otherServer));
    testing_support::RunningProgram foreign(otherServer);
    ASSERT_TRUE(foreign.started());
    auto own = server("素材/bk/soft/WebServer/MyWebServer.exe");
    ASSERT_TRUE(waitFor([] { return uIsProcessRunning(QStringLiteral("MyWebServer.exe")); }));
    common::uStopPracticeServers(common::exerciseTools());
    EXPECT_TRUE(own->waitEnded());
    EXPECT_FALSE(foreign.waitEnded(300));
}

}  // namespace
