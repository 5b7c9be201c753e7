// The window runtime: load, show, hide, unload, cancel and the program's end;
// twips; line controls, frames and self-sizing labels.
#include "forms/controls.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform_fixture.h"
#include "test_hooks.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <string_view>
#include <gtest/gtest.h>

namespace {

using forms::Control;
using forms::Kind;

const Control kProbeDesign[] = {
    {.name = "Go", .kind = Kind::Button, .left = 120, .top = 120, .width = 1200, .height = 450, .caption = "Go"},
};

// Records what happens to the small test windows "甲", "乙" and "丙".
struct Journal {
    QStringList events;
    bool cancelUnload = false;
    std::function<void(forms::Form*)> onLoad;
    std::function<void(forms::Form*)> onGo;
};

Journal& journal()
{
    static Journal j;
    return j;
}

class ProbeForm : public forms::Form {
public:
    explicit ProbeForm(const char* name) : forms::Form(forms::WindowSpec{name, name, 4800, 3600}, kProbeDesign)
    {
        onClick(QStringLiteral("Go"), [this] {
            if (journal().onGo) journal().onGo(this);
        });
    }
    void onLoad() override
    {
        journal().events << "load " + formName();
        if (journal().onLoad) journal().onLoad(this);
    }
    void onUnload(bool& cancel) override
    {
        journal().events << "unload " + formName();
        cancel = journal().cancelUnload;
    }
};

const QString kA = QStringLiteral("甲");
const QString kB = QStringLiteral("乙");

class RuntimeTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        journal() = Journal{};
        for (const char* n : {"甲", "乙"}) forms::registerForm(QString::fromUtf8(n), [n] { return new ProbeForm(n); });
    }
};

TEST_F(RuntimeTest, ShowRunsTheLoadToTheEndBeforeItReturnsAndOnlyOnce)
{
    journal().onLoad = [](forms::Form* f) {
        journal().events << (forms::isLoaded(f->formName()) ? "loaded during load" : "not loaded during load");
    };
    forms::Form* a = forms::show(kA);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(journal().events, (QStringList{"load 甲", "loaded during load"}));
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(forms::show(kA), a);
    EXPECT_EQ(journal().events.count("load 甲"), 1);
    EXPECT_EQ(forms::show(QStringLiteral("没有这个窗格")), nullptr);
}

TEST_F(RuntimeTest, LoadWithoutShowKeepsTheWindowHidden)
{
    forms::Form* a = forms::load(kA);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->isVisible());
    EXPECT_EQ(forms::loadedNames(), QStringList{kA});
}

TEST_F(RuntimeTest, AHiddenWindowCountsAsLoaded)
{
    forms::show(kA);
    forms::hide(kA);
    processEvents();
    EXPECT_TRUE(forms::isLoaded(kA));
    EXPECT_FALSE(forms::loaded(kA)->isVisible());
    EXPECT_FALSE(ended_);
}

TEST_F(RuntimeTest, UnloadMayCancelAndTheCloseBoxAsksTheSameUnload)
{
    forms::Form* a = forms::show(kA);
    journal().cancelUnload = true;
    EXPECT_FALSE(forms::unload(kA));
    a->close();
    processEvents();
    EXPECT_EQ(journal().events.count("unload 甲"), 2);
    EXPECT_TRUE(forms::isLoaded(kA));
    EXPECT_TRUE(a->isVisible());
    EXPECT_FALSE(ended_);

    journal().cancelUnload = false;
    a->close();
    processEvents();
    EXPECT_FALSE(forms::isLoaded(kA));
    EXPECT_TRUE(ended_);
}

TEST_F(RuntimeTest, ABusyWindowIgnoresItsCloseBoxAndButtons)
{
    forms::Form* a = forms::show(kA);
    int clicks = 0;
    journal().onGo = [&](forms::Form*) { ++clicks; };
    {
        forms::Form::Busy busy(a);
        a->close();
        a->ctl<QPushButton>(QStringLiteral("Go"))->click();
        processEvents();
        EXPECT_TRUE(forms::isLoaded(kA));
        EXPECT_EQ(clicks, 0);
    }
    a->ctl<QPushButton>(QStringLiteral("Go"))->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(journal().events.contains("unload 甲"));
}

TEST_F(RuntimeTest, ShowingAgainAfterAnUnloadRunsANewLoad)
{
    forms::show(kA);
    forms::show(kB);
    ASSERT_TRUE(forms::unload(kA));
    processEvents();
    forms::show(kA);
    EXPECT_EQ(journal().events.count("load 甲"), 2);
    EXPECT_FALSE(ended_);
}

