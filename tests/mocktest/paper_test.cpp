// The mock paper: the level table, generation per level with a fixed random
// source (what lands in which label, slot and folder), the checks before
// anything changes, the guard and the reset.
#include "mock_support.h"
#include "mocktest/paper/generation.h"
#include "process_support.h"

#include <QDir>
#include <sys/stat.h>
#include <QProgressBar>

using mock_support::MockTest;
using testing_support::ScriptedMessageBoxes;
using namespace mocktest;

namespace {

// The level table as the mock test knows it: counts, label ranges and list
// prefixes per level and kind, progress and page-strip widths.
TEST(MockLevelTable, HoldsEachLevelsKindsLabelsAndLists)
{
    struct Row {
        const char* level;
        int choices;
        int progress;
        int width;
        const char* kinds;  // kind:count:firstLabel:prefix ...
    };
    const Row rows[] = {
        {"入门", 15, 5, 9495, "word:6:24:wo excel:5:30:ex ppt:4:35:pt windows:6:39:win network:2:45:net"},
        {"普通", 20, 7, 6350, "word:1:21:w excel:1:22:e ppt:1:23:p"},
        {"困难", 0, 7, 4805, "word:2:47:wd excel:2:49:exl ppt:1:51:ptx"},
    };
    QList<int> used;
    for (const Row& r : rows) {
        const LevelSpec* l = findLevel(QString::fromUtf8(r.level));
        ASSERT_NE(l, nullptr) << r.level;
        EXPECT_EQ(l->choiceCount, r.choices) << r.level;
        EXPECT_EQ(l->progressMax, r.progress) << r.level;
        EXPECT_EQ(l->finalWidth, r.width) << r.level;
        QStringList got;
        for (const LevelKind& k : l->kinds) {
            got << QStringLiteral("%1:%2:%3:%4").arg(QString::fromUtf8(k.kind)).arg(k.count).arg(k.firstLabel).arg(QString::fromUtf8(k.prefix));
            for (int s = 1; s <= k.count; ++s) used << k.labelOfSlot(s);
            EXPECT_NE(findKind(QString::fromUtf8(k.kind)), nullptr);
        }
        EXPECT_EQ(got.join(' '), QString::fromUtf8(r.kinds)) << r.level;
    }
    // Every operation label 21..51 belongs to exactly one slot of one level.
    std::sort(used.begin(), used.end());
    QList<int> expected;
    for (int i = 21; i <= kDrawnLabels; ++i) expected << i;
    EXPECT_EQ(used, expected);
    EXPECT_EQ(findLevel(QStringLiteral("测试级别")), nullptr);
    EXPECT_EQ(QString::fromUtf8(findKind(QStringLiteral("network"))->ext), QStringLiteral("net"));
}

class MockPaperTest : public MockTest {};

TEST_F(MockPaperTest, EntryPaperLandsInItsLabelsSlotsAndFolders)
{
    ScriptedMessageBoxes boxes;
    // An earlier paper's leftovers: a personalised text and a stray file.
    QDir().mkpath(d(QStringLiteral("KSXLS/09")));
    writeBytes(QStringLiteral("素材/bk/模拟测试/题库/入门/windows/题目内容_改/3.txt"), "old");
    auto* w = paper(QStringLiteral("入门"), boxes);
    const MockState& s = w->state;
    EXPECT_EQ(s.测试级别, QStringLiteral("入门"));
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(s.drawn[i], QString::number(i));
    EXPECT_EQ(s.drawn[16], QStringLiteral("16"));  // design caption
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s.drawn[24 + i], QString::number(i + 1));
    EXPECT_EQ(read(mt(QStringLiteral("选择题/03.txt"))), read(bank(QStringLiteral("入门"), QStringLiteral("选择题/3.txt"))));
    // Office documents twice, no texts at this level.
    EXPECT_EQ(read(mt(QStringLiteral("word/bk/word06.docx"))), read(bank(QStringLiteral("入门"), QStringLiteral("word/题目文档/6.docx"))));
    EXPECT_EQ(read(mt(QStringLiteral("word/题目文档/word_题目_06.docx"))), read(bank(QStringLiteral("入门"), QStringLiteral("word/题目文档/6.docx"))));
    EXPECT_FALSE(exists(mt(QStringLiteral("word/题目内容/word01.txt"))));
    // Material per slot: word 3 and 6 have some, excel 1..5 none.
    EXPECT_EQ(entries(d(QStringLiteral("KSDOC"))), (QStringList{QStringLiteral("03"), QStringLiteral("06")}));
    EXPECT_TRUE(exists(d(QStringLiteral("KSDOC/03/校园.jpg"))));
    EXPECT_TRUE(exists(mt(QStringLiteral("word/素材/考试素材/06/课程表.txt"))));
    // The reset deletes D:\KSDOC alone: the other mock exam folders keep
    // what an earlier paper left there.
    EXPECT_TRUE(exists(d(QStringLiteral("KSXLS/09"))));
    // Windows and network: material only, fresh filler, no documents yet.
    EXPECT_EQ(entries(d(QStringLiteral("KSWIN"))).size(), 6);
    EXPECT_EQ(entries(d(QStringLiteral("KSNET"))), (QStringList{QStringLiteral("01"), QStringLiteral("02")}));
    EXPECT_EQ(entries(bank(QStringLiteral("入门"), QStringLiteral("windows/题目内容_改"))), QStringList{QStringLiteral("temp.txt")});
    EXPECT_TRUE(entries(mt(QStringLiteral("windows/bk"))).isEmpty());
    EXPECT_TRUE(s.listed(QStringLiteral("woCombo3"), QStringLiteral("3")));
    EXPECT_TRUE(s.listed(QStringLiteral("ptCombo2"), QStringLiteral("1")));
    EXPECT_TRUE(w->paperComplete());
    EXPECT_FALSE(w->ctl("试卷生成中提示")->isVisible());
}

