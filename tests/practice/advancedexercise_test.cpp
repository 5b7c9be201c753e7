// 高级应用练习窗格: the Load, the restore, the document, the reference
// effects and the close, driven through the window's real widgets; and the
// eighteen exercises of the demo tree opened by the main window's buttons.
#include "common/handover.h"
#include "common/messages.h"
#include "common/navigation.h"
#include "faults.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/desktop.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "platform_fixture.h"
#include "practice/advancedexercise.h"
#include "practice/messages.h"
#include "process_support.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using practice::AdvancedExerciseWindow;
using testing_support::gbk;
using testing_support::ScriptedMessageBoxes;

namespace {

const QString kAdvancedWindow = QString::fromUtf8(AdvancedExerciseWindow::kName);
const QString kRoot = QStringLiteral("素材/bk/高级应用/");

// The tests write their own exercise ("word91"); the demo exercises are
// AdvancedDemoTreeTest's.
// Whether a text is the message `message` makes of some detail (the failed
// copies of a report, say).
bool withDetail(const QString& text, QString (*message)(const QString&))
{
    const QStringList around = message(QStringLiteral("\x1f")).split(QChar(0x1f));
    return text.size() > around[0].size() + around[1].size() && text.startsWith(around[0]) && text.endsWith(around[1]);
}

class AdvancedTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks_.screenDpi(96);
        hooks_.recordDesktop(desktop, testing_support::TestHooks::Noted::ActionAndText);
        // The folders of the hand-over files.
        for (const char* folder : {"素材/bk/题库", "素材/bk/高级应用"}) ASSERT_TRUE(QDir().mkpath(hostPath(QString::fromUtf8(folder))));
        signIn(QStringLiteral("2024001张三"), QStringLiteral("2024001"), QStringLiteral("张三"));
        EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more")));
        EXPECT_TRUE(uWriteTextFile(common::kCallMarkerFile, QStringLiteral("拓展训练")));
    }

    // Exercise "word91" of the tree: pristine document, one material file,
    // question text and reference-effect pictures of these heights (pixels;
    // no effect folder at all when `effects` is false).
    void exercise(const QList<int>& pictures = {}, bool effects = true) const
    {
        writeBytes(kRoot + QStringLiteral("题目文档/bk/word91.docx"), "pristine");
        writeBytes(kRoot + QStringLiteral("素材/word91/材料.txt"), "m");
        writeBytes(kRoot + QStringLiteral("题目内容/word91.txt"), gbk(QStringLiteral("第一行\r\n第二行\r\n")));
        if (effects) QDir().mkpath(hostPath(kRoot + QStringLiteral("参考效果/word91")));
        for (int i = 0; i < pictures.size(); ++i) jpeg(QStringLiteral("参考效果/word91/%1.jpg").arg(i + 1), 300, pictures[i]);
    }
    void jpeg(const QString& rel, int w, int h) const
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        ASSERT_TRUE(img.save(hostPath(kRoot + rel), "JPG"));
    }
    AdvancedExerciseWindow* open(const QString& request = QStringLiteral("word\r\n91\r\ndocx"))
    {
        EXPECT_TRUE(uWriteTextFile(common::kAdvancedRequest, request));
        return qobject_cast<AdvancedExerciseWindow*>(forms::show(kAdvancedWindow));
    }
    // Opened, then worked on: the document edited, a file of the student's
    // own in the working folder.
    AdvancedExerciseWindow* openAndWork()
    {
        AdvancedExerciseWindow* w = open();
        writeBytes(kDocument, "edited");
        QFile mine(drive_ + QStringLiteral("/考生文件夹/mine.txt"));
        EXPECT_TRUE(mine.open(QIODevice::WriteOnly));
        return w;
    }
    QPushButton* button(QWidget* w, const char* name) const { return w->findChild<QPushButton*>(QString::fromUtf8(name)); }
    bool onD(const QString& rel) const { return QFileInfo::exists(drive_ + '/' + rel); }
    QStringList workFiles() const { return QDir(drive_ + QStringLiteral("/考生文件夹")).entryList(QDir::Files); }
    QStringList documents() const { return QDir(hostPath(kRoot + QStringLiteral("题目文档/tm"))).entryList(QDir::Files); }
    QString display(const QString& rel) const { return plat::displayPath(plat::appPath(QStringLiteral("\\") + rel).replace('/', '\\')); }
    // The refusal naming the sources of word91 that are missing.
    QString missingMessage(const QString& task, bool document, bool material) const
    {
        QStringList lines;
        if (document) lines << practice::msg::missingDocument(display(kRoot + QStringLiteral("题目文档/bk/word91.docx")));
        if (material) lines << practice::msg::missingMaterial(display(kRoot + QStringLiteral("素材/word91")));
        return practice::msg::sourcesMissing(task, lines);
    }
    // Closes the window answering Yes twice.
    void close()
    {
        ScriptedMessageBoxes boxes;
        boxes.expectYesNo(common::msg::kAskExit, true);
        boxes.expectYesNo(practice::msg::kAskExitClearsWork, true);
        EXPECT_TRUE(forms::unload(kAdvancedWindow));
        processEvents();
    }

    const QString kDocument = kRoot + QStringLiteral("题目文档/tm/题目91.docx");
    QStringList desktop;
    // Last, so that the hooks go before what they write to.
    testing_support::TestHooks hooks_;
};