TEST_F(RuntimeTest, EndingTheProgramClosesEveryWindowAndRunsNoUnload)
{
    forms::show(kA);
    forms::load(kB);
    forms::endProgram();
    processEvents();
    EXPECT_TRUE(ended_);
    EXPECT_TRUE(forms::loadedNames().isEmpty());
    EXPECT_FALSE(journal().events.contains("unload 甲"));
    EXPECT_FALSE(journal().events.contains("unload 乙"));
    EXPECT_EQ(forms::show(kA), nullptr);
}

TEST_F(RuntimeTest, TheProgramEndsOnceNoWindowIsLoaded)
{
    forms::show(kA);
    forms::load(kB);
    forms::unload(kA);
    processEvents();
    EXPECT_FALSE(ended_);  // 乙 is loaded, though never shown
    forms::unload(kB);
    processEvents();
    EXPECT_TRUE(ended_);
}

TEST_F(RuntimeTest, AHandlerThatUnloadsItsWindowAndShowsAnotherDoesNotEndTheProgram)
{
    journal().onGo = [](forms::Form* self) {
        forms::unload(self);
        forms::show(kB);
    };
    forms::Form* a = forms::show(kA);
    a->ctl<QPushButton>(QStringLiteral("Go"))->click();
    processEvents();
    EXPECT_FALSE(ended_);
    EXPECT_EQ(forms::loadedNames(), QStringList{kB});
    EXPECT_TRUE(forms::loaded(kB)->isVisible());
}

TEST_F(RuntimeTest, ALoadThatUnloadsItsOwnWindowLeavesItUnloaded)
{
    journal().onLoad = [](forms::Form* self) { forms::unload(self); };
    EXPECT_EQ(forms::show(kA), nullptr);
    processEvents();
    EXPECT_FALSE(forms::isLoaded(kA));
    EXPECT_TRUE(ended_);
}

struct TwipsCase {
    double dpi;
    int twips;
    int pixels;
};

class Twips : public ::testing::TestWithParam<TwipsCase> {
protected:
    testing_support::TestHooks hooks;
};

TEST_P(Twips, ConvertsWithTheScreensDpi)
{
    hooks.screenDpi(GetParam().dpi);
    EXPECT_EQ(forms::tw(GetParam().twips), GetParam().pixels);
    EXPECT_EQ(forms::toTw(GetParam().pixels), GetParam().pixels * 1440 / static_cast<int>(GetParam().dpi));
}

INSTANTIATE_TEST_SUITE_P(Cases, Twips,
                         ::testing::Values(TwipsCase{96, 15, 1}, TwipsCase{96, 1440, 96}, TwipsCase{96, 12465, 831},
                                           TwipsCase{96, 7, 0}, TwipsCase{96, 8, 1}, TwipsCase{120, 1440, 120},
                                           TwipsCase{144, 9210, 921}));

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { hooks.screenDpi(96); }
    testing_support::TestHooks hooks;
    QWidget parent;
};

