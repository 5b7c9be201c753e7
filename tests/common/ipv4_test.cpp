// The IPv4 lookup: the parser, the served ipconfig line and the copy.
#include "common/ipv4.h"
#include "platform/paths.h"
#include "platform/shellwait.h"
#include "platform_fixture.h"
#include "test_hooks.h"

#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

struct ParseCase {
    const char* name;
    QStringList lines;
    const char* expected;
};

class ParseIPv4 : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseIPv4, TakesTextAfterLastBlankOfLastCandidate)
{
    EXPECT_EQ(common::parseIPv4(GetParam().lines), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIPv4,
    ::testing::Values(
        ParseCase{"SecondAdapterWins", {"   IPv4 地址 . . : 192.168.1.5", "other", "   IPv4 地址 . . : 10.0.0.7"}, "10.0.0.7"},
        ParseCase{"TrailingBlankGivesEmpty", {"IPv4 地址 : 1.2.3.4 "}, ""},
        ParseCase{"NoBlankTakenWhole", {"IPv4:1.2.3.4"}, "IPv4:1.2.3.4"},
        ParseCase{"TextGluedToTheAddressStays", {"IPv4 地址 : 1.2.3.4(首选)"}, "1.2.3.4(首选)"},
        ParseCase{"TabIsNoBlank", {"IPv4 地址 :\t1.2.3.4"}, ":\t1.2.3.4"},
        ParseCase{"LowerCaseAndIPv6AreNoCandidates", {"ipv4 1.2.3.4", "IPv6 地址 : fe80::1"}, ""},
        ParseCase{"Empty", {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

class IpLookupTest : public testing_support::PlatformTest {
protected:
    void TearDown() override
    {
        hooks_.reset();
        PlatformTest::TearDown();
    }
    testing_support::TestHooks hooks_;
    QByteArray onD(const QString& name) const
    {
        QFile f(drive_ + '/' + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

TEST_F(IpLookupTest, IpconfigLineWritesTheReportInCodePage936AndAppends)
{
    hooks_.addresses([] { return QStringList{"192.168.3.4"}; });
    const auto started = plat::startCommandLine(QStringLiteral("cmd.exe /c ipconfig >D:\\IPtemp0000.txt"), plat::WindowStyle::Minimized);
    EXPECT_TRUE(started.ok);
    const QByteArray once = onD(QStringLiteral("IPtemp0000.txt"));
    EXPECT_TRUE(once.contains(gbk(QStringLiteral("   IPv4 地址 . . . . . . . . . . . . : 192.168.3.4\r\n"))));
    // The mock test's form of the line appends.
    plat::startCommandLine(QStringLiteral("cmd.exe /C ipconfig >> D:\\IPtemp0000.txt"), plat::WindowStyle::Minimized);
    EXPECT_EQ(onD(QStringLiteral("IPtemp0000.txt")), once + once);
}

TEST_F(IpLookupTest, LookupReplacesAStaleCopyAndRemovesTheTempFile)
{
    QDir().mkpath(drive_ + QStringLiteral("/srv"));
    QFile stale(drive_ + QStringLiteral("/srv/ipd.txt"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("IPv4 1.1.1.1\r\n");
    stale.close();

    hooks_.addresses([] { return QStringList{"172.16.0.2", "10.9.8.7"}; });
    EXPECT_EQ(common::uGetLocalIPv4(QStringLiteral("D:\\srv\\ipd.txt"), nullptr), QStringLiteral("10.9.8.7"));
    EXPECT_EQ(onD(QStringLiteral("IPtemp0000.txt")), QByteArray("<missing>"));

    // No address at all: the old copy must not answer for this machine.
    hooks_.addresses([] { return QStringList{}; });
    EXPECT_EQ(common::uGetLocalIPv4(QStringLiteral("D:\\srv\\ipd.txt"), nullptr), QString());
    // And when the report cannot be made, neither.
    plat::setDriveD(drive_ + QStringLiteral("/nowhere"));
    EXPECT_EQ(common::readLocalIPv4(QStringLiteral("D:\\ipd.txt")), QString());
}

TEST_F(IpLookupTest, RealAddressesAreDottedQuadsWithoutLoopback)
{
    for (const QString& a : plat::localIPv4Addresses()) {
        EXPECT_EQ(a.count('.'), 3) << a.toStdString();
        EXPECT_FALSE(a.startsWith(QStringLiteral("127."))) << a.toStdString();
    }
}

}  // namespace