TEST_F(MockPaperTest, LastNumbersFirstGoToSlotOneAndNormalMaterialLiesFlat)
{
    hooks.random(mock_support::last);
    ScriptedMessageBoxes boxes;
    touch(d(QStringLiteral("KSPPT/旧.txt")));
    auto* w = paper(QStringLiteral("普通"), boxes);
    const MockState& s = w->state;
    EXPECT_EQ(s.drawn[1], QStringLiteral("21"));
    EXPECT_EQ(s.drawn[2], QStringLiteral("1"));
    EXPECT_EQ(s.drawn[21], QStringLiteral("2"));  // word: last of two
    EXPECT_EQ(s.drawn[24], QStringLiteral("24"));
    EXPECT_EQ(read(mt(QStringLiteral("word/题目内容/word01.txt"))), read(bank(QStringLiteral("普通"), QStringLiteral("word/题目内容/2.txt"))));
    EXPECT_EQ(read(mt(QStringLiteral("excel/bk/excel01.xlsx"))), read(bank(QStringLiteral("普通"), QStringLiteral("excel/题目文档/2.xlsx"))));
    EXPECT_EQ(entries(d(QStringLiteral("KSDOC"))), QStringList{QStringLiteral("名单.xlsx")});
    EXPECT_TRUE(exists(mt(QStringLiteral("word/素材/考试素材/01/名单.xlsx"))));
    EXPECT_TRUE(exists(d(QStringLiteral("KSPPT/旧.txt"))));  // ppt 2 has no material; the reset leaves D:\KSPPT alone
    for (const char* b : {"网络", "windows", "c02", "c06"}) EXPECT_TRUE(w->ctl(QString::fromUtf8(b))->isHidden()) << b;
    EXPECT_FALSE(w->ctl("x20")->isHidden());
}

TEST_F(MockPaperTest, HardPaperLeavesTheChoiceSlotsAlone)
{
    ScriptedMessageBoxes boxes;
    writeBytes(QStringLiteral("素材/bk/模拟测试/选择题/01.txt"), "earlier");
    auto* w = paper(QStringLiteral("困难"), boxes);
    EXPECT_EQ(read(mt(QStringLiteral("选择题/01.txt"))), QByteArray("earlier"));
    EXPECT_EQ(w->state.drawn[1], QStringLiteral("01"));
    EXPECT_EQ(w->state.drawn[47], QStringLiteral("1"));
    EXPECT_EQ(w->state.drawn[48], QStringLiteral("2"));
    EXPECT_EQ(read(mt(QStringLiteral("word/题目内容/word02.txt"))), read(bank(QStringLiteral("困难"), QStringLiteral("word/题目内容/2.txt"))));
    EXPECT_FALSE(exists(d(QStringLiteral("KSDOC"))));  // no slot got material: created and removed again
    EXPECT_TRUE(w->ctl("选择题")->isHidden());
    EXPECT_EQ(forms::widthTw(w->ctl("题型区")), forms::toTw(forms::tw(4805)));
}

