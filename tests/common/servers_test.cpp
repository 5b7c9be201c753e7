// The practice servers: configuration files byte for byte, folders reset,
// the right program started.
#include "common/processes.h"
#include "common/servers.h"
#include "forms/form.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QDir>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

struct Start {
    QString program;
    plat::WindowStyle style;
};

// The servers' folders and the exercise kill tools of the demo tree.
class ServersTest : public testing_support::DemoTreeTest {
protected:
    ServersTest()
        : DemoTreeTest({QStringLiteral("素材/bk/soft/WebServer"), QStringLiteral("素材/bk/soft/FtpServer"),
                        QStringLiteral("素材/bk/soft/Mailserver"), QStringLiteral("素材/bk/题库/操作题/network/server")})
    {
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks_.starts([this](const QString& host, const QStringList&, plat::WindowStyle style) {
            const QString name = QFileInfo(host).fileName();
            if (!QFileInfo::exists(host)) return qint64(0);  // a missing program does not start
            starts.push_back({name, style});
            // A kill tool that works stops its server.
            if (killToolsWork && name == QStringLiteral("f-kill_app.exe")) running.removeAll(QStringLiteral("FTPServer.exe"));
            if (killToolsWork && name == QStringLiteral("mail-kill_app.exe")) running.removeAll(QStringLiteral("CMailServer.exe"));
            if (whileKillToolRuns) whileKillToolRuns();
            return qint64(999999);  // no such process: ends at once
        });
        hooks_.processes([this] { return running; });
    }
    void TearDown() override
    {
        hooks_.reset();
        PlatformTest::TearDown();
    }
    QByteArray golden(const QString& name, const QString& ip) const
    {
        QFile f(QStringLiteral(CORVANTH_SOURCE_DIR "/tests/common/golden/") + name);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QString t = QString::fromUtf8(f.readAll());
        t.replace(QStringLiteral("@IP@"), ip);
        t.replace(QStringLiteral("@ROOT@"), QDir::toNativeSeparators(hostPath(QStringLiteral("素材/bk/soft/WebServer/internet"))));
        t.replace(QStringLiteral("@MAIL@"), QDir::toNativeSeparators(hostPath(QStringLiteral("素材/bk/soft/Mailserver/cmail"))));
        t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        return gbk(t);
    }
    QString staging() const { return plat::appPath(common::kExerciseServerFolder + QStringLiteral("\\server.ini")); }
    QStringList startedNames() const
    {
        QStringList out;
        for (const auto& s : starts) out << s.program;
        return out;
    }
    testing_support::TestHooks hooks_;
    std::vector<Start> starts;
    QStringList running;
    bool killToolsWork = true;
    std::function<void()> whileKillToolRuns;  // called when a program starts, before the wait
};

TEST_F(ServersTest, WebSetupWritesServerIniByteForByteAndStartsTheServerHidden)
{
    EXPECT_TRUE(common::uSetupWebServer(QStringLiteral("192.168.1.20"), staging()));
    const QByteArray expected = golden(QStringLiteral("server.ini"), QStringLiteral("192.168.1.20"));
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/题库/操作题/network/server/server.ini")), expected);
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/soft/WebServer/server.ini")), expected);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, QStringLiteral("MyWebServer.exe"));
    EXPECT_EQ(starts[0].style, plat::WindowStyle::Hidden);
}

TEST_F(ServersTest, ALargeServerIniIsWrittenOnceForTheWholeTable)
{
    // A staging file grown large (a section of many entries in the middle),
    // as a crashed tool may leave it.
    QByteArray big("[option]\r\nServerIP=1.1.1.1\r\n[junk]\r\n");
    for (int i = 0; big.size() < 2 * 1024 * 1024; ++i) big += "k" + QByteArray::number(i) + "=v\r\n";
    big += "[mime]\r\n.htm=text/html\r\n";
    writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/server.ini"), big);
    const int before = plat::profileFileWrites();
    EXPECT_TRUE(common::uSetupWebServer(QStringLiteral("10.0.0.7"), staging()));
    EXPECT_EQ(plat::profileFileWrites() - before, 1);
    const QByteArray ini = bytes(QStringLiteral("素材/bk/soft/WebServer/server.ini"));
    EXPECT_TRUE(ini.startsWith("[option]\r\nServerIP=10.0.0.7\r\npagesize=65536\r\n"));
    EXPECT_TRUE(ini.contains("\r\nk9999=v\r\n"));
    EXPECT_TRUE(ini.contains("[mime]\r\n.htm=text/html\r\n.html=text/html\r\n"));
    EXPECT_TRUE(ini.contains("\r\n[vpath]\r\n/internet/="));
}

