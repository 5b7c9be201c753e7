// Whether an outside program runs: the matching rule and the real list.
#include "common/processes.h"
#include "platform/proclist.h"
#include "process_support.h"
#include "test_hooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct MatchCase {
    const char* what;
    QStringList descriptions;
    QString name;
    bool running;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.what; }

class MatchingRule : public ::testing::TestWithParam<MatchCase> {
protected:
    testing_support::TestHooks hooks_;
};

TEST_P(MatchingRule, ComparesWholeNames)
{
    const MatchCase& c = GetParam();
    hooks_.processes([&] { return c.descriptions; });
    EXPECT_EQ(uIsProcessRunning(c.name), c.running);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchingRule,
    ::testing::Values(
        MatchCase{"same name", {"explorer.exe", "FTPServer.exe"}, "FTPServer.exe", true},
        MatchCase{"case aside", {"ftpserver.exe"}, "FTPServer.exe", true},
        MatchCase{"name in small letters", {"CMailServer.exe"}, "cmailserver.EXE", true},
        MatchCase{"running without .exe", {"FTPServer"}, "FTPServer.exe", true},
        MatchCase{"asked without .exe", {"Foxmail.exe"}, "foxmail", true},
        MatchCase{"name with a folder", {"FTPServer.exe"}, "C:\\soft\\FtpServer\\FTPServer.exe", true},
        MatchCase{"part of the name is another program", {"WebServer.exe"}, "MyWebServer.exe", false},
        MatchCase{"mail is not the mail server", {"mail", "ftp", "X"}, "CMailServer.exe", false},
        MatchCase{"ftp is not the FTP server", {"ftp"}, "FTPServer.exe", false},
        MatchCase{"a program named X", {"X"}, "X.exe", false},
        MatchCase{"two letters never match", {"sh"}, "sh", false},
        MatchCase{"three letters do", {"ftp"}, "FTP.exe", true},
        MatchCase{"longer description", {"MyWebServer0.exe"}, "MyWebServer.exe", false},
        MatchCase{"never the reverse search", {"MyWebServer.exe"}, "MyWebServer0.exe", false},
        MatchCase{"description longer than a bare name", {"XFTPServer.exe"}, "FTPServer.exe", false},
        MatchCase{"nothing runs", {}, "FTPServer.exe", false},
        MatchCase{"unreadable name matches nothing", {""}, "FTPServer.exe", false},
        MatchCase{"empty name", {"a.exe", ""}, "", false},
        MatchCase{"only .exe", {".exe", ""}, ".exe", false},
        MatchCase{"Chinese name", {"考试服务器.exe"}, "考试服务器.EXE", true},
        MatchCase{"Chinese name, another program", {"考试服务器2.exe"}, "考试服务器.exe", false},
        MatchCase{"accented letters case aside", {"ümailserver.exe"}, "ÜMAILSERVER.exe", true},
        MatchCase{"asked name whose capitals are plain letters", {"ftpserver.exe"}, "FTP\u017Ferver.exe", true},
        MatchCase{".exe in other letters", {"FTPServer.ExE"}, "ftpserver", true}));

// A stand-in server copied under a name no other process has.
class RealProcessList : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/MyWebServer.exe");
        if (!QFileInfo::exists(built)) GTEST_SKIP() << "stand-in servers not built";
        name_ = QStringLiteral("CvProbe%1.exe").arg(QCoreApplication::applicationPid());
        copy_ = dir_.path() + '/' + name_;
        ASSERT_TRUE(QFile::copy(built, copy_));
    }
    QTemporaryDir dir_;
    QString name_, copy_;
};

TEST_F(RealProcessList, SeesAProgramOnlyWhileItRuns)
{
    EXPECT_FALSE(uIsProcessRunning(name_));
    {
        testing_support::RunningProgram server(copy_);
        ASSERT_TRUE(server.started());
        EXPECT_TRUE(testing_support::waitFor([&] { return uIsProcessRunning(name_); }));
        EXPECT_TRUE(uIsProcessRunning(name_.toLower()));
        EXPECT_TRUE(uIsProcessRunning(QStringLiteral("C:\\soft\\") + name_));
        EXPECT_FALSE(uIsProcessRunning(name_.mid(2)));  // a part of its name is not it

        bool listed = false;
        for (const plat::RunningProcess& p : plat::runningProcesses())
            if (p.pid == server.pid()) listed = p.name == name_ && p.exePath == QFileInfo(copy_).canonicalFilePath();
        EXPECT_TRUE(listed);
    }
    EXPECT_FALSE(uIsProcessRunning(name_));
}

TEST_F(RealProcessList, AProgramThatHasEndedButIsNotYetCollectedNoLongerRuns)
{
    // Started by hand, so that nothing collects it behind the test's back.
    const QByteArray program = QFile::encodeName(copy_);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::execl(program.constData(), program.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    EXPECT_TRUE(testing_support::waitFor([&] { return uIsProcessRunning(name_); }));
    ::kill(pid, SIGKILL);
    siginfo_t info{};
    ASSERT_EQ(::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT), 0);  // ended, still listed in /proc
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)));
    EXPECT_FALSE(uIsProcessRunning(name_));
    ::waitpid(pid, nullptr, 0);
}

TEST(ProcessList, NamesEveryListedProcessAndIncludesThisOne)
{
    const auto all = plat::runningProcesses();
    bool self = false;
    for (const plat::RunningProcess& p : all) {
        EXPECT_FALSE(p.name.isEmpty());
        EXPECT_FALSE(p.name.contains('/'));
        if (p.pid == QCoreApplication::applicationPid())
            self = p.name == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    }
    EXPECT_TRUE(self);
}

}  // namespace
