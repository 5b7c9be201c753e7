// The hand-in: every fault leaves the student's work where it was, with a
// message; the happy path's archive holds every file with its size.
#include "common/handin.h"
#include "common/messages.h"
#include "platform/archive.h"
#include "platform/paths.h"
#include "platform_fixture.h"
#include "process_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include <sys/mount.h>
#include <unistd.h>

namespace {

QString folderPath() { return plat::appPath(QStringLiteral("\\素材\\bk\\任务项目\\提交\\word\\2026001张三")); }
QString packedPath() { return plat::appPath(QStringLiteral("\\素材\\bk\\任务项目\\已提交\\word\\2026001张三.rar")); }

QByteArray noise(int n, quint32 seed)
{
    QRandomGenerator g(seed);
    QByteArray b(n, Qt::Uninitialized);
    for (char& c : b) c = char(g.bounded(256));
    return b;
}

class HandInTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        installArchiver(QStringLiteral(CORVANTH_BUILD_DIR "/Rar.exe"));
        // The student's work: Chinese names, a blank, a sub-folder, an empty file.
        put(QStringLiteral("文档 一.docx"), noise(3000, 1));
        put(QStringLiteral("Mission_One/素材/图片.jpg"), noise(70000, 2));
        put(QStringLiteral("Mission_One/空.txt"), QByteArray());
        target_ = dir_->path() + QStringLiteral("/提交 目录");
        ASSERT_TRUE(QDir().mkpath(target_));
        before_ = snapshot();
    }
    void TearDown() override
    {
        if (!mounted_.isEmpty()) ::umount(QFile::encodeName(mounted_).constData());
        QFile(target_).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        PlatformTest::TearDown();
    }

    QString archiverHost() const { return plat::toHost(plat::appPath(common::kArchiverExe)); }
    void installArchiver(const QString& from)
    {
        QDir().mkpath(QFileInfo(archiverHost()).absolutePath());
        QFile::remove(archiverHost());
        ASSERT_TRUE(QFile::copy(from, archiverHost()));
        QFile::setPermissions(archiverHost(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    void installScript(const QByteArray& body)
    {
        QFile f(archiverHost());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("#!/bin/sh\n" + body);
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    void put(const QString& rel, const QByteArray& data)
    {
        const QString p = plat::toHost(folderPath()) + '/' + rel;
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    // Every file of the work folder with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> out;
        const QString root = plat::toHost(folderPath());
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            f.open(QIODevice::ReadOnly);
            out.insert(QDir(root).relativeFilePath(f.fileName()), f.readAll());
        }
        return out;
    }
    common::HandInResult handIn(const QString& targetFolder)
    {
        common::HandIn h;
        h.folder = folderPath();
        h.packedArchive = packedPath();
        h.targetFolder = targetFolder;
        h.submissionName = QStringLiteral("word_1_2026001张三.vorqv");
        h.progress = [this](int p) { progress_ << p; };
        h.record = [this](QString*) {
            ++recorded_;
            return true;
        };
        h.timeoutMs = 60000;
        h.replaces = replaces_;
        return common::handInFolder(h);
    }
    QByteArray packedBytes() const
    {
        QFile f(plat::toHost(packedPath()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString target_;
    QString mounted_;
    QMap<QString, QByteArray> before_;
    QList<int> progress_;
    QStringList replaces_;
    int recorded_ = 0;
};

// Started without a UTF-8 locale (LANG unset, as in a bare session), the
// archive's Chinese names still read back, so a sound hand-in goes through.
TEST_F(HandInTest, UnderTheCLocaleTheChineseNamesReadBackAndTheHandInGoesThrough)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    const auto r = handIn(target_);
    std::setlocale(LC_ALL, previous.c_str());
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(plat::toHost(folderPath())));
}

TEST_F(HandInTest, HappyPathArchiveHoldsEveryFileAndTheFolderGoesOnlyAfterwards)
{
    // Left by a hand-in killed while writing the submission file.
    QFile left(target_ + QStringLiteral("/word_12_2026001张三.vorqv.part"));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    const auto r = handIn(target_);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(recorded_, 1);
    EXPECT_FALSE(QFileInfo::exists(plat::toHost(folderPath())));
    const QString sub = target_ + QStringLiteral("/word_1_2026001张三.vorqv");
    EXPECT_EQ(r.submission, sub);
    QFile s(sub);
    ASSERT_TRUE(s.open(QIODevice::ReadOnly));
    EXPECT_EQ(s.readAll(), packedBytes());
    EXPECT_FALSE(QFileInfo::exists(sub + QStringLiteral(".part")));
    EXPECT_FALSE(left.exists());
    ASSERT_FALSE(progress_.isEmpty());
    EXPECT_EQ(progress_.first(), -1) << "while the archiver runs the bar shows that work goes on";
    EXPECT_EQ(progress_.last(), 100);

    // Read back file by file: the folder's own name, Chinese names, sizes.
    const auto entries = plat::listArchive(sub);
    ASSERT_TRUE(entries);
    QMap<QString, qint64> files;
    for (const auto& e : *entries)
        if (!e.folder) files.insert(e.name, e.size);
    QMap<QString, qint64> expected;
    for (auto it = before_.begin(); it != before_.end(); ++it)
        expected.insert(QStringLiteral("2026001张三/") + it.key(), it.value().size());
    EXPECT_EQ(files, expected);
    // Names are flagged as UTF-8 for ordinary archive tools.
    const QByteArray head = packedBytes().left(8);
    ASSERT_TRUE(head.startsWith("PK\x03\x04"));
    EXPECT_TRUE(quint8(head[7]) & 0x08) << "general purpose flag bit 11";
    if (!QStandardPaths::findExecutable(QStringLiteral("bsdtar")).isEmpty()) {
        QProcess t;
        testing_support::startInUtf8Locale(t, QStringLiteral("bsdtar"), {QStringLiteral("-tf"), sub});
        ASSERT_TRUE(t.waitForFinished(20000));
        EXPECT_EQ(t.exitCode(), 0);
        EXPECT_TRUE(QString::fromUtf8(t.readAllStandardOutput()).contains(QStringLiteral("2026001张三/Mission_One/素材/图片.jpg")));
    }
}

TEST_F(HandInTest, ASecondHandInKeepsTheFirstOnesFilesInThePackedArchive)
{
    ASSERT_TRUE(handIn(target_).ok);
    put(QStringLiteral("Mission_Two/表.xlsx"), noise(500, 3));
    const auto r = handIn(target_);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    const auto entries = plat::listArchive(plat::toHost(packedPath()));
    ASSERT_TRUE(entries);
    QStringList names;
    for (const auto& e : *entries) names << e.name;
    EXPECT_TRUE(names.contains(QStringLiteral("2026001张三/文档 一.docx")));
    EXPECT_TRUE(names.contains(QStringLiteral("2026001张三/Mission_Two/表.xlsx")));
}

// A name in GBK bytes (unpacked from a Windows archive) is named before
// anything is packed; once the student removes it the hand-in goes through.
// A "\" in a name and an office lock file do not stop it; the lock file is
// not handed in.
// A task handed in again (after a reset) replaces its folder in the packed
// archive: a file the student deleted since does not come back; the other
// tasks' files stay.
TEST_F(HandInTest, AFolderHandedInAgainReplacesItsEarlierEntries)
{
    ASSERT_TRUE(handIn(target_).ok);
    put(QStringLiteral("Mission_One/新.txt"), "new");
    replaces_ = {QStringLiteral("2026001张三/Mission_One/")};
    const auto r = handIn(target_);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    const auto entries = plat::listArchive(r.submission);
    ASSERT_TRUE(entries);
    QStringList names;
    for (const auto& e : *entries)
        if (!e.folder) names << e.name;
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("2026001张三/Mission_One/新.txt"), QStringLiteral("2026001张三/文档 一.docx")}));
}