TEST_F(ServersTest, NoAddressAndNoWebRootGiveEmptyValues)
{
    QDir(hostPath(QStringLiteral("素材/bk/soft/WebServer/internet"))).removeRecursively();
    EXPECT_TRUE(common::uSetupWebServer(QString(), staging()));
    const QByteArray ini = bytes(QStringLiteral("素材/bk/soft/WebServer/server.ini"));
    EXPECT_TRUE(ini.contains("\r\nServerIP=\r\n"));
    EXPECT_TRUE(ini.contains("\r\nserverpath=\r\n"));
    EXPECT_TRUE(ini.contains("\r\n/internet/=\r\n"));
}

TEST_F(ServersTest, MailSetupConfiguresResetsAndStartsInOrder)
{
    writeBytes(QStringLiteral("素材/bk/soft/Mailserver/cmail/mail/2024001/old.eml"), "old");
    writeBytes(QStringLiteral("素材/bk/soft/Mailserver/Foxmail/FoxInfo.dat"), "x");
    writeBytes(QStringLiteral("素材/bk/soft/Mailserver/Foxmail/IndexLib2/stale.idx"), "x");
    writeBytes(QStringLiteral("素材/bk/soft/Mailserver/Foxmail/0bk/IndexLib2/fresh.idx"), "y");
    common::uSetupMailServer(QStringLiteral("10.0.0.9"), QStringLiteral("2024001"));

    const QByteArray expected = golden(QStringLiteral("CMailCOM.ini"), QStringLiteral("10.0.0.9"));
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/soft/Mailserver/cmail/BK/CMailCOM.ini")), expected);
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/soft/Mailserver/cmail/CMailCOM.ini")), expected);
    const QString mail = hostPath(QStringLiteral("素材/bk/soft/Mailserver/cmail/mail/"));
    EXPECT_TRUE(QFileInfo(mail + QStringLiteral("2024001")).isDir());
    EXPECT_FALSE(QFileInfo::exists(mail + QStringLiteral("test")));
    EXPECT_FALSE(QFileInfo::exists(mail + QStringLiteral("2024001/old.eml")));
    const QString fox = hostPath(QStringLiteral("素材/bk/soft/Mailserver/Foxmail/"));
    EXPECT_FALSE(QFileInfo::exists(fox + QStringLiteral("accounts.cfg")));
    EXPECT_FALSE(QFileInfo::exists(fox + QStringLiteral("FoxInfo.dat")));
    EXPECT_FALSE(QFileInfo::exists(fox + QStringLiteral("Alarm")));
    EXPECT_FALSE(QFileInfo::exists(fox + QStringLiteral("IndexLib2/stale.idx")));
    EXPECT_TRUE(QFileInfo::exists(fox + QStringLiteral("IndexLib2/fresh.idx")));
    EXPECT_EQ(startedNames(), QStringList{QStringLiteral("CMailServer.exe")});
}

