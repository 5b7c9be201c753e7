// 理论题随机练习窗格: batches of six distinct questions, their display, the
// reference answers and the next batch.
#include "common/draw.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/textfile.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"
#include "theory/messages.h"
#include "theory/randomtheory.h"
#include "theory_support.h"

#include <QFile>
#include <QLineEdit>
#include <QSet>
#include <gtest/gtest.h>

using testing_support::gbk;
using theory::RandomTheoryWindow;
using theory_test::click;

namespace {

const QString kRandomWindow = QString::fromUtf8(RandomTheoryWindow::kName);
const QString kBank = QStringLiteral("素材/bk/题库/理论题/");
const QString kBatch = QStringLiteral("素材/bk/理论题随机抽题测试/理论题/");

class RandomTheoryTest : public theory_test::TheoryWindowTest<RandomTheoryWindow> {
protected:
    // The theory bank and the folder of the batch copies.
    RandomTheoryTest() : TheoryWindowTest({QStringLiteral("素材/bk/题库/理论题"), QStringLiteral("素材/bk/理论题随机抽题测试")}) {}
    // Replaces the bank by `count` questions whose reference answer names them.
    void smallBank(int count, const QStringList& strays = {})
    {
        QDir(hostPath(kBank)).removeRecursively();
        for (int i = 1; i <= count; ++i)
            writeBytes(kBank + QStringLiteral("%1.txt").arg(i),
                       gbk(QStringLiteral("第%1题题干\r\nA．甲\r\nB．乙\r\nC．丙\r\nD．丁\r\n参考答案：\r\n答%1\r\n").arg(i)));
        for (const QString& s : strays) writeBytes(kBank + s, "stray\r\nA\r\nB\r\nC\r\nD\r\n\r\nX\r\n");
    }
    QString text(const QString& name) const { return forms::caption(w->ctl(name)); }
    bool shown(const QString& name) const { return w->ctl(name)->isVisible(); }
    void answerAll(const QString& s = QStringLiteral("A"))
    {
        for (int k = 1; k <= 6; ++k) w->ctl<QLineEdit>(QStringLiteral("第%1题答案").arg(k))->setText(s);
    }
    void expectBatchIsCopied() const
    {
        QSet<QString> seen;
        for (int k = 0; k < 6; ++k) {
            const QString n = w->state.drawn[k];
            EXPECT_FALSE(seen.contains(n)) << "twice: " << n.toStdString();
            seen.insert(n);
            EXPECT_EQ(bytes(kBatch + QStringLiteral("%1.txt").arg(k + 1)), bytes(kBank + n + QStringLiteral(".txt")));
        }
    }
};

TEST_F(RandomTheoryTest, LoadDrawsSixDistinctQuestionsAndCopiesThem)
{
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("强化训练_基础知识               当前用户信息：【2024001张三】"));
    for (const QString& n : w->state.drawn) {
        EXPECT_GE(n.toInt(), 1);
        EXPECT_LE(n.toInt(), 35);
        EXPECT_EQ(n, QString::number(n.toInt()));  // plain decimal text
    }
    expectBatchIsCopied();
    EXPECT_TRUE(shown(QStringLiteral("提交答案")));
    EXPECT_FALSE(shown(QStringLiteral("参考答案")));
    EXPECT_FALSE(shown(QStringLiteral("换一批")));
    EXPECT_EQ(text(QStringLiteral("题目内容")), QString());
    EXPECT_TRUE(theory_test::controlsOutsideTheirFrame(w).isEmpty()) << theory_test::controlsOutsideTheirFrame(w).join(' ').toStdString();
}

TEST_F(RandomTheoryTest, AQuestionButtonShowsItsCopyWithTheTighterStacking)
{
    hooks_.random([](std::uint32_t) { return 0u; });  // draws 1 to 6
    open();
    EXPECT_EQ(w->state.drawn, (QStringList{"1", "2", "3", "4", "5", "6"}));
    click(w, QStringLiteral("第3题"));
    const auto lines = plat::readLines936(hostPath(kBank + QStringLiteral("3.txt")));
    ASSERT_TRUE(lines && lines->size() >= 7);
    EXPECT_EQ(text(QStringLiteral("题序")), QStringLiteral("（3）"));
    EXPECT_EQ(text(QStringLiteral("题目内容")), lines->at(0));
    EXPECT_EQ(text(QStringLiteral("选项A")), lines->at(1));
    EXPECT_EQ(text(QStringLiteral("选项D")), lines->at(4));
    QWidget* stem = w->ctl(QStringLiteral("题目内容"));
    EXPECT_EQ(forms::topTw(stem), theory_test::snapped(240));
    const int topA = forms::topTw(stem) + forms::heightTw(stem) + 100;
    EXPECT_EQ(forms::topTw(w->ctl(QStringLiteral("选项A"))), theory_test::snapped(topA));
    EXPECT_EQ(forms::topTw(w->ctl(QStringLiteral("选项D"))), theory_test::snapped(topA + 3 * 400));
    EXPECT_TRUE(theory_test::controlsOutsideTheirFrame(w).isEmpty()) << theory_test::controlsOutsideTheirFrame(w).join(' ').toStdString();
}

