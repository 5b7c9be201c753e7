// The name of a process read from its command line (when its program file
// cannot be read): what the process test compares.
#include "platform/procscan.h"

#include <gtest/gtest.h>

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

}  // namespace
