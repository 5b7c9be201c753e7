// Button properties: accepted ranges, coercions, refusals with their designer
// messages, hover colour locks, and which assignments redraw.
#include "button_support.h"
#include "widgets/propertybag.h"

#include <functional>
#include <gtest/gtest.h>

using namespace buttontest;
using widgets::ButtonPicture;
using widgets::kFalse;
using widgets::kSysButtonFace;
using widgets::kSysButtonText;
using widgets::kTrue;

namespace {

struct Messages {
    QStringList texts, titles;
    Messages()
    {
        qzButtons_H::setMessageHandler([this](const QString& t, const QString& title) {
            texts << t;
            titles << title;
        });
    }
    ~Messages() { qzButtons_H::setMessageHandler({}); }
};

ButtonPicture bitmap(QSize s = {32, 32}) { return blockPicture(s, Qt::white, QRect(4, 4, s.width() - 8, s.height() - 8), Qt::blue); }
ButtonPicture icon()
{
    ButtonPicture p = bitmap();
    p.icon = true;
    return p;
}

TEST(ButtonProperties, OutOfRangeValuesAreIgnoredWithoutRedraw)
{
    Host host;
    auto* b = host.add();
    struct Case {
        const char* name;
        std::function<void(int)> set;
        std::function<int()> get;
        int low, high;
    };
    const Case cases[] = {
        {"ButtonStyle", [b](int v) { b->setButtonStyle(v); }, [b] { return b->ButtonStyle(); }, 0, 7},
        {"Mode", [b](int v) { b->setMode(v); }, [b] { return b->Mode(); }, 0, 2},
        {"CaptionAlign", [b](int v) { b->setCaptionAlign(v); }, [b] { return b->CaptionAlign(); }, 0, 2},
        {"CaptionStyle", [b](int v) { b->setCaptionStyle(v); }, [b] { return b->CaptionStyle(); }, 0, 2},
        {"CustomClick", [b](int v) { b->setCustomClick(v); }, [b] { return b->CustomClick(); }, 0, 8},
        {"ButtonShape", [b](int v) { b->setButtonShape(v); }, [b] { return b->ButtonShape(); }, 0, 8},
        {"PictureAlign", [b](int v) { b->setPictureAlign(v); }, [b] { return b->PictureAlign(); }, 0, 5},
        {"PictureSize", [b](int v) { b->setPictureSize(v); }, [b] { return b->PictureSize(); }, 0, 4},
        {"GradientMode", [b](int v) { b->setGradientMode(v); }, [b] { return b->GradientMode(); }, 0, 4},
    };
    for (const Case& c : cases) {
        const int before = c.get();
        const int redraws = b->redrawCount();
        c.set(c.low - 1);
        c.set(c.high + 1);
        EXPECT_EQ(c.get(), before) << c.name;
        EXPECT_EQ(b->redrawCount(), redraws) << c.name;
    }
}

TEST(ButtonProperties, CaptionAmpersandSetsTheAccessKey)
{
    Host host;
    auto* b = host.add();
    b->setCaption("&File");
    EXPECT_EQ(b->accessKey(), QChar('F'));
    b->setCaption("Save");
    EXPECT_EQ(b->accessKey(), QChar('F'));
    b->setCaption("A&b&c");
    EXPECT_EQ(b->accessKey(), QChar('c'));
    b->setCaption("End&");
    EXPECT_TRUE(b->accessKey().isNull());
    // A doubled ampersand shows one "&" and marks no key.
    const std::pair<const char*, QChar> doubled[] = {{"A&&B", QChar()}, {"Tom && &Jerry", QChar('J')}, {"x&&&y", QChar('y')}, {"&Go&&", QChar('G')}};
    for (const auto& [caption, key] : doubled) {
        b->setCaption("&File");
        b->setCaption(caption);
        EXPECT_EQ(b->accessKey(), key) << caption;
    }
}

TEST(ButtonProperties, CaptionAlignIsCentredWhilePictureStandsAboveOrBelow)
{
    Messages msgs;
    Host host;
    auto* b = host.add();
    b->setCaptionAlign(0);
    EXPECT_EQ(b->CaptionAlign(), 0);  // no picture: taken
    b->setPicture(bitmap());
    b->setPictureAlign(4);
    EXPECT_EQ(b->CaptionAlign(), 2);  // picture above: centred
    b->setCaptionAlign(0);
    EXPECT_EQ(b->CaptionAlign(), 2);
    EXPECT_TRUE(msgs.texts.isEmpty());  // silent at run time
    b->setUserMode(false);
    b->setCaptionAlign(1);
    EXPECT_EQ(b->CaptionAlign(), 2);
    ASSERT_EQ(msgs.texts.size(), 1);
    EXPECT_EQ(msgs.texts[0], "When button images are aligned top/bottom center, \r\nbutton captions can only be center aligned");
    b->setPictureAlign(5);
    EXPECT_EQ(b->CaptionAlign(), 2);
}

TEST(ButtonProperties, CustomShapesNeedABitmap)
{
    Messages msgs;
    Host host;
    auto* b = host.add(200, 200);
    b->setUserMode(false);
    b->setButtonShape(7);
    EXPECT_EQ(b->ButtonShape(), 0);
    b->setPicture(icon());
    b->setButtonShape(8);
    EXPECT_EQ(b->ButtonShape(), 0);
    EXPECT_EQ(msgs.texts.count("The Picture Property must be assigned first and must be a bitmap or JPEG."), 2);

    b->setPicture(bitmap({100, 50}));
    b->setCaptionAlign(0);
    b->setButtonShape(7);
    EXPECT_EQ(b->ButtonShape(), 7);
    EXPECT_EQ(b->picturePixels(), 48);
    EXPECT_EQ(b->PictureSize(), 4);
    EXPECT_EQ(b->CaptionAlign(), 2);
    b->setPictureSize(1);  // refused for shaped buttons
    EXPECT_EQ(b->PictureSize(), 4);
    EXPECT_TRUE(msgs.texts.contains("The picture size cannot be changed for Shaped buttons"));

    b->setPicture(icon());  // an icon turns the shape back into a rectangle
    EXPECT_EQ(b->ButtonShape(), 0);
    EXPECT_TRUE(msgs.texts.last().startsWith("Icons cannot be used for custom buttons."));
}

TEST(ButtonProperties, PictureSizeStoresPixels)
{
    Host host;
    auto* b = host.add();
    EXPECT_EQ(b->PictureSize(), 0);  // unset reads as 16 pixels
    EXPECT_EQ(b->picturePixels(), 16);
    b->setPictureSize(2);
    EXPECT_EQ(b->picturePixels(), 32);
    EXPECT_EQ(b->PictureSize(), 2);
}

TEST(ButtonProperties, ValueOnlyForCheckAndOptionButtons)
{
    Host host;
    auto* b = host.add();
    b->setValue(kTrue);
    EXPECT_EQ(b->Value(), kFalse);
    b->setMode(1);
    b->setValue(1);  // any non-zero is True, stored as -1
    EXPECT_EQ(b->Value(), kTrue);
    b->setMode(0);
    EXPECT_EQ(b->Value(), kFalse);
}

TEST(ButtonProperties, FontStyleBits)
{
    Host host;
    auto* b = host.add();
    b->setFontStyle(6);
    EXPECT_TRUE(b->ButtonFont().bold());
    EXPECT_TRUE(b->ButtonFont().italic());
    EXPECT_FALSE(b->ButtonFont().underline());
    EXPECT_EQ(b->FontStyle(), 6);
    b->setFontStyle(1);
    EXPECT_EQ(b->FontStyle(), 0);
}

TEST(ButtonProperties, HoverColoursFollowUntilLocked)
{
    Host host;
    auto* b = host.add();
    b->setBackColor(0x0000FF);
    EXPECT_EQ(b->HoverBackColor(), 0x0000FFu);
    EXPECT_EQ(b->HoverColorLocks(), 0);
    b->setForeColor(0x00FF00);
    EXPECT_EQ(b->HoverForeColor(), 0x00FF00u);

    b->setHoverColorLocks(2);
    b->setHoverBackColor(0x123456);
    EXPECT_EQ(b->HoverColorLocks(), 3);
    b->setBackColor(0x654321);
    EXPECT_EQ(b->HoverBackColor(), 0x123456u);

    b->setGradientColor(0xABCDEF);
    b->setGradientMode(1);
    b->setHoverColorLocks(0);
    EXPECT_EQ(b->HoverBackColor(), 0xABCDEFu);  // the gradient colour while a gradient is on
    EXPECT_EQ(b->HoverForeColor(), b->ForeColor());
    b->setGradientMode(0);
    EXPECT_EQ(b->HoverBackColor(), 0x654321u);
}

TEST(ButtonProperties, ResetDefaultColorsOnlyInDesignMode)
{
    Host host;
    auto* b = host.add();
    b->setBackColor(0x0000FF);
    b->setForeColor(0x00FF00);
    b->setResetDefaultColors(kTrue);
    EXPECT_EQ(b->BackColor(), 0x0000FFu);
    EXPECT_EQ(b->ResetDefaultColors(), kFalse);
    b->setUserMode(false);
    b->setGradientMode(2);
    b->setResetDefaultColors(kTrue);
    EXPECT_EQ(b->BackColor(), kSysButtonFace);
    EXPECT_EQ(b->ForeColor(), kSysButtonText);
    EXPECT_EQ(b->GradientColor(), kSysButtonFace);
    EXPECT_EQ(b->GradientMode(), 0);
    EXPECT_EQ(b->HoverColorLocks(), 0);
    EXPECT_EQ(b->HoverBackColor(), kSysButtonFace);
}

TEST(ButtonProperties, MouseIconTakesOnlyIcons)
{
    Messages msgs;
    Host host;
    auto* b = host.add();
    b->setUserMode(false);
    b->setMouseIcon(bitmap());
    EXPECT_TRUE(b->MouseIcon().isNull());
    ASSERT_EQ(msgs.titles.size(), 1);
    EXPECT_EQ(msgs.titles[0], "Select .ico Or .cur Files Only");
    b->setMouseIcon(icon());
    EXPECT_EQ(b->MousePointer(), 99);
}

// What each assignment costs: a redraw, a new layout, a new window region.
TEST(ButtonProperties, WhichAssignmentsRedrawRelayoutOrReshape)
{
    struct Case {
        const char* name;
        std::function<void(qzButtons_H*)> act;
        bool redraw, relayout, reshape;
    };
    const Case cases[] = {
        {"Caption", [](qzButtons_H* b) { b->setCaption("Longer caption"); }, true, true, false},
        {"CaptionAlign", [](qzButtons_H* b) { b->setCaptionAlign(0); }, true, true, false},
        {"ButtonStyle 1 cuts corners", [](qzButtons_H* b) { b->setButtonStyle(1); }, true, false, true},
        {"ButtonShape", [](qzButtons_H* b) { b->setButtonShape(1); }, true, true, true},
        {"BackColor", [](qzButtons_H* b) { b->setBackColor(0x00FFFF); }, true, false, false},
        {"CustomClick", [](qzButtons_H* b) { b->setCustomClick(3); }, false, false, false},
        {"HoverForeColor", [](qzButtons_H* b) { b->setHoverForeColor(0x0000FF); }, false, false, false},
        {"HoverBackColor", [](qzButtons_H* b) { b->setHoverBackColor(0x0000FF); }, false, false, false},
        {"HoverColorLocks", [](qzButtons_H* b) { b->setHoverColorLocks(3); }, false, false, false},
        {"GradientColor without gradient", [](qzButtons_H* b) { b->setGradientColor(0xFF); }, false, false, false},
        {"GradientMode", [](qzButtons_H* b) { b->setGradientMode(3); }, true, false, false},
        {"Value", [](qzButtons_H* b) { b->setMode(1); b->setValue(kTrue); }, true, false, false},
    };
    for (const Case& c : cases) {
        Host host;
        auto* b = host.add();
        b->setCaption("Go");
        const int redraws = b->redrawCount();
        const auto caption = b->captionRect();
        const QRegion region = b->windowRegion();
        c.act(b);
        EXPECT_EQ(b->redrawCount() > redraws, c.redraw) << c.name;
        EXPECT_EQ(!(b->captionRect() == caption), c.relayout) << c.name;
        EXPECT_EQ(b->windowRegion() != region, c.reshape) << c.name;
    }
}

TEST(ButtonProperties, DelayDrawingHoldsEveryChangeUntilOneRedraw)
{
    Host host;
    auto* b = host.add();
    const int redraws = b->redrawCount();
    const QImage before = b->surface();
    b->DelayDrawing(true);
    b->setBackColor(0x0000FF);
    b->setCaption("Held");
    b->setButtonStyle(4);
    EXPECT_EQ(b->redrawCount(), redraws);
    EXPECT_EQ(b->surface(), before);
    b->DelayDrawing(false);
    EXPECT_EQ(b->redrawCount(), redraws + 1);
    EXPECT_EQ(px(b, 10, 20), rgb(255, 0, 0));
}

// Every published property has a help text; names that are no property have none.
TEST(ButtonProperties, EveryPropertyHasADescription)
{
    const char* const properties[] = {
        "ButtonStyle", "Mode", "Caption", "CaptionAlign", "CaptionStyle", "CustomClick", "ButtonShape",
        "Picture", "PictureAlign", "Enabled", "ShowFocusRect", "Value", "PictureSize", "MousePointer",
        "MouseIcon", "Font", "FontStyle", "ForeColor", "BackColor", "GradientColor", "GradientMode",
        "ResetDefaultColors", "HoverColorLocks", "HoverForeColor", "HoverBackColor",
    };
    for (const char* name : properties) EXPECT_FALSE(qzButtons_H::propertyDescription(name).isEmpty()) << name;
    for (const char* name : {"", "hWnd", "Refresh", "caption"}) EXPECT_TRUE(qzButtons_H::propertyDescription(name).isEmpty()) << name;
}

// Enabled is the control's own flag: under a disabled container it can still
// be turned off (with its notification), reads as set, and is saved as set.
TEST(ButtonProperties, EnabledIsTheControlsOwnFlagUnderADisabledContainer)
{
    Host host;
    auto* b = host.add();
    QStringList changes;
    QObject::connect(b, &qzButtons_H::PropertyChanged, [&changes](const QString& k) { changes << k; });
    host.window->setEnabled(false);
    EXPECT_EQ(b->Enabled(), widgets::kTrue);
    widgets::JsonPropertyBag saved;
    b->WriteProperties(saved);
    EXPECT_FALSE(saved.contains("Enabled"));  // True is the default: nothing written
    b->setEnabled(widgets::kFalse);
    EXPECT_EQ(changes, QStringList{"Enabled"});
    EXPECT_EQ(b->Enabled(), widgets::kFalse);
    host.window->setEnabled(true);
    EXPECT_FALSE(b->isEnabled());  // stays off once the container is on again
    b->setEnabled(widgets::kTrue);
    EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(changes, (QStringList{"Enabled", "Enabled"}));
}

// Clearing the custom mouse icon leaves no stale pointer behind.
TEST(ButtonProperties, ClearingTheMouseIconDropsItsCursor)
{
    Host host;
    auto* b = host.add();
    b->setMouseIcon(icon());
    ASSERT_TRUE(b->testAttribute(Qt::WA_SetCursor));
    b->setMouseIcon({});
    EXPECT_TRUE(b->MouseIcon().isNull());
    EXPECT_EQ(b->MousePointer(), 99);  // the pointer property stays as it was
    EXPECT_FALSE(b->testAttribute(Qt::WA_SetCursor));
}

}  // namespace