// ---- the Load -------------------------------------------------------------

TEST_F(AdvancedTest, LoadReplacesTheDocumentAndTheWorkingFolder)
{
    exercise({100});
    // An earlier exercise's document and working folder.
    writeBytes(kRoot + QStringLiteral("题目文档/tm/题目03.pptx"), "earlier");
    writeBytes(QStringLiteral("../D/考生文件夹/old.txt"), "old");
    ScriptedMessageBoxes boxes;  // no box at all
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->state.prepared);
    EXPECT_EQ(documents(), QStringList{QStringLiteral("题目91.docx")});
    EXPECT_EQ(bytes(kDocument), QByteArray("pristine"));
    EXPECT_EQ(workFiles(), QStringList{QStringLiteral("材料.txt")});
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QStringLiteral("第一行\n第二行\n"));
    EXPECT_EQ(w->caption(), QStringLiteral("拓展训练_word__91               当前用户信息：【2024001张三】"));
    // The note names the folder the student finds in the file manager.
    EXPECT_EQ(forms::caption(w->ctl(QStringLiteral("注"))),
              QStringLiteral("【注意：考生文件夹路径为") + QDir::toNativeSeparators(drive_ + QStringLiteral("/考生文件夹")) +
                  QStringLiteral("】"));
    EXPECT_EQ(w->outerWidthTw(), 8715);
    EXPECT_EQ(w->outerHeightTw(), 3780);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->ctl(QStringLiteral("File1"))->isVisible());
    EXPECT_TRUE(button(w, "参考效果")->isVisible());
    EXPECT_FALSE(w->ctl(QStringLiteral("Picture1"))->isVisible());
    EXPECT_TRUE(boxes.shown.isEmpty());
}

struct PictureCase {
    const char* name;
    bool folder;
    QList<int> heights;
    bool unfoldShown;
    bool stepsEnabled;
    int unfoldedPictureTw;  // Picture1's height once unfolded
};
void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