struct OddName {
    const char* label;
    QByteArray bytes;     // the name on disk, below Mission_One
    const char* packed;   // the entry name expected, "" when the file is named and refused
};

// Names as files arrive from elsewhere: GBK bytes unpacked from a Windows
// archive are packed as the name Windows shows (each part of a path on its
// own: the folder the student unpacked into keeps its name), a "\" stays
// part of the name, bytes of no character set are named before anything is
// packed and, once the student removes the file, the next attempt goes
// through. An office lock file is never handed in.
TEST_F(HandInTest, OddNamesArePackedOrNamedAndLockFilesStayOut)
{
    const OddName cases[] = {
        {"gbk", QByteArray("\xd6\xd0\xce\xc4.txt"), "中文.txt"},
        {"backslash", QByteArray("a\\b.txt"), "a\\b.txt"},
        {"gbk in a folder of a UTF-8 name", QByteArray("解压/\xd6\xd0\xce\xc4.txt"), "解压/中文.txt"},
        {"no character set", QByteArray("\xff\xfe.txt"), ""},
    };
    put(QStringLiteral(".~lock.文档 一.docx#"), "user,host,/home/user/.config;");
    const QByteArray dir = QFile::encodeName(plat::toHost(folderPath())) + "/Mission_One/";
    for (const OddName& c : cases) {
        SCOPED_TRACE(c.label);
        const QByteArray path = dir + c.bytes;
        ASSERT_TRUE(QDir().mkpath(QFile::decodeName(path.left(path.lastIndexOf('/')))));
        FILE* raw = std::fopen(path.constData(), "w");
        ASSERT_NE(raw, nullptr);
        std::fputs(c.label, raw);
        std::fclose(raw);
        auto r = handIn(target_);
        if (QByteArray(c.packed).isEmpty()) {
            EXPECT_FALSE(r.ok);
            EXPECT_TRUE(r.message.contains(QStringLiteral("文件名无法识别"))) << r.message.toStdString();
            EXPECT_EQ(::access(path.constData(), F_OK), 0) << "the student's file stays";
            ASSERT_EQ(std::remove(path.constData()), 0);
            r = handIn(target_);
        }
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        const auto entries = plat::listArchive(r.submission);
        ASSERT_TRUE(entries);
        QStringList names;
        for (const auto& e : *entries) names << e.name;
        if (!QByteArray(c.packed).isEmpty()) {
            EXPECT_TRUE(names.contains(QStringLiteral("2026001张三/Mission_One/") + QString::fromUtf8(c.packed)))
                << names.join(' ').toStdString();
        }
        EXPECT_TRUE(names.filter(QStringLiteral(".~lock.")).isEmpty()) << names.join(' ').toStdString();
        // The hand-in removed the folder: lay the work out again.
        put(QStringLiteral("Mission_One/空.txt"), QByteArray());
        put(QStringLiteral(".~lock.文档 一.docx#"), "user,host,/home/user/.config;");
    }
}