TEST_F(MockPaperTest, WindowIsLaidOutForTheLevelAndTheNoticeRunsItsSteps)
{
    ScriptedMessageBoxes boxes;
    auto* w = open();
    click(w, QStringLiteral("Command2"));
    EXPECT_EQ(w->caption(), QStringLiteral("《Corvanth》模拟测试【入门】               当前用户信息：【") + mock_support::kKey +
                                QStringLiteral("】"));
    EXPECT_EQ(w->outerHeightTw(), forms::toTw(forms::tw(3150)));
    QWidget* notice = w->ctl("试卷生成中提示");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_NEAR(forms::widthTw(notice), w->outerWidthTw() + 100, 15);  // a little wider than the window
    EXPECT_TRUE(w->ctl("测试级别选择区")->isHidden());
    EXPECT_TRUE(w->ctl("x16")->isHidden());
    EXPECT_EQ(forms::widthTw(w->ctl("选择题内容区")), 10050);
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题型介绍"))->toPlainText().count(QChar('\n')), 5);
    EXPECT_TRUE(w->timer()->isActive());
    w->timer()->stop();
    auto* bar = w->ctl<QProgressBar>(QStringLiteral("ProgressBar1"));
    EXPECT_EQ(bar->maximum(), 5);
    for (int i = 1; i <= 5; ++i) {
        w->tick();
        EXPECT_EQ(bar->value(), i);
    }
    EXPECT_TRUE(boxes.shown.isEmpty());
    boxes.expectOk(mocktest::msg::kPaperMade);
    w->tick();
    EXPECT_FALSE(notice->isVisible());
    EXPECT_FALSE(w->timer()->isActive());
}