class AdvancedPictures : public AdvancedTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(AdvancedPictures, DecideTheViewerButtons)
{
    const PictureCase& c = GetParam();
    exercise(c.heights, c.folder);
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(button(w, "参考效果")->isVisible(), c.unfoldShown);
    for (const char* b : {"上一张", "下一张"}) {
        EXPECT_EQ(button(w, b)->isEnabled(), c.stepsEnabled) << b;
        EXPECT_TRUE(button(w, b)->isVisibleTo(w)) << b << ": disabled, never hidden";
    }
    if (!c.unfoldShown) return;
    button(w, "参考效果")->click();
    EXPECT_EQ(w->outerHeightTw(), 3720 + c.unfoldedPictureTw + 600);
    EXPECT_TRUE(button(w, "收起效果")->isVisible());
    EXPECT_FALSE(button(w, "参考效果")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdvancedPictures,
    ::testing::Values(PictureCase{"NoFolder", false, {}, false, false, 0},
                      // The empty box at its design size.
                      PictureCase{"EmptyFolder", true, {}, true, false, 3000},
                      PictureCase{"OnePicture", true, {120}, true, false, 1800},
                      PictureCase{"ThreePictures", true, {100, 200, 150}, true, true, 1500}));

TEST_F(AdvancedTest, ViewerWrapsAroundAndFitsTheWindowToEachPicture)
{
    // Heights 100, 200 and 150 pixels: 1500, 3000 and 2250 twips.
    exercise({100, 200, 150});
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    button(w, "参考效果")->click();
    button(w, "上一张")->click();  // from the first round to the last
    EXPECT_EQ(w->pictures().selected(), 2);
    EXPECT_EQ(w->outerHeightTw(), 3720 + 2250 + 600);
    button(w, "下一张")->click();  // from the last round to the first
    EXPECT_EQ(w->pictures().selected(), 0);
    EXPECT_EQ(w->outerHeightTw(), 3720 + 1500 + 600);
    button(w, "下一张")->click();
    EXPECT_EQ(w->outerHeightTw(), 3720 + 3000 + 600);
    EXPECT_EQ(w->outerWidthTw(), 8715);
    QWidget* pic = w->ctl(QStringLiteral("Picture1"));
    EXPECT_NEAR(forms::leftTw(pic), (forms::toTw(w->width()) - forms::widthTw(pic)) / 2, 15);
    button(w, "收起效果")->click();
    EXPECT_EQ(w->outerHeightTw(), 3780);
    EXPECT_FALSE(pic->isVisible());
    EXPECT_TRUE(button(w, "上一张")->isVisibleTo(w)) << "folding leaves the step buttons alone";
    button(w, "参考效果")->click();  // the picture selected last
    EXPECT_EQ(w->outerHeightTw(), 3720 + 3000 + 600);
}

TEST_F(AdvancedTest, ADamagedPictureLeavesAnEmptyBox)
{
    exercise({100});
    writeBytes(kRoot + QStringLiteral("参考效果/word91/2.jpg"), "not a picture");
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    button(w, "参考效果")->click();
    button(w, "下一张")->click();
    EXPECT_EQ(w->pictures().selected(), 1);
    EXPECT_TRUE(w->isVisible());
}

// The marker left by the opener decides the caption.
TEST_F(AdvancedTest, OpenedFromAMenuTheCaptionNamesTheKind)
{
    exercise();
    EXPECT_TRUE(uWriteTextFile(common::kCallMarkerFile, QStringLiteral("知识点")));
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->caption(), QStringLiteral("高级应用练习（word）_91               当前用户信息：【2024001张三】"));
}

