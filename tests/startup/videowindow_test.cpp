// The video window: caption, the page address handed to the browser, and a
// close that only closes it.
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/desktop.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "startup/messages.h"
#include "startup/videowindow.h"
#include "test_hooks.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QUrlQuery>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

const QString kVideo = QStringLiteral("视频操作窗格");

class VideoWindowTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks.desktop([this](plat::DesktopAction action, const QString& text) {
            EXPECT_EQ(action, plat::DesktopAction::OpenPage);
            opened_ << QUrl(text);
            return browserWorks_;
        });
        writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), gbk(QStringLiteral("2024001张三\r\n2024001\r\n张三\r\n")));
        writeBytes(QStringLiteral("素材/bk/题库/视频导向.txt"), gbk(QStringLiteral("word分栏\r\nword\r\n")));
    }
    startup::VideoWindow* open() { return qobject_cast<startup::VideoWindow*>(forms::show(kVideo)); }

    testing_support::TestHooks hooks;
    QList<QUrl> opened_;
    bool browserWorks_ = true;
    testing_support::ScriptedMessageBoxes boxes;
};

TEST_F(VideoWindowTest, LoadNamesQuestionAndStudentAndOpensTheFixedPageInTheBrowser)
{
    startup::VideoWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), QStringLiteral("视频操作_word分栏【2024001张三】"));
    EXPECT_EQ(w->state.studentKey, QStringLiteral("2024001张三"));
    // Topmost and large, over the topmost practice window; its text fills it.
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    const QSize size = startup::videoWindowSizeTw(w->screen()->availableGeometry());
    EXPECT_NEAR(w->outerWidthTw(), size.width(), 15);
    EXPECT_NEAR(w->outerHeightTw(), size.height(), 15);
    auto* label = w->ctl<QLabel>(QStringLiteral("浏览器"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), w->rect());
    ASSERT_EQ(opened_.size(), 1);
    const QUrl url = opened_.front();
    EXPECT_EQ(url.toString(), startup::videoPageAddress());
    EXPECT_EQ(url.path(), QStringLiteral("/skills/resource/play.do"));
    const QUrlQuery query(url);
    ASSERT_EQ(query.queryItems().size(), 1);
    const QString key = query.queryItemValue(QStringLiteral("key"));
    EXPECT_EQ(key.size(), 7);
    EXPECT_TRUE(std::all_of(key.begin(), key.end(), [](QChar c) { return c.isDigit(); }));
    EXPECT_FALSE(url.toString().contains(QStringLiteral("2024001张三"))) << "nothing of the student goes out";
    EXPECT_TRUE(forms::caption(w->ctl(QStringLiteral("浏览器"))).contains(url.toString()))
        << "the window shows the address it opened";
}

TEST_F(VideoWindowTest, SizeIsTheDesignSizeOrTheFreeScreenWhenSmaller)
{
    struct Case {
        QRect screen;  // free area in pixels
        QSize twips;
    };
    const Case cases[] = {
        {QRect(0, 0, 1920, 1040), QSize(19200, 10800)},
        {QRect(0, 0, 1024, 700), QSize(forms::toTw(1024), forms::toTw(700))},
        {QRect(0, 0, 1920, 600), QSize(19200, forms::toTw(600))},
        {QRect(), QSize(19200, 10800)},  // no screen known
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen.width());
        EXPECT_EQ(startup::videoWindowSizeTw(c.screen), c.twips);
    }
}

struct VideoCaptionCase {
    const char* name;
    QByteArray identity;
    QByteArray request;
    const char* caption;
    const char* label;
};
void PrintTo(const VideoCaptionCase& c, std::ostream* os) { *os << c.name; }

class VideoCaption : public VideoWindowTest, public ::testing::WithParamInterface<VideoCaptionCase> {};

TEST_P(VideoCaption, FollowsTheLinesFound)
{
    writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), GetParam().identity);
    writeBytes(QStringLiteral("素材/bk/题库/视频导向.txt"), GetParam().request);
    startup::VideoWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(w->state.studentKey, QString::fromUtf8(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VideoCaption,
    ::testing::Values(VideoCaptionCase{"EmptyQuestion", "k1\r\n", "\r\nword\r\n", "视频操作_【k1】", "k1"},
                      VideoCaptionCase{"NoIdentityLine", "", "q\r\n", "视频操作_q【】", "学号"},
                      VideoCaptionCase{"NoRequestLine", "k1\r\n", "", "Form1", "k1"}));

TEST_F(VideoWindowTest, SecondShowOnlyBringsItForward)
{
    startup::VideoWindow* w = open();
    writeBytes(QStringLiteral("素材/bk/题库/视频导向.txt"), gbk(QStringLiteral("excel排序\r\nexcel\r\n")));
    EXPECT_EQ(open(), w);
    EXPECT_EQ(opened_.size(), 1);
    EXPECT_EQ(w->caption(), QStringLiteral("视频操作_word分栏【2024001张三】"));
}

TEST_F(VideoWindowTest, ClosingOnlyClosesItAndLeavesThePracticeWindowAsItWas)
{
    writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), "more\r\n");
    QWidget* practice = forms::show(QStringLiteral("操作题随机练习窗格"));
    ASSERT_NE(practice, nullptr);
    // The student's work on the current question in the shared working folder.
    const QString work = drive_ + QStringLiteral("/实训素材");
    ASSERT_TRUE(QDir().mkpath(work));
    QFile doc(work + QStringLiteral("/word分栏.docx"));
    ASSERT_TRUE(doc.open(QIODevice::WriteOnly));
    doc.write("edited");
    doc.close();
    open();
    EXPECT_TRUE(forms::unload(kVideo));
    processEvents();
    EXPECT_FALSE(forms::isLoaded(kVideo));
    EXPECT_TRUE(practice->isVisible());
    EXPECT_FALSE(forms::isLoaded(QStringLiteral("知识点与课本实训窗格")));
    EXPECT_EQ(QDir(work).entryList(QDir::Files), QStringList{QStringLiteral("word分栏.docx")});
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    EXPECT_EQ(doc.readAll(), QByteArray("edited"));
    EXPECT_FALSE(ended_);
}

TEST_F(VideoWindowTest, BrowserThatCannotStartIsReported)
{
    browserWorks_ = false;
    boxes.expectOk(startup::msg::kBrowserNotStarted);
    EXPECT_NE(open(), nullptr);
}

}  // namespace
