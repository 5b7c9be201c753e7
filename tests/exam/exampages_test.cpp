// The operation pages (one routine over five kinds), the style panel with
// this window's frames, the restore of one question, and the choice page
// whose answers reach "answer.txt" on every change and survive a close.
#include "common/messages.h"
#include "exam/messages.h"
#include "exam_support.h"
#include "faults.h"
#include "forms/design.h"
#include "forms/twips.h"
#include "platform/filesystem.h"
#include "process_support.h"

#include <QLabel>
#include <QPlainTextEdit>

using exam_support::ExamTest;
using exam_support::kKey;
using testing_support::ScriptedMessageBoxes;

namespace {

// ---- operation pages --------------------------------------------------------------

struct PageCase {
    const char* button;
    const char* kind;
    const char* ext;
    const char* folder;
    bool office;      // 开始答题 and 考生文件夹 offered
    int pictures;     // ".jpg" sample pictures of paper 1
};
void PrintTo(const PageCase& c, std::ostream* os) { *os << c.kind; }

class ExamPage : public ExamTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(ExamPage, ShowsItsKindPersonalisedWithItsButtons)
{
    const PageCase& c = GetParam();
    exam::ExamWindow* w = started();
    click(w, QString::fromUtf8(c.button));
    const QString kind = QString::fromUtf8(c.kind);
    EXPECT_EQ(w->state.操作题题型, kind);
    EXPECT_EQ(w->state.扩展名, QString::fromUtf8(c.ext));
    EXPECT_EQ(w->state.素材文件夹, QString::fromUtf8(c.folder));
    EXPECT_EQ(forms::caption(w->ctl(QStringLiteral("操作题标题"))),
              QStringLiteral("====＞") + forms::caption(w->ctl(QString::fromUtf8(c.button))) + QStringLiteral("＜===="));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("【") + kKey + QStringLiteral("】正在答题"));
    EXPECT_TRUE(w->ctl(QStringLiteral("操作题区"))->isVisible());
    EXPECT_FALSE(w->ctl(QStringLiteral("题型选择区"))->isVisible());
    EXPECT_EQ(w->outerHeightTw(), forms::toTw(forms::tw(1200 + 2895 + 450)));