// A refusal at Load leaves the window as designed and nothing on disk changed.
struct RefusalCase {
    const char* name;
    bool holdFile;       // a file of D:\考生文件夹 held open
    bool leftover;       // "D:\改名" left by an interrupted run
    bool request;        // a usable request
    const QString* message;  // nullptr: the leftover is named
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class AdvancedLoadRefused : public AdvancedTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(AdvancedLoadRefused, LeavesTheWindowUnpreparedAndTouchesNothing)
{
    const RefusalCase& c = GetParam();
    exercise({100});
    writeBytes(kRoot + QStringLiteral("题目文档/tm/题目03.pptx"), "earlier");
    writeBytes(QStringLiteral("../D/考生文件夹/old.txt"), "old");
    if (c.leftover) writeBytes(QStringLiteral("../D/改名/x.txt"), "x");
    std::unique_ptr<testing_support::FileHolder> holder;
    if (c.holdFile) {
        holder = std::make_unique<testing_support::FileHolder>(QFileInfo(drive_ + QStringLiteral("/考生文件夹/old.txt")).canonicalFilePath());
        ASSERT_TRUE(holder->holding());
    }
    AdvancedExerciseWindow* w = nullptr;
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk(c.message ? *c.message : QString());
        w = open(c.request ? QStringLiteral("word\r\n91\r\ndocx") : QStringLiteral("word\r\n1\r\ndocx"));
        ASSERT_TRUE(w);
        ASSERT_EQ(boxes.shown.size(), 1);
        if (!c.message) {
            EXPECT_TRUE(boxes.shown[0].contains(plat::displayPath(QStringLiteral("D:\\改名")))) << boxes.shown[0].toStdString();
        }
    }
    EXPECT_FALSE(w->state.hasExercise);
    EXPECT_FALSE(w->state.prepared);
    EXPECT_EQ(w->caption(), QStringLiteral("高级应用（二级）练习"));
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QStringLiteral("题目内容"));
    EXPECT_TRUE(w->ctl(QStringLiteral("File1"))->isVisible());
    EXPECT_EQ(w->state.kind, QStringLiteral("练习种类"));
    EXPECT_EQ(w->state.number, QStringLiteral("题号"));
    EXPECT_EQ(w->state.extension, QStringLiteral("扩展名"));
    EXPECT_EQ(documents(), QStringList{QStringLiteral("题目03.pptx")});
    EXPECT_EQ(workFiles(), QStringList{QStringLiteral("old.txt")});
    EXPECT_EQ(onD(QStringLiteral("改名/x.txt")), c.leftover);

    // Its buttons say why they cannot act.
    ScriptedMessageBoxes boxes;
    boxes.expectOk(practice::msg::kNotReady);
    boxes.expectOk(practice::msg::kNotReady);
    button(w, "打开题目")->click();
    button(w, "恢复本题")->click();
    EXPECT_TRUE(desktop.isEmpty());
    EXPECT_EQ(documents(), QStringList{QStringLiteral("题目03.pptx")});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdvancedLoadRefused,
    ::testing::Values(RefusalCase{"FileHeldOpen", true, false, true, &practice::msg::kCloseDocumentAndFolder},
                      RefusalCase{"RequestNotTwoDigits", false, false, false, &practice::msg::kNoRequest}));

TEST_F(AdvancedTest, LeftoverProbeNameWithoutAWorkingFolderStopsNothing)
{
    exercise();
    writeBytes(QStringLiteral("../D/改名/x.txt"), "x");
    ScriptedMessageBoxes boxes;
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->state.prepared);
    EXPECT_TRUE(onD(QStringLiteral("改名/x.txt"))) << "someone else's leftover is left alone";
}

struct MissingCase {
    const char* name;
    bool document;  // remove the pristine document
    bool material;  // remove the material folder
};
void PrintTo(const MissingCase& c, std::ostream* os) { *os << c.name; }

class AdvancedMissingAtLoad : public AdvancedTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(AdvancedMissingAtLoad, NamesWhatIsMissingAndTouchesNothing)
{
    const MissingCase& c = GetParam();
    exercise({100});
    if (c.document) QFile::remove(hostPath(kRoot + QStringLiteral("题目文档/bk/word91.docx")));
    if (c.material) QDir(hostPath(kRoot + QStringLiteral("素材/word91"))).removeRecursively();
    writeBytes(kRoot + QStringLiteral("题目文档/tm/题目91.docx"), "earlier work");
    writeBytes(QStringLiteral("../D/考生文件夹/old.txt"), "old");
    AdvancedExerciseWindow* w = nullptr;
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk(missingMessage(practice::msg::kTaskPrepare, c.document, c.material));
        w = open();
        ASSERT_TRUE(w);
        EXPECT_EQ(boxes.shown.size(), 1);
    }
    EXPECT_FALSE(w->state.prepared);
    EXPECT_EQ(bytes(kDocument), QByteArray("earlier work"));
    EXPECT_EQ(workFiles(), QStringList{QStringLiteral("old.txt")});
    // Still usable: the question, the pictures, the close.
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QStringLiteral("第一行\n第二行\n"));
    EXPECT_TRUE(button(w, "参考效果")->isVisible());
    close();
    EXPECT_FALSE(forms::isLoaded(kAdvancedWindow));
    EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Cases, AdvancedMissingAtLoad,
                         ::testing::Values(MissingCase{"Document", true, false}, MissingCase{"Material", false, true},
                                           MissingCase{"Both", true, true}));

TEST_F(AdvancedTest, MissingQuestionTextIsSaidInTheTextBox)
{
    exercise();
    QFile::remove(hostPath(kRoot + QStringLiteral("题目内容/word91.txt")));
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->state.prepared);
    EXPECT_TRUE(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText().startsWith(QStringLiteral("找不到本题的题目内容")));
}

