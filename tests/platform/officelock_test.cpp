// LibreOffice lock files: a document open there holds no file open, its
// lock file beside it says it is in use.
#include "platform/officelock.h"
#include "process_support.h"
#include "test_hooks.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

void put(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

// An office program on the default profile, run by this user: it may hold
// any lock of this user.
class WithOfficeRunning : public testing_support::TestHooks {
public:
    WithOfficeRunning() { officeProcesses({{::getuid(), QString()}}); }
};

TEST(OfficeLock, ALockFileBesideTheDocumentOrUnderTheFolderCounts)
{
    const WithOfficeRunning office;
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
    testing_support::TestHooks hooks;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    // Some office program runs, so an unreadable lock counts.
    hooks.officeProcesses(QList<plat::OfficeProcess>{{::getuid() + 1, QStringLiteral("file:///tmp/x")}});
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

QString userName()
{
    const passwd* pw = ::getpwuid(::getuid());
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QString();
}

// A lock as LibreOffice writes it: name, user, host, time, profile.
QByteArray lockText(const QString& user, const QString& host, const QString& profile)
{
    return (QStringLiteral("Lehrer\\, A,") + user + ',' + host + QStringLiteral(",11.12.2026 06:00,") + profile + ';').toUtf8();
}

TEST(OfficeLock, ALockCountsOnlyWhileAnOfficeProgramOfItsOwnerCanHoldIt)
{
    testing_support::TestHooks hooks;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString me = userName();
    ASSERT_FALSE(me.isEmpty());
    const QString host = QSysInfo::machineHostName();
    const QString profile = QStringLiteral("file:///home/s/.config/libreoffice/4");
    const QString other = QStringLiteral("file:///tmp/其他/profile");
    const uint uid = ::getuid();
    const struct {
        const char* what;
        QByteArray lock;
        QList<plat::OfficeProcess> running;
        bool live;
    } cases[] = {
        {"no office program: stale", lockText(me, host, profile), {}, false},
        {"no office program, unreadable lock: stale", "x", {}, false},
        {"default profile of the owner", lockText(me, host, profile), {{uid, QString()}}, true},
        {"the owner's own profile", lockText(me, host, profile), {{uid, profile + '/'}}, true},
        {"only another profile runs", lockText(me, host, profile), {{uid, other}}, false},
        {"only another user's program runs", lockText(me, host, profile), {{uid + 1, QString()}}, false},
        {"a profile given by a path variable", lockText(me, host, profile), {{uid, QStringLiteral("$SYSUSERCONFIG/x")}}, true},
        {"written on another machine", lockText(me, QStringLiteral("other-pc-7"), profile), {{uid + 1, other}}, true},
        {"unreadable lock, some office program", "x", {{uid + 1, other}}, true},
    };
    const QString doc = dir.path() + QStringLiteral("/报告.docx");
    put(doc);
    const QString lock = dir.path() + '/' + plat::officeLockName(QStringLiteral("报告.docx"));
    for (const auto& c : cases) {
        QFile f(lock);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.lock);
        f.close();
        hooks.officeProcesses(c.running);
        EXPECT_EQ(plat::officeLockLive(lock), c.live) << c.what;
        EXPECT_EQ(plat::officeLockHeld(doc), c.live) << c.what;
        EXPECT_EQ(plat::officeLockHeld(dir.path()), c.live) << c.what;
        EXPECT_EQ(plat::staleOfficeLocks(dir.path()).size(), c.live ? 0 : 1) << c.what;
    }
    QFile f(lock);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(lockText(me, host, profile));
    f.close();
    const std::optional<plat::OfficeLockOwner> owner = plat::readOfficeLock(lock);
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->user, me);
    EXPECT_EQ(owner->profileUrl, profile);
}

TEST(OfficeLock, RemovingStaleLocksLeavesLiveLocksAndDocuments)
{
    testing_support::TestHooks hooks;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString me = userName();
    const QString host = QSysInfo::machineHostName();
    const QString mine = QStringLiteral("file:///tmp/mine/profile");
    const QString gone = QStringLiteral("file:///tmp/crashed/profile");
    const auto lockWith = [&](const QString& rel, const QString& profile) {
        QDir().mkpath(QFileInfo(dir.path() + rel).absolutePath());
        QFile f(dir.path() + rel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lockText(me, host, profile));
    };
    put(dir.path() + QStringLiteral("/a/文档.docx"));
    put(dir.path() + QStringLiteral("/b/表格.xlsx"));
    lockWith(QStringLiteral("/a/.~lock.文档.docx#"), mine);
    lockWith(QStringLiteral("/b/.~lock.表格.xlsx#"), gone);
    hooks.officeProcesses(QList<plat::OfficeProcess>{{::getuid(), mine}});
    const plat::OfficeLockSweep sweep = plat::removeStaleOfficeLocks(dir.path());
    EXPECT_TRUE(sweep.kept.isEmpty());
    EXPECT_TRUE(sweep.held);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + QStringLiteral("/a/.~lock.文档.docx#")));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("/b/.~lock.表格.xlsx#")));
    EXPECT_TRUE(QFileInfo::exists(dir.path() + QStringLiteral("/b/表格.xlsx")));
    EXPECT_TRUE(plat::officeLockHeld(dir.path()));
}

// One real LibreOffice serves both halves: its first start (a new profile)
// is the slow part.
TEST(OfficeLock, ARealLibreOfficeLockCountsWhileItRunsAndNoLongerOnceItWasKilledHard)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) not installed: the lock-file tables cover the rule";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString doc = dir.path() + QStringLiteral("/文档.txt");
    put(doc);
    const QString lock = dir.path() + '/' + plat::officeLockName(QStringLiteral("文档.txt"));
    EXPECT_FALSE(plat::officeLockHeld(doc));
    {
        testing_support::RunningProgram office(
            soffice, {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                      QStringLiteral("-env:UserInstallation=file://") + dir.path() + QStringLiteral("/profile"), doc});
        ASSERT_TRUE(office.started());
        ASSERT_TRUE(testing_support::waitFor([&] { return plat::officeLockHeld(doc); }, 60000));
        EXPECT_TRUE(plat::officeLockHeld(dir.path()));
        EXPECT_TRUE(plat::staleOfficeLocks(dir.path()).isEmpty());
    }  // killed with SIGKILL, the whole group: the lock stays behind
    for (const plat::OfficeProcess& p : plat::runningOfficeProcesses())
        if (p.uid == ::getuid() && p.profileUrl.isEmpty())
            GTEST_SKIP() << "an office program of this user runs on the default profile: it may hold any lock";
    const QString profile = QStringLiteral("file://") + dir.path() + QStringLiteral("/profile");
    ASSERT_TRUE(testing_support::waitFor(
        [&] {
            for (const plat::OfficeProcess& p : plat::runningOfficeProcesses())
                if (p.profileUrl == profile) return false;
            return true;
        },
        10000));
    ASSERT_TRUE(QFileInfo::exists(lock));
    EXPECT_FALSE(plat::officeLockHeld(doc));
    EXPECT_FALSE(plat::officeLockHeld(dir.path()));
    const plat::OfficeLockSweep sweep = plat::removeStaleOfficeLocks(dir.path());
    EXPECT_TRUE(sweep.kept.isEmpty());
    EXPECT_FALSE(sweep.held);
    EXPECT_FALSE(QFileInfo::exists(lock));
    EXPECT_TRUE(QFileInfo::exists(doc));
}

}  // namespace
