// Whether a file is held open by some process: a plain file is answered by
// the kernel, a folder by the open descriptors under it.
#include "platform/proclist.h"
#include "process_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct HoldCase {
    const char* name;
    const char* shell;  // holds the file "$0" open
};

void PrintTo(const HoldCase& c, std::ostream* os) { *os << c.name; }

class HeldOpen : public ::testing::TestWithParam<HoldCase> {};

TEST_P(HeldOpen, AFileHeldByAnotherProcessCountsAndOnlyWhileHeld)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.path() + QStringLiteral("/题目_word分栏.docx");
    const QString other = dir.path() + QStringLiteral("/other.docx");
    for (const QString& f : {file, other}) {
        QFile out(f);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("x");
    }
    EXPECT_FALSE(plat::hostPathHeldOpen(file));
    {
        testing_support::RunningProgram holder(QStringLiteral("/bin/sh"),
                                               {QStringLiteral("-c"), QString::fromUtf8(GetParam().shell), file});
        ASSERT_TRUE(holder.started());
        EXPECT_TRUE(testing_support::waitFor([&] { return plat::hostPathHeldOpen(file); }));
        EXPECT_FALSE(plat::hostPathHeldOpen(other));
        EXPECT_TRUE(plat::hostPathHeldOpen(dir.path()));
    }
    EXPECT_FALSE(plat::hostPathHeldOpen(file));
    EXPECT_FALSE(plat::hostPathHeldOpen(dir.path()));
}

INSTANTIATE_TEST_SUITE_P(Cases, HeldOpen,
                         ::testing::Values(HoldCase{"reading", "exec sleep 60 <\"$0\""},
                                           HoldCase{"writing", "exec sleep 60 >>\"$0\""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
