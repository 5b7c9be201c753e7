// The hand-in: checks, both questions, the verified packing and submission
// file, and only then the record, the success message and the close that
// removes the working folders. Every fault leaves the exam going on with
// nothing marked or deleted. And the close before and after a hand-in.
#include "common/messages.h"
#include "exam/messages.h"
#include "exam_support.h"
#include "forms/design.h"
#include "platform/archive.h"
#include "platform/filesystem.h"
#include "process_support.h"

#include <QProgressBar>

using exam_support::ExamTest;
using exam_support::kKey;
using testing_support::ScriptedMessageBoxes;

namespace {

class ExamHandIn : public ExamTest {
protected:
    // A running exam with an answer and a piece of work, the FTP server on.
    exam::ExamWindow* answered()
    {
        exam::ExamWindow* w = started();
        click(w, QStringLiteral("理论题"));
        box(w, 3)->setText(QStringLiteral("B"));
        click(w, QStringLiteral("x返回"));
        write(d(QStringLiteral("KS/KSDOC/作答.docx")), "my work");
        return w;
    }
    void chooseTarget(exam::ExamWindow* w)
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk(common::msg::kHandInFolderWarning);
        picker.next = target;
        click(w, QStringLiteral("操作题选择提交路径"));
        EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->text(), target);
    }
    // Both hand-in questions answered Yes.
    static void confirmHandIn(ScriptedMessageBoxes& boxes)
    {
        boxes.expectYesNo(exam::msg::kAskHandIn, true);
        boxes.expectYesNo(exam::msg::kAskHandInAgain, true);
    }
    QString archiverHost() const { return hostPath(QStringLiteral("素材/bk/soft/RAR/Rar.exe")); }
    void archiverScript(const QByteArray& body) const
    {
        QFile::remove(archiverHost());
        write(archiverHost(), "#!/bin/sh\n" + body);
        QFile::setPermissions(archiverHost(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString packed() const { return ex(QStringLiteral("已提交/") + kKey + QStringLiteral(".rar")); }
    QString submission() const { return target + QStringLiteral("/Exam_1_") + kKey + QStringLiteral(".qvexam"); }
    // Nothing marked or deleted; the exam goes on.
    void expectExamGoesOn(exam::ExamWindow* w)
    {
        EXPECT_TRUE(windowOpen());
        EXPECT_NE(w->state.退出检测, QStringLiteral("1"));
        EXPECT_FALSE(exists(packed()));
        EXPECT_TRUE(exists(ex(QStringLiteral("提交/") + kKey + QStringLiteral("/考生须知.txt"))));
        EXPECT_EQ(read(d(QStringLiteral("KS/KSDOC/作答.docx"))), "my work");
        EXPECT_TRUE(exists(d(QStringLiteral("PracticalTraining/考试说明.txt"))));
        for (const char* b : {"理论题", "操作题word", "操作题network", "操作题选择提交路径", "操作题提交"})
            EXPECT_TRUE(w->ctl(QString::fromUtf8(b))->isEnabled()) << b;
        EXPECT_TRUE(starts.filter(QStringLiteral("kill")).isEmpty()) << "the servers keep running";
    }
};

TEST_F(ExamHandIn, AVerifiedHandInRecordsClosesCleansUpAndRefusesASecondExam)
{
    exam::ExamWindow* w = answered();
    // The FTP paper's answer is what the student uploaded.
    write(d(QStringLiteral("PracticalTraining/上传的作答.txt")), "uploaded");
    chooseTarget(w);
    // A file a question had the student make read-only: the clean-up after
    // the hand-in takes it too, so the next student can start.
    write(d(QStringLiteral("KS/KSWIN/资料/旧文件.txt")), "ro");
    ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\KS\\KSWIN\\资料\\旧文件.txt"), true));
    {
        ScriptedMessageBoxes boxes;
        confirmHandIn(boxes);
        boxes.expectOk(common::msg::kHandInPacked);
        click(w, QStringLiteral("操作题提交"));
        processEvents();
    }
    EXPECT_FALSE(windowOpen());
    EXPECT_TRUE(forms::loaded(exam_support::kMain)->isVisible());
    ASSERT_TRUE(exists(submission()));
    EXPECT_EQ(read(submission()), read(packed()));
    EXPECT_TRUE(QDir(target).entryList(QDir::Files) == QStringList{QFileInfo(submission()).fileName()}) << "no temporary name is left";
    // An ordinary archive: the examinee archive with the paper, the answers and the work.
    const auto entries = plat::listArchive(submission());
    ASSERT_TRUE(entries);
    QMap<QString, qint64> sizes;
    for (const auto& e : *entries) sizes.insert(e.name, e.size);
    EXPECT_EQ(sizes.value(kKey + QStringLiteral("/选择题/answer.txt"), -1), 23);
    EXPECT_EQ(sizes.value(kKey + QStringLiteral("/KSDOC/作答.docx"), -1), 7);
    EXPECT_TRUE(sizes.contains(kKey + QStringLiteral("/考生须知.txt")));
    EXPECT_TRUE(sizes.contains(kKey + QStringLiteral("/word/题目文档/word考查题.docx")));
    EXPECT_EQ(sizes.value(kKey + QStringLiteral("/PracticalTraining/上传的作答.txt"), -1), 8);
    EXPECT_FALSE(exists(ex(QStringLiteral("提交/") + kKey)));
    EXPECT_FALSE(exists(d(QStringLiteral("KS"))));
    EXPECT_FALSE(exists(d(QStringLiteral("PracticalTraining"))));
    EXPECT_TRUE(starts.contains(QStringLiteral("f-kill_app.exe")));

    ScriptedMessageBoxes boxes;
    boxes.expectOk(exam::msg::handedIn(kKey));
    w = open();
    EXPECT_FALSE(w->startAllowed());
}

// Each attempt packs what the student has now: a file deleted after a
// failed attempt is not in the submission.
TEST_F(ExamHandIn, AFileDeletedAfterAFailedAttemptIsNotHandedIn)
{
    exam::ExamWindow* w = answered();
    write(d(QStringLiteral("KS/KSDOC/草稿.docx")), "draft");
    chooseTarget(w);
    ASSERT_TRUE(QFile::rename(archiverHost(), archiverHost() + QStringLiteral(".away")));
    {
        ScriptedMessageBoxes boxes;
        confirmHandIn(boxes);
        boxes.expectOk();
        click(w, QStringLiteral("操作题提交"));
    }
    ASSERT_TRUE(QFile::rename(archiverHost() + QStringLiteral(".away"), archiverHost()));
    ASSERT_TRUE(QFile::remove(d(QStringLiteral("KS/KSDOC/草稿.docx"))));
    ScriptedMessageBoxes boxes;
    confirmHandIn(boxes);
    boxes.expectOk(common::msg::kHandInPacked);
    click(w, QStringLiteral("操作题提交"));
    processEvents();
    const auto entries = plat::listArchive(submission());
    ASSERT_TRUE(entries);
    QStringList names;
    for (const auto& e : *entries) names << e.name;
    EXPECT_TRUE(names.contains(kKey + QStringLiteral("/KSDOC/作答.docx"))) << names.join(' ').toStdString();
    EXPECT_FALSE(names.contains(kKey + QStringLiteral("/KSDOC/草稿.docx")));
}

// Killed after the record but before the examinee archive went: the record
// says handed in, so the next examinee is not asked about that student.
TEST_F(ExamHandIn, AnArchiveLeftAfterTheRecordIsNotAnExamInProgress)
{
    exam::ExamWindow* w = answered();
    chooseTarget(w);
    {
        ScriptedMessageBoxes boxes;
        boxes.allowAnyOk = true;
        confirmHandIn(boxes);
        click(w, QStringLiteral("操作题提交"));
        processEvents();
    }
    ASSERT_TRUE(exists(packed()));
    write(ex(QStringLiteral("提交/") + kKey + QStringLiteral("/考生须知.txt")), "left behind");
    setKey(exam_support::kOther);
    started();
    EXPECT_TRUE(exists(ex(QStringLiteral("提交/") + exam_support::kOther)));
    EXPECT_FALSE(exists(ex(QStringLiteral("提交/") + kKey)));
}

// The close after a hand-in deletes the working folders. A file-manager
// window showing one of them, or a folder inside it, stops that: the
// hand-in stands, nothing is deleted or stopped, the window stays open and
// handed in (no second hand-in, no question about an unfinished exam), and
// once the student has closed the file-manager window the close goes
// through. (The hand-in itself already refuses a window on the FTP folder,
// so one opened there afterwards stops the second close.)
struct FolderWindowCase {
    const char* name;
    const char* windowClass;
    const char* title;
    const char* named;  // the folder the message names
};
void PrintTo(const FolderWindowCase& c, std::ostream* os) { *os << c.name; }

class ExamHandedInClose : public testing_support::WithPrivateX<ExamHandIn>,
                          public ::testing::WithParamInterface<FolderWindowCase> {};

TEST_P(ExamHandedInClose, WaitsForAFileManagerWindowOnAFolderItDeletes)
{
    const FolderWindowCase& c = GetParam();
    exam::ExamWindow* w = answered();
    write(d(QStringLiteral("PracticalTraining/上传/作答.txt")), "uploaded");
    write(d(QStringLiteral("KS/KSDOC/图表/说明.txt")), "a folder the student made");
    chooseTarget(w);
    auto window = std::make_unique<testing_support::ClassedWindow>(x_->name(), c.windowClass, QString::fromUtf8(c.title));
    ASSERT_TRUE(window->ok());
    {
        ScriptedMessageBoxes boxes;
        confirmHandIn(boxes);
        boxes.expectOk(common::msg::kHandInPacked);
        boxes.expectOk(exam::msg::closeFolderWindowAfterHandIn(QString::fromUtf8(c.named)));
        click(w, QStringLiteral("操作题提交"));
        processEvents();
    }
    ASSERT_TRUE(windowOpen());
    const auto heldBack = [&] {
        EXPECT_TRUE(exists(submission()));
        EXPECT_TRUE(exists(packed()));
        EXPECT_EQ(read(d(QStringLiteral("KS/KSDOC/作答.docx"))), "my work");
        EXPECT_EQ(read(d(QStringLiteral("PracticalTraining/上传/作答.txt"))), "uploaded");
        EXPECT_TRUE(starts.filter(QStringLiteral("kill")).isEmpty()) << "the servers keep running";
        EXPECT_FALSE(w->ctl(QStringLiteral("操作题提交"))->isEnabled()) << "handed in once";
    };
    heldBack();

    // Closed again with a file-manager window inside the FTP folder instead.
    window = std::make_unique<testing_support::ClassedWindow>(x_->name(), "Thunar", QStringLiteral("上传 - Thunar"));
    ASSERT_TRUE(window->ok());
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk(exam::msg::closeFolderWindowAfterHandIn(QStringLiteral("PracticalTraining")));
        EXPECT_FALSE(forms::unload(w));
        processEvents();
    }
    ASSERT_TRUE(windowOpen());
    heldBack();

    window.reset();
    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(forms::unload(w));
    processEvents();
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('|').toStdString();
    EXPECT_FALSE(windowOpen());
    EXPECT_TRUE(forms::loaded(exam_support::kMain)->isVisible());
    EXPECT_FALSE(exists(d(QStringLiteral("KS"))));
    EXPECT_FALSE(exists(d(QStringLiteral("PracticalTraining"))));
    EXPECT_TRUE(starts.contains(QStringLiteral("f-kill_app.exe")));
    EXPECT_TRUE(exists(packed()));
}

INSTANTIATE_TEST_SUITE_P(Table, ExamHandedInClose,
                         ::testing::Values(FolderWindowCase{"OnTheWorkTree", "Nautilus", "KS", "KS"},
                                           FolderWindowCase{"OnAKindsFolder", "Caja", "KSXLS", "KSXLS"},
                                           FolderWindowCase{"InsideAKindsFolder", "Thunar", "图表 - Thunar", "KSDOC"}));

struct FaultCase {
    const char* name;
    const char* fault;
    const char* message;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class ExamHandInFault : public ExamHandIn, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ExamHandInFault, NothingIsMarkedOrDeletedAndTheExamGoesOn)
{
    const FaultCase& c = GetParam();
    exam::ExamWindow* w = answered();
    chooseTarget(w);
    const QString fault = QString::fromUtf8(c.fault);
    if (fault == QStringLiteral("no archiver")) QFile::remove(archiverHost());
    if (fault == QStringLiteral("archiver fails")) archiverScript("exit 2\n");
    if (fault == QStringLiteral("archive unreadable")) archiverScript("printf 'not an archive' > \"$2\"\n");
    if (fault == QStringLiteral("archive short")) archiverScript("printf 'PK\\005\\006' > \"$2\"; head -c 18 /dev/zero >> \"$2\"\n");
    if (fault == QStringLiteral("target gone")) QDir(target).removeRecursively();
    if (fault == QStringLiteral("record blocked")) {
        QDir(ex(QStringLiteral("已提交"))).removeRecursively();
        write(ex(QStringLiteral("已提交")), "a file where the folder should be");
    }
    ScriptedMessageBoxes boxes;
    confirmHandIn(boxes);
    boxes.expectOk();
    click(w, QStringLiteral("操作题提交"));
    processEvents();
    ASSERT_EQ(boxes.shown.size(), 3);
    EXPECT_TRUE(boxes.shown.last().contains(QString::fromUtf8(c.message))) << boxes.shown.last().toStdString();
    EXPECT_FALSE(boxes.shown.contains(common::msg::kHandInPacked));
    if (fault == QStringLiteral("record blocked")) {
        EXPECT_TRUE(windowOpen());
        EXPECT_NE(w->state.退出检测, QStringLiteral("1"));
        EXPECT_EQ(read(d(QStringLiteral("KS/KSDOC/作答.docx"))), "my work");
    } else {
        expectExamGoesOn(w);
        if (QFileInfo(target).isDir()) {
            EXPECT_TRUE(QDir(target).isEmpty());
        }
    }
    closeRunning(w);  // still a running exam: the close asks
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamHandInFault,
    ::testing::Values(FaultCase{"NoArchiver", "no archiver", "找不到打包程序"},
                      FaultCase{"ArchiverFails", "archiver fails", "打包失败"},
                      FaultCase{"ArchiveUnreadable", "archive unreadable", "压缩包检查未通过"},
                      FaultCase{"ArchiveMissesFiles", "archive short", "压缩包检查未通过"},
                      FaultCase{"TargetGone", "target gone", "不存在"},
                      FaultCase{"RecordCannotBeWritten", "record blocked", "交卷记录无法写入"}));

struct RefusalCase {
    const char* name;
    const char* setup;  // "open" a file held open in the FTP folder, "leftover" D:\n改名, "" none
    std::vector<std::pair<QString, int>> boxes;  // text, answer (-1 OK, 0 No, 1 Yes)
    bool folder;        // a hand-in folder chosen
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class ExamHandInRefusal : public ExamHandIn, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ExamHandInRefusal, ChangesNothing)
{
    const RefusalCase& c = GetParam();
    exam::ExamWindow* w = answered();
    if (c.folder) chooseTarget(w);
    const QString setup = QString::fromUtf8(c.setup);
    std::unique_ptr<testing_support::FileHolder> holder;
    if (setup == QStringLiteral("open")) {
        holder = std::make_unique<testing_support::FileHolder>(d(QStringLiteral("PracticalTraining/考试说明.txt")));
        ASSERT_TRUE(holder->holding());
    }
    if (setup == QStringLiteral("leftover")) QDir().mkpath(d(QStringLiteral("n改名")));
    ScriptedMessageBoxes boxes;
    for (const auto& [text, answer] : c.boxes) {
        if (answer < 0)
            boxes.expectOk(text);
        else
            boxes.expectYesNo(text, answer == 1);
    }
    click(w, QStringLiteral("操作题提交"));
    if (setup == QStringLiteral("leftover")) {
        ASSERT_FALSE(boxes.shown.isEmpty());
        EXPECT_TRUE(boxes.shown.first().contains(QStringLiteral("n改名_留存_"))) << "the leftover is kept and named";
        EXPECT_FALSE(exists(d(QStringLiteral("n改名"))));
    }
    expectExamGoesOn(w);
    if (c.folder) {
        EXPECT_TRUE(QDir(target).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamHandInRefusal,
    ::testing::Values(
        RefusalCase{"FileOpenInFtpFolder", "open", {{common::filesOpenMessage(QStringLiteral("PracticalTraining")), -1}}, true},
        RefusalCase{"LeftoverProbeNameKeptThenNo", "leftover", {{QString(), -1}, {exam::msg::kAskHandIn, 0}}, true},
        RefusalCase{"NoAtFirst", "", {{exam::msg::kAskHandIn, 0}}, true},
        RefusalCase{"NoAtSecond", "", {{exam::msg::kAskHandIn, 1}, {exam::msg::kAskHandInAgain, 0}}, true},
        RefusalCase{"NoFolder", "", {{exam::msg::kAskHandIn, 1}, {exam::msg::kAskHandInAgain, 1}, {exam::msg::kChooseHandInFolder, -1}}, false}));

TEST_F(ExamHandIn, ThePickerKeepsTheFolderOnCancelAndWarnsEveryTime)
{
    exam::ExamWindow* w = started();
    chooseTarget(w);
    ScriptedMessageBoxes boxes;
    boxes.expectOk(common::msg::kHandInFolderWarning);
    picker.next.clear();
    click(w, QStringLiteral("操作题选择提交路径"));
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->text(), target);
}

TEST_F(ExamTest, TheHandInControlsSitWhereTheDesignPutsThem)
{
    exam::ExamWindow* w = open();
    const struct {
        const char* name;
        int left, top, width, height;
    } design[] = {{"任务提交区", 240, 720, 5580, 1215},
                  {"操作题选择提交路径", 120, 240, 1100, 375},
                  {"操作题保存路径", 1320, 240, 4155, 375},
                  {"操作题提交", 120, 720, 1100, 375},
                  {"ProgressBar2", 1320, 720, 4155, 375}};
    for (const auto& c : design) {
        SCOPED_TRACE(c.name);
        QWidget* x = w->ctl(QString::fromUtf8(c.name));
        ASSERT_NE(x, nullptr);
        // Twips are placed on whole pixels (15 twips at 96 dpi).
        EXPECT_NEAR(forms::leftTw(x), c.left, 15);
        EXPECT_NEAR(forms::topTw(x), c.top, 15);
        EXPECT_NEAR(forms::widthTw(x), c.width, 15);
        EXPECT_NEAR(forms::heightTw(x), c.height, 15);
    }
    EXPECT_TRUE(w->ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->isReadOnly());
}

// ---- closing --------------------------------------------------------------------------

TEST_F(ExamTest, ClosingBeforeTheStartAsksNothing)
{
    exam::ExamWindow* w = open();
    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(forms::unload(w));
    processEvents();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_TRUE(forms::loaded(exam_support::kMain)->isVisible());
}

TEST_F(ExamTest, ClosingARunningExamAsksAndKeepsEverything)
{
    exam::ExamWindow* w = started();
    click(w, QStringLiteral("操作题excel"));
    {
        ScriptedMessageBoxes boxes;
        boxes.expectYesNo(exam::msg::kAskLeaveUnfinished, false);
        EXPECT_FALSE(forms::unload(w));
    }
    EXPECT_TRUE(windowOpen());
    EXPECT_TRUE(w->ctl(QStringLiteral("操作题区"))->isVisible()) << "the page stays as it was";
    closeRunning(w);
    EXPECT_FALSE(windowOpen());
    EXPECT_TRUE(forms::loaded(exam_support::kMain)->isVisible());
    EXPECT_TRUE(exists(d(QStringLiteral("KS/KSXLS/说明.txt"))));
    EXPECT_TRUE(exists(d(QStringLiteral("PracticalTraining/考试说明.txt"))));
    EXPECT_TRUE(exists(ex(QStringLiteral("提交/") + kKey)));
    EXPECT_TRUE(running.contains(QStringLiteral("FTPServer.exe")));
    EXPECT_TRUE(starts.filter(QStringLiteral("kill")).isEmpty());
    EXPECT_FALSE(ended_);
}

}  // namespace
