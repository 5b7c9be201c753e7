// The mail-client stand-in behaves as a desktop program: it shows a window of
// its own, and closing that window ends it, so it never keeps running unseen
// (a running mail client refuses every restore of a knowledge point).
#include "process_support.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using testing_support::closeWindowTitled;
using testing_support::hasWindowTitled;
using testing_support::waitFor;
using testing_support::darkPixelsOfWindowTitled;

const QString kMailClient = QStringLiteral(CORVANTH_BUILD_DIR "/Foxmail.exe");

class MailClientStandIn : public ::testing::Test {};
using MailClientOnDisplay = testing_support::WithPrivateX<MailClientStandIn>;

TEST_F(MailClientOnDisplay, ClosingItsWindowEndsIt)
{
    testing_support::RunningProgram client(kMailClient);
    ASSERT_TRUE(client.started());
    const QString display = x_->name();
    ASSERT_TRUE(waitFor([&] { return hasWindowTitled(display, QStringLiteral("Foxmail")); }))
        << testing_support::describeWindows(display).toStdString();
    EXPECT_FALSE(client.waitEnded(300)) << "it ended before its window was closed";
    ASSERT_TRUE(closeWindowTitled(display, QStringLiteral("Foxmail")));
    EXPECT_TRUE(client.waitEnded(8000)) << "the closed window left the program running";
    EXPECT_FALSE(hasWindowTitled(display, QStringLiteral("Foxmail")));
}

TEST_F(MailClientOnDisplay, ItsWindowSaysWhatItIs)
{
    testing_support::RunningProgram client(kMailClient);
    ASSERT_TRUE(client.started());
    const QString display = x_->name();
    // The window names itself in its title and shows a text inside (not a
    // blank pane): a few hundred dark pixels at the least.
    ASSERT_TRUE(waitFor([&] { return hasWindowTitled(display, QStringLiteral("邮件管理器")); }))
        << testing_support::describeWindows(display).toStdString();
    int dark = 0;
    EXPECT_TRUE(waitFor([&] { return (dark = darkPixelsOfWindowTitled(display, QStringLiteral("Foxmail"))) > 300; }))
        << "dark pixels in the window: " << dark;
}

TEST_F(MailClientOnDisplay, EndsWhenItsDisplayGoesAway)
{
    testing_support::RunningProgram client(kMailClient);
    ASSERT_TRUE(client.started());
    const QString display = x_->name();
    ASSERT_TRUE(waitFor([&] { return hasWindowTitled(display, QStringLiteral("Foxmail")); }));
    x_.reset();  // the session ends
    EXPECT_TRUE(client.waitEnded(8000)) << "it outlived its display";
}

TEST(MailClientStandInAlone, StopsOnTerminate)
{
    QProcess p;
    p.start(kMailClient, {});
    ASSERT_TRUE(p.waitForStarted(5000));
    EXPECT_FALSE(p.waitForFinished(300));
    p.terminate();
    EXPECT_TRUE(p.waitForFinished(5000));
}

}  // namespace