TEST_F(ControlsTest, LineCoversItsEndPointsAndMovesOneEnd)
{
    forms::LineControl line(&parent);
    line.setLineWidth(2);
    line.setPoints(40, 345, 4320, 345);
    EXPECT_EQ(line.x1(), 40);
    EXPECT_EQ(line.x2(), 4320);
    EXPECT_LE(line.x(), forms::tw(40));
    EXPECT_GE(line.x() + line.width(), forms::tw(4320));
    EXPECT_LE(line.y(), forms::tw(345) - 1);
    EXPECT_GE(line.y() + line.height(), forms::tw(345) + 1);
    line.setX2(6000);
    EXPECT_EQ(line.x1(), 40);
    EXPECT_EQ(line.y2(), 345);
    EXPECT_GE(line.x() + line.width(), forms::tw(6000));
    EXPECT_TRUE(line.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(ControlsTest, AutoSizeLabelFollowsItsText)
{
    forms::AutoSizeLabel label(&parent);
    forms::setCaption(&label, QStringLiteral("学号：0"));
    const int shortWidth = label.width();
    forms::setCaption(&label, QStringLiteral("【学号：20240101010101010101】"));
    EXPECT_GT(label.width(), shortWidth);
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
    const int oneLine = label.height();
    forms::setCaption(&label, QStringLiteral("一\r\n二"));
    EXPECT_EQ(forms::caption(&label), QStringLiteral("一\n二"));
    EXPECT_GT(label.height(), oneLine);
}

// A frame shows its caption set into an etched edge; one without a border
// shows its caption and no edge. Both keep their caption as the title.
TEST_F(ControlsTest, FrameDrawsItsEdgeUnlessItHasNoBorder)
{
    const Control design[] = {
        {.name = "Edged", .kind = Kind::Frame, .left = 120, .top = 120, .width = 3000, .height = 1500, .caption = "任务标题"},
        {.name = "Plain", .kind = Kind::Frame, .left = 120, .top = 1800, .width = 3000, .height = 1500, .caption = "任务标题",
         .flags = forms::NoBorder},
        {.name = "Bare", .kind = Kind::Frame, .left = 3300, .top = 120, .width = 3000, .height = 1500},
    };
    forms::Form w(forms::WindowSpec{"戊", "戊", 7200, 4000}, design);
    const QRgb back = w.palette().color(QPalette::Window).rgb();
    const QRgb edge = w.palette().color(QPalette::Dark).rgb();
    struct Case {
        const char* name;
        bool edged;
        bool captioned;
    };
    for (const Case& c : {Case{"Edged", true, true}, Case{"Plain", false, true}, Case{"Bare", true, false}}) {
        SCOPED_TRACE(c.name);
        auto* frame = w.ctl<QGroupBox>(QString::fromUtf8(c.name));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), c.captioned ? QStringLiteral("任务标题") : QString());
        const QImage img = frame->grab().toImage();
        const int mid = img.height() / 2;
        const int bottom = img.height() - 2;
        EXPECT_EQ(img.pixel(0, mid) == edge, c.edged);
        EXPECT_EQ(img.pixel(img.width() / 2, bottom) == edge, c.edged);
        EXPECT_EQ(img.pixel(img.width() / 2, mid), back);  // the inside stays clear
        // The caption's strokes lie in its band at the top left.
        const QFontMetrics fm(frame->font());
        int inked = 0;
        for (int y = 0; y < fm.height(); ++y)
            for (int x = 8; x < 8 + fm.horizontalAdvance(frame->title()); ++x)
                if (img.pixel(x, y) != back && img.pixel(x, y) != edge) ++inked;
        EXPECT_EQ(inked > 0, c.captioned);
    }
}

// A deferred frame and what lies in it are built on the first look-up of any
// of them (or of a name the window has not got), in place, as the design
// places them; the rest of the design is there from the start.
const Control kDeferringDesign[] = {
    {.name = "Go", .kind = Kind::Button, .left = 120, .top = 120, .width = 1200, .height = 450, .caption = "Go"},
    {.name = "Aux", .kind = Kind::Frame, .left = 2000, .top = 120, .width = 1500, .height = 1500,
     .flags = forms::Hidden | forms::Deferred},
    {.name = "AuxList", .kind = Kind::Combo, .parent = "Aux", .left = 60, .top = 120, .width = 1095, .height = 300},
    {.name = "AuxLabel", .kind = Kind::Label, .parent = "Aux", .left = 60, .top = 600, .width = 900, .height = 300,
     .caption = "辅助"},
    {.name = "After", .kind = Kind::Label, .left = 120, .top = 900, .width = 900, .height = 300, .caption = "之后"},
};

TEST_F(ControlsTest, DeferredControlsAreBuiltOnTheirFirstLookUp)
{
    for (const char* first : {"AuxLabel", "Aux", "NoSuchControl"}) {
        SCOPED_TRACE(first);
        forms::Form w(forms::WindowSpec{"丁", "丁", 4800, 3600}, kDeferringDesign);
        EXPECT_NE(w.findChild<QWidget*>(QStringLiteral("Go")), nullptr);
        EXPECT_NE(w.findChild<QWidget*>(QStringLiteral("After")), nullptr);
        EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("Aux")), nullptr);
        EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("AuxList")), nullptr);
        EXPECT_EQ(w.ctl(QString::fromUtf8(first)) == nullptr, std::string_view(first) == "NoSuchControl");
        auto* list = w.ctl<QComboBox>(QStringLiteral("AuxList"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->parentWidget(), w.ctl(QStringLiteral("Aux")));
        EXPECT_EQ(list->geometry(), QRect(forms::tw(60), forms::tw(120), forms::tw(1095), forms::tw(300)));
        EXPECT_EQ(forms::caption(w.ctl(QStringLiteral("AuxLabel"))), QStringLiteral("辅助"));
        EXPECT_TRUE(w.ctl(QStringLiteral("Aux"))->isHidden());
        EXPECT_FALSE(list->isHidden());
        EXPECT_EQ(w.findChildren<QComboBox*>().size(), 1);  // built once
    }
}

}  // namespace