    const QString shown = w->ctl<QPlainTextEdit>(QStringLiteral("操作题题目内容"))->toPlainText();
    const QString personal = plat::decode936(read(ex(QStringLiteral("试卷/") + kind + QStringLiteral("/题目内容_改/") + kind + QStringLiteral(".txt"))));
    EXPECT_FALSE(personal.contains(QStringLiteral("任务素材文件夹")));
    EXPECT_FALSE(personal.contains(QStringLiteral("strLocalIP")));
    const QString original = plat::decode936(read(ex(QStringLiteral("试卷/") + kind + QStringLiteral("/题目内容/") + kind + QStringLiteral(".txt"))));
    EXPECT_EQ(personal.contains(plat::displayPath(QStringLiteral("D:\\KS\\") + QString::fromUtf8(c.folder))),
              original.contains(QStringLiteral("任务素材文件夹")))
        << personal.toStdString();
    if (kind == QStringLiteral("network")) {
        EXPECT_TRUE(personal.contains(QStringLiteral("ftp://10.1.2.3 "))) << personal.toStdString();
    }
    EXPECT_EQ(shown.trimmed(), personal.trimmed().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    EXPECT_EQ(w->ctl(QStringLiteral("开始答题"))->isVisibleTo(w), c.office);
    EXPECT_EQ(w->ctl(QStringLiteral("考生文件夹"))->isVisibleTo(w), c.office);
    EXPECT_TRUE(w->ctl(QStringLiteral("恢复本题"))->isVisibleTo(w));
    EXPECT_TRUE(w->ctl(QStringLiteral("样式"))->isVisibleTo(w));
    EXPECT_FALSE(w->ctl(QStringLiteral("折叠"))->isVisibleTo(w));
    for (const char* nav : {"样式上一张", "样式下一张"}) {
        EXPECT_EQ(w->ctl(QString::fromUtf8(nav))->isVisibleTo(w), c.pictures >= 2) << nav;
        EXPECT_FALSE(w->ctl(QString::fromUtf8(nav))->isEnabled()) << nav;
    }
    if (c.office) {
        click(w, QStringLiteral("开始答题"));
        ASSERT_FALSE(desktop.isEmpty());
        EXPECT_TRUE(desktop.last().endsWith(kind + QStringLiteral("考查题.") + QString::fromUtf8(c.ext))) << desktop.last().toStdString();
        EXPECT_TRUE(desktop.last().contains(QStringLiteral("试卷"))) << "the paper copy, never the bank";
    }

    click(w, QStringLiteral("c返回"));
    EXPECT_TRUE(w->ctl(QStringLiteral("题型选择区"))->isVisible());
    EXPECT_EQ(w->state.操作题题型, kind) << "the last page opened stays the current kind";
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExamPage,
                         ::testing::Values(PageCase{"操作题word", "word", "docx", "KSDOC", true, 1},
                                           PageCase{"操作题excel", "excel", "xlsx", "KSXLS", true, 1},
                                           PageCase{"操作题ppt", "ppt", "pptx", "KSPPT", true, 2},
                                           PageCase{"操作题windows", "windows", "win", "KSWIN", false, 1},
                                           PageCase{"操作题network", "network", "net", "KSNET", false, 1}));

TEST_F(ExamTest, StylePanelOpensStepsWithWrapAroundAndFoldsBackToThePageHeight)
{
    exam::ExamWindow* w = started();
    click(w, QStringLiteral("操作题ppt"));  // two pictures
    const int pageHeight = w->outerHeightTw();
    const int width = w->outerWidthTw();
    click(w, QStringLiteral("样式"));
    EXPECT_TRUE(w->ctl(QStringLiteral("样式区"))->isVisible());
    EXPECT_TRUE(w->ctl(QStringLiteral("折叠"))->isVisible());
    EXPECT_FALSE(w->ctl(QStringLiteral("样式"))->isVisible());
    EXPECT_TRUE(w->ctl(QStringLiteral("样式上一张"))->isEnabled());
    const int frame = forms::heightTw(w->ctl(QStringLiteral("样式区")));
    // Twips are placed on whole pixels (15 twips at 96 dpi).
    EXPECT_NEAR(frame, forms::heightTw(w->ctl(QStringLiteral("Picture1"))) + 400, 15);
    EXPECT_NEAR(w->outerHeightTw(), 1200 + 2895 + 450 + frame + 100, 15);
    EXPECT_NEAR(forms::heightTw(w->ctl(QStringLiteral("操作题区"))), 1200 + 2895 + 450 + frame + 100, 15);
    EXPECT_EQ(w->stylePanel().selected(), 0);
    click(w, QStringLiteral("样式上一张"));
    EXPECT_EQ(w->stylePanel().selected(), 1) << "previous of the first is the last";
    click(w, QStringLiteral("样式下一张"));
    EXPECT_EQ(w->stylePanel().selected(), 0) << "next of the last is the first";
    EXPECT_EQ(w->outerWidthTw(), width);
    click(w, QStringLiteral("折叠"));
    EXPECT_FALSE(w->ctl(QStringLiteral("样式区"))->isVisible());
    EXPECT_TRUE(w->ctl(QStringLiteral("样式"))->isVisible());
    EXPECT_FALSE(w->ctl(QStringLiteral("样式下一张"))->isEnabled());
    EXPECT_EQ(w->outerHeightTw(), pageHeight);
}

// ---- restore ------------------------------------------------------------------------

struct RestoreCase {
    const char* name;
    const char* button;
    const char* kind;
    const char* doc;       // the question document's file name
    const char* folder;    // D:\KS sub-folder
    const char* material;  // the bank's material folder of the kind
    const char* keep;      // a material file the student deleted
    const char* fault;     // "" none, "doc", "material", "no", "open", "readonly" (the student's file), "full" (disk)
    QString message;       // (a part of) the last message
};
void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.name; }

class ExamRestore : public ExamTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(ExamRestore, RebuildsFromTheBankOrChangesNothing)
{
    const RestoreCase& c = GetParam();
    exam::ExamWindow* w = started();
    const QString kind = QString::fromUtf8(c.kind);
    const QString fault = QString::fromUtf8(c.fault);
    const QString doc = ex(QStringLiteral("试卷/") + kind + QStringLiteral("/题目文档/") + QString::fromUtf8(c.doc));
    const QString pristine = ex(QStringLiteral("题库/1/") + kind + QStringLiteral("/题目文档/") + QString::fromUtf8(c.doc));
    const QString work = d(QStringLiteral("KS/") + QString::fromUtf8(c.folder));
    click(w, QStringLiteral("操作题word"));
    click(w, QStringLiteral("c返回"));
    click(w, QString::fromUtf8(c.button));  // the restore acts on the last page opened
    write(doc, "edited");
    write(work + QStringLiteral("/我加的.txt"), "mine");
    ASSERT_TRUE(QFile::remove(work + '/' + QString::fromUtf8(c.keep)));
    if (fault == QStringLiteral("doc")) {
        ASSERT_TRUE(QFile::remove(pristine));
    }
    if (fault == QStringLiteral("material")) {
        ASSERT_TRUE(QDir(ex(QStringLiteral("题库/1/") + QString::fromUtf8(c.material))).removeRecursively());
    }
    std::unique_ptr<testing_support::FileHolder> holder;
    if (fault == QStringLiteral("open")) {
        holder = std::make_unique<testing_support::FileHolder>(doc);
        ASSERT_TRUE(holder->holding());
    }
    if (fault == QStringLiteral("readonly")) {
        ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\KS\\") + QString::fromUtf8(c.folder) + QStringLiteral("\\我加的.txt"), true));
    }
    if (fault == QStringLiteral("full")) write(ex(QStringLiteral("题库/1/") + QString::fromUtf8(c.material) + QStringLiteral("/大文件.dat")), QByteArray(64 * 1024, 'x'));

