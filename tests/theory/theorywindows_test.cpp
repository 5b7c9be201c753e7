// What the openers rely on in the two theory windows: caption and size at
// Load, and the return rules.
#include "common/navigation.h"
#include "forms/runtime.h"
#include "platform_fixture.h"
#include "theory/moduledrill.h"
#include "theory/randomtheory.h"

#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

const QString kDrill = QStringLiteral("基础理论");
const QString kRandom = QStringLiteral("理论题随机练习窗格");

class TheoryWindowsTest : public testing_support::DemoTreeTest {
protected:
    // What the two theory windows read at their Load.
    TheoryWindowsTest()
        : DemoTreeTest({QStringLiteral("素材/bk/选择题题目"), QStringLiteral("素材/bk/题库/理论题"),
                        QStringLiteral("素材/bk/理论题随机抽题测试")})
    {
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), gbk(QStringLiteral("2024001张三\r\n2024001\r\n张三\r\n")));
        writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), "more\r\n");
        forms::show(common::kMainWindowName);
        forms::hide(common::kMainWindowName);
    }
};

TEST_F(TheoryWindowsTest, LoadsSetTheirCaptions)
{
    QWidget* drill = forms::show(kDrill);
    ASSERT_NE(drill, nullptr);
    EXPECT_EQ(drill->windowTitle(), QStringLiteral("知识点_基础知识               当前用户信息：【2024001张三】"));
    auto* d = static_cast<theory::ModuleDrillWindow*>(drill);
    EXPECT_EQ(d->outerWidthTw(), 15435);
    EXPECT_EQ(d->outerHeightTw(), 11520);
    QWidget* random = forms::show(kRandom);
    ASSERT_NE(random, nullptr);
    EXPECT_EQ(random->windowTitle(), QStringLiteral("强化训练_基础知识               当前用户信息：【2024001张三】"));
}

struct ReturnCase {
    const char* name;
    const char* window;
    const char* launch;
    const char* marker;
    const char* shown;  // nullptr: the program ends
};
void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }

class TheoryReturn : public TheoryWindowsTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(TheoryReturn, FollowsItsRule)
{
    const ReturnCase& c = GetParam();
    writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), QByteArray(c.launch) + "\r\n");
    const QString name = QString::fromUtf8(c.window);
    ASSERT_NE(forms::show(name), nullptr);
    writeBytes(QStringLiteral("素材/bk/题库/调用标记.txt"), gbk(QString::fromUtf8(c.marker) + QStringLiteral("\r\n")));
    expectClosesTo(name, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TheoryReturn,
    ::testing::Values(ReturnCase{"DrillMore", "基础理论", "more", "知识点", "Corvanth实训平台窗格"},
                      ReturnCase{"DrillMission", "基础理论", "mission", "知识点", nullptr},
                      ReturnCase{"RandomFromMain", "理论题随机练习窗格", "mission", "强化训练", "Corvanth实训平台窗格"},
                      ReturnCase{"RandomFromDrill", "理论题随机练习窗格", "more", "知识点", "基础理论"}));

}  // namespace