struct Fault {
    const char* name;
    QString expectInMessage;
};

class HandInFaultTest : public HandInTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(HandInFaultTest, NothingIsLostAndTheStudentIsTold)
{
    const std::string fault = GetParam().name;
    QString target = target_;
    // An earlier hand-in's packed archive must survive as well.
    QDir().mkpath(QFileInfo(plat::toHost(packedPath())).absolutePath());
    {
        ASSERT_TRUE(common::uPackFolder(packedPath(), folderPath(), nullptr, 60000).ok);
    }
    const QByteArray earlier = packedBytes();
    ASSERT_FALSE(earlier.isEmpty());

    if (fault == "archiver missing") {
        QFile::remove(archiverHost());
    } else if (fault == "archiver failing") {
        installScript("echo broken >&2\nexit 3\n");
    } else if (fault == "archive truncated") {
        QFile::copy(QStringLiteral(CORVANTH_BUILD_DIR "/Rar.exe"), archiverHost() + QStringLiteral(".real"));
        installScript("\"$0.real\" \"$@\" || exit $?\ntruncate -s 2000 \"$2\"\n");
    } else if (fault == "data bytes overwritten") {
        // Twelve bytes inside the picture's data, the archive otherwise whole.
        QFile::copy(QStringLiteral(CORVANTH_BUILD_DIR "/Rar.exe"), archiverHost() + QStringLiteral(".real"));
        installScript("\"$0.real\" \"$@\" || exit $?\n"
                      "printf 'XXXXXXXXXXXX' | dd of=\"$2\" bs=1 seek=40000 count=12 conv=notrunc 2>/dev/null\n");
    } else if (fault == "central directory end cut") {
        QFile::copy(QStringLiteral(CORVANTH_BUILD_DIR "/Rar.exe"), archiverHost() + QStringLiteral(".real"));
        installScript("\"$0.real\" \"$@\" || exit $?\ntruncate -s -22 \"$2\"\n");
    } else if (fault == "archiver crashes") {
        installScript("kill -SEGV $$\n");
    } else if (fault == "archiver hangs") {
        installScript("exec sleep 30\n");
    } else if (fault == "target read-only") {
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    } else if (fault == "target disk full") {
        target = dir_->path() + QStringLiteral("/小盘");
        QDir().mkpath(target);
        if (::mount("tmpfs", QFile::encodeName(target).constData(), "tmpfs", 0, "size=16k") != 0)
            GTEST_SKIP() << "no tmpfs mount here";
        mounted_ = target;
    } else if (fault == "target inside D:") {
        target = plat::driveD() + QStringLiteral("/Word_Mission");
        QDir().mkpath(target);
    } else if (fault == "target inside materials") {
        target = hostPath(QStringLiteral("素材/bk"));
    } else if (fault == "target missing") {
        target = dir_->path() + QStringLiteral("/不存在");
    } else if (fault == "target empty") {
        target.clear();
    }

