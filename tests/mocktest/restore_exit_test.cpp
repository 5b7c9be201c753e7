// 恢复本题 and the close of the mock test: sources checked before anything
// is deleted, every kind guarded, servers stopped before their folders go,
// a held or read-only folder named and kept.
#include "mock_support.h"
#include "mocktest/paper/restore.h"
#include "platform/officelock.h"
#include "process_support.h"

#include <unistd.h>

using mock_support::MockTest;
using testing_support::ScriptedMessageBoxes;
using namespace mocktest;

namespace {

class MockRestoreTest : public MockTest {};

TEST_F(MockRestoreTest, RestoreRebuildsTheSlotFolderAndDocumentPerLevel)
{
    struct Case {
        const char* level;
        const char* page;
        int slot;
        const char* folder;    // the rebuilt material folder on D:
        const char* material;  // a file of the material
    };
    const Case cases[] = {
        {"入门", "word", 3, "KSDOC/03", "校园.jpg"},
        {"普通", "word", 1, "KSDOC", "名单.xlsx"},  // flat; the last-numbers paper draws word 2
        {"困难", "word", 1, "KSDOC/01", ""},      // no material: the folder is removed
        {"入门", "windows", 3, "KSWIN/03", "资料/目录.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.level) + " " + c.page);
        hooks.random(QByteArray(c.level) == "普通" ? mock_support::last : mock_support::first);
        auto* w = paperFor(QString::fromUtf8(c.level), true);
        ScriptedMessageBoxes& boxes = levelBoxes();
        openSlot(w, QString::fromUtf8(c.page), c.slot);
        const QString kind = w->state.操作题题型;
        const QString doc = plat::toHost(workingDocument(kind, w->state.扩展名, w->state.序号));
        touch(doc, "edited");
        touch(d(QString::fromUtf8(c.folder) + QStringLiteral("/学生.txt")));
        boxes.expectRestored();
        click(w, QStringLiteral("恢复本题"));
        EXPECT_FALSE(exists(d(QString::fromUtf8(c.folder) + QStringLiteral("/学生.txt"))));
        if (*c.material) { EXPECT_TRUE(exists(d(QString::fromUtf8(c.folder) + '/' + QString::fromUtf8(c.material)))); }
        else EXPECT_FALSE(exists(d(QString::fromUtf8(c.folder))));
        EXPECT_EQ(read(doc), read(plat::toHost(pristineDocument(kind, w->state.扩展名, w->state.序号))));
    }
}

// A missing source is found after the question and before any deletion.
TEST_F(MockRestoreTest, MissingSourceChangesNothing)
{
    struct Case {
        const char* page;
        int slot;
        const char* remove;  // under the working tree
        const char* folder;  // slot folder that must survive
    };
    const Case cases[] = {
        {"word", 3, "word/bk/word03.docx", "KSDOC/03"},
        {"word", 3, "word/素材/考试素材/03", "KSDOC/03"},
        {"windows", 2, "windows/素材/考试素材/02", "KSWIN/02"},
        {"网络", 1, "network/bk/network01.net", "KSNET/01"},
    };
    // One paper for all cases: each source comes back after its case.
    auto* w = paperFor(QStringLiteral("入门"), true);
    ScriptedMessageBoxes& boxes = levelBoxes();
    boxes.allowAnyOk = true;
    const QString away = hostPath(QStringLiteral("移走的源"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remove);
        openSlot(w, QString::fromUtf8(c.page), c.slot);
        const QString removed = mt(QString::fromUtf8(c.remove));
        ASSERT_TRUE(QDir().rename(removed, away));
        touch(d(QString::fromUtf8(c.folder) + QStringLiteral("/学生.txt")));
        boxes.shown.clear();
        boxes.expectYesNo(common::msg::kAskRestore, true);
        click(w, QStringLiteral("恢复本题"));
        ASSERT_EQ(boxes.shown.size(), 2);
        EXPECT_EQ(boxes.shown[1], mocktest::msg::kRestoreSourceMissing);
        EXPECT_TRUE(exists(d(QString::fromUtf8(c.folder) + QStringLiteral("/学生.txt"))));
        ASSERT_TRUE(QDir().rename(away, removed));
    }
}

TEST_F(MockRestoreTest, NetworkRestoreIsGuardedAndNoMeansNoChange)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    openSlot(w, QStringLiteral("网络"), 2);
    touch(d(QStringLiteral("KSNET/02/学生.txt")));
    {
        testing_support::FileHolder held(d(QStringLiteral("KSNET/02/学生.txt")));
        ASSERT_TRUE(held.holding());
        boxes.expectOk(common::filesOpenMessage(QStringLiteral("KSNET")));
        click(w, QStringLiteral("恢复本题"));
    }
    boxes.expectYesNo(common::msg::kAskRestore, false);
    click(w, QStringLiteral("恢复本题"));
    EXPECT_TRUE(exists(d(QStringLiteral("KSNET/02/学生.txt"))));
}

// A slot folder an interrupted restore left under the probe name: put back
// and restored when its own name is free; kept under a name of its own and
// named otherwise, and the restore goes on.
TEST_F(MockRestoreTest, LeftoverRestoreProbeIsPutBackOrKeptAside)
{
    struct Case {
        bool ownNameTaken;
    };
    for (const Case& c : {Case{false}, Case{true}}) {
        SCOPED_TRACE(c.ownNameTaken);
        auto* w = paperFor(QStringLiteral("入门"), true);
        ScriptedMessageBoxes& boxes = levelBoxes();
        openSlot(w, QStringLiteral("word"), 3);
        touch(d(QStringLiteral("KSDOC/03/学生.txt")));
        ASSERT_TRUE(QDir().rename(d(QStringLiteral("KSDOC")), d(QStringLiteral("改名w"))));
        if (c.ownNameTaken) {
            touch(d(QStringLiteral("KSDOC/01/新.txt")));
            boxes.shown.clear();
            boxes.expectOk();  // the leftover named
        }
        boxes.expectRestored();
        click(w, QStringLiteral("恢复本题"));
        EXPECT_FALSE(exists(d(QStringLiteral("改名w"))));
        if (c.ownNameTaken) {
            ASSERT_EQ(boxes.shown.size(), 3);
            const QStringList kept = QDir(drive_).entryList({QStringLiteral("改名w_留存_*")}, QDir::Dirs);
            ASSERT_EQ(kept.size(), 1);
            EXPECT_TRUE(boxes.shown[0].contains(kept[0])) << boxes.shown[0].toStdString();
            EXPECT_TRUE(exists(d(kept[0] + QStringLiteral("/03/学生.txt"))));
            EXPECT_TRUE(exists(d(QStringLiteral("KSDOC/01/新.txt"))));
            EXPECT_TRUE(exists(d(QStringLiteral("KSDOC/03/校园.jpg"))));
            QDir(d(kept[0])).removeRecursively();
        } else {
            EXPECT_FALSE(exists(d(QStringLiteral("KSDOC/03/学生.txt"))));
            EXPECT_TRUE(exists(d(QStringLiteral("KSDOC/03/校园.jpg"))));
            EXPECT_TRUE(exists(d(QStringLiteral("KSDOC/06"))));  // the other slots came back with it
        }
    }
}

// The slot's document open in an editor: held open by a process, or locked
// by a running office program. A rename would pass either; the restore asks
// nothing and changes nothing.
TEST_F(MockRestoreTest, AnOpenSlotDocumentRefusesTheRestore)
{
    for (const bool officeLock : {false, true}) {
        SCOPED_TRACE(officeLock ? "office lock" : "held open");
        auto* w = paperFor(QStringLiteral("入门"), true);
        ScriptedMessageBoxes& boxes = levelBoxes();
        openSlot(w, QStringLiteral("excel"), 2);
        const QString doc = plat::toHost(workingDocument(w->state.操作题题型, w->state.扩展名, w->state.序号));
        touch(doc, "edited");
        touch(d(QStringLiteral("KSXLS/02/学生.txt")));
        std::unique_ptr<testing_support::FileHolder> held;
        if (officeLock) {
            plat::setOfficeProcessesForTests(QList<plat::OfficeProcess>{{::getuid(), QString()}});
            touch(QFileInfo(doc).absolutePath() + '/' + plat::officeLockName(QFileInfo(doc).fileName()));
        } else {
            held = std::make_unique<testing_support::FileHolder>(doc);
            ASSERT_TRUE(held->holding());
        }
        boxes.shown.clear();
        boxes.expectOk(common::msg::kCloseDocument);
        click(w, QStringLiteral("恢复本题"));
        plat::setOfficeProcessesForTests(std::nullopt);
        EXPECT_EQ(boxes.shown.size(), 1);
        EXPECT_EQ(read(doc), QByteArray("edited"));
        EXPECT_TRUE(exists(d(QStringLiteral("KSXLS/02/学生.txt"))));
        EXPECT_EQ(QDir(QFileInfo(doc).absolutePath()).entryList(QDir::Files).filter(QStringLiteral("excel02")).size(), 0)
            << "nothing left under the probe name";
    }
}

// A file the question had the student make read-only: the restore clears
// the slot folder all the same and copies the material back.
TEST_F(MockRestoreTest, AReadOnlyFileInTheSlotFolderIsRestoredOver)
{
    auto* w = paperFor(QStringLiteral("入门"), true);
    ScriptedMessageBoxes& boxes = levelBoxes();
    openSlot(w, QStringLiteral("windows"), 3);
    touch(d(QStringLiteral("KSWIN/03/资料/旧文件.txt")));
    ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\KSWIN\\03\\资料\\旧文件.txt"), true));
    boxes.shown.clear();
    boxes.expectRestored();
    click(w, QStringLiteral("恢复本题"));
    EXPECT_FALSE(exists(d(QStringLiteral("KSWIN/03/资料/旧文件.txt"))));
    EXPECT_TRUE(exists(d(QStringLiteral("KSWIN/03/资料/目录.txt"))));
}

class MockExitTest : public MockRestoreTest {};

TEST_F(MockExitTest, HeldFolderRefusesTheClose)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    testing_support::FileHolder held(d(QStringLiteral("KSDOC/03/校园.jpg")));
    ASSERT_TRUE(held.holding());
    expectCloseQuestions(boxes);
    boxes.expectOk(common::filesOpenMessage(QStringLiteral("KSDOC")));
    EXPECT_FALSE(forms::unload(w));
    EXPECT_TRUE(exists(d(QStringLiteral("KSDOC/03/校园.jpg"))));
    EXPECT_TRUE(exists(d(QStringLiteral("KSWIN"))));
    // No at the second question: nothing looked at.
    expectCloseQuestions(boxes, false);
    EXPECT_FALSE(forms::unload(w));
}

