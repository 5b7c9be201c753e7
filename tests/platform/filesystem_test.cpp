// The file-system service: copy, delete, create, list and rename as the
// windows rely on them.
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "platform_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace fs = plat::fs;
using fs::Status;

namespace {

class FileSystemTest : public testing_support::PlatformTest {
protected:
    FileSystemTest() { withDemoTree_ = false; }

    // Host path of a "D:\..." path.
    QString d(const QString& rest) const { return drive_ + '/' + rest; }
    void put(const QString& rest, const QByteArray& data = "x") const
    {
        QDir().mkpath(QFileInfo(d(rest)).absolutePath());
        QFile f(d(rest));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
    }
    QByteArray get(const QString& rest) const
    {
        QFile f(d(rest));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    bool there(const QString& rest) const { return QFileInfo::exists(d(rest)); }
};

TEST_F(FileSystemTest, CopyFolderOverwritesAndMergesIntoAnExistingTarget)
{
    put(QStringLiteral("src/a.txt"), "new a");
    put(QStringLiteral("src/sub/b.txt"), "new b");
    put(QStringLiteral("dst/a.txt"), "old a");
    put(QStringLiteral("dst/keep.txt"), "kept");
    EXPECT_EQ(fs::copyFolder(QStringLiteral("D:\\src"), QStringLiteral("D:\\dst")), Status::Ok);
    EXPECT_EQ(get(QStringLiteral("dst/a.txt")), "new a");
    EXPECT_EQ(get(QStringLiteral("dst/sub/b.txt")), "new b");
    EXPECT_EQ(get(QStringLiteral("dst/keep.txt")), "kept");
    EXPECT_EQ(get(QStringLiteral("src/a.txt")), "new a");
}

TEST_F(FileSystemTest, CopyFolderWithTrailingBackslashCopiesIntoTheFolder)
{
    put(QStringLiteral("src/a.txt"), "a");
    QDir().mkpath(d(QStringLiteral("into")));
    EXPECT_EQ(fs::copyFolder(QStringLiteral("D:\\src"), QStringLiteral("D:\\into\\")), Status::Ok);
    EXPECT_EQ(get(QStringLiteral("into/src/a.txt")), "a");
    EXPECT_FALSE(there(QStringLiteral("into/a.txt")));
    // Into a folder that is not there: nothing happens.
    EXPECT_EQ(fs::copyFolder(QStringLiteral("D:\\src"), QStringLiteral("D:\\nowhere\\")), Status::NotFound);
    EXPECT_FALSE(there(QStringLiteral("nowhere")));
}

TEST_F(FileSystemTest, CopyFolderRefusesMissingSourceAndACopyIntoItself)
{
    EXPECT_EQ(fs::copyFolder(QStringLiteral("D:\\none"), QStringLiteral("D:\\dst")), Status::NotFound);
    EXPECT_FALSE(there(QStringLiteral("dst")));
    put(QStringLiteral("src/a.txt"));
    EXPECT_EQ(fs::copyFolder(QStringLiteral("D:\\src"), QStringLiteral("D:\\src\\inner")), Status::Failed);
    EXPECT_FALSE(there(QStringLiteral("src/inner")));
}

TEST_F(FileSystemTest, CopyFileOverwritesAndCopiesIntoAFolder)
{
    put(QStringLiteral("a.txt"), "new");
    put(QStringLiteral("b.txt"), "old");
    QDir().mkpath(d(QStringLiteral("f")));
    EXPECT_EQ(fs::copyFile(QStringLiteral("D:\\a.txt"), QStringLiteral("D:\\b.txt")), Status::Ok);
    EXPECT_EQ(get(QStringLiteral("b.txt")), "new");
    EXPECT_EQ(fs::copyFile(QStringLiteral("D:\\a.txt"), QStringLiteral("D:\\f\\")), Status::Ok);
    EXPECT_EQ(get(QStringLiteral("f/a.txt")), "new");
    EXPECT_EQ(fs::copyFile(QStringLiteral("D:\\none.txt"), QStringLiteral("D:\\c.txt")), Status::NotFound);
    EXPECT_FALSE(there(QStringLiteral("c.txt")));
}

TEST_F(FileSystemTest, CopyFileDoesNotOverwriteAReadOnlyTarget)
{
    put(QStringLiteral("a.txt"), "new");
    put(QStringLiteral("ro.txt"), "old");
    ASSERT_TRUE(fs::setReadOnly(QStringLiteral("D:\\ro.txt"), true));
    EXPECT_EQ(fs::copyFile(QStringLiteral("D:\\a.txt"), QStringLiteral("D:\\ro.txt")), Status::Failed);
    EXPECT_EQ(get(QStringLiteral("ro.txt")), "old");
}

TEST_F(FileSystemTest, DeleteFolderWithoutForceKeepsReadOnlyFilesAndTheirFolders)
{
    put(QStringLiteral("w/plain.txt"));
    put(QStringLiteral("w/sub/ro.txt"), "ro");
    put(QStringLiteral("w/other/x.txt"));
    ASSERT_TRUE(fs::setReadOnly(QStringLiteral("D:\\w\\sub\\ro.txt"), true));
    EXPECT_EQ(fs::deleteFolder(QStringLiteral("D:\\w")), Status::Failed);
    EXPECT_EQ(get(QStringLiteral("w/sub/ro.txt")), "ro");
    EXPECT_FALSE(there(QStringLiteral("w/plain.txt")));
    EXPECT_FALSE(there(QStringLiteral("w/other")));

    EXPECT_EQ(fs::deleteFolder(QStringLiteral("D:\\w"), true), Status::Ok);
    EXPECT_FALSE(there(QStringLiteral("w")));
    EXPECT_EQ(fs::deleteFolder(QStringLiteral("D:\\w")), Status::NotFound);
}

TEST_F(FileSystemTest, DeleteFileAndFilesByPattern)
{
    put(QStringLiteral("f/a.jpg"));
    put(QStringLiteral("f/B.JPG"));
    put(QStringLiteral("f/c.txt"));
    put(QStringLiteral("f/noext"));
    put(QStringLiteral("f/ro.jpg"));
    ASSERT_TRUE(fs::setReadOnly(QStringLiteral("D:\\f\\ro.jpg"), true));
    EXPECT_EQ(fs::deleteFile(QStringLiteral("D:\\f\\ro.jpg")), Status::Failed);
    EXPECT_TRUE(there(QStringLiteral("f/ro.jpg")));
    EXPECT_EQ(fs::deleteFiles(QStringLiteral("D:\\f"), QStringLiteral("*.jpg"), true), Status::Ok);
    EXPECT_EQ(fs::listFiles(QStringLiteral("D:\\f")), (QStringList{"c.txt", "noext"}));
    EXPECT_EQ(fs::deleteFiles(QStringLiteral("D:\\f"), QStringLiteral("*.*")), Status::Ok);
    EXPECT_TRUE(fs::listFiles(QStringLiteral("D:\\f")).isEmpty());
    EXPECT_EQ(fs::deleteFile(QStringLiteral("D:\\f\\a.jpg")), Status::NotFound);
}

TEST_F(FileSystemTest, CreateFolderNeedsItsParentAndFailsWhenPresent)
{
    EXPECT_EQ(fs::createFolder(QStringLiteral("D:\\实训素材")), Status::Ok);
    EXPECT_TRUE(fs::folderExists(QStringLiteral("D:\\实训素材")));
    EXPECT_EQ(fs::createFolder(QStringLiteral("D:\\实训素材")), Status::Failed);
    EXPECT_EQ(fs::createFolder(QStringLiteral("D:\\a\\b")), Status::Failed);
    EXPECT_FALSE(there(QStringLiteral("a")));
}

struct ListCase {
    const char* name;
    QString pattern;
    QStringList files;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class Listing : public FileSystemTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(Listing, ByPatternInAStableOrderWithoutHiddenEntries)
{
    for (const char* f : {"b.jpg", "A.JPG", "c.jpg", "d.png", "readme", ".hidden.jpg", "sub/x.jpg"})
        put(QStringLiteral("p/") + QString::fromUtf8(f));
    EXPECT_EQ(fs::listFiles(QStringLiteral("D:\\p"), GetParam().pattern), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Listing,
    ::testing::Values(ListCase{"jpg_any_case", QStringLiteral("*.jpg"), {"A.JPG", "b.jpg", "c.jpg"}},
                      ListCase{"star_dot_star", QStringLiteral("*.*"), {"A.JPG", "b.jpg", "c.jpg", "d.png", "readme"}},
                      ListCase{"two_patterns", QStringLiteral("*.png;*.JPG"), {"A.JPG", "b.jpg", "c.jpg", "d.png"}},
                      ListCase{"one_name", QStringLiteral("readme"), {"readme"}},
                      ListCase{"none", QStringLiteral("*.docx"), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileSystemTest, SubFoldersAreListedByNameWithoutHiddenOnes)
{
    for (const char* f : {"3/x", "1/x", "10/x", "2/x", ".probe/x", "file.txt"}) put(QStringLiteral("b/") + QString::fromUtf8(f));
    EXPECT_EQ(fs::listSubFolders(QStringLiteral("D:\\b")), (QStringList{"1", "10", "2", "3"}));
    EXPECT_TRUE(fs::listSubFolders(QStringLiteral("D:\\none")).isEmpty());
    EXPECT_TRUE(fs::listFiles(QStringLiteral("D:\\none")).isEmpty());
}

TEST_F(FileSystemTest, RenameMovesAndFailsOverAnExistingTarget)
{
    put(QStringLiteral("KSDOC/a.txt"), "a");
    put(QStringLiteral("other/b.txt"));
    EXPECT_EQ(fs::rename(QStringLiteral("D:\\KSDOC"), QStringLiteral("D:\\KSDOC0000")), Status::Ok);
    EXPECT_EQ(get(QStringLiteral("KSDOC0000/a.txt")), "a");
    EXPECT_FALSE(there(QStringLiteral("KSDOC")));
    EXPECT_EQ(fs::rename(QStringLiteral("D:\\other"), QStringLiteral("D:\\KSDOC0000")), Status::Failed);
    EXPECT_TRUE(there(QStringLiteral("other/b.txt")));
    EXPECT_EQ(fs::rename(QStringLiteral("D:\\KSDOC"), QStringLiteral("D:\\x")), Status::NotFound);
}

TEST_F(FileSystemTest, HiddenEntriesExistButAreNotListed)
{
    put(QStringLiteral(".probe/a.txt"));
    put(QStringLiteral(".h.txt"));
    put(QStringLiteral("v.txt"));
    EXPECT_TRUE(fs::folderExists(QStringLiteral("D:\\.probe")));
    EXPECT_TRUE(fs::fileExists(QStringLiteral("D:\\.h.txt")));
    EXPECT_FALSE(fs::listedExists(QStringLiteral("D:\\.probe")));
    EXPECT_FALSE(fs::listedExists(QStringLiteral("D:\\.h.txt")));
    EXPECT_TRUE(fs::listedExists(QStringLiteral("D:\\v.txt")));
    EXPECT_FALSE(fs::listedExists(QStringLiteral("D:\\none.txt")));
    EXPECT_FALSE(fs::fileExists(QStringLiteral("D:\\.probe")));
    EXPECT_FALSE(fs::folderExists(QStringLiteral("D:\\v.txt")));
}

}  // namespace
