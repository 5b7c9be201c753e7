// The name of a process read from its command line (when its program file
// cannot be read): what the process test compares. And which open files
// count as held under a folder.
#include "platform/procscan.h"

#include "platform/proclist.h"
#include "process_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct CommandCase {
    const char* argv0;
    const char* name;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.argv0; }

class CommandName : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandName, IsTheFirstWordsBaseName)
{
    EXPECT_EQ(plat::procscan::detail::commandName(GetParam().argv0), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandName,
    ::testing::Values(CommandCase{"/usr/bin/mail", "mail"}, CommandCase{"FTPServer.exe", "FTPServer.exe"},
                      // a title the program gave itself
                      CommandCase{"mail -s CMailServer.exe", "mail"},
                      CommandCase{"sshd: root@pts/0", "sshd:"},
                      CommandCase{"bin/ftp FTPServer.exe", "ftp"},
                      // an absolute program path may hold blanks
                      CommandCase{"/m/soft/FtpSever for mission/Ftpconsole.exe", "Ftpconsole.exe"},
                      CommandCase{"", ""}));

struct BelowCase {
    const char* target;
    const char* path;
    bool below;
};

void PrintTo(const BelowCase& c, std::ostream* os) { *os << c.target << " under " << c.path; }

class AtOrBelow : public ::testing::TestWithParam<BelowCase> {};

TEST_P(AtOrBelow, TheFolderItselfAndWhatIsInsideCountNotANameThatStartsAlike)
{
    EXPECT_EQ(plat::procscan::isAtOrBelow(GetParam().target, GetParam().path), GetParam().below);
}

INSTANTIATE_TEST_SUITE_P(Cases, AtOrBelow,
                         ::testing::Values(BelowCase{"/d/实训素材", "/d/实训素材", true},
                                           BelowCase{"/d/实训素材/a.docx", "/d/实训素材", true},
                                           BelowCase{"/d/实训素材2/a.docx", "/d/实训素材", false},
                                           BelowCase{"/d", "/d/实训素材", false},
                                           BelowCase{"/d/a.docx", "/", true}, BelowCase{"/d", "", false}));

// One reading of the open files serves a whole series of questions: folders
// are answered from it, while a plain file is still asked about at once.
TEST(OpenFilesReading, FoldersAreAnsweredFromOneReadingFilesAtOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString held = dir.path() + QStringLiteral("/实训素材");
    const QString free = dir.path() + QStringLiteral("/winsys");
    const QString file = held + QStringLiteral("/题目.docx");
    ASSERT_TRUE(QDir().mkpath(held) && QDir().mkpath(free));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }
    auto holder = std::make_unique<testing_support::FileHolder>(file);
    ASSERT_TRUE(holder->holding());
    ASSERT_TRUE(plat::hostPathHeldOpen(held));
    {
        const plat::OpenFilesReading reading;
        EXPECT_TRUE(plat::hostPathHeldOpen(held));
        EXPECT_FALSE(plat::hostPathHeldOpen(free));
        holder.reset();
        EXPECT_FALSE(plat::hostPathHeldOpen(file)) << "a file is asked about at once";
        {
            const plat::OpenFilesReading nested;
            EXPECT_TRUE(plat::hostPathHeldOpen(held)) << "the folder is answered from the one reading";
        }
        EXPECT_TRUE(plat::hostPathHeldOpen(held));
        // A message box meanwhile: the event loop waits, the reading is dropped.
        QTimer::singleShot(20, [] {});
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        EXPECT_FALSE(plat::hostPathHeldOpen(held)) << "read again after the event loop waited";
    }
    EXPECT_FALSE(plat::hostPathHeldOpen(held)) << "a new series reads again";
}

// The processes passed over as kernel threads run no program and have no
// command line; this test program and the one that started it are not among
// them.
TEST(KernelThreads, RunNoProgramAndHaveNoCommandLine)
{
    const std::vector<long> kernel = plat::procscan::detail::kernelThreads();
    EXPECT_TRUE(std::is_sorted(kernel.begin(), kernel.end()));
    EXPECT_FALSE(std::binary_search(kernel.begin(), kernel.end(), long(::getpid())));
    EXPECT_FALSE(std::binary_search(kernel.begin(), kernel.end(), long(::getppid())));
    for (const long pid : kernel) {
        SCOPED_TRACE(pid);
        char path[64];
        char target[256];
        std::snprintf(path, sizeof path, "/proc/%ld/exe", pid);
        EXPECT_LT(::readlink(path, target, sizeof target), 0);
        std::snprintf(path, sizeof path, "/proc/%ld/cmdline", pid);
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;  // ended meanwhile
        char c = 0;
        EXPECT_EQ(::read(fd, &c, 1), 0);
        ::close(fd);
    }
}

}  // namespace
