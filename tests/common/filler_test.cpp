// Folders reset to their filler file, and the first field of a file.
#include "common/filler.h"
#include "common/firstfield.h"
#include "platform/filesystem.h"
#include "platform_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

class FillerTest : public testing_support::PlatformTest {
protected:
    void put(const QString& rel, const QByteArray& b) const
    {
        QDir().mkpath(QFileInfo(drive_ + '/' + rel).absolutePath());
        QFile f(drive_ + '/' + rel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
    }
    QStringList files(const QString& rel) const { return QDir(drive_ + '/' + rel).entryList(QDir::Files, QDir::Name); }
};

TEST_F(FillerTest, ReplacesEveryFileByTheFillerAndKeepsSubFolders)
{
    put(QStringLiteral("work/1.txt"), "one");
    put(QStringLiteral("work/答案.txt"), "key");
    put(QStringLiteral("work/sub/x.txt"), "x");
    put(QStringLiteral("占位.txt"), "filler");
    EXPECT_TRUE(common::uResetFolderWithFiller(QStringLiteral("D:\\work"), QStringLiteral("D:\\占位.txt")));
    EXPECT_EQ(files(QStringLiteral("work")), QStringList{QStringLiteral("temp.txt")});
    EXPECT_TRUE(QFile::exists(drive_ + QStringLiteral("/work/sub/x.txt")));
    QFile f(drive_ + QStringLiteral("/work/temp.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("filler"));
}

TEST_F(FillerTest, WithoutItsFillerDeletesNothing)
{
    put(QStringLiteral("work/1.txt"), "one");
    EXPECT_FALSE(common::uResetFolderWithFiller(QStringLiteral("D:\\work"), QStringLiteral("D:\\占位.txt")));
    EXPECT_EQ(files(QStringLiteral("work")), QStringList{QStringLiteral("1.txt")});
    put(QStringLiteral("占位.txt"), "filler");
    EXPECT_FALSE(common::uResetFolderWithFiller(QStringLiteral("D:\\无此文件夹"), QStringLiteral("D:\\占位.txt")));
}

TEST_F(FillerTest, ReportsAFileThatCannotBeDeleted)
{
    put(QStringLiteral("work/1.txt"), "one");
    put(QStringLiteral("占位.txt"), "filler");
    ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\work\\1.txt"), true));
    EXPECT_FALSE(common::uResetFolderWithFiller(QStringLiteral("D:\\work"), QStringLiteral("D:\\占位.txt")));
    EXPECT_TRUE(files(QStringLiteral("work")).contains(QStringLiteral("temp.txt")));  // never left without filler
}

struct FieldCase {
    const char* name;
    const char* text;  // UTF-8
    const char* field;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class FirstField : public FillerTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FirstField, FollowsTheListRules)
{
    const FieldCase& c = GetParam();
    put(QStringLiteral("f.txt"), gbk(QString::fromUtf8(c.text)));
    const auto f = common::readFirstField(QStringLiteral("D:\\f.txt"));
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(*f, QString::fromUtf8(c.field));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstField,
    ::testing::Values(FieldCase{"AsciiCommaEnds", "甲,乙\r\n", "甲"},
                      FieldCase{"FullWidthCommaIsText", "甲，乙\r\n", "甲，乙"},
                      FieldCase{"QuotedHoldsCommas", "\"甲,乙\",丙\r\n", "甲,乙"},
                      FieldCase{"LeadingBlanksSkipped", "   标准与编码\r\n第二行\r\n", "标准与编码"},
                      FieldCase{"OnlyLineOne", "第一行\r\n第二行,x\r\n", "第一行"},
                      FieldCase{"LineOneWithoutEnd", "只有一行", "只有一行"},
                      FieldCase{"EmptyLineOne", "\r\n第二行\r\n", ""},
                      FieldCase{"UnclosedQuoteTakesTheLine", "\"甲,乙\r\n丙\r\n", "甲,乙"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FillerTest, EmptyOrMissingFileGivesNoField)
{
    put(QStringLiteral("f.txt"), "");
    EXPECT_FALSE(common::readFirstField(QStringLiteral("D:\\f.txt")).has_value());
    EXPECT_FALSE(common::readFirstField(QStringLiteral("D:\\none.txt")).has_value());
}

}  // namespace
