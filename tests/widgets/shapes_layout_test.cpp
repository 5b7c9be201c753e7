// Window shapes (points inside and outside each outline, slants, picture
// outlines), caption and picture placement, and pictures with their key colour.
#include "button_support.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace buttontest;
using widgets::ButtonPicture;

namespace {

TEST(ButtonShapes, PointsInsideAndOutsideEachShape)
{
    struct Case {
        int shape, style;
        std::vector<QPoint> inside, outside;
    };
    // 120 x 40: slants are 41 pixels wide, the right slant begins at x = 79.
    const std::vector<Case> cases = {
        {0, 0, {{0, 0}, {119, 39}, {60, 20}}, {}},
        {0, 1, {{1, 0}, {60, 20}}, {{0, 0}, {0, 39}, {119, 39}, {119, 0}}},
        {0, 3, {{0, 0}, {119, 39}}, {{0, 39}, {119, 0}}},
        {0, 2, {{1, 1}, {60, 20}, {3, 0}}, {{0, 0}, {119, 0}, {0, 39}, {119, 39}}},
        {0, 7, {{1, 1}, {60, 20}}, {{0, 0}, {119, 39}}},
        {1, 0, {{35, 5}, {119, 39}, {60, 20}}, {{5, 35}, {1, 30}}},
        {2, 0, {{5, 5}, {115, 38}, {0, 39}}, {{115, 5}, {110, 2}}},
        {3, 0, {{60, 20}, {35, 5}, {85, 38}}, {{5, 35}, {115, 5}}},
        {4, 0, {{60, 20}, {2, 20}, {60, 1}}, {{0, 0}, {119, 0}, {0, 39}, {119, 39}}},
        {5, 0, {{60, 20}}, {{0, 0}, {119, 39}}},
        {6, 0, {{60, 20}}, {{1, 1}, {118, 38}}},
    };
    for (const Case& c : cases) {
        Host host;
        auto* b = host.add();
        b->setButtonStyle(c.style);
        b->setButtonShape(c.shape);
        const QRegion r = b->windowRegion();
        for (QPoint p : c.inside) EXPECT_TRUE(r.contains(p)) << "shape " << c.shape << " style " << c.style << " " << p.x() << "," << p.y();
        for (QPoint p : c.outside) EXPECT_FALSE(r.contains(p)) << "shape " << c.shape << " style " << c.style << " " << p.x() << "," << p.y();
        EXPECT_EQ(b->mask(), r);
    }
}

TEST(ButtonShapes, Style3CutsOnlyWhileEnabled)
{
    Host host;
    auto* b = host.add();
    b->setButtonStyle(3);
    EXPECT_FALSE(b->windowRegion().contains(QPoint(0, 39)));
    b->setEnabled(widgets::kFalse);
    EXPECT_TRUE(b->windowRegion().contains(QPoint(0, 39)));
    EXPECT_TRUE(b->windowRegion().contains(QPoint(119, 0)));
}

TEST(ButtonShapes, SlantsWidenANarrowButton)
{
    Host host;
    auto* b = host.add(20, 23);
    b->setButtonShape(1);
    EXPECT_EQ(b->leftSlant(), 24);
    EXPECT_EQ(b->width(), 30);

    auto* p = host.add(100, 20);
    p->setButtonShape(3);
    EXPECT_EQ(p->leftSlant(), 21);
    EXPECT_EQ(p->rightEdge(), 79);
    EXPECT_TRUE(p->windowRegion().contains(QPoint(99, 1)) == false);
    EXPECT_TRUE(p->windowRegion().contains(QPoint(79, 1)));
}

TEST(ButtonShapes, SlantedLeftBordersRunDiagonally)
{
    Host host;
    auto* b = host.add();
    b->setCaption("");
    b->setButtonStyle(1);
    b->setButtonShape(1);
    const int d = b->leftSlant();
    ASSERT_EQ(d, 41);
    // The outer, middle and inner left lines, one pixel apart on each row
    // (their bottom ends are covered by the bottom lines drawn after them).
    EXPECT_EQ(px(b, d - 2, 39), 0x000000);
    EXPECT_EQ(px(b, 20, 20), 0x000000);
    EXPECT_EQ(px(b, 21, 20), 0xFFFFFF);
    EXPECT_EQ(px(b, 22, 20), 0xFFFFFF);
    EXPECT_FALSE(b->windowRegion().contains(QPoint(18, 20)));
}

TEST(ButtonShapes, EllipseGetsInnerRegionsAndRing)
{
    Host host;
    auto* b = host.add();
    b->setCaption("");
    b->setButtonShape(5);
    EXPECT_TRUE(b->innerRegion().contains(QPoint(60, 20)));
    EXPECT_FALSE(b->innerRegion().contains(QPoint(60, 0)));
    EXPECT_FALSE(b->insetRegion().contains(QPoint(60, 1)));
    // The ring between the window outline and the face: the white end of
    // its gradient at the top (the face colour is a light grey).
    EXPECT_EQ(px(b, 60, 0), 0xFFFFFF);
    EXPECT_EQ(px(b, 60, 20), b->faceColor());
}

// The elliptic window and its inner regions: every pixel of the window that
// touches the outside is in the one-pixel ring, no face pixel touches the
// outside (the ring is closed), and the ring lies on the ellipse.
TEST(ButtonShapes, EllipseRingIsClosedOnePixelAndFollowsTheCurve)
{
    Host host;
    for (const QSize size : {QSize(120, 40), QSize(41, 41), QSize(200, 30), QSize(7, 9), QSize(40, 120)}) {
        SCOPED_TRACE(QString("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        auto* b = host.add(size.width(), size.height());
        b->setCaption("");
        b->setButtonShape(4);
        const QRegion window = b->windowRegion(), inner = b->innerRegion(), inset = b->insetRegion();
        const int w = size.width(), h = size.height();
        const double a = w / 2.0, c = h / 2.0;
        auto in = [](const QRegion& r, int x, int y) { return r.contains(QPoint(x, y)); };
        int ring = 0;
        for (int y = -1; y <= h; ++y)
            for (int x = -1; x <= w; ++x) {
                const bool edge = in(window, x, y) && (!in(window, x - 1, y) || !in(window, x + 1, y) ||
                                                       !in(window, x, y - 1) || !in(window, x, y + 1));
                EXPECT_EQ(in(window, x, y) && !in(inner, x, y), edge) << x << "," << y;
                EXPECT_EQ(in(inner, x, y) && !in(inset, x, y),
                          in(inner, x, y) && (!in(inner, x - 1, y) || !in(inner, x + 1, y) || !in(inner, x, y - 1) ||
                                              !in(inner, x, y + 1)))
                    << x << "," << y;
                if (!edge) continue;
                ++ring;
                // Within a pixel of the ideal curve, measured along its normal.
                const double u = (x + 0.5 - a) / a, v = (y + 0.5 - c) / c;
                const double r = std::sqrt(u * u + v * v);
                EXPECT_LE((1.0 - r) * std::min(a, c), 1.0) << x << "," << y;
                EXPECT_LE(r, 1.0) << x << "," << y;
            }
        EXPECT_GT(ring, w + h);  // at least the size of a flat outline
        // The shape 6 frame, shown while hovered, is that ring drawn black all round.
        b->setButtonShape(6);
        enter(b);
        for (const QRect& r : window - inner)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) EXPECT_EQ(px(b, x, y), 0) << x << "," << y;
        delete b;
    }
}

TEST(ButtonShapes, PictureOutlineResizesAndTracesTheOpaqueArea)
{
    Host host;
    auto* b = host.add(200, 200);
    // 100 x 50 on magenta, the opaque block in its left half.
    b->setPicture(blockPicture({100, 50}, QColor(255, 0, 255), QRect(10, 10, 40, 30), Qt::darkGreen));
    b->setButtonShape(7);
    EXPECT_EQ(b->size(), QSize(200, 100));
    const QRegion r = b->windowRegion();
    EXPECT_TRUE(r.contains(QPoint(60, 50)));     // block, scaled by 2
    EXPECT_FALSE(r.contains(QPoint(5, 5)));      // key colour
    EXPECT_FALSE(r.contains(QPoint(150, 50)));   // key colour
    EXPECT_FALSE(b->innerRegion().contains(QPoint(20, 20)));
    EXPECT_TRUE(b->innerRegion().contains(QPoint(60, 50)));

    // Without a picture the shape keeps its outline.
    Host host2;
    auto* n = host2.add(200, 200);
    n->setButtonShape(7);
    EXPECT_EQ(n->ButtonShape(), 0);
    EXPECT_EQ(n->size(), QSize(200, 200));
}

TEST(ButtonShapes, CustomClickShiftsTheWindowWhileHeld)
{
    Host host;
    auto* b = host.add(120, 40, 50, 50);
    b->setCustomClick(4);
    enter(b);
    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(b->pos(), QPoint(51, 51));
    EXPECT_EQ(b->size(), QSize(120, 40));
    mouse(b, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(b->pos(), QPoint(50, 50));
}

// ---- Caption and picture placement ----

ButtonPicture picture16() { return blockPicture({16, 16}, Qt::white, QRect(2, 2, 12, 12), Qt::red); }

TEST(ButtonLayout, PicturePlacesPerAlignment)
{
    struct Case {
        int pictureAlign, captionAlign;
        std::function<void(const widgets::PixelRect& cap, const widgets::PixelRect& pic)> check;
    };
    const Case cases[] = {
        {0, 0, [](auto& cap, auto& pic) { EXPECT_EQ(pic.left, 4); EXPECT_EQ(cap.left, 4 + 16 + 4); }},
        {2, 1, [](auto& cap, auto& pic) { EXPECT_EQ(pic.left, 120 - 4 - 16); EXPECT_EQ(cap.right, 120 - 4 - 16 - 4); }},
        {1, 2, [](auto& cap, auto& pic) {
             EXPECT_EQ(pic.right + 4, cap.left);  // together, 4 apart
             EXPECT_LE(std::abs(pic.left - (120 - cap.right)), 1);  // and centred as a group
         }},
        {3, 2, [](auto& cap, auto& pic) { EXPECT_EQ(cap.right + 4, pic.left); }},
        {4, 2, [](auto& cap, auto& pic) {
             EXPECT_EQ(pic.left, (120 - 16) / 2);
             EXPECT_EQ(cap.top, pic.bottom + 2);
         }},
        {5, 2, [](auto& cap, auto& pic) { EXPECT_EQ(pic.left, (120 - 16) / 2); EXPECT_GE(pic.top, cap.top + 2); }},
    };
    for (const Case& c : cases) {
        Host host;
        auto* b = host.add(120, 60);
        b->setCaption("Go");
        b->setPicture(picture16());
        b->setPictureAlign(c.pictureAlign);
        b->setCaptionAlign(c.captionAlign);
        const auto cap = b->captionRect(), pic = b->pictureRect();
        EXPECT_EQ(pic.width(), 16);
        SCOPED_TRACE(c.pictureAlign);
        c.check(cap, pic);
    }
}

TEST(ButtonLayout, CaptionCentredWithoutPicture)
{
    Host host;
    auto* b = host.add();
    b->setCaption("Go");
    const auto r = b->captionRect();
    EXPECT_LE(std::abs(r.left - (120 - r.right)), 1);
    EXPECT_LE(std::abs(r.top - (40 - r.bottom)), 1);
}

TEST(ButtonLayout, ContainerFontChangeRelaysTheCaption)
{
    Host host;
    auto* b = host.add(200, 60);
    b->setCaption("Go");
    const int before = b->captionRect().width();
    QFont f = host.window->font();
    f.setPointSize(f.pointSize() * 2);
    host.window->setFont(f);
    EXPECT_GT(b->captionRect().width(), before);
}

TEST(ButtonLayout, DoublePipeAndCrLfBreakLines)
{
    Host host;
    auto* b = host.add(120, 60);
    b->setCaption("One");
    const int one = b->captionRect().height();
    b->setCaption("One||Two");
    EXPECT_GE(b->captionRect().height(), 2 * one - 2);
    b->setCaption("One\r\nTwo");
    EXPECT_GE(b->captionRect().height(), 2 * one - 2);
}

TEST(ButtonLayout, EmbossedCaptionIsTwoPixelsLarger)
{
    Host host;
    auto* b = host.add();
    b->setCaption("Go");
    const auto flat = b->captionRect();
    b->setCaptionStyle(1);
    EXPECT_EQ(b->captionRect().width(), flat.width() + 2);
}

TEST(ButtonLayout, FillAndFitPictureSizes)
{
    Host host;
    auto* b = host.add();
    b->setPicture(blockPicture({64, 32}, Qt::white, QRect(4, 4, 20, 20), Qt::blue));
    b->setPictureSize(4);  // fit: aspect kept in the face less 6 a side, centred
    EXPECT_EQ(b->pictureRect(), (widgets::PixelRect{32, 6, 88, 34}));
    EXPECT_EQ(b->preparedPicture().size(), QSize(56, 28));
    b->setPictureSize(3);  // fill: the face less 3 a side
    EXPECT_EQ(b->pictureRect(), (widgets::PixelRect{3, 3, 117, 37}));
    b->setButtonShape(6);
    b->setPictureSize(3);
    EXPECT_EQ(b->pictureRect(), (widgets::PixelRect{1, 1, 119, 39}));
}

TEST(ButtonLayout, FocusOutlineOnlyWithDefaultLook)
{
    Host host;
    auto* b = host.add();
    b->setCaption("");
    const QImage before = b->surface();
    b->setDisplayAsDefault(true);
    EXPECT_NE(b->surface(), before);
    b->setDisplayAsDefault(false);
    EXPECT_EQ(b->surface(), before);
}

// ---- Pictures ----

TEST(ButtonPictures, NearKeyPixelsBecomeTransparent)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(QColor(250, 250, 250));
    img.setPixel(5, 5, qRgb(252, 248, 253));  // within 3 in every channel
    img.setPixel(6, 6, qRgb(254, 250, 246));  // blue 4 away
    Host host;
    auto* b = host.add();
    b->setPicture({img, false});
    b->setPictureSize(0);
    const QImage& p = b->preparedPicture();
    ASSERT_EQ(p.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(p.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(p.pixel(5, 5)), 0);
    EXPECT_EQ(qAlpha(p.pixel(6, 6)), 255);
    // Drawn: the face shows through the key, the opaque pixel is drawn.
    const auto r = b->pictureRect();
    EXPECT_EQ(px(b, r.left + 5, r.top + 5), b->faceColor());
    EXPECT_EQ(px(b, r.left + 6, r.top + 6), rgb(254, 250, 246));
}

TEST(ButtonPictures, IconsAreNeverPrepared)
{
    Host host;
    auto* b = host.add();
    ButtonPicture icon = picture16();
    icon.icon = true;
    b->setPicture(icon);
    EXPECT_EQ(b->pictureKind(), 1);
    EXPECT_TRUE(b->preparedPicture().isNull());
    const auto r = b->pictureRect();
    EXPECT_EQ(px(b, r.left, r.top), rgb(255, 255, 255));  // drawn as it is, key and all
}

TEST(ButtonPictures, DisabledPictureIsAGreySilhouette)
{
    Host host;
    auto* b = host.add();
    b->setPicture(blockPicture({16, 16}, Qt::white, QRect(4, 4, 8, 8), Qt::black));
    b->setEnabled(widgets::kFalse);
    const auto r = b->pictureRect();
    EXPECT_EQ(px(b, r.left + 8, r.top + 8), rgb(128, 128, 128));
    EXPECT_EQ(px(b, r.left + 1, r.top + 1), b->faceColor());
}

TEST(ButtonPictures, RemovingThePictureClearsItsSize)
{
    Host host;
    auto* b = host.add();
    b->setPicture(picture16());
    EXPECT_EQ(b->pictureWidth(), 16);
    b->setPicture({});
    EXPECT_EQ(b->pictureWidth() + b->pictureHeight(), 0);
    EXPECT_TRUE(b->preparedPicture().isNull());
}

}  // namespace
