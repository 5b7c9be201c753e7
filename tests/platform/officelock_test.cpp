// LibreOffice lock files: a document open there holds no file open, its
// lock file beside it says it is in use.
#include "platform/officelock.h"
#include "process_support.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void put(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(OfficeLock, ALockFileBesideTheDocumentOrUnderTheFolderCounts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    put(root + QStringLiteral("/实训素材/sub/报告.docx"));
    put(root + QStringLiteral("/实训素材/other.xlsx"));
    put(root + QStringLiteral("/winsys/a.txt"));
    EXPECT_EQ(plat::officeLockName(QStringLiteral("报告.docx")), QStringLiteral(".~lock.报告.docx#"));
    EXPECT_FALSE(plat::officeLockHeld(root + QStringLiteral("/实训素材")));

    put(root + QStringLiteral("/实训素材/sub/.~lock.报告.docx#"));
    const struct {
        const char* path;
        bool locked;
    } cases[] = {{"/实训素材/sub/报告.docx", true}, {"/实训素材/sub", true},      {"/实训素材", true},
                 {"/实训素材/other.xlsx", false},   {"/winsys", false},           {"/winsys/a.txt", false},
                 {"/absent.docx", false},            {"/实训素材/absent", false}};
    for (const auto& c : cases) EXPECT_EQ(plat::officeLockHeld(root + QString::fromUtf8(c.path)), c.locked) << c.path;
}

TEST(OfficeLock, AFolderIsSearchedThroughHiddenFoldersButNotThroughLinks)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    put(root + QStringLiteral("/outside/.~lock.a.docx#"));
    put(root + QStringLiteral("/深/.隐藏/层/.~LOCK.表格.xlsx#"));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/浅/.~lock.folder#")));  // a folder of that name is no lock
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/outside"), root + QStringLiteral("/浅/link")));
    put(root + QStringLiteral("/浅/.~lock.notyet"));  // no closing #
    EXPECT_TRUE(plat::officeLockHeld(root + QStringLiteral("/深")));
    EXPECT_FALSE(plat::officeLockHeld(root + QStringLiteral("/浅")));
    put(root + QStringLiteral("/浅/.~lock.#"));
    EXPECT_TRUE(plat::officeLockHeld(root + QStringLiteral("/浅")));
}

TEST(OfficeLock, ADocumentOpenInRealLibreOfficeCounts)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) not installed: only the lock-file cases run";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString doc = dir.path() + QStringLiteral("/文档.txt");
    put(doc);
    EXPECT_FALSE(plat::officeLockHeld(doc));
    testing_support::RunningProgram office(
        soffice, {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                  QStringLiteral("-env:UserInstallation=file://") + dir.path() + QStringLiteral("/profile"), doc});
    ASSERT_TRUE(office.started());
    EXPECT_TRUE(testing_support::waitFor([&] { return plat::officeLockHeld(doc); }, 60000));
    EXPECT_TRUE(plat::officeLockHeld(dir.path()));
}

}  // namespace