// ---- restore --------------------------------------------------------------

struct RestoreCase {
    const char* name;
    const char* documentAs;  // nullptr: deleted; "" : left edited; else renamed to
    bool folderGone;         // the working folder deleted by the student
};
void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.name; }

class AdvancedRestore : public AdvancedTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(AdvancedRestore, AlwaysBringsBackTheDocumentAndTheFolder)
{
    const RestoreCase& c = GetParam();
    exercise();
    AdvancedExerciseWindow* w = openAndWork();
    ASSERT_TRUE(w);
    if (!c.documentAs) QFile::remove(hostPath(kDocument));
    else if (*c.documentAs) QFile::rename(hostPath(kDocument), hostPath(kRoot + QStringLiteral("题目文档/tm/") + QString::fromUtf8(c.documentAs)));
    if (c.folderGone) QDir(drive_ + QStringLiteral("/考生文件夹")).removeRecursively();
    ScriptedMessageBoxes boxes;
    boxes.expectRestored();
    button(w, "恢复本题")->click();
    EXPECT_EQ(bytes(kDocument), QByteArray("pristine"));
    EXPECT_EQ(documents(), QStringList{QStringLiteral("题目91.docx")});
    EXPECT_EQ(workFiles(), QStringList{QStringLiteral("材料.txt")});
}

INSTANTIATE_TEST_SUITE_P(Cases, AdvancedRestore,
                         ::testing::Values(RestoreCase{"Edited", "", false}, RestoreCase{"Deleted", nullptr, false},
                                           RestoreCase{"Renamed", "我的.docx", false},
                                           RestoreCase{"RenamedToTheProbeName", "改.docx", false},
                                           RestoreCase{"FolderGone", "", true}));

TEST_F(AdvancedTest, RestoreAnsweredNoChangesNothing)
{
    exercise();
    AdvancedExerciseWindow* w = openAndWork();
    ASSERT_TRUE(w);
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskRestore, false);
    button(w, "恢复本题")->click();
    EXPECT_EQ(bytes(kDocument), QByteArray("edited"));
    EXPECT_TRUE(onD(QStringLiteral("考生文件夹/mine.txt")));
}

class AdvancedMissingAtRestore : public AdvancedTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(AdvancedMissingAtRestore, NamesWhatIsMissingBeforeAskingAndDeletesNothing)
{
    const MissingCase& c = GetParam();
    exercise();
    AdvancedExerciseWindow* w = openAndWork();
    ASSERT_TRUE(w);
    if (c.document) QFile::remove(hostPath(kRoot + QStringLiteral("题目文档/bk/word91.docx")));
    if (c.material) QDir(hostPath(kRoot + QStringLiteral("素材/word91"))).removeRecursively();
    ScriptedMessageBoxes boxes;
    boxes.expectOk(missingMessage(practice::msg::kTaskRestore, c.document, c.material));
    button(w, "恢复本题")->click();
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(bytes(kDocument), QByteArray("edited"));
    EXPECT_TRUE(onD(QStringLiteral("考生文件夹/mine.txt")));
}

INSTANTIATE_TEST_SUITE_P(Cases, AdvancedMissingAtRestore,
                         ::testing::Values(MissingCase{"Document", true, false}, MissingCase{"Material", false, true},
                                           MissingCase{"Both", true, true}));

struct GuardCase {
    const char* name;
    const char* held;      // file held open ("../D/..." for D:)
    const char* leftover;  // probe name left over, a file or (ending in "/") a folder
    const QString* restoreMessage;  // nullptr: the leftover is named
    const QString* closeMessage;
};
void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

