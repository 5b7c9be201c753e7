// One running copy per materials tree.
#include "platform/instancelock.h"
#include "platform/paths.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(InstanceLock, ASecondHolderIsRefusedUntilTheFirstHasGone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    plat::setProgramFolder(dir.path());
    const QString path = plat::appPath(QStringLiteral("\\lock"));
    using State = plat::InstanceLock::State;
    {
        const plat::InstanceLock first(path);
        EXPECT_EQ(first.state(), State::Held);
        const plat::InstanceLock second(path);
        EXPECT_EQ(second.state(), State::HeldElsewhere);
    }
    const plat::InstanceLock again(path);
    EXPECT_EQ(again.state(), State::Held);
    EXPECT_EQ(plat::InstanceLock(plat::appPath(QStringLiteral("\\nowhere\\lock"))).state(), State::Unavailable);
    plat::setProgramFolder(QString());
}

}  // namespace