    ScriptedMessageBoxes boxes;
    if (fault.isEmpty() || fault == QStringLiteral("no") || fault == QStringLiteral("readonly") || fault == QStringLiteral("full"))
        boxes.expectYesNo(common::msg::kAskRestore, fault != QStringLiteral("no"));
    if (fault != QStringLiteral("no")) boxes.expectOk();
    {
        std::unique_ptr<testing_support::FileSizeLimit> full;
        if (fault == QStringLiteral("full")) {
            full = std::make_unique<testing_support::FileSizeLimit>(16 * 1024);
            ASSERT_TRUE(full->ok());
        }
        click(w, QStringLiteral("恢复本题"));
    }
    if (fault != QStringLiteral("no")) {
        EXPECT_TRUE(boxes.shown.last().contains(c.message)) << boxes.shown.last().toStdString();
    }

    if (fault.isEmpty() || fault == QStringLiteral("readonly")) {
        // A file the student made read-only goes like the others.
        EXPECT_EQ(read(doc), read(pristine));
        EXPECT_FALSE(exists(work + QStringLiteral("/我加的.txt")));
        EXPECT_EQ(files(work), files(ex(QStringLiteral("题库/1/") + QString::fromUtf8(c.material))));
    } else if (fault == QStringLiteral("full")) {
        EXPECT_FALSE(boxes.shown.contains(common::msg::kRestored)) << "a failed restore is never shown as success";
    } else {
        EXPECT_EQ(read(doc), "edited");
        EXPECT_EQ(read(work + QStringLiteral("/我加的.txt")), "mine");
        EXPECT_FALSE(exists(work + '/' + QString::fromUtf8(c.keep)));
        EXPECT_FALSE(boxes.shown.contains(common::msg::kRestored));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamRestore,
    ::testing::Values(
        RestoreCase{"Excel", "操作题excel", "excel", "excel考查题.xlsx", "KSXLS", "excel/素材", "说明.txt", "", common::msg::kRestored},
        RestoreCase{"NetworkFromSecondMaterial", "操作题network", "network", "network考查题.net", "KSNET", "network/素材2", "学号.txt", "", common::msg::kRestored},
        RestoreCase{"WindowsDocumentToo", "操作题windows", "windows", "windows考查题.win", "KSWIN", "windows/素材", "资料/通知.txt", "", common::msg::kRestored},
        RestoreCase{"Declined", "操作题ppt", "ppt", "ppt考查题.pptx", "KSPPT", "ppt/素材", "锁.jpg", "no", ""},
        RestoreCase{"MissingPristineDocument", "操作题word", "word", "word考查题.docx", "KSDOC", "word/素材", "补充段落.txt", "doc", "word考查题.docx"},
        RestoreCase{"MissingMaterial", "操作题excel", "excel", "excel考查题.xlsx", "KSXLS", "excel/素材", "说明.txt", "material", "素材"},
        RestoreCase{"MissingSecondMaterial", "操作题network", "network", "network考查题.net", "KSNET", "network/素材2", "学号.txt", "material", "素材2"},
        RestoreCase{"DocumentOpen", "操作题word", "word", "word考查题.docx", "KSDOC", "word/素材", "补充段落.txt", "open", common::msg::kCloseDocument},
        RestoreCase{"ReadOnlyWorkGoesToo", "操作题word", "word", "word考查题.docx", "KSDOC", "word/素材", "补充段落.txt", "readonly", common::msg::kRestored},
        RestoreCase{"AFailedCopyIsReported", "操作题word", "word", "word考查题.docx", "KSDOC", "word/素材", "补充段落.txt", "full", "本题没有完全恢复"}));

// ---- choice page ----------------------------------------------------------------------

TEST_F(ExamTest, AnswersReachTheFileByteForByteOnEveryChange)
{
    exam::ExamWindow* w = started();
    const QString file = ex(QStringLiteral("试卷/选择题/answer.txt"));
    const QByteArray shipped = read(file);
    box(w, 3)->setText(QStringLiteral("B"));
    EXPECT_EQ(read(file), shipped) << "boxes not loaded from the file yet are not saved";
    box(w, 3)->clear();

    click(w, QStringLiteral("理论题"));
    EXPECT_EQ(read(file), QByteArray("\r\n").repeated(11));
    const struct {
        int box;
        const char* text;
        QByteArray file;
    } steps[] = {
        {3, "B", "\r\n\r\nB\r\n" + QByteArray("\r\n").repeated(8)},
        {1, "ABCDE", "ABCD\r\n\r\nB\r\n" + QByteArray("\r\n").repeated(8)},
        {10, "DA", "ABCD\r\n\r\nB\r\n" + QByteArray("\r\n").repeated(6) + "D\r\n\r\n"},
        {3, "", "ABCD\r\n\r\n\r\n" + QByteArray("\r\n").repeated(6) + "D\r\n\r\n"},
        // Pasted lines: the box keeps its first line; no answer moves.
        {1, "C\r\nD", "C\r\n\r\n\r\n" + QByteArray("\r\n").repeated(6) + "D\r\n\r\n"},
        {1, "ABCD", "ABCD\r\n\r\n\r\n" + QByteArray("\r\n").repeated(6) + "D\r\n\r\n"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.box);
        box(w, s.box)->setText(QString::fromUtf8(s.text));
        EXPECT_EQ(read(file), s.file);
    }
    EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::Files).filter(QStringLiteral("answer")), QStringList{QStringLiteral("answer.txt")})
        << "no temporary file is left beside it";

    // A character code page 936 cannot hold is taken back, with a message.
    ScriptedMessageBoxes boxes;
    boxes.expectOk();
    box(w, 2)->setText(QStringLiteral("😀"));
    EXPECT_TRUE(box(w, 2)->text().isEmpty());
    EXPECT_EQ(read(file), steps[5].file);

    click(w, QStringLiteral("x返回"));
    EXPECT_EQ(read(file), steps[5].file);
    EXPECT_TRUE(w->ctl(QStringLiteral("题型选择区"))->isVisible());
}