    common::HandIn h;
    h.folder = folderPath();
    h.packedArchive = packedPath();
    h.targetFolder = target;
    h.submissionName = QStringLiteral("word_1_2026001张三.vorqv");
    h.record = [this](QString*) {
        ++recorded_;
        return true;
    };
    h.timeoutMs = fault == "archiver hangs" ? 500 : 60000;
    const auto r = common::handInFolder(h);

    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(GetParam().expectInMessage)) << r.message.toStdString();
    EXPECT_EQ(recorded_, 0);
    EXPECT_EQ(snapshot(), before_) << "the work folder is unchanged";
    EXPECT_EQ(packedBytes(), earlier) << "the earlier packed archive is unchanged";
    if (!target.isEmpty() && QFileInfo(target).isDir()) {
        EXPECT_TRUE(QDir(target).entryList(QDir::Files | QDir::Hidden).isEmpty()) << "no half submission file";
    }
    QStringList strays = QDir(QFileInfo(plat::toHost(packedPath())).absolutePath()).entryList(QDir::Files);
    EXPECT_EQ(strays, QStringList{QStringLiteral("2026001张三.rar")});
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HandInFaultTest,
    ::testing::Values(Fault{"archiver missing", "找不到打包程序"}, Fault{"archiver failing", "错误代码 3"},
                      Fault{"archive truncated", "压缩包检查未通过"},
                      Fault{"data bytes overwritten", "压缩包检查未通过"},
                      Fault{"central directory end cut", "压缩包检查未通过"}, Fault{"archiver crashes", "异常结束"}, Fault{"archiver hangs", "打包超时"},
                      Fault{"target read-only", "不能写入"}, Fault{"target disk full", "提交文件写入失败"},
                      Fault{"target inside D:", "D盘"}, Fault{"target inside materials", "素材文件夹"},
                      Fault{"target missing", "不存在"}, Fault{"target empty", common::msg::kChooseSaveFolder}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

}  // namespace
