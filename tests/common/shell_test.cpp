// Waiting for a started program while the windows keep working.
#include "common/shell.h"
#include "forms/form.h"
#include "platform/process.h"
#include "platform_fixture.h"
#include "test_hooks.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const forms::WindowSpec kWaitSpec{"等待测试窗格", "等待", 3000, 2000};
const forms::Control kWaitDesign[] = {{.name = "按钮", .kind = forms::Kind::Button, .width = 900, .height = 400, .caption = "按钮"}};

class ShellWaitTest : public testing_support::PlatformTest {};

TEST_F(ShellWaitTest, EventsRunWhileWaitingAndTheWindowIsBusy)
{
    forms::Form form(kWaitSpec, kWaitDesign);
    int clicks = 0;
    form.onClick(QStringLiteral("按钮"), [&] { ++clicks; });
    bool busyMeanwhile = false;
    bool timerRan = false;
    QTimer::singleShot(50, [&] {
        timerRan = true;
        busyMeanwhile = form.isBusy();
        form.ctl<QPushButton>(QStringLiteral("按钮"))->click();  // must not re-enter
    });
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(common::uShellAndWait(QStringLiteral("/bin/sleep 0.3"), plat::WindowStyle::Hidden, &form),
              common::WaitResult::Ended);
    EXPECT_GE(t.elapsed(), 250);
    EXPECT_TRUE(timerRan);
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(form.isBusy());
    form.ctl<QPushButton>(QStringLiteral("按钮"))->click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShellWaitTest, AProgramThatCannotStartEndsTheWaitAtOnce)
{
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(common::uShellAndWait(QStringLiteral("D:\\nothing.exe"), plat::WindowStyle::Hidden),
              common::WaitResult::NotStarted);
    EXPECT_EQ(common::startAndWait(QStringLiteral("D:\\nothing.exe"), {}, plat::WindowStyle::Hidden),
              common::WaitResult::NotStarted);
    EXPECT_LT(t.elapsed(), 200);
}

TEST_F(ShellWaitTest, TimeOutEndsTheWait)
{
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(common::startAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("2")}, plat::WindowStyle::Hidden, nullptr, 200),
              common::WaitResult::TimedOut);
    EXPECT_LT(t.elapsed(), 2000);
}

TEST_F(ShellWaitTest, AProgramThatEndsAtOnceStillCostsOnePollAndOneYield)
{
    // The served ipconfig line, and a started program that is gone at the
    // first poll: pending events run once either way.
    testing_support::TestHooks hooks;
    hooks.starts([](const QString&, const QStringList&, plat::WindowStyle) { return qint64(999999); });
    const struct {
        const char* line;
    } cases[] = {{"cmd.exe /c ipconfig >D:\\IPtemp0000.txt"}, {"D:\\gone.exe"}};
    for (const auto& c : cases) {
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        EXPECT_EQ(common::uShellAndWait(QString::fromUtf8(c.line), plat::WindowStyle::Minimized), common::WaitResult::Ended)
            << c.line;
        EXPECT_TRUE(ran) << c.line;
        processEvents();
    }
}

}  // namespace
