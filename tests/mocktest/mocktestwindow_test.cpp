// 模拟测试窗格 as the student sees it: the start-up, the return rule, the
// pages per level with their slot buttons, and the choice page with its
// answer card.
#include "common/navigation.h"
#include "mock_support.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

using mock_support::MockTest;
using testing_support::ScriptedMessageBoxes;
using namespace mocktest;

namespace {


class MockWindowModes : public MockTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MockWindowModes, LoadSizesToTheLevelStripAndClosingFollowsTheLaunchMode)
{
    EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QString::fromUtf8(GetParam())));
    forms::show(common::kMainWindowName);
    forms::hide(common::kMainWindowName);
    auto* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), QStringLiteral("模拟测试_模块选择               当前用户信息：【") + mock_support::kKey + QStringLiteral("】"));
    EXPECT_EQ(w->outerWidthTw(), forms::toTw(forms::tw(9830)));
    EXPECT_EQ(w->outerHeightTw(), forms::toTw(forms::tw(1575 + 530)));
    EXPECT_EQ(forms::topTw(w->ctl("测试级别选择区")), 0);
    ScriptedMessageBoxes boxes;
    expectCloseQuestions(boxes);
    EXPECT_TRUE(forms::unload(w));
    processEvents();
    const bool more = QByteArray(GetParam()) == "more";
    EXPECT_EQ(ended_, !more);
    if (more) {
        EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, MockWindowModes, ::testing::Values("more", "mission"));

class MockPagesTest : public MockTest {};

// Each operation page: its labels, its slot buttons per level, its size.
TEST_F(MockPagesTest, OperationPagesSetTheModuleAndShowTheLevelsSlots)
{
    struct Case {
        const char* level;
        const char* page;
        const char* kind;
        const char* ext;
        const char* folder;
        int slotCount;
    };
    const Case cases[] = {
        {"入门", "word", "word", "docx", "KSDOC", 6},   {"入门", "excel", "excel", "xlsx", "KSXLS", 5},
        {"入门", "ppt", "ppt", "pptx", "KSPPT", 4},     {"入门", "windows", "windows", "win", "KSWIN", 6},
        {"入门", "网络", "network", "net", "KSNET", 2}, {"普通", "excel", "excel", "xlsx", "KSXLS", 1},
        {"困难", "word", "word", "docx", "KSDOC", 2},   {"困难", "excel", "excel", "xlsx", "KSXLS", 2},
        {"困难", "ppt", "ppt", "pptx", "KSPPT", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.level) + " " + c.page);
        MockTestWindow* w = paperFor(QString::fromUtf8(c.level));
        click(w, QString::fromUtf8(c.page));
        EXPECT_EQ(w->state.操作题题型, QString::fromUtf8(c.kind));
        EXPECT_EQ(w->state.扩展名, QString::fromUtf8(c.ext));
        EXPECT_EQ(w->state.素材文件夹, QString::fromUtf8(c.folder));
        for (int s = 1; s <= 6; ++s)
            EXPECT_EQ(w->ctl(slotButton(s))->isHidden(), s > c.slotCount) << s;
        EXPECT_FALSE(w->ctl(QString::fromUtf8(c.page))->isEnabled());
        EXPECT_TRUE(w->ctl("操作题内容区")->isHidden());
        EXPECT_EQ(w->outerWidthTw(), forms::toTw(forms::tw(9795)));
        EXPECT_EQ(w->outerHeightTw(), forms::toTw(forms::tw(4230)));
    }
}

TEST_F(MockPagesTest, TallerPagesStayOnTheScreen)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("普通"), boxes);
    const QRect area = w->screen()->availableGeometry();
    w->move(area.left(), area.bottom() - 40);
    processEvents();
    click(w, QStringLiteral("选择题"));
    processEvents();
    EXPECT_LE(w->frameGeometry().bottom(), area.bottom());
    EXPECT_GE(w->frameGeometry().top(), area.top());
}

TEST_F(MockPagesTest, NetworkPageReadsTheCurrentAddress)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    addresses = {QStringLiteral("192.168.7.20")};
    click(w, QStringLiteral("网络"));
    EXPECT_EQ(w->state.nIP, QStringLiteral("192.168.7.20"));
    // No address in the report: the label keeps what it had.
    addresses.clear();
    click(w, QStringLiteral("windows"));
    click(w, QStringLiteral("网络"));
    EXPECT_EQ(w->state.nIP, QStringLiteral("192.168.7.20"));
}

TEST_F(MockPagesTest, LoadWritesOnlyTheCurrentReport)
{
    ASSERT_TRUE(plat::writeText936(QStringLiteral("D:\\IPtemp0000.txt"), QStringLiteral("   IPv4 地址 . . . : 10.9.9.9")));
    addresses = {QStringLiteral("10.1.2.3")};
    open();
    const QStringList lines = plat::readLines936(QStringLiteral("D:\\IPtemp0000.txt")).value_or(QStringList());
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("10.9.9.9")));
    EXPECT_TRUE(lines.join('\n').contains(QStringLiteral("10.1.2.3")));
}

