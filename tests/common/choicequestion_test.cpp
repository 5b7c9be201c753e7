// Choice question files: the line rules of the reader, the labels they fill
// and the stacking of the options below the stem.
#include "common/choicequestion.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/twips.h"
#include "platform_fixture.h"
#include "test_hooks.h"

#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

// A position in twips as it comes back after the trip through whole pixels.
int snapped(int twips) { return forms::toTw(forms::tw(twips)); }

const QString kFile = QStringLiteral("D:\\7.txt");

class ChoiceQuestionTest : public testing_support::PlatformTest {
protected:
    void put(const QByteArray& b) const
    {
        QFile f(drive_ + QStringLiteral("/7.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
    }
};

struct LineCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;  // what the reader gives
    bool whole;         // all five lines present
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class ChoiceLines : public ChoiceQuestionTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ChoiceLines, FollowTheLineRules)
{
    const LineCase& c = GetParam();
    put(c.bytes);
    const common::ChoiceFile f = common::readChoiceFile(kFile);
    EXPECT_EQ(f.lines, c.lines);
    EXPECT_EQ(f.ok(), c.whole) << f.failure.toStdString();
    if (!c.whole) {
        EXPECT_TRUE(f.failure.contains(QStringLiteral("7.txt"))) << f.failure.toStdString();
    }
}

QStringList L(std::initializer_list<const char*> l)
{
    QStringList out;
    for (const char* s : l) out << QString::fromUtf8(s);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChoiceLines,
    ::testing::Values(
        LineCase{"CrLf", gbk(QStringLiteral("题干\r\nA.甲\r\nB.乙\r\nC.丙\r\nD.丁\r\n")), L({"题干", "A.甲", "B.乙", "C.丙", "D.丁"}), true},
        LineCase{"LoneCr", "q\ra\rb\rc\rd\r", L({"q", "a", "b", "c", "d"}), true},
        LineCase{"MixedEndsLastLineOpen", "q\r\na\rb\r\nc\rd", L({"q", "a", "b", "c", "d"}), true},
        LineCase{"LoneLfEndsNoLine", "q\na\nb\nc\nd\n", L({"q\na\nb\nc\nd\n"}), false},
        LineCase{"ShortFile", "q\r\na\r\nb\r\n", L({"q", "a", "b"}), false},
        LineCase{"EmptyFile", "", {}, false},
        LineCase{"EmptyLineIsALine", "q\r\na\r\nb\r\n\r\nd\r\n", L({"q", "a", "b", "", "d"}), true},
        LineCase{"BankFileKeepsOnlyFive", "q\r\na\r\nb\r\nc\r\nd\r\n参考\r\nB\r\n", L({"q", "a", "b", "c", "d"}), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChoiceQuestionTest, MissingFileIsNamedInTheFailure)
{
    const common::ChoiceFile f = common::readChoiceFile(QStringLiteral("D:\\无此题.txt"));
    EXPECT_TRUE(f.lines.isEmpty());
    EXPECT_EQ(f.failure, QStringLiteral("找不到题目文件“无此题.txt”，请检查素材文件夹"));
}

TEST_F(ChoiceQuestionTest, ReferenceAnswerIsLineSeven)
{
    put(gbk(QStringLiteral("q\r\na\r\nb\r\nc\r\nd\r\n答案\r\n  B \r\n忽略\r\n")));
    EXPECT_EQ(common::readChoiceLine(kFile, 7), QStringLiteral("  B "));
    put("q\r\na\r\nb\r\nc\r\nd\r\nx\r\n");
    EXPECT_EQ(common::readChoiceLine(kFile, 7), QString());
    EXPECT_EQ(common::readChoiceLine(QStringLiteral("D:\\none.txt"), 7), QString());
}

// A window with the drill's stem and option labels.
const forms::Control kLabels[] = {
    {.name = "题", .kind = forms::Kind::Label, .left = 240, .top = 6240, .width = 15075, .height = 315,
     .flags = forms::AutoSize | forms::WordWrap, .font = {"微软雅黑", 12}},
    {.name = "A", .kind = forms::Kind::Label, .left = 360, .top = 6960, .width = 14895, .height = 450},
    {.name = "B", .kind = forms::Kind::Label, .left = 360, .top = 7440, .width = 14895, .height = 450},
    {.name = "C", .kind = forms::Kind::Label, .left = 360, .top = 7920, .width = 14895, .height = 450},
    {.name = "D", .kind = forms::Kind::Label, .left = 360, .top = 8400, .width = 14895, .height = 450},
};
const forms::WindowSpec kChoiceSpec{"choice", "choice", 15435, 11520};

class ChoiceDisplay : public ChoiceQuestionTest {
protected:
    void SetUp() override
    {
        ChoiceQuestionTest::SetUp();
        hooks_.screenDpi(96);
        form = std::make_unique<forms::Form>(kChoiceSpec, kLabels);
        labels = {form->ctl(QStringLiteral("题")),
                  {form->ctl(QStringLiteral("A")), form->ctl(QStringLiteral("B")), form->ctl(QStringLiteral("C")),
                   form->ctl(QStringLiteral("D"))}};
    }
    void TearDown() override
    {
        form.reset();
        hooks_.reset();
        ChoiceQuestionTest::TearDown();
    }
    testing_support::TestHooks hooks_;
    QString text(int i) const { return forms::caption(i == 0 ? labels.stem : labels.options[i - 1]); }
    int top(int option) const { return forms::topTw(labels.options[option]); }
    int stemBottom() const { return forms::topTw(labels.stem) + forms::heightTw(labels.stem); }

    std::unique_ptr<forms::Form> form;
    common::ChoiceLabels labels;
};

TEST_F(ChoiceDisplay, ShowsTheLinesAsStoredAndStacksTheOptions)
{
    put(gbk(QStringLiteral("计算机的核心部件是（  ）。\r\nA．CPU\r\nB．硬盘\r\nC．键盘\r\nD．显示器\r\n")));
    EXPECT_EQ(common::uShowChoiceQuestion(kFile, labels, {120, 480}), QString());
    EXPECT_EQ(text(0), QStringLiteral("计算机的核心部件是（  ）。"));
    EXPECT_EQ(text(1), QStringLiteral("A．CPU"));
    EXPECT_EQ(text(4), QStringLiteral("D．显示器"));
    EXPECT_EQ(forms::topTw(labels.stem), 6240);  // the stem never moves
    EXPECT_EQ(top(0), stemBottom() + 120);
    EXPECT_EQ(top(1), top(0) + 480);
    EXPECT_EQ(top(2), top(1) + 480);
    EXPECT_EQ(top(3), top(2) + 480);
    EXPECT_EQ(forms::heightTw(labels.options[0]), 450);  // only the Tops move
    EXPECT_EQ(forms::leftTw(labels.options[0]), 360);
}

TEST_F(ChoiceDisplay, AWrappedStemPushesTheOptionsDown)
{
    put("short\r\na\r\nb\r\nc\r\nd\r\n");
    common::uShowChoiceQuestion(kFile, labels, {120, 480});
    const int oneLine = forms::heightTw(labels.stem);
    const int topA = top(0);
    put(gbk(QString(300, QChar(0x5b57)) + QStringLiteral("\r\na\r\nb\r\nc\r\nd\r\n")));
    common::uShowChoiceQuestion(kFile, labels, {120, 480});
    const int tall = forms::heightTw(labels.stem);
    EXPECT_GE(tall, 2 * oneLine);
    EXPECT_EQ(forms::widthTw(labels.stem), 15075);  // wraps at its own width
    EXPECT_EQ(top(0), topA + (tall - oneLine));
    EXPECT_EQ(top(3), top(0) + 3 * 480);
}

TEST_F(ChoiceDisplay, AShortFileLeavesNoTextOfTheQuestionBefore)
{
    put("q1\r\na1\r\nb1\r\nc1\r\nd1\r\n");
    common::uShowChoiceQuestion(kFile, labels, {120, 480});
    put("q2\r\na2\r\nb2\r\n");
    const QString failure = common::uShowChoiceQuestion(kFile, labels, {120, 480});
    EXPECT_EQ(failure, QStringLiteral("题目文件“7.txt”不完整：应有5行，只有3行"));
    EXPECT_EQ(text(0), QStringLiteral("q2"));
    EXPECT_EQ(text(2), QStringLiteral("b2"));
    EXPECT_EQ(text(3), QString());
    EXPECT_EQ(text(4), QString());
    EXPECT_EQ(top(0), stemBottom() + 120);

    QFile::remove(drive_ + QStringLiteral("/7.txt"));
    EXPECT_FALSE(common::uShowChoiceQuestion(kFile, labels, {120, 480}).isEmpty());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(text(i), QString()) << i;
}

TEST_F(ChoiceDisplay, OtherWindowsGiveTheirOwnGapStepAndWidth)
{
    put("q\r\na\r\nb\r\nc\r\nd\r\n");
    common::uShowChoiceQuestion(kFile, labels, {100, 400, 9240});
    EXPECT_EQ(top(0), snapped(stemBottom() + 100));
    EXPECT_EQ(top(3), snapped(stemBottom() + 100 + 3 * 400));
    for (QWidget* o : labels.options) EXPECT_EQ(forms::widthTw(o), 9240);
}

TEST_F(ChoiceDisplay, FillingAloneMovesNothing)
{
    put("q\r\na\r\nb\r\nc\r\nd\r\n");
    common::uShowChoiceQuestion(kFile, labels, {120, 480});
    const int topA = top(0);
    put(gbk(QString(300, QChar(0x5b57)) + QStringLiteral("\r\na\r\nb\r\nc\r\nd\r\n")));
    EXPECT_EQ(common::fillChoiceLabels(kFile, labels), QString());
    EXPECT_EQ(top(0), topA);
    EXPECT_EQ(text(4), QStringLiteral("d"));
}

}  // namespace