class AdvancedGuards : public AdvancedTest, public ::testing::WithParamInterface<GuardCase> {
protected:
    void SetUp() override
    {
        AdvancedTest::SetUp();
        exercise();
        w = openAndWork();
        ASSERT_TRUE(w);
        const GuardCase& c = GetParam();
        if (c.leftover) {
            const QString left = QString::fromUtf8(c.leftover);
            if (left.endsWith('/')) writeBytes(left + QStringLiteral("x.txt"), "x");
            else writeBytes(left, "left over");
        }
        if (c.held) {
            holder = std::make_unique<testing_support::FileHolder>(QFileInfo(hostPath(QString::fromUtf8(c.held))).canonicalFilePath());
            ASSERT_TRUE(holder->holding());
        }
    }
    void TearDown() override
    {
        holder.reset();
        AdvancedTest::TearDown();
    }
    // The last box shows the message, or names the leftover.
    void expectRefusal(const QStringList& shown, const QString* message) const
    {
        ASSERT_FALSE(shown.isEmpty());
        const QString& last = shown.last();
        if (message) {
            EXPECT_EQ(last, *message);
        } else {
            QString left = QString::fromUtf8(GetParam().leftover);
            if (left.endsWith('/')) left.chop(1);
            const QString name = QFileInfo(left).fileName();
            EXPECT_TRUE(last.startsWith(QStringLiteral("发现上次未正常结束时留下的")) && last.contains(name)) << last.toStdString();
        }
        // Nothing of the student's work is gone.
        EXPECT_EQ(bytes(kDocument), QByteArray("edited"));
        EXPECT_TRUE(onD(QStringLiteral("考生文件夹/mine.txt")));
    }

    AdvancedExerciseWindow* w = nullptr;
    std::unique_ptr<testing_support::FileHolder> holder;
};

TEST_P(AdvancedGuards, RefuseTheRestoreBeforeTheQuestion)
{
    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    button(w, "恢复本题")->click();
    EXPECT_EQ(boxes.shown.size(), 1) << "no question, no \"题目已恢复\"";
    expectRefusal(boxes.shown, GetParam().restoreMessage);
}

TEST_P(AdvancedGuards, RefuseTheCloseAndDeleteNothing)
{
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskExit, true);
    boxes.expectYesNo(practice::msg::kAskExitClearsWork, true);
    boxes.allowAnyOk = true;
    EXPECT_FALSE(forms::unload(kAdvancedWindow));
    EXPECT_EQ(boxes.shown.size(), 3);
    expectRefusal(boxes.shown, GetParam().closeMessage);
    EXPECT_TRUE(forms::isLoaded(kAdvancedWindow));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdvancedGuards,
    ::testing::Values(GuardCase{"DocumentHeld", "素材/bk/高级应用/题目文档/tm/题目91.docx", nullptr,
                                &practice::msg::kDocumentOpenAtRestore, &practice::msg::kDocumentOpenAtExit},
                      GuardCase{"FolderFileHeld", "../D/考生文件夹/mine.txt", nullptr, &practice::msg::kFilesOpenAtRestore,
                                &practice::msg::kFilesOpenAtExit}));

// A leftover under a probe name beside what it probes: kept on D: under a
// name of its own and named; the Load, the restore and the close go on.
TEST_F(AdvancedTest, LeftoversUnderProbeNamesAreKeptAsideAndTheWindowGoesOn)
{
    exercise();
    writeBytes(QStringLiteral("../D/考生文件夹/old.txt"), "old");
    writeBytes(QStringLiteral("../D/改名/x.txt"), "load");
    AdvancedExerciseWindow* w = nullptr;
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk();
        w = open();
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->state.prepared);
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("改名_留存_"))) << boxes.shown[0].toStdString();
    }
    writeBytes(kDocument, "edited");
    writeBytes(kRoot + QStringLiteral("题目文档/tm/改.docx"), "left over");
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk();
        boxes.expectYesNo(common::msg::kAskRestore, false);
        button(w, "恢复本题")->click();
        ASSERT_EQ(boxes.shown.size(), 2);
        const QStringList kept = QDir(drive_).entryList({QStringLiteral("改_留存_*.docx")}, QDir::Files);
        ASSERT_EQ(kept.size(), 1);
        EXPECT_EQ(bytes(QStringLiteral("../D/") + kept[0]), QByteArray("left over"));
        EXPECT_TRUE(boxes.shown[0].contains(kept[0])) << boxes.shown[0].toStdString();
    }
    EXPECT_EQ(bytes(kDocument), QByteArray("edited"));
    writeBytes(QStringLiteral("../D/改名0/x.txt"), "close");
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskExit, true);
    boxes.expectYesNo(practice::msg::kAskExitClearsWork, true);
    boxes.expectOk();
    EXPECT_TRUE(forms::unload(kAdvancedWindow));
    for (const auto& [pattern, text] : {std::pair{"改名_留存_*", "load"}, std::pair{"改名0_留存_*", "close"}}) {
        const QStringList kept = QDir(drive_).entryList({QString::fromUtf8(pattern)}, QDir::Dirs);
        ASSERT_EQ(kept.size(), 1) << pattern;
        EXPECT_EQ(bytes(QStringLiteral("../D/") + kept[0] + QStringLiteral("/x.txt")), QByteArray(text)) << pattern;
    }
}

