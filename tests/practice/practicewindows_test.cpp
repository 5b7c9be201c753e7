// What the openers rely on in the two practice windows: the request and the
// caption read at Load, and the return rules.
#include "common/messages.h"
#include "common/navigation.h"
#include "forms/runtime.h"
#include "platform_fixture.h"
#include "practice/advancedexercise.h"
#include "practice/messages.h"
#include "practice/randompractice.h"
#include "scripted_msgbox.h"

#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

const QString kRandom = QStringLiteral("操作题随机练习窗格");
const QString kAdvanced = QStringLiteral("高级应用练习窗格");

class PracticeWindowsTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), gbk(QStringLiteral("2024001张三\r\n2024001\r\n张三\r\n")));
        setFile("素材/bk/one_or_more.txt", "more");
        setFile("素材/bk/题库/随机抽题练习.txt", "excel\r\nxlsx");
        setFile("素材/bk/高级应用/题号.txt", "ppt\r\n03\r\npptx");
        // What the advanced exercise is laid out from.
        writeBytes(QStringLiteral("素材/bk/高级应用/题目文档/bk/ppt03.pptx"), "pristine");
        writeBytes(QStringLiteral("素材/bk/高级应用/素材/ppt03/材料.txt"), "material");
    }
    void setFile(const char* rel, const char* text)
    {
        writeBytes(QString::fromUtf8(rel), gbk(QString::fromUtf8(text) + QStringLiteral("\r\n")));
    }
    void setMarker(const char* m) { setFile("素材/bk/题库/调用标记.txt", m); }
};

TEST_F(PracticeWindowsTest, RandomPracticeLoadReadsRequestAndTitlesIntensiveTraining)
{
    setMarker("强化训练");
    auto* w = qobject_cast<practice::RandomPracticeWindow*>(forms::show(kRandom));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->state.kind, QStringLiteral("excel"));
    EXPECT_EQ(w->state.extension, QStringLiteral("xlsx"));
    EXPECT_EQ(w->state.studentNumber, QStringLiteral("2024001")) << "the student number, line 2";
    EXPECT_EQ(w->caption(), QStringLiteral("强化训练_excel               当前用户信息：【2024001】"));
    EXPECT_EQ(w->outerWidthTw(), 8700);
    EXPECT_EQ(w->outerHeightTw(), 3660);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(PracticeWindowsTest, RandomPracticeKeepsDesignCaptionForAnyOtherMarker)
{
    setMarker("知识点");
    QWidget* w = forms::show(kRandom);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("知识点随机练习"));
}

struct ReturnCase {
    const char* name;
    const char* launch;
    const char* kind;
    const char* markerAtClose;
    const char* shown;  // nullptr: the program ends
};
void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }

class RandomPracticeReturn : public PracticeWindowsTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(RandomPracticeReturn, FollowsLaunchModeAndMarker)
{
    const ReturnCase& c = GetParam();
    setFile("素材/bk/one_or_more.txt", c.launch);
    setFile("素材/bk/题库/随机抽题练习.txt", (std::string(c.kind) + "\r\nx").c_str());
    forms::show(common::kMainWindowName);
    forms::hide(common::kMainWindowName);
    QWidget* w = forms::show(kRandom);
    ASSERT_NE(w, nullptr);
    setMarker(c.markerAtClose);
    expectClosesTo(kRandom, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RandomPracticeReturn,
    ::testing::Values(ReturnCase{"IntensiveToMain", "more", "word", "强化训练", "Corvanth实训平台窗格"},
                      ReturnCase{"OtherToMenuOfKind", "more", "excel", "知识点", "excel知识点窗格"},
                      ReturnCase{"UnknownKindToMain", "more", "bogus", "知识点", "Corvanth实训平台窗格"},
                      ReturnCase{"MissionEnds", "mission", "word", "强化训练", nullptr}));

struct AdvancedCase {
    const char* marker;
    const char* caption;
};
void PrintTo(const AdvancedCase& c, std::ostream* os) { *os << c.marker; }

class AdvancedCaption : public PracticeWindowsTest, public ::testing::WithParamInterface<AdvancedCase> {};

TEST_P(AdvancedCaption, ComesFromTheMarkerAndTheRequest)
{
    setMarker(GetParam().marker);
    auto* w = qobject_cast<practice::AdvancedExerciseWindow*>(forms::show(kAdvanced));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(w->state.kind, QStringLiteral("ppt"));
    EXPECT_EQ(w->state.number, QStringLiteral("03"));
    EXPECT_EQ(w->state.extension, QStringLiteral("pptx"));
    EXPECT_EQ(w->outerWidthTw(), 8715);
    EXPECT_EQ(w->outerHeightTw(), 3780);
}

INSTANTIATE_TEST_SUITE_P(
    Markers, AdvancedCaption,
    ::testing::Values(AdvancedCase{"拓展训练", "拓展训练_ppt__03               当前用户信息：【2024001张三】"},
                      AdvancedCase{"知识点", "高级应用练习（ppt）_03               当前用户信息：【2024001张三】"}));

TEST_F(PracticeWindowsTest, AdvancedExerciseReturnsToTheMainWindowWhateverTheLaunchMode)
{
    setFile("素材/bk/one_or_more.txt", "mission");
    forms::show(common::kMainWindowName);
    forms::hide(common::kMainWindowName);
    forms::show(kAdvanced);
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskExit, true);
    boxes.expectYesNo(practice::msg::kAskExitClearsWork, true);
    EXPECT_TRUE(forms::unload(kAdvanced));
    processEvents();
    EXPECT_FALSE(ended_);
    EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
}

}  // namespace
