// Base names and sub-folders of a folder as the windows list them.
#include "common/listing.h"
#include "platform_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using common::ListAttr;
using common::ListClear;

class ListingTest : public testing_support::PlatformTest {
protected:
    ListingTest() { withDemoTree_ = false; }
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

TEST_F(ListingTest, BaseNamesPerAttributeAndClearing)
{
    struct Case {
        const char* pattern;
        ListAttr attr;
        ListClear clear;
        QStringList expected;
    };
    const QStringList old{QStringLiteral("old")};
    const Case cases[] = {
        {"*.docx", ListAttr::FilesOnly, ListClear::Clear, {"a", "b", "c"}},
        {"*.docx", ListAttr::FilesAndFolders, ListClear::Clear, {"a", "b", "c", "x"}},
        {"*.docx", ListAttr::FilesOnly, ListClear::Keep, {"old", "a", "b", "c"}},
        {"*.txt", ListAttr::FilesOnly, ListClear::Clear, {"d"}},
        {"*.pptx", ListAttr::FilesAndFolders, ListClear::Clear, {}},
    };
    for (const Case& c : cases) {
        QStringList list = old;
        common::uListBaseNames(list, QStringLiteral("D:\\bk\\"), QString::fromUtf8(c.pattern), c.attr, c.clear);
        EXPECT_EQ(list, c.expected) << c.pattern;
    }
}

TEST_F(ListingTest, SubfoldersLeaveOutFilesAndHiddenOnes)
{
    QStringList list{QStringLiteral("old")};
    common::uListSubfolders(list, QStringLiteral("D:\\bk\\"), ListClear::Clear);
    EXPECT_EQ(list, (QStringList{QStringLiteral("sub"), QStringLiteral("x.docx")}));
    common::uListSubfolders(list, QStringLiteral("D:\\bk"), ListClear::Keep);
    EXPECT_EQ(list.size(), 4);
}

TEST_F(ListingTest, MissingFolderAddsNothing)
{
    QStringList list;
    common::uListSubfolders(list, QStringLiteral("D:\\none\\"), ListClear::Clear);
    common::uListBaseNames(list, QStringLiteral("D:\\none\\"), QStringLiteral("*.docx"), ListAttr::FilesAndFolders,
                           ListClear::Keep);
    EXPECT_TRUE(list.isEmpty());
}

}  // namespace
