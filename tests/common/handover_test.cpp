// Texts read from hand-over files reach captions only bounded.
#include "common/handover.h"

#include <gtest/gtest.h>

namespace {

TEST(UserInfoCaption, ShowsAKeyWholeOrCutWithAnEllipsis)
{
    EXPECT_EQ(common::userInfoCaption(QStringLiteral("模拟测试_模块选择"), QStringLiteral("2024张三")),
              QStringLiteral("模拟测试_模块选择               当前用户信息：【2024张三】"));
    const QString longKey = QString(64, QChar(0x5F20));
    EXPECT_TRUE(common::userInfoCaption(QString(), longKey).endsWith(longKey + QStringLiteral("】")));
    EXPECT_EQ(common::userInfoCaption(QString(), longKey + QStringLiteral("x") + QString(100000, 'y')),
              common::kUserInfoCaption + longKey + QStringLiteral("…】"));
}

}  // namespace