TEST_F(MockPagesTest, NormalOfficePageOffersStyleAndFolderOfItsQuestion)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("普通"), boxes);  // draws question 1 of each kind
    click(w, QStringLiteral("word"));                // word 1: two pictures, material
    EXPECT_FALSE(w->ctl("样式")->isHidden());
    EXPECT_FALSE(w->ctl("考生文件夹")->isHidden());
    EXPECT_FALSE(w->ctl("样式下一张")->isHidden());
    EXPECT_EQ(w->stylePanel().count(), 2);
    click(w, QStringLiteral("excel"));  // excel 1: no pictures, no material
    EXPECT_TRUE(w->ctl("样式")->isHidden());
    EXPECT_TRUE(w->ctl("考生文件夹")->isHidden());
    click(w, QStringLiteral("ppt"));  // ppt 1: one picture, material; documents there
    EXPECT_FALSE(w->ctl("样式")->isHidden());
    EXPECT_TRUE(w->ctl("样式下一张")->isHidden());
    EXPECT_FALSE(w->ctl("打开题目")->isHidden());
    // A slot shows the question text.
    click(w, QStringLiteral("c01"));
    EXPECT_EQ(w->state.序号, QStringLiteral("01"));
    EXPECT_FALSE(w->ctl("操作题内容区")->isHidden());
    EXPECT_TRUE(w->ctl<QPlainTextEdit>(QStringLiteral("操作题题目内容"))->toPlainText().contains(QStringLiteral("幻灯片母版")));
}

TEST_F(MockPagesTest, ChoicePageShowsTheQuestionAndKeepsTheAnswerCard)
{
    ScriptedMessageBoxes boxes;
    hooks.random(mock_support::last);
    auto* w = paper(QStringLiteral("普通"), boxes);
    click(w, QStringLiteral("选择题"));
    EXPECT_EQ(w->outerWidthTw(), forms::toTw(forms::tw(13335 + 280)));
    EXPECT_EQ(w->outerHeightTw(), forms::toTw(forms::tw(6260)));
    EXPECT_TRUE(w->ctl("选择题内容区")->isHidden());
    EXPECT_EQ(w->state.操作题题型, QString());
    click(w, QStringLiteral("x01"));  // bank question 21
    const QStringList q = plat::readLines936(mocktest::mockBank(QStringLiteral("普通")) + QStringLiteral("\\选择题\\21.txt")).value();
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("选择题题干"))->toPlainText(), q[0]);
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("选项D"))->text(), q[4]);
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("题号"))->text(), QStringLiteral("【01】"));
    w->ctl<QLineEdit>(QStringLiteral("d3"))->setText(QStringLiteral("B"));
    click(w, QStringLiteral("x07"));
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("题号"))->text(), QStringLiteral("【07】"));
    click(w, QStringLiteral("word"));
    click(w, QStringLiteral("选择题"));
    EXPECT_EQ(w->ctl<QLineEdit>(QStringLiteral("d3"))->text(), QStringLiteral("B"));
    // A short, missing or unreadable file leaves none of the previous
    // question's texts behind, and is named.
    struct Broken {
        const char* slot;
        QByteArray bytes;  // empty: no file
        const char* stem;  // nullptr: whatever the bytes read as
    };
    const Broken broken[] = {
        {"05", testing_support::gbk(QStringLiteral("只有题干")), "只有题干"},
        {"06", {}, ""},
        {"07", QByteArray("\xff\xfe\xff\r\n"), nullptr},
    };
    boxes.allowAnyOk = true;
    for (const Broken& b : broken) {
        SCOPED_TRACE(b.slot);
        const QString file = QStringLiteral("素材/bk/模拟测试/选择题/") + QString::fromUtf8(b.slot) + QStringLiteral(".txt");
        if (b.bytes.isEmpty()) QFile::remove(hostPath(file));
        else writeBytes(file, b.bytes);
        click(w, QStringLiteral("x01"));
        boxes.shown.clear();
        click(w, QStringLiteral("x") + QString::fromUtf8(b.slot));
        if (b.stem) {
            EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("选择题题干"))->toPlainText(), QString::fromUtf8(b.stem));
        }
        for (const char* o : {"选项A", "选项B", "选项C", "选项D"})
            EXPECT_TRUE(w->ctl<QLineEdit>(QString::fromUtf8(o))->text().isEmpty()) << o;
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(boxes.shown[0].contains(QString::fromUtf8(b.slot) + QStringLiteral(".txt")));
    }
}

TEST_F(MockPagesTest, EntryChoicePageIsNarrowWithFifteenQuestions)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    click(w, QStringLiteral("选择题"));
    EXPECT_EQ(w->outerWidthTw(), forms::toTw(forms::tw(10050 + 280)));
    int shown = 0;
    for (int n = 1; n <= 20; ++n) shown += w->ctl(QStringLiteral("x%1").arg(n, 2, 10, QChar('0')))->isVisible() ? 1 : 0;
    EXPECT_EQ(shown, 15);
    EXPECT_TRUE(w->ctl("d16")->isHidden());
}

}  // namespace
