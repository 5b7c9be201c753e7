// Profile strings written entry by entry: the bytes of the file afterwards.
#include "platform/profile.h"
#include "platform_fixture.h"

#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

class ProfileTest : public testing_support::PlatformTest {
protected:
    const QString path = QStringLiteral("D:\\s.ini");
    QByteArray disk() const
    {
        QFile f(drive_ + QStringLiteral("/s.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void ship(const QByteArray& b) const
    {
        QFile f(drive_ + QStringLiteral("/s.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
};

struct ProfileCase {
    const char* name;
    QByteArray shipped;  // "" with missing: no file
    bool missing;
    const char* section;
    const char* key;
    const char* value;
    QByteArray expected;
};

class ProfileWrite : public ProfileTest, public ::testing::WithParamInterface<ProfileCase> {};

TEST_P(ProfileWrite, GivesTheseBytes)
{
    const ProfileCase& c = GetParam();
    if (!c.missing) ship(c.shipped);
    ASSERT_TRUE(plat::writeProfileString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                         QString::fromUtf8(c.value), path));
    EXPECT_EQ(disk(), c.expected);
}

const QByteArray kShipped("; shipped\r\n[option]\r\nServerIP=127.0.0.1\r\n  Port = 80 \r\nextra=keep me\r\n\r\n[mime]\r\n.htm=text/html\r\n");

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    ::testing::Values(
        ProfileCase{"ReplacesInPlace", kShipped, false, "option", "ServerIP", "10.0.0.5",
                    "; shipped\r\n[option]\r\nServerIP=10.0.0.5\r\n  Port = 80 \r\nextra=keep me\r\n\r\n[mime]\r\n.htm=text/html\r\n"},
        ProfileCase{"KeyAndSectionMatchWithoutCaseOrBlanks", kShipped, false, "OPTION", "port", "8080",
                    "; shipped\r\n[option]\r\nServerIP=127.0.0.1\r\nport=8080\r\nextra=keep me\r\n\r\n[mime]\r\n.htm=text/html\r\n"},
        ProfileCase{"AddsMissingKeyAtTheEndOfItsSection", kShipped, false, "option", "gzip", "1",
                    "; shipped\r\n[option]\r\nServerIP=127.0.0.1\r\n  Port = 80 \r\nextra=keep me\r\ngzip=1\r\n\r\n[mime]\r\n.htm=text/html\r\n"},
        ProfileCase{"AddsMissingSectionAtTheEnd", kShipped, false, "vpath", "/internet/", "/srv/www",
                    "; shipped\r\n[option]\r\nServerIP=127.0.0.1\r\n  Port = 80 \r\nextra=keep me\r\n\r\n[mime]\r\n.htm=text/html\r\n[vpath]\r\n/internet/=/srv/www\r\n"},
        ProfileCase{"EmptyKeyOfAnEmptySection", "[httprz]\r\n\r\n[mime]\r\n", false, "httprz", "", "",
                    "[httprz]\r\n=\r\n\r\n[mime]\r\n"},
        ProfileCase{"EmptyKeyWrittenAgainStaysOneLine", "[httprz]\r\n=\r\n", false, "httprz", "", "",
                    "[httprz]\r\n=\r\n"},
        ProfileCase{"LastLineWithoutEnd", "[a]\r\nx=1", false, "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
        ProfileCase{"MissingFileIsCreated", "", true, "Port", "SMTP", "2525", "[Port]\r\nSMTP=2525\r\n"},
        ProfileCase{"ChineseValueInCodePage936", "[system]\r\n", false, "system", "WebWorkPath", "素材",
                    "[system]\r\nWebWorkPath=\xcb\xd8\xb2\xc4\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileTest, AValueOutsideTheCodePageChangesNothing)
{
    ship(kShipped);
    EXPECT_FALSE(plat::writeProfileString(QStringLiteral("option"), QStringLiteral("ServerIP"),
                                          QStringLiteral("\U0001F600"), path));
    EXPECT_EQ(disk(), kShipped);
}

TEST_F(ProfileTest, ManyEntriesInOnePassGiveTheBytesOfOneByOne)
{
    const QList<plat::ProfileString> entries = {{QStringLiteral("option"), QStringLiteral("ServerIP"), QStringLiteral("10.0.0.5")},
                                                {QStringLiteral("OPTION"), QStringLiteral("gzip"), QStringLiteral("1")},
                                                {QStringLiteral("vpath"), QStringLiteral("/a/"), QStringLiteral("x")},
                                                {QStringLiteral("option"), QStringLiteral("bad"), QStringLiteral("\U0001F600")},
                                                {QStringLiteral("vpath"), QStringLiteral("/b/"), QStringLiteral("y")},
                                                {QStringLiteral("option"), QStringLiteral("gzip"), QStringLiteral("0")}};
    ship(kShipped);
    for (const plat::ProfileString& e : entries) (void)plat::writeProfileString(e.section, e.key, e.value, path);
    const QByteArray oneByOne = disk();
    ship(kShipped);
    const int before = plat::profileFileWrites();
    EXPECT_FALSE(plat::writeProfileStrings(entries, path));  // the entry outside the code page is left out
    EXPECT_EQ(plat::profileFileWrites() - before, 1);
    EXPECT_EQ(disk(), oneByOne);
    EXPECT_FALSE(oneByOne.contains("bad="));
}

TEST_F(ProfileTest, ChineseBytesDoNotMatchOtherChineseNames)
{
    // 0xC0.. and 0xE0.. lead bytes differ only in the bit that folds Latin-1
    // letters; a name must never match another that way.
    ship(gbk(QStringLiteral("[s]\r\n览=1\r\n")));
    ASSERT_TRUE(plat::writeProfileString(QStringLiteral("s"), QStringLiteral("噜"), QStringLiteral("2"), path));
    EXPECT_EQ(disk(), gbk(QStringLiteral("[s]\r\n览=1\r\n噜=2\r\n")));
}

}  // namespace

namespace {

TEST_F(ProfileTest, ReadFindsTheKeyOfItsSectionAsAWriteMatchesIt)
{
    ship(kShipped + gbk(QStringLiteral("[路径]\r\n根目录 = D:\\网站 \r\n")));
    const struct {
        const char* section;
        const char* key;
        std::optional<QString> value;
    } cases[] = {
        {"option", "ServerIP", QStringLiteral("127.0.0.1")},
        {" OPTION ", "port", QStringLiteral("80")},
        {"路径", "根目录", QStringLiteral("D:\\网站")},
        {"mime", "ServerIP", std::nullopt},  // another section's key
        {"option", "missing", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plat::readProfileString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), path), c.value)
            << c.section << " " << c.key;
    EXPECT_EQ(plat::readProfileString(QStringLiteral("option"), QStringLiteral("ServerIP"), QStringLiteral("D:\\none.ini")),
              std::nullopt);
}

}  // namespace
