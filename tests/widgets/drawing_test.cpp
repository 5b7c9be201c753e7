// The drawn face: pixel probes of each style's face and border rings, the
// gradients, the derived colours and the colour helpers, and controls too
// small to draw.
#include "button_support.h"

#include <gtest/gtest.h>

using namespace buttontest;
using widgets::kTrue;

namespace {

constexpr int W = 0xFFFFFF, K = 0, G = 0x808080;

int faceOf(const qzButtons_H* b) { return b->ResolveColor(b->BackColor()); }

// Probes on a 120 x 40 rectangle without caption: outer ring (x 0 / 119),
// middle ring (1 / 118), inner ring (2 / 117) on the left and right sides at
// mid height, and the top and bottom at mid width.
struct Probe {
    int x, y;
};
const Probe kOuterLeft{0, 20}, kOuterTop{60, 0}, kOuterRight{119, 20}, kOuterBottom{60, 39};
const Probe kMidLeft{1, 20}, kMidTop{60, 1}, kMidRight{118, 20}, kMidBottom{60, 38};
const Probe kInnerLeft{2, 20}, kInnerRight{117, 20}, kFace{30, 20};

qzButtons_H* plain(Host& host, int style)
{
    auto* b = host.add();
    b->setCaption("");
    b->setButtonStyle(style);
    return b;
}

TEST(ButtonDrawing, RestingBordersPerStyle)
{
    struct Case {
        int style;
        std::vector<std::pair<Probe, int>> expect;  // -1: the face colour
    };
    const int lt = rgb(231, 231, 231);
    const std::vector<Case> cases = {
        {0, {{kOuterLeft, W}, {kOuterTop, W}, {kOuterRight, K}, {kOuterBottom, K}, {kMidLeft, rgb(233, 233, 233)},
             {kMidTop, rgb(233, 233, 233)}, {kMidRight, G}, {kMidBottom, G}, {kInnerLeft, -1}, {kFace, -1}}},
        {1, {{kOuterLeft, K}, {kOuterRight, K}, {kMidLeft, W}, {kMidRight, G}, {kInnerLeft, W}, {kInnerRight, G}}},
        {3, {{kOuterLeft, rgb(102, 102, 102)}, {kOuterRight, W}, {kMidLeft, W}, {kMidRight, rgb(102, 102, 102)}}},
        {4, {{kOuterLeft, W}, {kOuterTop, W}, {kOuterRight, G}, {kOuterBottom, G}, {kMidLeft, -1}}},
        {5, {{kOuterLeft, -1}, {kOuterTop, -1}, {kOuterRight, -1}, {kOuterBottom, -1}, {kFace, -1}}},
        {6, {{kOuterLeft, lt}, {kMidLeft, lt}, {kOuterRight, G}, {kMidRight, G}, {kInnerLeft, -1}}},
        {7, {{kOuterLeft, K}, {kOuterRight, K}, {kInnerLeft, W}}},
    };
    for (const Case& c : cases) {
        Host host;
        auto* b = plain(host, c.style);
        for (const auto& [probe, colour] : c.expect) {
            const int want = colour < 0 ? b->faceColor() : colour;
            EXPECT_EQ(px(b, probe.x, probe.y), want) << "style " << c.style << " at " << probe.x << "," << probe.y;
        }
    }
}

TEST(ButtonDrawing, Style0DefaultLookGetsABlackFrame)
{
    Host host;
    auto* b = plain(host, 0);
    b->setDisplayAsDefault(true);
    for (Probe p : {kOuterLeft, kOuterTop, kOuterRight, kOuterBottom}) EXPECT_EQ(px(b, p.x, p.y), K);
    EXPECT_EQ(px(b, kMidLeft.x, kMidLeft.y), W);
    EXPECT_EQ(px(b, kInnerLeft.x, kInnerLeft.y), rgb(233, 233, 233));
}

TEST(ButtonDrawing, Style0CheckedIsSunken)
{
    Host host;
    auto* b = plain(host, 0);
    b->setMode(1);
    b->setValue(kTrue);
    EXPECT_EQ(px(b, kOuterLeft.x, kOuterLeft.y), K);
    EXPECT_EQ(px(b, kOuterTop.x, kOuterTop.y), K);
    EXPECT_EQ(px(b, kOuterRight.x, kOuterRight.y), W);
    EXPECT_EQ(px(b, kMidRight.x, kMidRight.y), rgb(233, 233, 233));
    EXPECT_EQ(px(b, kFace.x, kFace.y), b->lightColor());
}

TEST(ButtonDrawing, Style2HoverIsOrangeWithDarkBlueFrameAndCorners)
{
    Host host;
    auto* b = plain(host, 2);
    EXPECT_EQ(px(b, kOuterLeft.x, kOuterLeft.y), rgb(0, 60, 115));
    enter(b);
    EXPECT_EQ(px(b, kInnerLeft.x, kInnerLeft.y), rgb(255, 203, 107));
    EXPECT_EQ(px(b, kMidLeft.x, kMidLeft.y), rgb(255, 178, 49));
    EXPECT_EQ(px(b, kOuterLeft.x, kOuterLeft.y), rgb(0, 60, 115));
    for (QPoint c : {QPoint(1, 1), QPoint(1, 38), QPoint(118, 38), QPoint(118, 1)}) EXPECT_EQ(px(b, c.x(), c.y()), rgb(0, 60, 115));
}

TEST(ButtonDrawing, Style2FocusColoursOnlyWithShowFocusRect)
{
    Host host;
    auto* b = plain(host, 2);
    b->setDisplayAsDefault(true);
    EXPECT_EQ(px(b, kInnerLeft.x, kInnerLeft.y), rgb(181, 209, 240));
    b->setShowFocusRect(widgets::kFalse);  // clears the default look at run time
    b->setDisplayAsDefault(false);
    b->setDisplayAsDefault(true);
    EXPECT_NE(px(b, kInnerLeft.x, kInnerLeft.y), rgb(181, 209, 240));
}

TEST(ButtonDrawing, Style2FaceDarkensFromTopToBottom)
{
    Host host;
    auto* b = plain(host, 2);
    const int top = px(b, 60, 4), bottom = px(b, 60, 35);
    EXPECT_GT(top & 255, bottom & 255);
}

TEST(ButtonDrawing, Style3FocusOutlineAroundTheCaption)
{
    Host host;
    auto* b = host.add();
    b->setButtonStyle(3);
    b->setCaption("Go");
    b->setDisplayAsDefault(true);
    const auto r = b->captionRect();
    EXPECT_EQ(px(b, r.left - 2, r.top - 2), rgb(153, 153, 204));
    // Pressing never moves a style 3 caption: the outline stays put.
    enter(b);
    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(px(b, r.left - 2, r.top - 2), rgb(153, 153, 204));
    EXPECT_EQ(px(b, kFace.x, kFace.y), b->darkColor());
}

TEST(ButtonDrawing, GradientDirections)
{
    struct Case {
        int mode;
        Probe first, second;  // first shows BackColor, second GradientColor
    };
    const Case cases[] = {{1, {4, 20}, {115, 20}}, {2, {115, 20}, {4, 20}}, {3, {60, 4}, {60, 35}}, {4, {60, 35}, {60, 4}}};
    for (const Case& c : cases) {
        Host host;
        auto* b = plain(host, 4);
        b->setBackColor(rgb(255, 0, 0));
        b->setGradientColor(rgb(0, 0, 255));
        b->setGradientMode(c.mode);
        const int a = px(b, c.first.x, c.first.y), z = px(b, c.second.x, c.second.y);
        EXPECT_GT(a & 255, 200) << "mode " << c.mode;
        EXPECT_LT((a >> 16) & 255, 60) << "mode " << c.mode;
        EXPECT_GT((z >> 16) & 255, 200) << "mode " << c.mode;
        EXPECT_LT(z & 255, 60) << "mode " << c.mode;
    }
}

TEST(ButtonDrawing, HoverPaintsTheHoverColour)
{
    Host host;
    auto* b = plain(host, 0);
    b->setHoverBackColor(rgb(0, 200, 0));
    enter(b);
    EXPECT_EQ(px(b, kFace.x, kFace.y), rgb(0, 200, 0));
    leave(b);
    EXPECT_EQ(px(b, kFace.x, kFace.y), faceOf(b));
}

TEST(ButtonDrawing, DerivedColours)
{
    Host host;
    auto* b = host.add();
    b->setButtonStyle(0);
    EXPECT_EQ(b->lightColor(), rgb(223, 223, 223));
    b->setButtonStyle(7);
    EXPECT_EQ(b->lightColor(), rgb(144, 144, 138));
    b->setButtonStyle(3);
    EXPECT_EQ(b->darkColor(), rgb(140, 140, 140));
    EXPECT_EQ(b->lightColor(), rgb(171, 171, 171));
}

TEST(ButtonDrawing, ShadeColorAndGradientColours)
{
    int amount = -32;
    EXPECT_EQ(qzButtons_H::ShadeColor(0, amount, false, true, false), rgb(32, 32, 32));
    EXPECT_EQ(amount, 32);
    EXPECT_EQ(qzButtons_H::ShadeColor(W, -32, true), rgb(223, 223, 213));
    EXPECT_EQ(qzButtons_H::ShadeColor(rgb(10, 10, 10), -40), 0);  // clamped
    EXPECT_EQ(qzButtons_H::BuildGradientColors(1, 5, 9), std::vector<int>{5});
    EXPECT_TRUE(qzButtons_H::BuildGradientColors(0, 5, 9).empty());
    const auto g = qzButtons_H::BuildGradientColors(3, rgb(0, 0, 0), rgb(255, 100, 10));
    EXPECT_EQ(g, (std::vector<int>{0, rgb(127, 50, 5), rgb(255, 100, 10)}));
}

TEST(ButtonDrawing, SystemColoursResolveThroughThePalette)
{
    Host host;
    auto* b = host.add();
    EXPECT_EQ(b->ResolveColor(widgets::kSysButtonFace), qzButtons_H::fromQColor(QApplication::palette().color(QPalette::Button)));
    EXPECT_EQ(b->ResolveColor(widgets::kSysButtonText),
              qzButtons_H::fromQColor(QApplication::palette().color(QPalette::ButtonText)));
    EXPECT_EQ(b->ResolveColor(0x123456), 0x123456);
}

TEST(ButtonDrawing, DisabledCaptionIsEtched)
{
    Host host;
    auto* b = host.add();
    b->setCaption("MMMM");
    b->setButtonFont(QFont(b->ButtonFont().family(), 14, QFont::Bold));
    b->setEnabled(widgets::kFalse);
    const QImage img = b->surface();
    const auto r = b->captionRect();
    int white = 0, grey = 0;
    for (int y = r.top; y < r.bottom + 1; ++y)
        for (int x = r.left; x < r.right + 1; ++x) {
            const QRgb p = img.pixel(x, y);
            if (p == qRgb(255, 255, 255)) ++white;
            if (p == qRgb(128, 128, 128)) ++grey;
        }
    EXPECT_GT(white, 5);
    EXPECT_GT(grey, 5);
}

TEST(ButtonDrawing, DisablingTheContainerShowsTheDisabledLook)
{
    Host host;
    auto* b = host.add();
    b->setCaption("Go");
    const QImage enabled = b->surface();
    host.window->setEnabled(false);
    EXPECT_NE(b->surface(), enabled);
    EXPECT_EQ(b->Enabled(), widgets::kTrue);  // the control's own flag is still on
    host.window->setEnabled(true);
    EXPECT_EQ(b->surface(), enabled);
}

// Sizes that leave no room for the rings draw nothing, whatever the look.
TEST(ButtonDrawing, DegenerateSizesDrawNothingAndNeverCrash)
{
    const QSize sizes[] = {{120, 0}, {0, 40}, {3, 3}, {5, 40}, {120, 5}, {1, 1}};
    for (QSize s : sizes) {
        for (int shape : {0, 1, 3, 4, 6, 7}) {
            for (int style : {0, 2, 5, 7}) {
                Host host;
                auto* b = host.add(60, 30);
                b->setPicture(blockPicture({20, 20}, Qt::white, QRect(2, 2, 10, 10), Qt::red));
                b->setPictureSize(4);
                b->setGradientMode(3);
                b->setButtonStyle(style);
                b->setButtonShape(shape);
                b->setCaption("Too small");
                b->resize(s);
                b->Refresh();
                enter(b);
                click(b);
                b->grab();
                if (b->width() < qzButtons_H::kMinFaceSize || b->height() < qzButtons_H::kMinFaceSize) {
                    EXPECT_TRUE(b->surface().isNull()) << s.width() << "x" << s.height() << " shape " << shape;
                }
            }
        }
    }
}

}  // namespace