TEST_F(MockExitTest, ServersStopBeforeTheirFoldersGoAndReadOnlyFilesGoWithTheirFolders)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    openSlot(w, QStringLiteral("网络"), 1);  // FTP server started
    bool servedAtKill = false;
    hooks.starts([&](const QString& host, const QStringList&, plat::WindowStyle) {
        const QString name = QFileInfo(host).fileName();
        starts << name;
        if (name == QStringLiteral("f-kill_app.exe")) {
            servedAtKill = exists(d(QStringLiteral("PracticalTraining")));
            running.removeAll(QStringLiteral("FTPServer.exe"));
        }
        return qint64(999999);
    });
    touch(d(QStringLiteral("KSXLS/01/只读.txt")));
    ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\KSXLS\\01\\只读.txt"), true));
    touch(d(QStringLiteral("KSXLS/01/其他.txt")));
    expectCloseQuestions(boxes);
    EXPECT_TRUE(forms::unload(w));
    EXPECT_TRUE(servedAtKill);
    EXPECT_TRUE(starts.contains(QStringLiteral("f-kill_app.exe")));
    for (const char* f : {"KSDOC", "KSXLS", "KSPPT", "KSWIN", "KSNET", "PracticalTraining", "IPtemp0000.txt"})
        EXPECT_FALSE(exists(d(QString::fromUtf8(f)))) << f;
}

}  // namespace