TEST_F(AdvancedTest, ACopyThatFailsAtLoadIsReportedAndLeavesTheWindowUnprepared)
{
    exercise();
    writeBytes(kRoot + QStringLiteral("素材/word91/大文件.dat"), QByteArray(64 * 1024, 'x'));
    ScriptedMessageBoxes boxes;
    boxes.expectOk();
    AdvancedExerciseWindow* w = nullptr;
    ASSERT_TRUE(testing_support::withFileSizeLimit(16 * 1024, [&] { w = open(); }));
    ASSERT_TRUE(w);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(withDetail(boxes.shown[0], practice::msg::preparationFailed)) << boxes.shown[0].toStdString();
    EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("大文件.dat"))) << boxes.shown[0].toStdString();
    EXPECT_FALSE(w->state.prepared);
    EXPECT_TRUE(w->state.hasExercise) << "the restore may try again";
}

TEST_F(AdvancedTest, ACopyThatFailsIsReportedNotShownAsRestored)
{
    exercise();
    AdvancedExerciseWindow* w = openAndWork();
    ASSERT_TRUE(w);
    writeBytes(kRoot + QStringLiteral("素材/word91/大文件.dat"), QByteArray(64 * 1024, 'x'));
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskRestore, true);
    boxes.expectOk();
    ASSERT_TRUE(testing_support::withFileSizeLimit(16 * 1024, [&] { button(w, "恢复本题")->click(); }));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(withDetail(boxes.shown[1], practice::msg::restoreFailed)) << boxes.shown[1].toStdString();
    EXPECT_TRUE(boxes.shown[1].contains(QStringLiteral("大文件.dat"))) << boxes.shown[1].toStdString();
    EXPECT_FALSE(w->state.prepared);
}

// ---- document, video --------------------------------------------------------

TEST_F(AdvancedTest, OpenQuestionHandsTheDocumentToTheDesktopOrSaysItIsMissing)
{
    exercise();
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    button(w, "打开题目")->click();
    button(w, "操作视频")->click();  // no action in this window
    ASSERT_EQ(desktop.size(), 1);
    EXPECT_EQ(desktop[0], QStringLiteral("%1:%2").arg(int(plat::DesktopAction::OpenDocument)).arg(hostPath(kDocument)));

    QFile::remove(hostPath(kDocument));
    ScriptedMessageBoxes boxes;
    boxes.expectOk();
    button(w, "打开题目")->click();
    EXPECT_EQ(desktop.size(), 1);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0], practice::msg::documentMissing(display(kDocument)));
}

// ---- closing ----------------------------------------------------------------

struct CloseCase {
    const char* name;
    bool first;   // answer to "是否退出？"
    bool second;  // answer to the second question (asked only after Yes)
    const char* launch;
};
void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class AdvancedClose : public AdvancedTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AdvancedClose, AsksTwiceThenDeletesTheFolderAndShowsTheMainWindow)
{
    const CloseCase& c = GetParam();
    EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QString::fromUtf8(c.launch)));
    exercise();
    forms::show(common::kMainWindowName);
    forms::hide(common::kMainWindowName);
    AdvancedExerciseWindow* w = openAndWork();
    ASSERT_TRUE(w);
    const bool closes = c.first && c.second;
    {
        ScriptedMessageBoxes boxes;
        boxes.expectYesNo(common::msg::kAskExit, c.first);
        if (c.first) boxes.expectYesNo(practice::msg::kAskExitClearsWork, c.second);
        EXPECT_EQ(forms::unload(kAdvancedWindow), closes);
        processEvents();
    }
    EXPECT_EQ(forms::isLoaded(kAdvancedWindow), !closes);
    EXPECT_EQ(onD(QStringLiteral("考生文件夹")), !closes);
    EXPECT_EQ(forms::loaded(common::kMainWindowName)->isVisible(), closes);
    EXPECT_FALSE(ended_);
    // The question document stays until the next opening replaces it.
    EXPECT_EQ(bytes(kDocument), QByteArray("edited"));
}