// A bank that cannot make the paper is found before anything changes: the
// level buttons stay, nothing on D: or in the working tree is touched.
TEST_F(MockPaperTest, IncompleteBankRefusesBeforeAnythingChanges)
{
    struct Case {
        const char* level;
        const char* remove;  // under the level's bank
    };
    const Case cases[] = {
        {"普通", "题型介绍.txt"},
        {"普通", "选择题/5.txt"},  // a gap in the numbering
        {"入门", "network/题目内容/2.txt"},
        {"困难", "excel/题目内容/1.txt"},
        {"入门", "network/占位.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remove);
        forms::resetForTests();
        const QString file = bank(QString::fromUtf8(c.level), QString::fromUtf8(c.remove));
        const QByteArray keep = read(file);
        QFile::remove(file);
        writeBytes(QStringLiteral("素材/bk/模拟测试/选择题/01.txt"), "earlier");
        QDir().mkpath(d(QStringLiteral("KSDOC/01")));
        ScriptedMessageBoxes boxes;
        boxes.allowAnyOk = true;
        auto* w = open();
        click(w, QString::fromUtf8(findLevel(QString::fromUtf8(c.level))->button));
        ASSERT_EQ(boxes.shown.size(), 1);
        const QString heading = msg::incompleteBank(QString::fromUtf8(c.level), {}).section(QChar('\n'), 0, 0);
        EXPECT_TRUE(boxes.shown[0].startsWith(heading + QChar('\n'))) << boxes.shown[0].toStdString();
        EXPECT_FALSE(w->ctl("测试级别选择区")->isHidden());
        EXPECT_FALSE(w->timer()->isActive());
        EXPECT_EQ(read(mt(QStringLiteral("选择题/01.txt"))), QByteArray("earlier"));
        EXPECT_TRUE(exists(d(QStringLiteral("KSDOC/01"))));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(keep);
    }
}

TEST_F(MockPaperTest, FileHeldOpenStopsTheGenerationBeforeTheReset)
{
    ScriptedMessageBoxes boxes;
    touch(d(QStringLiteral("KSWIN/05/a.txt")));
    testing_support::FileHolder held(d(QStringLiteral("KSWIN/05/a.txt")));
    ASSERT_TRUE(held.holding());
    auto* w = open();
    boxes.expectOk(common::filesOpenMessage(QStringLiteral("KSWIN")));
    click(w, QStringLiteral("Command1"));  // also at 普通: the reset rebuilds KSWIN too
    EXPECT_TRUE(exists(d(QStringLiteral("KSWIN/05/a.txt"))));
    EXPECT_FALSE(w->timer()->isActive());
    EXPECT_FALSE(w->paperComplete());
    EXPECT_EQ(w->state.drawn[21], QStringLiteral("21"));
    // The notice stays over the window, but no longer says a paper is coming.
    EXPECT_TRUE(w->ctl("试卷生成中提示")->isVisible());
    EXPECT_EQ(forms::caption(w->ctl("Label55")), mocktest::msg::kPaperRefused);
    EXPECT_FALSE(w->ctl("ProgressBar1")->isVisible());
}

// A file-manager window on any mock exam folder stops every level: the
// reset rebuilds all five.
TEST_F(MockPaperTest, FileManagerWindowOnAnExamFolderStopsEveryLevel)
{
    if (!testing_support::XvfbDisplay::available()) GTEST_SKIP() << "Xvfb not installed";
    testing_support::XvfbDisplay x;
    ASSERT_TRUE(x.running());
    testing_support::ClassedWindow nautilus(x.name(), "Nautilus", QStringLiteral("KSNET"));
    ASSERT_TRUE(nautilus.ok());
    ScriptedMessageBoxes boxes;
    auto* w = open();
    boxes.expectOk(common::explorerOpenMessage(QStringLiteral("KSNET")));
    click(w, QStringLiteral("Command3"));
    EXPECT_FALSE(w->timer()->isActive());
    EXPECT_EQ(w->state.drawn[47], QStringLiteral("47"));
}

TEST_F(MockPaperTest, LeftoverProbeNamesArePutBackOrKeptAside)
{
    // The working tree left under its probe name: put back, paper made.
    {
        ScriptedMessageBoxes boxes;
        ASSERT_TRUE(QDir().rename(mt(QString()), hostPath(QStringLiteral("素材/bk/模拟测试0"))));
        paper(QStringLiteral("困难"), boxes);
        EXPECT_TRUE(exists(mt(QStringLiteral("word/bk/word01.docx"))));
        EXPECT_FALSE(exists(hostPath(QStringLiteral("素材/bk/模拟测试0"))));
    }
    forms::resetForTests();
    // Both names present, and a leftover of an interrupted restore: kept
    // under names of their own and named; the paper is made.
    ScriptedMessageBoxes boxes;
    QDir().mkpath(d(QStringLiteral("KSDOC/01")));
    touch(d(QStringLiteral("w改名/01/作业.docx")));
    touch(d(QStringLiteral("改名e/02/作业.xlsx")));
    boxes.allowAnyOk = true;
    auto* w = open();
    click(w, QStringLiteral("Command3"));
    ASSERT_FALSE(boxes.shown.isEmpty());
    EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("w改名_留存_"))) << boxes.shown[0].toStdString();
    EXPECT_FALSE(exists(d(QStringLiteral("w改名"))));
    EXPECT_FALSE(exists(d(QStringLiteral("改名e"))));
    EXPECT_EQ(QDir(drive_).entryList({QStringLiteral("w改名_留存_*")}, QDir::Dirs).size(), 1);
    const QStringList excel = QDir(drive_).entryList({QStringLiteral("改名e_留存_*")}, QDir::Dirs);
    ASSERT_EQ(excel.size(), 1);
    EXPECT_TRUE(exists(d(excel[0] + QStringLiteral("/02/作业.xlsx"))));
    finishProgress(w);
    EXPECT_TRUE(w->paperComplete());
}

