// 更改 (change of user) and closing the main window, with Yes and No answers.
#include "common/navigation.h"
#include "common/messages.h"
#include "common/processes.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/process.h"
#include "platform_fixture.h"
#include "process_support.h"
#include "scripted_msgbox.h"
#include "startup/cleanup.h"
#include "startup/loginwindow.h"
#include "startup/mainwindow.h"
#include "startup/messages.h"
#include "test_hooks.h"
#include "startup_support.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString& kChange1 = startup::msg::kAskChangeUser;
const QString& kChange2 = startup::msg::kConfirmChangeUser;
const QString& kExit1 = common::msg::kAskExit;
const QString& kExit2 = startup::msg::kConfirmExit;
const QString kInUse = startup::msg::cleanupFolderInUse(QStringLiteral("实训素材"));

// The stand-in servers and their kill tools are the only part of the demo
// tree used (by the end-to-end test).
class ChangeUserTest : public testing_support::DemoTreeTest {
protected:
    ChangeUserTest()
        : DemoTreeTest({QStringLiteral("素材/bk/soft/WebServer/MyWebServer.exe"),
                        QStringLiteral("素材/bk/soft/FtpServer/FTPServer.exe"),
                        QStringLiteral("素材/bk/模拟测试/题库/入门/network/sever/kill_app.exe"),
                        QStringLiteral("素材/bk/模拟测试/题库/入门/network/sever/f-kill_app.exe")})
    {
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks.processes([] { return QStringList{QStringLiteral("MyWebServer.exe")}; });
        hooks.starts([this](const QString& host, const QStringList&, plat::WindowStyle) {
            started_ << host.mid(program_.size());
            return qint64(4242);
        });
        for (const char* f : {"DocxNew", "实训素材", "综合实训word06"}) {
            ASSERT_TRUE(QDir().mkpath(drive_ + '/' + QString::fromUtf8(f)));
            QFile doc(drive_ + '/' + QString::fromUtf8(f) + QStringLiteral("/作业.docx"));
            ASSERT_TRUE(doc.open(QIODevice::WriteOnly));
        }
        main_ = qobject_cast<startup::MainWindow*>(forms::show(common::kMainWindowName));
        ASSERT_TRUE(main_);
    }
    void clickChange() { main_->ctl<QAbstractButton>(QStringLiteral("Command26"))->click(); }
    void closeBox() { main_->close(); }
    bool cleaned() const { return QDir(drive_).isEmpty(); }

    testing_support::TestHooks hooks;
    startup::MainWindow* main_ = nullptr;
    QStringList started_;
};

TEST_F(ChangeUserTest, ChangeYesYesCleansUpShowsTheLoginAndUnloadsWithoutExitQuestions)
{
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(kChange1, true);
    boxes.expectYesNo(kChange2, true);
    clickChange();
    processEvents();
    EXPECT_TRUE(cleaned());
    EXPECT_EQ(started_, QStringList{kWebTool});
    EXPECT_FALSE(forms::isLoaded(common::kMainWindowName));
    ASSERT_TRUE(forms::isLoaded(kLogin));
    EXPECT_TRUE(forms::loaded(kLogin)->isVisible());
    EXPECT_FALSE(ended_);
    EXPECT_EQ(boxes.shown, (QStringList{kChange1, kChange2}));
}

TEST_F(ChangeUserTest, CloseBoxYesYesCleansUpAndEndsAskingOnce)
{
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(kExit1, true);
    boxes.expectYesNo(kExit2, true);
    closeBox();
    processEvents();
    EXPECT_TRUE(cleaned());
    EXPECT_EQ(started_, QStringList{kWebTool});
    EXPECT_TRUE(ended_);
    EXPECT_FALSE(forms::isLoaded(kLogin));
    EXPECT_EQ(boxes.shown, (QStringList{kExit1, kExit2}));
}

// A No at either question changes nothing, for either entry point.
struct NoCase {
    const char* what;
    bool viaChange;
    bool firstYes;
};

void PrintTo(const NoCase& c, std::ostream* os) { *os << c.what; }

class AnsweredNo : public ChangeUserTest, public ::testing::WithParamInterface<NoCase> {};

TEST_P(AnsweredNo, ChangesNothing)
{
    const NoCase& c = GetParam();
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(c.viaChange ? kChange1 : kExit1, c.firstYes);
    if (c.firstYes) boxes.expectYesNo(c.viaChange ? kChange2 : kExit2, false);
    c.viaChange ? clickChange() : closeBox();
    processEvents();
    EXPECT_FALSE(cleaned());
    EXPECT_TRUE(started_.isEmpty());
    EXPECT_TRUE(forms::isLoaded(common::kMainWindowName));
    EXPECT_TRUE(main_->isVisible());
    EXPECT_FALSE(forms::isLoaded(kLogin));
    EXPECT_FALSE(ended_);
    EXPECT_EQ(main_->state.changeOrExit, QStringLiteral("更换或退出指令"));
}

INSTANTIATE_TEST_SUITE_P(Cases, AnsweredNo,
                         ::testing::Values(NoCase{"change, first No", true, false},
                                           NoCase{"change, second No", true, true},
                                           NoCase{"close box, first No", false, false},
                                           NoCase{"close box, second No", false, true}));

