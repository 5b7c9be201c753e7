// The workspace clean-up of the main window: the 35 folders on D:, the
// practice servers and the IP temp file.
#include "common/guards.h"
#include "common/processes.h"
#include "platform/filesystem.h"
#include "platform/process.h"
#include "platform_fixture.h"
#include "process_support.h"
#include "scripted_msgbox.h"
#include "startup/cleanup.h"
#include "startup/messages.h"
#include "test_hooks.h"
#include "startup_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A folder on D: with a sub-folder and a document in it.
void folderWithFile(const QString& drive, const QString& name)
{
    ASSERT_TRUE(QDir().mkpath(drive + '/' + name + QStringLiteral("/sub")));
    QFile f(drive + '/' + name + QStringLiteral("/sub/作业.docx"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("work");
}

void plainFile(const QString& drive, const QString& name)
{
    QFile f(drive + '/' + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

// The kill tools are started through the start hook: no file of the demo
// tree is needed.
class CleanupTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks.processes([this] { return running_; });
        hooks.starts([this](const QString& host, const QStringList&, plat::WindowStyle style) {
            started_ << host.mid(program_.size());
            EXPECT_EQ(style, plat::WindowStyle::Hidden);
            return qint64(4242);
        });
    }
    QString d(const QString& rel) const { return drive_ + '/' + rel; }
    void folderWithFile(const QString& name) const { ::folderWithFile(drive_, name); }
    void plainFile(const QString& name) const { ::plainFile(drive_, name); }
    bool exists(const QString& rel) const { return QFileInfo::exists(d(rel)); }

    testing_support::TestHooks hooks;
    QStringList running_;
    QStringList started_;
};

const QString kFtpTool = QStringLiteral("/素材/bk/模拟测试/题库/入门/network/sever/f-kill_app.exe");

TEST_F(CleanupTest, TheListHas35FoldersInItsOrder)
{
    QStringList expected = {QStringLiteral("DocxNew"), QStringLiteral("HTML"),    QStringLiteral("Internet"),
                            QStringLiteral("PptxNew"), QStringLiteral("Website"), QStringLiteral("win"),
                            QStringLiteral("windows"), QStringLiteral("winsys"),  QStringLiteral("WWW"),
                            QStringLiteral("xlsxNew"), QStringLiteral("实训素材"), QStringLiteral("邮件合并")};
    for (int i = 1; i <= 8; ++i) expected << QStringLiteral("综合实训excel0%1").arg(i);
    for (int i = 1; i <= 9; ++i) expected << QStringLiteral("综合实训ppt0%1").arg(i);
    for (int i = 1; i <= 6; ++i) expected << QStringLiteral("综合实训word0%1").arg(i);
    ASSERT_EQ(expected.size(), 35);
    EXPECT_EQ(startup::cleanupFolders(), expected);
}

TEST_F(CleanupTest, DeletesEveryListedFolderStopsBothServersAndDeletesTheIpTempFile)
{
    for (const QString& f : startup::cleanupFolders()) folderWithFile(f);
    folderWithFile(QStringLiteral("KSDOC"));  // not on the list
    plainFile(QStringLiteral("IPtemp0000.txt"));
    running_ = {QStringLiteral("MyWebServer.exe"), QStringLiteral("FTPServer.exe"), QStringLiteral("CMailServer.exe")};
    testing_support::ScriptedMessageBoxes boxes;
    const startup::CleanResult r = startup::uCleanWorkspace();
    EXPECT_TRUE(r.completed);
    EXPECT_TRUE(r.leftBehind.isEmpty());
    for (const QString& f : startup::cleanupFolders()) {
        EXPECT_FALSE(exists(f)) << qPrintable(f);
        EXPECT_FALSE(exists(f + QStringLiteral("0000"))) << qPrintable(f);
    }
    EXPECT_TRUE(exists(QStringLiteral("KSDOC/sub/作业.docx")));
    EXPECT_FALSE(exists(QStringLiteral("IPtemp0000.txt")));
    EXPECT_EQ(started_, (QStringList{kWebTool, kFtpTool}));  // web first; no mail tool
}

TEST_F(CleanupTest, WithNothingPresentShowsNothingAndStartsNoTool)
{
    plainFile(QStringLiteral("IPtemp0000.txt"));
    testing_support::ScriptedMessageBoxes boxes;
    EXPECT_TRUE(startup::uCleanWorkspace().completed);
    EXPECT_TRUE(started_.isEmpty());
    EXPECT_TRUE(QDir(drive_).isEmpty());
}

TEST_F(CleanupTest, OnlyTheRunningServersToolIsStarted)
{
    running_ = {QStringLiteral("FTPServer.exe")};
    testing_support::ScriptedMessageBoxes boxes;
    EXPECT_TRUE(startup::uCleanWorkspace().completed);
    EXPECT_EQ(started_, QStringList{kFtpTool});
}

// On-disk edge cases: what lies on D: first, how the clean-up ends, what is
// there afterwards.
struct DiskCase {
    const char* what;
    std::function<void(const QString& drive)> setUp;
    const char* stopMessage;  // "" when the clean-up completes
    QStringList present, absent, leftBehind;
};

void PrintTo(const DiskCase& c, std::ostream* os) { *os << c.what; }

class DiskCases : public CleanupTest, public ::testing::WithParamInterface<DiskCase> {};

TEST_P(DiskCases, EndAsTheRulesSay)
{
    const DiskCase& c = GetParam();
    c.setUp(drive_);
    plainFile(QStringLiteral("IPtemp0000.txt"));
    running_ = {QStringLiteral("MyWebServer.exe")};
    testing_support::ScriptedMessageBoxes boxes;
    const bool stops = *c.stopMessage != '\0';
    if (stops) boxes.expectOk(QString::fromUtf8(c.stopMessage));
    const startup::CleanResult r = startup::uCleanWorkspace();
    EXPECT_EQ(r.completed, !stops);
    EXPECT_EQ(r.leftBehind, c.leftBehind);
    for (const QString& p : c.present) EXPECT_TRUE(exists(p)) << qPrintable(p);
    for (const QString& p : c.absent) EXPECT_FALSE(exists(p)) << qPrintable(p);
    // A stop leaves the servers running and the IP temp file in place.
    EXPECT_EQ(exists(QStringLiteral("IPtemp0000.txt")), stops);
    EXPECT_EQ(started_.isEmpty(), stops);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiskCases,
    ::testing::Values(
        DiskCase{"leftover probe folder alone is deleted",
                 [](const QString& d) {
                     folderWithFile(d, QStringLiteral("DocxNew0000"));
                     folderWithFile(d, QStringLiteral("HTML"));
                 },
                 "",
                 {},
                 {QStringLiteral("DocxNew0000"), QStringLiteral("HTML")},
                 {}},
        DiskCase{"leftover probe folder beside the folder stops at entry 1",
                 [](const QString& d) {
                     for (const char* f : {"DocxNew0000", "DocxNew", "HTML"}) folderWithFile(d, QString::fromUtf8(f));
                 },
                 "“DocxNew”文件夹中的文件已经打开，请关闭后再进行操作",
                 {QStringLiteral("DocxNew/sub/作业.docx"), QStringLiteral("DocxNew0000/sub/作业.docx"),
                  QStringLiteral("HTML/sub/作业.docx")},
                 {},
                 {}},
        DiskCase{"a read-only file keeps its folder under the probe name",
                 [](const QString& d) {
                     folderWithFile(d, QStringLiteral("HTML"));
                     plainFile(d, QStringLiteral("HTML/只读.txt"));
                     EXPECT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\HTML\\只读.txt"), true));
                 },
                 "",
                 {QStringLiteral("HTML0000/只读.txt")},
                 {QStringLiteral("HTML"), QStringLiteral("HTML0000/sub")},
                 {QStringLiteral("D:\\HTML0000")}},
        DiskCase{"a plain file named like a folder stays under the probe name",
                 [](const QString& d) { plainFile(d, QStringLiteral("HTML")); },
                 "",
                 {QStringLiteral("HTML0000")},
                 {QStringLiteral("HTML")},
                 {QStringLiteral("D:\\HTML0000")}}));

TEST_F(CleanupTest, ALeftBehindFolderIsTriedAgainAndAFolderMadeAgainMeanwhileStops)
{
    folderWithFile(QStringLiteral("winsys"));
    plainFile(QStringLiteral("winsys/只读.txt"));
    ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\winsys\\只读.txt"), true));
    testing_support::ScriptedMessageBoxes boxes;
    EXPECT_EQ(startup::uCleanWorkspace().leftBehind, QStringList{QStringLiteral("D:\\winsys0000")});
    // The next clean-up tries again and still keeps the file.
    EXPECT_EQ(startup::uCleanWorkspace().leftBehind, QStringList{QStringLiteral("D:\\winsys0000")});
    EXPECT_TRUE(exists(QStringLiteral("winsys0000/只读.txt")));
    // The folder made again under its own name cannot be moved aside.
    folderWithFile(QStringLiteral("winsys"));
    boxes.expectOk(startup::msg::cleanupFolderInUse(QStringLiteral("winsys")));
    EXPECT_FALSE(startup::uCleanWorkspace().completed);
    EXPECT_TRUE(exists(QStringLiteral("winsys/sub/作业.docx")));
}

TEST_F(CleanupTest, AFileHeldOpenInTheWorkingFolderStopsAtEntry11)
{
    for (const QString& f : startup::cleanupFolders()) folderWithFile(f);
    plainFile(QStringLiteral("IPtemp0000.txt"));
    running_ = {QStringLiteral("MyWebServer.exe"), QStringLiteral("FTPServer.exe")};
    testing_support::FileHolder holder(d(QStringLiteral("实训素材/sub/作业.docx")));
    ASSERT_TRUE(holder.holding());
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(startup::msg::cleanupFolderInUse(QStringLiteral("实训素材")));
    const startup::CleanResult r = startup::uCleanWorkspace();
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.stoppedAt, QStringLiteral("实训素材"));
    const QStringList& l = startup::cleanupFolders();
    for (int i = 0; i < l.size(); ++i) EXPECT_EQ(exists(l[i]), i >= 10) << qPrintable(l[i]);
    EXPECT_TRUE(exists(QStringLiteral("实训素材/sub/作业.docx")));
    EXPECT_FALSE(exists(QStringLiteral("实训素材0000")));
    EXPECT_TRUE(exists(QStringLiteral("IPtemp0000.txt")));
    EXPECT_TRUE(started_.isEmpty());
}

// A file-manager window on "D:\\WWW" (entry 9) with every listed folder present.
class CleanupUnderAFileManagerWindow : public testing_support::WithPrivateX<CleanupTest> {
protected:
    void SetUp() override
    {
        WithPrivateX::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        for (const QString& f : startup::cleanupFolders()) folderWithFile(f);
        running_ = {QStringLiteral("MyWebServer.exe"), QStringLiteral("FTPServer.exe")};
    }
    // The clean-up stops at WWW with its message: the eight folders before it
    // are gone, WWW and those after it stay, no server is stopped.
    void expectStopAtWww()
    {
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(startup::msg::cleanupFolderShown(QStringLiteral("WWW")));
        EXPECT_FALSE(startup::uCleanWorkspace().completed);
        const QStringList& l = startup::cleanupFolders();
        for (int i = 0; i < l.size(); ++i) EXPECT_EQ(exists(l[i]), i >= 8) << qPrintable(l[i]);
        EXPECT_TRUE(started_.isEmpty());
    }
};

TEST_F(CleanupUnderAFileManagerWindow, TitledWithTheBareNameInAnyCaseStopsAtEntry9)
{
    testing_support::ClassedWindow w(x_->name(), "Nautilus", QStringLiteral("www"));
    ASSERT_TRUE(w.ok());
    expectStopAtWww();
}

// Real file managers title their windows with their own suffix ("WWW -
// Thunar"): the fake window as Thunar draws it, then Thunar itself on
// "D:\\WWW" under a real window manager.
TEST_F(CleanupUnderAFileManagerWindow, OfThunarStopsAtEntry9)
{
    {
        testing_support::ClassedWindow w(x_->name(), "Thunar", QStringLiteral("WWW - Thunar"));
        ASSERT_TRUE(w.ok());
        expectStopAtWww();
    }
    if (!testing_support::WindowManager::available() || !testing_support::FileManagerWindow::available())
        GTEST_SKIP() << "openbox or thunar not installed";
    testing_support::WindowManager wm(x_->name());
    ASSERT_TRUE(wm.running());
    testing_support::FileManagerWindow thunar(x_->name(), d(QStringLiteral("WWW")));
    ASSERT_TRUE(thunar.started());
    ASSERT_TRUE(testing_support::waitFor([] { return common::uIsFolderOpenInExplorer(QStringLiteral("WWW")); },
                                         testing_support::kDesktopProgramStartMs))
        << thunar.report().toStdString() << "\nwindows:\n" << testing_support::describeWindows(x_->name()).toStdString();
    expectStopAtWww();
}

}  // namespace