// Read-only files the questions had the student make in the mock exam
// folders: the next paper is made whole and says nothing about them.
TEST_F(MockPaperTest, ReadOnlyFilesOfAnEarlierPaperDoNotSpoilTheNextOne)
{
    ScriptedMessageBoxes boxes;
    touch(d(QStringLiteral("KSDOC/03/只读.docx")));
    touch(d(QStringLiteral("KSWIN/01/资料/旧文件.txt")));
    for (const char* f : {"D:\\KSDOC\\03\\只读.docx", "D:\\KSWIN\\01\\资料\\旧文件.txt"})
        ASSERT_TRUE(plat::fs::setReadOnly(QString::fromUtf8(f), true));
    auto* w = paper(QStringLiteral("入门"), boxes);
    EXPECT_TRUE(w->paperComplete());
    for (const QString& m : boxes.shown) EXPECT_FALSE(m.contains(QStringLiteral("只读"))) << m.toStdString();
    EXPECT_FALSE(exists(d(QStringLiteral("KSDOC/03/只读.docx"))));
    EXPECT_TRUE(exists(d(QStringLiteral("KSDOC/03/校园.jpg"))));
}

TEST_F(MockPaperTest, FailedCopyIsReportedInsteadOfThePaper)
{
    ScriptedMessageBoxes boxes;
    // A drawn question without its document.
    QFile::remove(bank(QStringLiteral("困难"), QStringLiteral("ppt/题目文档/1.pptx")));
    auto* w = open();
    click(w, QStringLiteral("Command3"));
    w->timer()->stop();
    for (int i = 0; i < 7; ++i) w->tick();
    boxes.allowAnyOk = true;
    w->tick();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_NE(boxes.shown[0], mocktest::msg::kPaperMade);
    EXPECT_EQ(boxes.shown[0].count(QStringLiteral("1.pptx")), 1) << "named once although two copies failed";
    EXPECT_FALSE(w->paperComplete());
}

// A new paper replaces the choice slot files of the previous one; a slot
// whose copy fails keeps its earlier file (never an empty or half-written
// one), a read-only one is named, and nothing the paper replaced is left in
// the working tree once the progress has run, even after an interrupted run.
TEST_F(MockPaperTest, ChoiceSlotsOfTheLastPaperAreReplacedOrKeptWhole)
{
    const auto slot = [this](int q) { return mt(QStringLiteral("选择题/") + mocktest::slotName(q) + QStringLiteral(".txt")); };
    for (int q = 1; q <= 20; ++q) touch(slot(q), "earlier " + QByteArray::number(q));
    ASSERT_TRUE(plat::fs::setReadOnly(plat::appPath(QStringLiteral("\\素材\\bk\\模拟测试\\选择题\\05.txt")), true));
    // Bank question 7 cannot be read as a file: the copy into slot 07 fails.
    const QString seven = bank(QStringLiteral("普通"), QStringLiteral("选择题/7.txt"));
    ASSERT_TRUE(QFile::remove(seven));
    ASSERT_EQ(::mkfifo(QFile::encodeName(seven).constData(), 0644), 0);
    // Files an interrupted run had put aside.
    touch(mt(QStringLiteral(".选择题-已替换/01.txt")), "interrupted");

    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    auto* w = open();
    click(w, QStringLiteral("Command1"));
    finishProgress(w);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("只读"))) << boxes.shown[0].toStdString();
    EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("7.txt"))) << boxes.shown[0].toStdString();
    for (int q : {1, 6, 8, 20}) EXPECT_EQ(read(slot(q)), read(bank(QStringLiteral("普通"), QStringLiteral("选择题/%1.txt").arg(q)))) << q;
    EXPECT_EQ(read(slot(5)), QByteArray("earlier 5"));
    EXPECT_EQ(read(slot(7)), QByteArray("earlier 7"));
    EXPECT_FALSE(exists(mt(QStringLiteral(".选择题-已替换"))));
    EXPECT_EQ(entries(mt(QStringLiteral("选择题"))).size(), 20);
    QDir hidden(mt(QStringLiteral("选择题")), QString(), QDir::Name, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(hidden.count(), 20u) << hidden.entryList().join(' ').toStdString();
}

TEST_F(MockPaperTest, SecondLevelClickDoesNothing)
{
    ScriptedMessageBoxes boxes;
    auto* w = open();
    click(w, QStringLiteral("Command3"));
    const QString before = w->state.drawn[47];
    w->uGenerateMockPaper(QStringLiteral("入门"));
    EXPECT_EQ(w->state.测试级别, QStringLiteral("困难"));
    EXPECT_EQ(w->state.drawn[47], before);
    EXPECT_EQ(w->state.drawn[24], QStringLiteral("24"));
}

}  // namespace
