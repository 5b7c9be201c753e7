// The file-system service: copy, delete, create, list and rename as the
// windows rely on them.
#include "faults.h"
#include "platform/archive.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "platform_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace fs = plat::fs;
using fs::Status;

namespace {

class FileSystemTest : public testing_support::PlatformTest {
protected:
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
    // Every entry of a folder, hidden ones included (left-over temporary
    // files would show here).
    QStringList everything(const QString& rest) const
    {
        return QDir(d(rest)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    }
};

// Bytes that no two offsets share by accident (a shifted or repeated block
// shows in a comparison).
QByteArray pattern(qsizetype size)
{
    QByteArray b(size, Qt::Uninitialized);
    QRandomGenerator gen(4711);
    gen.fillRange(reinterpret_cast<quint32*>(b.data()), size / 4);
    for (qsizetype i = size / 4 * 4; i < size; ++i) b[i] = char(i);
    return b;
}

// More than any buffer the copy uses (1 MiB), and not a multiple of a page.
constexpr qsizetype kLarge = (qsizetype(1) << 20) * 5 + 12345;

// A small memory filesystem mounted on a folder for the life of the object.
class Tmpfs {
public:
    Tmpfs(const QString& folder, const char* size) : folder_(folder)
    {
        QDir().mkpath(folder);
        const QByteArray options = QByteArray("size=") + size;
        mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0;
        if (!mounted_) why_ = std::strerror(errno);
    }
    ~Tmpfs()
    {
        if (mounted_) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;
    bool mounted() const { return mounted_; }
    std::string why() const { return "cannot mount a tmpfs here (" + why_ + "); needs root"; }

private:
    QString folder_;
    bool mounted_ = false;
    std::string why_;
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
    const Status s = fs::copyFile(QStringLiteral("D:\\a.txt"), QStringLiteral("D:\\ro.txt"));
    EXPECT_EQ(s, Status::Failed);
    EXPECT_EQ(s.path(), QStringLiteral("D:\\ro.txt"));
    EXPECT_EQ(s.reason(), QStringLiteral("文件只读"));
    EXPECT_TRUE(s.describe().contains(QStringLiteral("ro.txt（文件只读）"))) << s.describe().toStdString();
    EXPECT_EQ(get(QStringLiteral("ro.txt")), "old");
}

TEST_F(FileSystemTest, ACopyIsWritableForItsOwnerAndKeepsTheOtherBits)
{
    put(QStringLiteral("src/ro.txt"), "ro");
    put(QStringLiteral("src/tool"), "#!/bin/sh\n");
    ASSERT_TRUE(fs::setReadOnly(QStringLiteral("D:\\src\\ro.txt"), true));
    ASSERT_TRUE(QFile::setPermissions(d(QStringLiteral("src/tool")), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(fs::copyFolder(QStringLiteral("D:\\src"), QStringLiteral("D:\\dst")), Status::Ok);
    EXPECT_FALSE(fs::isReadOnly(QStringLiteral("D:\\dst\\ro.txt")));
    EXPECT_TRUE(QFileInfo(d(QStringLiteral("dst/tool"))).isExecutable());
    EXPECT_EQ(get(QStringLiteral("dst/ro.txt")), "ro");
    // And once more over the copy (overwrite).
    EXPECT_EQ(fs::copyFile(QStringLiteral("D:\\src\\ro.txt"), QStringLiteral("D:\\dst\\")), Status::Ok);
    EXPECT_FALSE(fs::isReadOnly(QStringLiteral("D:\\dst\\ro.txt")));
    EXPECT_EQ(everything(QStringLiteral("dst")), (QStringList{"ro.txt", "tool"}));
}

TEST_F(FileSystemTest, ALargeFileArrivesByteForByte)
{
    const QByteArray data = pattern(kLarge);
    put(QStringLiteral("src/big.bin"), data);
    put(QStringLiteral("src/sub/big.bin"), data);
    put(QStringLiteral("old/big.bin"), "shorter old content");
    EXPECT_EQ(fs::copyFolder(QStringLiteral("D:\\src"), QStringLiteral("D:\\dst")), Status::Ok);
    EXPECT_EQ(fs::copyFile(QStringLiteral("D:\\src\\big.bin"), QStringLiteral("D:\\old\\big.bin")), Status::Ok);
    for (const char* f : {"dst/big.bin", "dst/sub/big.bin", "old/big.bin"})
        EXPECT_TRUE(get(QString::fromUtf8(f)) == data) << f;
    EXPECT_EQ(everything(QStringLiteral("old")), QStringList{"big.bin"});
}

TEST_F(FileSystemTest, ACopyOntoAFullDiskLeavesNoPartialFileAndSaysSo)
{
    Tmpfs full(d(QStringLiteral("full")), "1m");
    if (!full.mounted()) GTEST_SKIP() << full.why();
    put(QStringLiteral("big.bin"), pattern(kLarge));
    put(QStringLiteral("src/a.txt"), "small");
    put(QStringLiteral("src/big.bin"), pattern(kLarge));
    put(QStringLiteral("full/kept.bin"), "old content");

    // A new file and an overwrite: neither leaves anything half-written.
    for (const QString& name : {QStringLiteral("big.bin"), QStringLiteral("kept.bin")}) {
        const Status s = fs::copyFile(QStringLiteral("D:\\big.bin"), QStringLiteral("D:\\full\\") + name);
        EXPECT_EQ(s, Status::Failed) << name.toStdString();
        EXPECT_EQ(s.path(), QStringLiteral("D:\\full\\") + name);
        EXPECT_EQ(s.reason(), QStringLiteral("磁盘空间不足"));
    }
    EXPECT_EQ(get(QStringLiteral("full/kept.bin")), "old content");
    EXPECT_EQ(everything(QStringLiteral("full")), QStringList{"kept.bin"});

    // A folder: what fits arrives, what does not is named and absent.
    const Status s = fs::copyFolder(QStringLiteral("D:\\src"), QStringLiteral("D:\\full\\"));
    EXPECT_EQ(s, Status::Failed);
    EXPECT_EQ(s.path(), QStringLiteral("D:\\full\\src\\big.bin"));
    EXPECT_EQ(s.failures(), 1);
    EXPECT_EQ(get(QStringLiteral("full/src/a.txt")), "small");
    EXPECT_EQ(everything(QStringLiteral("full/src")), QStringList{"a.txt"});

    // Within the full disk itself (the kernel's own copy runs out of room).
    put(QStringLiteral("full/half.bin"), pattern(600 * 1024));
    const Status inside = fs::copyFile(QStringLiteral("D:\\full\\half.bin"), QStringLiteral("D:\\full\\copy.bin"));
    EXPECT_EQ(inside, Status::Failed);
    EXPECT_EQ(inside.reason(), QStringLiteral("磁盘空间不足"));
    EXPECT_EQ(everything(QStringLiteral("full")), (QStringList{"half.bin", "kept.bin", "src"}));
}

// A folder made from a template is whole or absent; a folder that was there
// before keeps what it had.
TEST_F(FileSystemTest, AFolderMadeFromATemplateThatDoesNotFitGoesAgain)
{
    put(QStringLiteral("template/a.txt"), "small");
    put(QStringLiteral("template/big.bin"), QByteArray(64 * 1024, 'x'));
    put(QStringLiteral("there/own.txt"), "mine");
    for (const char* target : {"new\\archive", "there"}) {
        SCOPED_TRACE(target);
        Status s;
        {
            testing_support::FileSizeLimit full(16 * 1024);
            ASSERT_TRUE(full.ok());
            s = fs::makeFolderFrom(QStringLiteral("D:\\template"), QStringLiteral("D:\\") + QString::fromUtf8(target));
        }
        EXPECT_EQ(s, Status::Failed);
        EXPECT_TRUE(s.path().endsWith(QStringLiteral("big.bin"))) << s.path().toStdString();
    }
    EXPECT_FALSE(there(QStringLiteral("new/archive")));
    EXPECT_EQ(get(QStringLiteral("there/own.txt")), "mine");
    EXPECT_EQ(fs::makeFolderFrom(QStringLiteral("D:\\template"), QStringLiteral("D:\\new\\archive")), Status::Ok);
    EXPECT_EQ(get(QStringLiteral("new/archive/big.bin")), QByteArray(64 * 1024, 'x'));
}

TEST_F(FileSystemTest, ACopyFromAnotherFilesystemArrivesWhole)
{
    // The kernel's own copy is refused between a memory filesystem and the
    // disk; the copy must still arrive, byte for byte.
    Tmpfs other(d(QStringLiteral("mem")), "32m");
    if (!other.mounted()) GTEST_SKIP() << other.why();
    const QByteArray data = pattern(kLarge);
    put(QStringLiteral("mem/tree/big.bin"), data);
    put(QStringLiteral("mem/tree/sub/a.txt"), "a");
    EXPECT_EQ(fs::copyFolder(QStringLiteral("D:\\mem\\tree"), QStringLiteral("D:\\disk")), Status::Ok);
    EXPECT_TRUE(get(QStringLiteral("disk/big.bin")) == data);
    EXPECT_EQ(get(QStringLiteral("disk/sub/a.txt")), "a");
    // And back onto the memory filesystem, over an existing file.
    EXPECT_EQ(fs::copyFile(QStringLiteral("D:\\disk\\big.bin"), QStringLiteral("D:\\mem\\tree\\sub\\a.txt")), Status::Ok);
    EXPECT_TRUE(get(QStringLiteral("mem/tree/sub/a.txt")) == data);
    EXPECT_EQ(everything(QStringLiteral("disk")), (QStringList{"big.bin", "sub"}));
}

TEST_F(FileSystemTest, DeleteFolderWithoutForceKeepsReadOnlyFilesAndTheirFolders)
{
    put(QStringLiteral("w/plain.txt"));
    put(QStringLiteral("w/sub/ro.txt"), "ro");
    put(QStringLiteral("w/other/x.txt"));
    ASSERT_TRUE(fs::setReadOnly(QStringLiteral("D:\\w\\sub\\ro.txt"), true));
    const Status s = fs::deleteFolder(QStringLiteral("D:\\w"));
    EXPECT_EQ(s, Status::Failed);
    EXPECT_EQ(s.path(), QStringLiteral("D:\\w\\sub\\ro.txt"));
    EXPECT_EQ(s.reason(), QStringLiteral("文件只读"));
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

// Names as unpacked from an archive made on Windows (code page 936 bytes)
// are no UTF-8: the files are deleted by their own bytes all the same.
TEST_F(FileSystemTest, DeleteFilesByPatternTakesNamesInWindowsBytes)
{
    put(QStringLiteral("f/keep.txt"));
    const QByteArray raw = QFile::encodeName(d(QStringLiteral("f"))) + '/' + testing_support::gbk(QStringLiteral("成绩.jpg"));
    FILE* f = std::fopen(raw.constData(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_EQ(fs::deleteFiles(QStringLiteral("D:\\f"), QStringLiteral("*.jpg")), Status::Ok);
    EXPECT_NE(::access(raw.constData(), F_OK), 0) << "the file in code page 936 bytes stays";
    EXPECT_TRUE(there(QStringLiteral("f/keep.txt")));
}

TEST_F(FileSystemTest, CreateFolderNeedsItsParentAndFailsWhenPresent)
{
    EXPECT_EQ(fs::createFolder(QStringLiteral("D:\\实训素材")), Status::Ok);
    EXPECT_TRUE(fs::folderExists(QStringLiteral("D:\\实训素材")));
    EXPECT_EQ(fs::createFolder(QStringLiteral("D:\\实训素材")), Status::Failed);
    EXPECT_EQ(fs::createFolder(QStringLiteral("D:\\a\\b")), Status::Failed);
    EXPECT_FALSE(there(QStringLiteral("a")));
}

TEST_F(FileSystemTest, MakePathCreatesEveryMissingFolderAndNamesWhatStandsInTheWay)
{
    EXPECT_EQ(fs::makePath(QStringLiteral("D:\\a\\b\\c")), Status::Ok);
    EXPECT_TRUE(fs::folderExists(QStringLiteral("D:\\a\\b\\c")));
    EXPECT_EQ(fs::makePath(QStringLiteral("D:\\a\\b\\")), Status::Ok) << "already there";
    put(QStringLiteral("a/file"));
    const Status blocked = fs::makePath(QStringLiteral("D:\\a\\file\\x"));
    EXPECT_EQ(blocked, Status::Failed);
    EXPECT_TRUE(blocked.path().endsWith(QStringLiteral("a/file"))) << blocked.path().toStdString();
    EXPECT_FALSE(blocked.reason().isEmpty());
    EXPECT_TRUE(there(QStringLiteral("a/file")));
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

// A link is not a folder of its own (a delete through it would reach what
// it leads to); as a file it counts as what it leads to.
TEST_F(FileSystemTest, LinksCountAsFilesByWhatTheyLeadToAndNeverAsFolders)
{
    put(QStringLiteral("dir/a.txt"));
    put(QStringLiteral("f.txt"));
    ASSERT_TRUE(QFile::link(d(QStringLiteral("dir")), d(QStringLiteral("toDir"))));
    ASSERT_TRUE(QFile::link(d(QStringLiteral("f.txt")), d(QStringLiteral("toFile"))));
    ASSERT_TRUE(QFile::link(d(QStringLiteral("gone")), d(QStringLiteral("dangling"))));
    const struct {
        const char* name;
        bool folder, file;
    } cases[] = {{"dir", true, false},    {"f.txt", false, true},     {"toDir", false, false},
                 {"toFile", false, true}, {"dangling", false, false}, {"none", false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = QStringLiteral("D:\\") + QString::fromUtf8(c.name);
        EXPECT_EQ(fs::folderExists(path), c.folder);
        EXPECT_EQ(fs::fileExists(path), c.file);
    }
}

}  // namespace

// The hand-in's verified copy goes through the same byte copier: a file
// larger than the pieces it reports progress by arrives whole, across
// filesystems too, and a full disk leaves nothing under the target's name.
namespace {

class VerifiedCopy : public FileSystemTest {};

TEST_F(VerifiedCopy, LargeFileArrivesWholeWithProgressToTheEnd)
{
    Tmpfs mem(d(QStringLiteral("mem")), "64m");
    const QByteArray data = pattern((qsizetype(1) << 20) * 19 + 777);
    put(QStringLiteral("src/big.bin"), data);
    QStringList targets{QStringLiteral("dst/big.bin")};
    if (mem.mounted()) targets << QStringLiteral("mem/big.bin");
    QDir().mkpath(d(QStringLiteral("dst")));
    for (const QString& t : targets) {
        QList<int> seen;
        QString error;
        EXPECT_TRUE(plat::copyFileVerified(d(QStringLiteral("src/big.bin")), d(t), [&](int p) { seen << p; }, &error))
            << error.toStdString();
        EXPECT_TRUE(get(t) == data) << t.toStdString();
        ASSERT_FALSE(seen.isEmpty());
        EXPECT_GT(seen.size(), 1) << "progress moves during the copy";
        EXPECT_EQ(seen.last(), 100);
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    }
}

TEST_F(VerifiedCopy, FullDiskOrMissingSourceFailsAndLeavesNoTarget)
{
    QString error;
    EXPECT_FALSE(plat::copyFileVerified(d(QStringLiteral("none.bin")), d(QStringLiteral("t.bin")), {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(there(QStringLiteral("t.bin")));

    Tmpfs full(d(QStringLiteral("full")), "1m");
    if (!full.mounted()) GTEST_SKIP() << full.why();
    put(QStringLiteral("big.bin"), pattern(kLarge));
    error.clear();
    EXPECT_FALSE(plat::copyFileVerified(d(QStringLiteral("big.bin")), d(QStringLiteral("full/big.bin")), {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(everything(QStringLiteral("full")), QStringList{});
}

}  // namespace
