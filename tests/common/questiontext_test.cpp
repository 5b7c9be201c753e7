// Question texts: personalised copies and the text shown.
#include "common/questiontext.h"
#include "platform_fixture.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

class QuestionTextTest : public testing_support::PlatformTest {
protected:
    const QString src = QStringLiteral("D:\\t.txt");
    const QString dst = QStringLiteral("D:\\p.txt");
    void put(const QByteArray& b) const
    {
        QFile f(drive_ + QStringLiteral("/t.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    QByteArray out() const
    {
        QFile f(drive_ + QStringLiteral("/p.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

struct PersonaliseCase {
    const char* name;
    const char* source;  // UTF-8, written in code page 936
    const char* ip;
    const char* expected;
};

class Personalise : public QuestionTextTest, public ::testing::WithParamInterface<PersonaliseCase> {};

TEST_P(Personalise, ReplacesEveryPlaceholderInOrder)
{
    const auto& c = GetParam();
    put(gbk(QString::fromUtf8(c.source)));
    ASSERT_TRUE(common::uPersonaliseQuestionText(
        src, dst, {{QStringLiteral("strLocalIP"), QString::fromUtf8(c.ip)}, {QStringLiteral("学号"), QStringLiteral("2024001")}}));
    EXPECT_EQ(out(), gbk(QString::fromUtf8(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Personalise,
    ::testing::Values(
        PersonaliseCase{"BothOnOneLine", "访问http://strLocalIP:8080，用户名为学号。\r\n", "10.1.2.3",
                        "访问http://10.1.2.3:8080，用户名为2024001。\r\n"},
        PersonaliseCase{"EveryOccurrenceExactCaseOnly", "strLocalIP strLocalIP STRLOCALIP strlocalip\r\n", "1.2.3.4",
                        "1.2.3.4 1.2.3.4 STRLOCALIP strlocalip\r\n"},
        PersonaliseCase{"NoAddressGivesEmptyText", "地址：strLocalIP。\r\n", "", "地址：。\r\n"},
        PersonaliseCase{"LastLineWithoutEndGetsCrLf", "一\r\n二", "1.1.1.1", "一\r\n二\r\n"},
        PersonaliseCase{"LoneLfStaysInsideTheLine", "a\nb\r\n", "x", "a\nb\r\n"},
        PersonaliseCase{"EmptyTemplateGivesEmptyFile", "", "1.1.1.1", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuestionTextTest, ValueIsNotSearchedForLaterPlaceholders)
{
    // Each replacement works on the result of the previous one, in list order.
    put(gbk(QStringLiteral("[strLocalIP]\r\n")));
    EXPECT_TRUE(common::uPersonaliseQuestionText(src, dst, {{QStringLiteral("strLocalIP"), QStringLiteral("学号")}, {QStringLiteral("学号"), QStringLiteral("7")}}));
    EXPECT_EQ(out(), QByteArray("[7]\r\n"));
}

TEST_F(QuestionTextTest, MissingTemplateKeepsTheOldTarget)
{
    QFile f(drive_ + QStringLiteral("/p.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old\r\n");
    f.close();
    EXPECT_FALSE(common::uPersonaliseQuestionText(src, dst, {}));
    EXPECT_EQ(out(), QByteArray("old\r\n"));
}

TEST_F(QuestionTextTest, ShownTextEndsWithALineBreakAndReadsWholeWithCrLf)
{
    put(gbk(QStringLiteral("第一行\r\n第二行\r第三行")));
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("题目内容"));
    EXPECT_TRUE(common::showQuestionText(&box, src));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("第一行\n第二行\n第三行\n"));
    EXPECT_EQ(common::readQuestionText(src), QStringLiteral("第一行\r\n第二行\r\n第三行\r\n"));
    EXPECT_FALSE(common::showQuestionText(&box, QStringLiteral("D:\\none.txt")));
    EXPECT_TRUE(box.toPlainText().isEmpty());
}

}  // namespace