TEST_F(ChangeUserTest, AStoppedCleanUpUnderChangeKeepsTheUserAndALaterCloseAsksAgain)
{
    testing_support::FileHolder holder(drive_ + QStringLiteral("/实训素材/作业.docx"));
    ASSERT_TRUE(holder.holding());
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(kChange1, true);
    boxes.expectYesNo(kChange2, true);
    boxes.expectOk(kInUse);
    clickChange();
    processEvents();
    EXPECT_FALSE(QFileInfo::exists(drive_ + QStringLiteral("/DocxNew")));  // before the stop: gone
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/实训素材/作业.docx")));
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/综合实训word06")));
    EXPECT_TRUE(started_.isEmpty());
    EXPECT_TRUE(forms::isLoaded(common::kMainWindowName));
    EXPECT_FALSE(forms::isLoaded(kLogin));
    EXPECT_EQ(main_->state.changeOrExit, QStringLiteral("更换或退出指令"));

    // The same stop at the close box keeps the window open.
    boxes.expectYesNo(kExit1, true);
    boxes.expectYesNo(kExit2, true);
    boxes.expectOk(kInUse);
    closeBox();
    processEvents();
    EXPECT_TRUE(forms::isLoaded(common::kMainWindowName));
    EXPECT_FALSE(ended_);
}

// Once the student has closed the file that stopped the clean-up, the same
// step asks both questions again and now completes.
struct RetryCase {
    const char* what;
    bool viaChange;
};

void PrintTo(const RetryCase& c, std::ostream* os) { *os << c.what; }

class AfterAStop : public ChangeUserTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(AfterAStop, TheNextTryAsksBothQuestionsAgainAndCompletes)
{
    const RetryCase& c = GetParam();
    const QString first = c.viaChange ? kChange1 : kExit1;
    const QString second = c.viaChange ? kChange2 : kExit2;
    testing_support::ScriptedMessageBoxes boxes;
    {
        testing_support::FileHolder holder(drive_ + QStringLiteral("/实训素材/作业.docx"));
        ASSERT_TRUE(holder.holding());
        boxes.expectYesNo(first, true);
        boxes.expectYesNo(second, true);
        boxes.expectOk(kInUse);
        c.viaChange ? clickChange() : closeBox();
        processEvents();
        ASSERT_TRUE(forms::isLoaded(common::kMainWindowName));
        EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/实训素材/作业.docx")));
    }
    boxes.expectYesNo(first, true);
    boxes.expectYesNo(second, true);
    c.viaChange ? clickChange() : closeBox();
    processEvents();
    EXPECT_TRUE(cleaned());
    EXPECT_EQ(started_, QStringList{kWebTool});
    EXPECT_FALSE(forms::isLoaded(common::kMainWindowName));
    EXPECT_EQ(forms::isLoaded(kLogin), c.viaChange);
    EXPECT_EQ(ended_, !c.viaChange);
    EXPECT_EQ(boxes.shown.count(first), 2);
    EXPECT_EQ(boxes.shown.count(second), 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, AfterAStop,
                         ::testing::Values(RetryCase{"change of user", true}, RetryCase{"close box", false}),
                         [](const auto& info) { return std::string(info.param.viaChange ? "Change" : "CloseBox"); });

TEST_F(ChangeUserTest, AnotherWindowUnloadingTheHiddenMainWindowMeetsTheExitQuestions)
{
    forms::hide(common::kMainWindowName);
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(kExit1, false);
    EXPECT_FALSE(forms::unload(common::kMainWindowName));
    EXPECT_TRUE(forms::isLoaded(common::kMainWindowName));
    EXPECT_FALSE(main_->isVisible());

    boxes.expectYesNo(kExit1, true);
    boxes.expectYesNo(kExit2, true);
    forms::unload(common::kMainWindowName);
    processEvents();
    EXPECT_TRUE(ended_);
    EXPECT_TRUE(cleaned());
}

TEST_F(ChangeUserTest, OnlyTheExactFlagSkipsTheExitQuestions)
{
    main_->state.changeOrExit = QStringLiteral("更换 ");
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(kExit1, false);
    closeBox();
    EXPECT_TRUE(forms::isLoaded(common::kMainWindowName));

    main_->state.changeOrExit = QStringLiteral("更换");
    closeBox();
    processEvents();
    EXPECT_FALSE(forms::isLoaded(common::kMainWindowName));
    EXPECT_FALSE(cleaned());  // no clean-up either
}

// End to end on the demo tree: real stand-in servers, the real process list.
TEST_F(ChangeUserTest, ChangeStopsTheRunningStandInServers)
{
    hooks.starts(nullptr);
    hooks.processes(nullptr);
    testing_support::RunningProgram web(hostPath(QStringLiteral("素材/bk/soft/WebServer/MyWebServer.exe")));
    testing_support::RunningProgram ftp(hostPath(QStringLiteral("素材/bk/soft/FtpServer/FTPServer.exe")));
    ASSERT_TRUE(web.started() && ftp.started());
    ASSERT_TRUE(testing_support::waitFor([] { return uIsProcessRunning(QStringLiteral("FTPServer.exe")); }));
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(kChange1, true);
    boxes.expectYesNo(kChange2, true);
    clickChange();
    EXPECT_TRUE(web.waitEnded());
    EXPECT_TRUE(ftp.waitEnded());
    EXPECT_TRUE(cleaned());
    EXPECT_TRUE(forms::isLoaded(kLogin));
}

}  // namespace