TEST_F(RandomTheoryTest, ReferenceAnswersNeedAllSixAnswers)
{
    smallBank(6);
    open();
    answerAll();
    w->ctl<QLineEdit>(QStringLiteral("第4题答案"))->clear();
    boxes.expectOk(theory::msg::kAnswerAll);
    click(w, QStringLiteral("提交答案"));
    EXPECT_FALSE(shown(QStringLiteral("参考答案")));

    w->ctl<QLineEdit>(QStringLiteral("第4题答案"))->setText(QStringLiteral(" "));  // a blank is an answer
    click(w, QStringLiteral("提交答案"));
    EXPECT_FALSE(shown(QStringLiteral("提交答案")));
    EXPECT_TRUE(shown(QStringLiteral("参考答案")));
    EXPECT_TRUE(shown(QStringLiteral("换一批")));
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(shown(QStringLiteral("参考答案%1").arg(k)));
        EXPECT_EQ(text(QStringLiteral("参考答案%1").arg(k)), QStringLiteral("答") + w->state.drawn[k - 1]);
    }
    EXPECT_TRUE(theory_test::controlsOutsideTheirFrame(w).isEmpty()) << theory_test::controlsOutsideTheirFrame(w).join(' ').toStdString();
}

TEST_F(RandomTheoryTest, NextBatchClearsEverythingAndDrawsAgain)
{
    open();
    click(w, QStringLiteral("第1题"));
    answerAll();
    click(w, QStringLiteral("提交答案"));
    hooks_.random([](std::uint32_t bound) { return bound - 1; });
    click(w, QStringLiteral("换一批"));
    EXPECT_EQ(w->state.drawn[0], QStringLiteral("35"));
    expectBatchIsCopied();
    EXPECT_FALSE(shown(QStringLiteral("换一批")));
    EXPECT_TRUE(shown(QStringLiteral("提交答案")));
    EXPECT_FALSE(shown(QStringLiteral("参考答案")));
    EXPECT_EQ(text(QStringLiteral("题目内容")), QString());
    EXPECT_EQ(text(QStringLiteral("题序")), QString());
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(text(QStringLiteral("第%1题答案").arg(k)), QString());
        EXPECT_EQ(text(QStringLiteral("参考答案%1").arg(k)), QString());
    }
}

TEST_F(RandomTheoryTest, ABankOfSixGivesAllSixAndStraysAreNoQuestions)
{
    smallBank(6, {QStringLiteral("说明.doc"), QStringLiteral("07.txt"), QStringLiteral("8.bak")});
    open();
    for (int round = 0; round < 20; ++round) {
        QStringList sorted = w->state.drawn;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (QStringList{"1", "2", "3", "4", "5", "6"}));
        answerAll();
        click(w, QStringLiteral("提交答案"));
        click(w, QStringLiteral("换一批"));
    }
}

TEST_F(RandomTheoryTest, ABankTooSmallIsRefusedAndNoOldQuestionPassesForNew)
{
    smallBank(5, {QStringLiteral("readme.txt")});
    writeBytes(kBatch + QStringLiteral("1.txt"), "old\r\nA\r\nB\r\nC\r\nD\r\n\r\nOLD\r\n");
    boxes.expectOk(common::smallBankMessage(5, 6));
    open();
    ASSERT_NE(w, nullptr);
    boxes.expectOk(theory::msg::kNoBatch);
    click(w, QStringLiteral("第1题"));
    EXPECT_EQ(text(QStringLiteral("题目内容")), QString());
    answerAll();
    boxes.expectOk(theory::msg::kNoBatch);
    click(w, QStringLiteral("提交答案"));
    EXPECT_FALSE(shown(QStringLiteral("参考答案")));
}

TEST_F(RandomTheoryTest, AShortQuestionIsReportedUnderItsBankNameWithAnEmptyReferenceAndClearedOptions)
{
    smallBank(6);
    writeBytes(kBank + QStringLiteral("2.txt"), gbk(QStringLiteral("短题\r\nA．甲\r\n")));
    hooks_.random([](std::uint32_t bound) { return bound - 1; });  // bank 2 is not drawn second
    open();
    const int k = static_cast<int>(w->state.drawn.indexOf(QStringLiteral("2"))) + 1;
    ASSERT_NE(k, 2) << "the batch copy would carry the bank file's name";
    const int other = k == 1 ? 2 : 1;
    click(w, QStringLiteral("第%1题").arg(other));
    // The teacher finds the broken file in the bank, not in the batch folder.
    boxes.expectOk(QStringLiteral("题目文件“2.txt”不完整：应有5行，只有2行"));
    click(w, QStringLiteral("第%1题").arg(k));
    EXPECT_EQ(text(QStringLiteral("题目内容")), QStringLiteral("短题"));
    EXPECT_EQ(text(QStringLiteral("选项B")), QString());
    answerAll();
    click(w, QStringLiteral("提交答案"));
    EXPECT_EQ(text(QStringLiteral("参考答案%1").arg(k)), QString());
}

TEST(QuestionNumbers, OnlyNumberedTextFilesAreQuestions)
{
    EXPECT_EQ(theory::questionNumbers({QStringLiteral("10.txt"), QStringLiteral("2.txt"), QStringLiteral("02.txt"),
                                       QStringLiteral("1.TXT"), QStringLiteral("说明.txt"), QStringLiteral("3.doc"),
                                       QStringLiteral("4.txt.bak"), QStringLiteral("0.txt")}),
              (QList<int>{2, 10}));
}

}  // namespace