INSTANTIATE_TEST_SUITE_P(Cases, AdvancedClose,
                         ::testing::Values(CloseCase{"NoAtFirst", false, false, "more"},
                                           CloseCase{"NoAtSecond", true, false, "more"},
                                           CloseCase{"YesYes", true, true, "more"},
                                           CloseCase{"MissionStillReturnsToMain", true, true, "mission"}));

TEST_F(AdvancedTest, ClosingWithoutAWorkingFolderGoesStraightToTheMainWindow)
{
    exercise();
    AdvancedExerciseWindow* w = open();
    ASSERT_TRUE(w);
    QDir(drive_ + QStringLiteral("/考生文件夹")).removeRecursively();
    close();
    EXPECT_FALSE(forms::isLoaded(kAdvancedWindow));
    EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
}

// ---- the demo tree ------------------------------------------------------------

// The eighteen number buttons of the main window's 拓展训练 row, each opening
// its exercise of the demo tree, ready to work on.
struct RowCase {
    const char* kind;
    const char* ext;
    const char* buttons[6];
};

class AdvancedDemoTreeTest : public AdvancedTest {
protected:
    AdvancedDemoTreeTest()
    {
        withDemoTree_ = true;
        demoParts_ = {QStringLiteral("素材/bk/高级应用")};
    }
};

TEST_F(AdvancedDemoTreeTest, EveryNumberButtonOfTheExtendedRowOpensItsDemoExercise)
{
    const RowCase rows[] = {
        {"word", "docx", {"Command13", "Command14", "Command15", "Command16", "Command17", "Command18"}},
        {"excel", "xlsx", {"Command25", "Command24", "Command23", "Command22", "Command21", "Command20"}},
        {"ppt", "pptx", {"Command27", "Command28", "Command29", "Command30", "Command31", "Command32"}},
    };
    for (const RowCase& row : rows) {
        for (int i = 0; i < 6; ++i) {
            const QString kind = QString::fromUtf8(row.kind);
            const QString number = QStringLiteral("0%1").arg(i + 1);
            SCOPED_TRACE((kind + number).toStdString());
            QWidget* main = forms::show(common::kMainWindowName);
            ASSERT_TRUE(main);
            {
                ScriptedMessageBoxes none;
                main->findChild<QAbstractButton*>(QString::fromUtf8(row.buttons[i]))->click();
            }
            auto* w = qobject_cast<AdvancedExerciseWindow*>(forms::loaded(kAdvancedWindow));
            ASSERT_TRUE(w);
            EXPECT_TRUE(w->state.prepared);
            EXPECT_EQ(w->caption(), QStringLiteral("拓展训练_") + kind + QStringLiteral("__") + number +
                                        QStringLiteral("               当前用户信息：【2024001张三】"));
            const QString doc = kRoot + QStringLiteral("题目文档/tm/题目") + number + '.' + QString::fromUtf8(row.ext);
            EXPECT_TRUE(bytes(doc).startsWith("PK\x03\x04")) << "a real Office document";
            EXPECT_FALSE(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText().startsWith(QStringLiteral("找不到")));
            EXPECT_TRUE(onD(QStringLiteral("考生文件夹")));
            ASSERT_GE(w->pictures().count(), 1);
            for (const QString& f : w->pictures().files()) {
                QImage img;
                EXPECT_TRUE(img.load(hostPath(kRoot + QStringLiteral("参考效果/") + kind + number + '/' + f))) << f.toStdString();
            }
            button(w, "参考效果")->click();
            EXPECT_GT(w->outerHeightTw(), 3780);
            close();
            EXPECT_FALSE(forms::isLoaded(kAdvancedWindow));
            EXPECT_FALSE(onD(QStringLiteral("考生文件夹")));
        }
    }
}

}  // namespace
