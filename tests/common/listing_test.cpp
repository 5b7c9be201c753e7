// Base names and sub-folders of a folder as the windows list them.
#include "common/listing.h"
#include "platform_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using common::ListAttr;

class ListingTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        for (const char* f : {"bk/b.docx", "bk/a.1.docx", "bk/c.DOCX", "bk/d.txt", "bk/.hidden.docx", "bk/noext"}) touch(f);
        for (const char* d : {"bk/x.docx", "bk/sub", "bk/.git"}) QDir().mkpath(drive_ + "/" + QString::fromUtf8(d));
    }
    void touch(const char* rel) const
    {
        QFile f(drive_ + '/' + QString::fromUtf8(rel));
        QDir().mkpath(QFileInfo(f).absolutePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(ListingTest, BaseNamesPerAttribute)
{
    struct Case {
        const char* pattern;
        ListAttr attr;
        QStringList expected;
    };
    const Case cases[] = {
        {"*.docx", ListAttr::FilesOnly, {"a", "b", "c"}},
        {"*.docx", ListAttr::FilesAndFolders, {"a", "b", "c", "x"}},
        {"*.txt", ListAttr::FilesOnly, {"d"}},
        {"*.pptx", ListAttr::FilesAndFolders, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(common::uListBaseNames(QStringLiteral("D:\\bk\\"), QString::fromUtf8(c.pattern), c.attr), c.expected)
            << c.pattern;
}

TEST_F(ListingTest, SubfoldersLeaveOutFilesAndHiddenOnes)
{
    const QStringList expected{QStringLiteral("sub"), QStringLiteral("x.docx")};
    EXPECT_EQ(common::uListSubfolders(QStringLiteral("D:\\bk\\")), expected);
    EXPECT_EQ(common::uListSubfolders(QStringLiteral("D:\\bk")), expected);
}

TEST_F(ListingTest, MissingFolderGivesAnEmptyList)
{
    EXPECT_TRUE(common::uListSubfolders(QStringLiteral("D:\\none\\")).isEmpty());
    EXPECT_TRUE(common::uListBaseNames(QStringLiteral("D:\\none\\"), QStringLiteral("*.docx"), ListAttr::FilesAndFolders).isEmpty());
}

}  // namespace
