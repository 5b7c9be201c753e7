// What the opener relies on in the mock-test window: caption and size at
// Load, and the return rule.
#include "forms/runtime.h"
#include "forms/twips.h"
#include "mocktest/answering/mocktestwindow.h"
#include "platform_fixture.h"

#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

const QString kMain = QStringLiteral("Corvanth实训平台窗格");
const QString kMock = QStringLiteral("模拟测试窗格");

class MockTestWindowTest : public testing_support::PlatformTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), gbk(QStringLiteral("2024001张三\r\n")));
        writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), QByteArray(GetParam()) + "\r\n");
        forms::show(kMain);
        forms::hide(kMain);
    }
};

TEST_P(MockTestWindowTest, LoadSizesToTheLevelStripAndClosingFollowsTheLaunchMode)
{
    auto* w = qobject_cast<mocktest::MockTestWindow*>(forms::show(kMock));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), QStringLiteral("模拟测试_模块选择               当前用户信息：【2024001张三】"));
    EXPECT_EQ(w->outerWidthTw(), forms::toTw(forms::tw(9830)));
    EXPECT_EQ(w->outerHeightTw(), forms::toTw(forms::tw(1575 + 530)));
    EXPECT_TRUE(forms::unload(w));
    processEvents();
    const bool more = QByteArray(GetParam()) == "more";
    EXPECT_EQ(ended_, !more);
    if (more) {
        EXPECT_TRUE(forms::loaded(kMain)->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, MockTestWindowTest, ::testing::Values("more", "mission"));

}  // namespace