TEST_F(ServersTest, FtpSetupStopsTheRunningServerEmptiesAndFillsTheFolder)
{
    running = {QStringLiteral("FTPServer.exe")};
    writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/network测试/a.txt"), "a");
    QDir().mkpath(drive_ + QStringLiteral("/PracticalTraining"));
    QFile old(drive_ + QStringLiteral("/PracticalTraining/earlier.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();

    common::uSetupFtpServer(plat::appPath(common::kExerciseServerFolder + QStringLiteral("\\network测试")), nullptr);
    EXPECT_TRUE(QFileInfo::exists(drive_ + QStringLiteral("/PracticalTraining/a.txt")));
    EXPECT_FALSE(QFileInfo::exists(drive_ + QStringLiteral("/PracticalTraining/earlier.txt")));
    EXPECT_EQ(startedNames(), (QStringList{QStringLiteral("f-kill_app.exe"), QStringLiteral("FTPServer.exe")}));
    EXPECT_EQ(starts.back().style, plat::WindowStyle::Minimized);
}

TEST_F(ServersTest, AWindowClosedWhileTheFtpServerStopsGetsNoServerAndNoMessage)
{
    writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/network测试/a.txt"), "a");
    running = {QStringLiteral("FTPServer.exe")};
    killToolsWork = false;  // a server still running would be named to the window
    auto* owner = new forms::Form(forms::WindowSpec{"服务器测试窗", "服务器测试窗", 4800, 3600});
    // The window goes away during the wait for the kill tool.
    whileKillToolRuns = [owner] { QTimer::singleShot(0, owner, [owner] { delete owner; }); };
    common::uSetupFtpServer(plat::appPath(common::kExerciseServerFolder + QStringLiteral("\\network测试")), owner);
    EXPECT_EQ(startedNames(), QStringList{QStringLiteral("f-kill_app.exe")});
    EXPECT_FALSE(QFileInfo::exists(drive_ + QStringLiteral("/PracticalTraining/a.txt")));
}

TEST_F(ServersTest, AServerItsKillToolDidNotStopIsNotStartedASecondTimeAndTheStudentIsTold)
{
    writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/network测试/a.txt"), "a");
    const QString content = plat::appPath(common::kExerciseServerFolder + QStringLiteral("\\network测试"));
    running = {QStringLiteral("FTPServer.exe")};
    killToolsWork = false;  // the tool ends, the server runs on
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::serverStillRunningMessage(QStringLiteral("FTPServer.exe")));
    common::uSetupFtpServer(content, nullptr);
    EXPECT_EQ(startedNames(), QStringList{QStringLiteral("f-kill_app.exe")});

    // A kill tool that is missing: the same.
    starts.clear();
    QFile::remove(hostPath(QStringLiteral("素材/bk/题库/操作题/network/server/f-kill_app.exe")));
    boxes.expectOk(common::serverStillRunningMessage(QStringLiteral("FTPServer.exe")));
    common::uSetupFtpServer(content, nullptr);
    EXPECT_TRUE(starts.empty());
    EXPECT_TRUE(uIsProcessRunning(QStringLiteral("FTPServer.exe")));

    // Once it is gone, it is started.
    running.clear();
    common::uSetupFtpServer(content, nullptr);
    EXPECT_EQ(startedNames(), QStringList{QStringLiteral("FTPServer.exe")});
    EXPECT_EQ(boxes.shown.size(), 2);
}

TEST_F(ServersTest, AServerThatCannotBeSetUpIsReportedNotTakenForStarted)
{
    const QString webIni = QStringLiteral("素材/bk/soft/WebServer/server.ini");
    const struct {
        const char* name;
        const char* missingProgram;  // removed from the tree
        bool stagingUnwritable;      // a folder stands where the staging file goes
        std::function<bool()> setUp;
        std::function<QString()> message;
    } cases[] = {
        {"ftp program missing", "素材/bk/soft/FtpServer/FTPServer.exe", false,
         [&] { return common::startServerIfStopped(common::kFtpServerProcess, common::kFtpServerExe, plat::WindowStyle::Minimized, nullptr); },
         [] { return common::programNotStartedMessage(common::kFtpServerExe); }},
        {"web program missing", "素材/bk/soft/WebServer/MyWebServer.exe", false,
         [&] { return common::uSetupWebServer(QStringLiteral("10.0.0.1"), staging()); },
         [] { return common::programNotStartedMessage(common::kWebServerExe); }},
        {"web staging unwritable", nullptr, true,
         [&] { return common::uSetupWebServer(QStringLiteral("10.0.0.1"), staging()); },
         [&] { return common::serverConfigNotWrittenMessage(staging()); }},
        {"mail program missing", "素材/bk/soft/Mailserver/cmail/CMailServer.exe", false,
         [] { return common::startMailServer(nullptr); },
         [] { return common::programNotStartedMessage(common::kMailServerExe); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(webIni, "earlier exercise");
        const QString program = c.missingProgram ? hostPath(QString::fromUtf8(c.missingProgram)) : QString();
        if (c.missingProgram) {
            ASSERT_TRUE(QFile::rename(program, program + QStringLiteral(".away")));
        }
        const QByteArray stagingBefore = bytes(QStringLiteral("素材/bk/题库/操作题/network/server/server.ini"));
        if (c.stagingUnwritable) {
            QFile::remove(plat::toHost(staging()));
            ASSERT_TRUE(QDir().mkpath(plat::toHost(staging())));
        }
        starts.clear();
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(c.message());
        EXPECT_FALSE(c.setUp());
        EXPECT_TRUE(starts.empty());
        EXPECT_EQ(boxes.shown.size(), 1);
        if (c.stagingUnwritable) {
            EXPECT_EQ(bytes(webIni), "earlier exercise");  // the server is not re-pointed
            ASSERT_TRUE(QDir(plat::toHost(staging())).removeRecursively());
            writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/server.ini"), stagingBefore);
        }
        if (c.missingProgram) {
            ASSERT_TRUE(QFile::rename(program + QStringLiteral(".away"), program));
        }
    }
}

struct KindCase {
    const char* text;
    common::ServerKind kind;
};

class ServerChoice : public ::testing::TestWithParam<KindCase> {};

TEST_P(ServerChoice, FollowsTheQuestionText)
{
    EXPECT_EQ(common::serverKindOf(QString::fromUtf8(GetParam().text)), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Cases, ServerChoice,
                         ::testing::Values(KindCase{"用文件传输协议下载", common::ServerKind::Ftp},
                                           KindCase{"用邮件管理器也用文件传输协议", common::ServerKind::Ftp},
                                           KindCase{"打开邮件管理器收信", common::ServerKind::Mail},
                                           KindCase{"浏览网页并保存", common::ServerKind::Web},
                                           KindCase{"", common::ServerKind::Web}));

TEST(ServerTables, HaveTheirSizesAndSections)
{
    EXPECT_EQ(common::webServerTable().size(), 62u);
    EXPECT_EQ(common::mailServerTable().size(), 9u);
    EXPECT_STREQ(common::webServerTable()[46].section, "httprz");
    EXPECT_STREQ(common::webServerTable()[46].key, "");
}

TEST_F(ServersTest, NoAddressGivesTheMailServerEmptyAddresses)
{
    EXPECT_TRUE(common::configureMailServer(QString()));
    const QByteArray ini = bytes(QStringLiteral("素材/bk/soft/Mailserver/cmail/CMailCOM.ini"));
    for (const char* key : {"SMTPServerAddr", "POP3ServerAddr", "AdminServerAddr"})
        EXPECT_TRUE(ini.contains(QByteArray("\r\n") + key + "=\r\n")) << key;
    EXPECT_TRUE(ini.contains("\r\nMaxMailSize=10240\r\n"));  // shipped keys stay
    EXPECT_TRUE(starts.empty());
}

TEST_F(ServersTest, SetupStartsOnlyTheServerTheTextAsksFor)
{
    writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/network测试/a.txt"), "a");
    const QString content = plat::appPath(common::kExerciseServerFolder + QStringLiteral("\\network测试"));
    const struct {
        const char* text;
        const char* started;
    } cases[] = {{"用邮件管理器也用文件传输协议\r\n", "FTPServer.exe"},
                 {"打开邮件管理器\r\n", "CMailServer.exe"},
                 {"浏览网页\r\n", "MyWebServer.exe"}};
    for (const auto& c : cases) {
        starts.clear();
        common::uSetupPracticeServer(QString::fromUtf8(c.text), content, staging(), QStringLiteral("10.0.0.1"),
                                     QStringLiteral("2024001"), nullptr);
        EXPECT_EQ(startedNames(), QStringList{QString::fromUtf8(c.started)}) << c.text;
    }
}

}  // namespace