TEST_F(ExamTest, AnswersSurviveACloseFromTheChoicePageAndARestart)
{
    exam::ExamWindow* w = started();
    click(w, QStringLiteral("理论题"));
    const QStringList typed{QStringLiteral("AB"), QString(), QStringLiteral("C"), QStringLiteral("D"), QString(),
                            QStringLiteral("A"), QString(), QString(), QStringLiteral("B"), QStringLiteral("C")};
    for (int n = 1; n <= 10; ++n) box(w, n)->setText(typed[n - 1]);
    closeRunning(w);  // from the choice page, without 返回

    w = open();
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk(exam::msg::kGoOn);
        click(w, QStringLiteral("开始考试"));
    }
    click(w, QStringLiteral("理论题"));
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(box(w, n)->text(), typed[n - 1]) << n;
    for (const char* l : {"选择题题目内容", "A", "B", "C", "D"}) EXPECT_TRUE(forms::caption(w->ctl(QString::fromUtf8(l))).isEmpty()) << l;
}

TEST_F(ExamTest, AShortAnswerFileLeavesTheLaterBoxesAsTheyAre)
{
    exam::ExamWindow* w = started();
    click(w, QStringLiteral("理论题"));
    for (int n = 1; n <= 10; ++n) box(w, n)->setText(QStringLiteral("A"));
    click(w, QStringLiteral("x返回"));
    write(ex(QStringLiteral("试卷/选择题/answer.txt")), "B\r\n\r\nC\r\n");
    click(w, QStringLiteral("理论题"));
    const QStringList expected{QStringLiteral("B"), QString(), QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("A"),
                               QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("A")};
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(box(w, n)->text(), expected[n - 1]) << n;
}

TEST_F(ExamTest, AQuestionButtonShowsItsFileStackedBelowTheStem)
{
    exam::ExamWindow* w = started();
    click(w, QStringLiteral("理论题"));
    for (int n : {1, 10}) {
        SCOPED_TRACE(n);
        click(w, QStringLiteral("第%1题").arg(n, 2, 10, QChar('0')));
        const QStringList lines = plat::decode936(read(ex(QStringLiteral("试卷/选择题/%1.txt").arg(n)))).split(QStringLiteral("\r\n"));
        QWidget* stem = w->ctl(QStringLiteral("选择题题目内容"));
        EXPECT_EQ(forms::caption(stem), lines.value(0));
        EXPECT_EQ(forms::caption(w->ctl(QStringLiteral("D"))), lines.value(4));
        // Twips are placed on whole pixels (15 twips at 96 dpi).
        EXPECT_NEAR(forms::topTw(w->ctl(QStringLiteral("A"))), forms::topTw(stem) + forms::heightTw(stem) + 100, 15);
        EXPECT_NEAR(forms::topTw(w->ctl(QStringLiteral("C"))), forms::topTw(w->ctl(QStringLiteral("B"))) + 400, 15);
    }
}

}  // namespace
