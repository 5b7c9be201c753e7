// qzButtons_H drawing: the off-screen buffer and one redraw, colours and
// backgrounds, the eight style renderers, window shapes, caption and focus
// placement, and pictures with their transparent key colour.
//
// Coordinates are client pixels; SW and SH the client width and height.
// Colours inside are RGB numbers r + 256 g + 65536 b; -1 means "none".
#include "widgets/qzbuttons.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

constexpr int W = 0xFFFFFF;     // white
constexpr int K = 0;            // black
constexpr int G = 0x808080;     // grey
constexpr int RGB(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// Rounding to the nearest whole number, an exact half to the even one.
int nearest(double x) { return int(std::nearbyint(x)); }

// System colours by their classic index, taken from Qt's palette.
QColor systemColour(int index)
{
    const QPalette pal = QApplication::palette();
    switch (index) {
    case 0: return pal.color(QPalette::Mid);               // scroll bar
    case 1: return pal.color(QPalette::Dark);              // desktop
    case 2: case 27: return pal.color(QPalette::Highlight);  // active caption
    case 3: case 28: return pal.color(QPalette::Mid);      // inactive caption
    case 4: return pal.color(QPalette::Window);            // menu
    case 5: return pal.color(QPalette::Base);              // window
    case 6: return pal.color(QPalette::Shadow);            // window frame
    case 7: return pal.color(QPalette::WindowText);        // menu text
    case 8: return pal.color(QPalette::Text);              // window text
    case 9: return pal.color(QPalette::HighlightedText);   // caption text
    case 10: case 11: return pal.color(QPalette::Window);  // borders
    case 12: return pal.color(QPalette::Dark);             // MDI background
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);           // button face
    case 16: return pal.color(QPalette::Dark);             // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    case 19: return pal.color(QPalette::WindowText);       // inactive caption text
    case 20: return pal.color(QPalette::Light);            // button highlight
    case 21: return pal.color(QPalette::Shadow);           // 3-D dark shadow
    case 22: return pal.color(QPalette::Midlight);         // 3-D light
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    case 26: return pal.color(QPalette::Link);             // hot-tracked item
    default: return pal.color(QPalette::Button);
    }
}

int channel(int c, int shift) { return (c >> shift) & 255; }

// Whether two colours are within 3 of each other in every channel.
bool nearKey(int c, int key)
{
    return std::abs(channel(c, 0) - channel(key, 0)) <= 3 && std::abs(channel(c, 8) - channel(key, 8)) <= 3 &&
           std::abs(channel(c, 16) - channel(key, 16)) <= 3;
}

int rgbOf(QRgb p) { return qRed(p) + 256 * qGreen(p) + 65536 * qBlue(p); }
QRgb qrgbOf(int c) { return qRgb(c & 255, (c >> 8) & 255, (c >> 16) & 255); }

// A region made of one-pixel-high runs of a row-major mask.
QRegion regionOfMask(const std::vector<quint8>& mask, int w, int h)
{
    std::vector<QRect> rects;
    for (int y = 0; y < h; ++y) {
        int x = 0;
        while (x < w) {
            while (x < w && !mask[size_t(y) * w + x]) ++x;
            const int s = x;
            while (x < w && mask[size_t(y) * w + x]) ++x;
            if (x > s) rects.emplace_back(s, y, x - s, 1);
        }
    }
    QRegion r;
    if (!rects.empty()) r.setRects(rects.data(), int(rects.size()));
    return r;
}

// The pixels of an ellipse filling a w x h box: a pixel belongs to it when its
// centre lies inside the curve. Each row is one run, so the outline is closed
// and follows the ellipse (a polygon approximation leaves steps and gaps).
std::vector<quint8> ellipseMask(int w, int h)
{
    std::vector<quint8> mask(size_t(std::max(w, 0)) * std::max(h, 0), 0);
    if (w <= 0 || h <= 0) return mask;
    const double a = w / 2.0, b = h / 2.0;
    for (int y = 0; y < h; ++y) {
        const double dy = (y + 0.5 - b) / b;
        const double t = 1.0 - dy * dy;
        if (t < 0) continue;
        const double half = a * std::sqrt(t);
        const int from = std::max(0, int(std::ceil(a - half - 0.5)));
        const int to = std::min(w - 1, int(std::floor(a + half - 0.5)));
        if (to >= from) std::fill_n(mask.begin() + ptrdiff_t(y) * w + from, to - from + 1, quint8(1));
    }
    return mask;
}

// The mask less its outline: the pixels whose four neighbours all belong to it.
std::vector<quint8> erodedMask(const std::vector<quint8>& mask, int w, int h)
{
    std::vector<quint8> out(mask.size(), 0);
    auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && mask[size_t(y) * w + x]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out[size_t(y) * w + x] = in(x, y) && in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1);
    return out;
}

}  // namespace

// ---------------------------------------------------------------- colours

int qzButtons_H::ResolveColor(OleColor colour) const
{
    if (colour & 0x80000000u) return fromQColor(systemColour(int(colour & 255)));
    return int(colour);
}

int qzButtons_H::ShadeColor(int c, int& amount, bool scaleBlue, bool avoidExtremes, bool invert)
{
    for (int round = 0; round < 2; ++round) {
        int red = (c & 255) + amount;
        int green = ((c / 256) & 255) + amount;
        const int b = (c / 65536) & 255;
        int blue = scaleBlue ? b + int(std::trunc(double(amount) * b / 192.0)) : b + amount;
        red = std::clamp(red, 0, 255);
        green = std::clamp(green, 0, 255);
        blue = std::clamp(blue, 0, 255);
        if (invert) {
            red = 255 - red;
            green = 255 - green;
            blue = 255 - blue;
        }
        const int result = red + green * 256 + blue * 65536;
        if (!avoidExtremes || (result != 0 && result != W) || round == 1) return result;
        amount = amount == 0 ? 64 : -amount;
    }
    return c;
}

std::vector<int> qzButtons_H::BuildGradientColors(int bands, int a, int b)
{
    if (bands <= 0) return {};
    if (bands < 2) return {a};
    std::vector<int> out(static_cast<size_t>(bands), 0);
    const double steps = bands - 1;  // at least 1 here
    for (int i = 0; i < bands; ++i) {
        int ch[3];
        for (int k = 0; k < 3; ++k) {
            const double from = channel(a, 8 * k), to = channel(b, 8 * k);
            ch[k] = int(std::floor(std::clamp(from + (to - from) / steps * i, 0.0, 255.0)));
        }
        out[size_t(i)] = ch[0] + ch[1] * 256 + ch[2] * 65536;
    }
    return out;
}

void qzButtons_H::RefreshResource(const QString& name)
{
    if (name.compare(QLatin1String("Font"), Qt::CaseInsensitive) == 0) {
        m_bufferFont = font();
    } else if (name.compare(QLatin1String("Picture"), Qt::CaseInsensitive) == 0) {
        if (m_picture.isNull()) {
            m_prepared = QImage();
            m_pictureWidth = m_pictureHeight = 0;
            return;
        }
        m_pictureKind = m_picture.icon ? 1 : 0;
        m_pictureWidth = m_picture.image.width();
        m_pictureHeight = m_picture.image.height();
    } else if (name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0) {
        m_faceColor = m_darkColor = ResolveColor(m_backColor);
        m_hoverFaceColor = ResolveColor(m_hoverBackColor);
        switch (m_buttonStyle) {
        case 2:
            m_faceColor = ShadeColor(m_faceColor, 48, true);
            m_hoverFaceColor = ShadeColor(m_hoverFaceColor, 48, true);
            m_darkColor = ShadeColor(m_faceColor, -32, true);
            m_lightColor = ShadeColor(W, -32, true);
            break;
        case 3:
            m_darkColor = ShadeColor(G, 12);
            m_lightColor = ShadeColor(m_darkColor, 31);
            break;
        case 7:
            m_faceColor = ShadeColor(m_faceColor, 31);
            m_hoverFaceColor = ShadeColor(m_hoverFaceColor, 31);
            m_darkColor = ShadeColor(G, -16);
            m_lightColor = ShadeColor(G, 16, true);
            break;
        default: m_lightColor = ShadeColor(W, -32); break;
        }
    }
}

// ---------------------------------------------------------------- buffer and redraw

void qzButtons_H::UpdateBackBuffer(bool create)
{
    if (create) {
        RefreshResource("Font");
        if (m_buffer.size() != size() && !size().isEmpty()) {
            // Opaque, like a screen bitmap: what lies outside the window
            // region is never shown, and an opaque copy is the cheapest.
            m_buffer = QImage(size(), QImage::Format_RGB32);
            m_buffer.fill(Qt::black);
        }
    } else {
        m_surface = m_buffer;
    }
}

void qzButtons_H::RedrawButton()
{
    if (m_delayDraw) {
        m_stale = true;
        return;
    }
    if (composeFace()) {
        m_stale = false;
        ++m_redrawCount;
        update();
    }
}

bool qzButtons_H::composeFace()
{
    if (m_buttonStyle < 0 || m_buttonStyle > 7) {
        // No renderer for this look: nothing is shown (never an old face).
        m_surface = QImage();
        return false;
    }
    if (degenerate()) {
        // Too small for the face and its rings: nothing is drawn.
        m_surface = QImage();
        return true;
    }
    if (m_buffer.size() != size()) UpdateBackBuffer(true);
    Points pts{};
    Colours cols{};
    int focusState = 0, level = 0;
    {
        QPainter p(&m_buffer);
        m_painter = &p;
        openPixels();
        RenderStyle(pts, cols, focusState, level);
        closePixels();
        m_painter = nullptr;
    }
    if (level == 0) return false;
    UpdateBackBuffer(false);

    // The outline of elliptic and picture shapes goes onto the surface only.
    if (level > 1 && m_buttonShape >= 4) {
        int colour = cols[12];
        QRegion region;
        bool draw = false;
        if (m_buttonShape >= 7 && m_isHovering && !heldDownOver()) {
            if (m_buttonStyle != 2) colour = m_hoverFaceColor;
            if (!(colour == ResolveColor(m_backColor) && m_buttonStyle != 2)) {
                region = m_windowRegion;
                draw = true;
            }
        } else if (m_buttonShape >= 7) {
            if (m_stateFlags & DefaultLook) {
                region = m_buttonShape == 8 ? m_insetRegion : m_innerRegion;
                if (m_value && m_buttonStyle != 2) colour = ShadeColor(m_darkColor, -32);
                draw = true;
            }
        } else if (m_buttonStyle == 2 && !heldDownOver()) {
            region = m_innerRegion;
            draw = true;
        } else if (m_buttonShape == 6) {
            region = m_windowRegion;
            draw = true;
        }
        if (draw && !region.isEmpty()) frameRegion(m_surface, region, colour);
    }
    return true;
}

void qzButtons_H::paintEvent(QPaintEvent*)
{
    m_delayDraw = false;
    if (m_stale || (m_surface.size() != size() && !degenerate())) {
        if (composeFace()) {
            m_stale = false;
            ++m_redrawCount;
        }
    }
    if (m_surface.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, m_surface);
}

void qzButtons_H::fillRect(int left, int top, int right, int bottom, int colour)
{
    m_penColour = colour;
    m_penDotted = false;
    if (right <= left || bottom <= top) return;
    if (m_bits) {
        // Fills go straight into the buffer's memory, clipped by hand to the
        // region the painter clips to.
        const QRect target = QRect(left, top, right - left, bottom - top) & QRect(0, 0, m_bitsW, m_bitsH);
        const QRgb c = qrgbOf(colour);
        auto fill = [&](const QRect& r) {
            for (int y = r.top(); y <= r.bottom(); ++y) std::fill_n(m_bits + size_t(y) * m_stride + r.left(), r.width(), c);
        };
        if (!m_clipOn) {
            if (!target.isEmpty()) fill(target);
            return;
        }
        // The region's rectangles run in bands from top to bottom: start at
        // the first band that reaches the target's top.
        auto r = std::lower_bound(m_clip.begin(), m_clip.end(), target.top(),
                                  [](const QRect& band, int y) { return band.bottom() < y; });
        for (; r != m_clip.end() && r->top() <= target.bottom(); ++r) {
            const QRect part = *r & target;
            if (!part.isEmpty()) fill(part);
        }
        return;
    }
    preparePainterClip(QRect(left, top, right - left, bottom - top));
    m_painter->fillRect(QRect(left, top, right - left, bottom - top), toQColor(colour));
}

// Single pixels go straight into the buffer's memory, taken once per
// painter (the painter has the image to itself by then).
void qzButtons_H::openPixels()
{
    m_bits = reinterpret_cast<QRgb*>(m_buffer.bits());
    m_stride = int(m_buffer.bytesPerLine() / 4);
    m_bitsW = m_buffer.width();
    m_bitsH = m_buffer.height();
}

void qzButtons_H::closePixels()
{
    m_bits = nullptr;
    m_stride = m_bitsW = m_bitsH = 0;
}

void qzButtons_H::setPixel(int x, int y, int colour)
{
    if (!m_bits || x < 0 || y < 0 || x >= m_bitsW || y >= m_bitsH) return;
    if (!inClip(x, y)) return;
    m_bits[size_t(y) * m_stride + x] = qrgbOf(colour);
}

// A one-pixel line from one point up to, but not including, the other.
void qzButtons_H::drawLine(QPoint from, QPoint to, int colour, bool dotted)
{
    m_penColour = colour;
    m_penDotted = dotted;
    if (from == to) return;
    if (!dotted && !m_clipOn && m_bits && (from.y() == to.y() || from.x() == to.x())) {
        // Straight lines (the borders) go in one run, end point excluded.
        const QRgb c = qrgbOf(colour);
        if (from.y() == to.y()) {
            const int y = from.y();
            if (y < 0 || y >= m_bitsH) return;
            int a = from.x(), b = to.x();
            a < b ? --b : ++b;  // drop the end point
            if (a > b) std::swap(a, b);
            a = std::max(a, 0);
            b = std::min(b, m_bitsW - 1);
            for (int x = a; x <= b; ++x) m_bits[size_t(y) * m_stride + x] = c;
        } else {
            const int x = from.x();
            if (x < 0 || x >= m_bitsW) return;
            int a = from.y(), b = to.y();
            a < b ? --b : ++b;
            if (a > b) std::swap(a, b);
            a = std::max(a, 0);
            b = std::min(b, m_bitsH - 1);
            for (int y = a; y <= b; ++y) m_bits[size_t(y) * m_stride + x] = c;
        }
        return;
    }
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    for (int i = 0; x != to.x() || y != to.y(); ++i) {
        if (!dotted || (i % 6) < 3) setPixel(x, y, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void qzButtons_H::clipTo(const QRegion& region)
{
    // An empty region (shapes without inner regions) means no clipping.
    // Fills and pixels clip by hand; the painter takes the region only when
    // it draws (preparePainterClip).
    m_clip = region;
    m_clipOn = !region.isEmpty();
}

// Whether a pixel lies in the clip region (always, without one). The
// region's rectangles run in bands from top to bottom.
bool qzButtons_H::inClip(int x, int y) const
{
    if (!m_clipOn) return true;
    auto r = std::lower_bound(m_clip.begin(), m_clip.end(), y, [](const QRect& band, int row) { return band.bottom() < row; });
    for (; r != m_clip.end() && r->top() <= y; ++r)
        if (x >= r->left() && x <= r->right()) return true;
    return false;
}

// Clips the painter for a drawing inside target: to the region only when the
// drawing crosses its edge (a region clip makes text and pictures much
// slower to draw), otherwise not at all.
void qzButtons_H::preparePainterClip(const QRect& target)
{
    if (m_clipOn && !(QRegion(target) - m_clip).isEmpty()) {
        m_painter->setClipRegion(m_clip, Qt::ReplaceClip);
    } else if (m_painter->hasClipping()) {
        // Not setClipping(false): after it a later region on the same
        // painter has no effect (every face after the first would cover
        // the rings of the elliptic and picture shapes).
        m_painter->setClipRegion(QRegion(), Qt::NoClip);
    }
}

// Paints the one-pixel border of a region: its pixels next to one outside.
// The border of each region is worked out once and kept while the shape
// stays (the same few regions are framed on every redraw).
void qzButtons_H::frameRegion(QImage& image, const QRegion& region, int colour) const
{
    const int w = image.width(), h = image.height();
    if (w <= 0 || h <= 0) return;
    const std::vector<QRect>* runs = nullptr;
    for (const FrameRuns& f : m_frameRuns)
        if (f.size == image.size() && f.region == region) runs = &f.runs;
    if (!runs) {
        std::vector<quint8> in(size_t(w) * h, 0);
        for (const QRect& r : region) {
            const QRect c = r.intersected(QRect(0, 0, w, h));
            for (int y = c.top(); y <= c.bottom(); ++y)
                std::fill_n(in.begin() + ptrdiff_t(y) * w + c.left(), c.width(), quint8(1));
        }
        auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && in[size_t(y) * w + x]; };
        FrameRuns& f = m_frameRuns[size_t(m_nextFrameRuns++ % m_frameRuns.size())];
        f.size = image.size();
        f.region = region;
        f.runs.clear();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!(at(x, y) && (!at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1)))) continue;
                if (!f.runs.empty() && f.runs.back().top() == y && f.runs.back().right() == x - 1)
                    f.runs.back().setRight(x);
                else
                    f.runs.emplace_back(x, y, 1, 1);
            }
        runs = &f.runs;
    }
    const QRgb c = qrgbOf(colour);
    for (const QRect& r : *runs) std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(r.top())) + r.left(), r.width(), c);
}

// ---------------------------------------------------------------- background

void qzButtons_H::ShiftPressedWindow(bool& moved)
{
    moved = false;
    if (m_customClick < 1 || m_customClick > 8 || m_mode != 0) return;
    static const QPoint steps[] = {{0, -1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}, {1, 0}, {0, 1}, {-1, 0}};
    const QPoint step = steps[m_customClick - 1];
    if (heldDownOver() && !(m_stateFlags & WindowShifted)) {
        move(pos() + step);
        m_stateFlags |= WindowShifted;
        UpdateBackBuffer(false);
        update();
        moved = true;
    } else if ((m_stateFlags & WindowShifted) && !heldDownOver()) {
        move(pos() - step);
        m_stateFlags &= ~WindowShifted;
    }
}

void qzButtons_H::PaintGradient(int a, int b)
{
    const bool horizontal = m_gradientMode == 1 || m_gradientMode == 2;
    const int span = horizontal ? width() : height();
    if (span <= 0) return;
    const QScreen* scr = screen();
    const int screenSpan = scr ? (horizontal ? scr->geometry().width() : scr->geometry().height()) : 1024;
    const int band = screenSpan / span < 4 ? 2 : 1;
    const int n = span / band;
    if (m_gradient.bands != n || m_gradient.a != a || m_gradient.b != b || m_gradient.colours.size() != size_t(std::max(n, 0)))
        m_gradient = {n, a, b, BuildGradientColors(n, a, b)};
    const std::vector<int>& colours = m_gradient.colours;
    if (colours.empty()) return;
    const bool aFirst = m_gradientMode == 1 || m_gradientMode == 3;
    if (horizontal && m_bits && !m_clipOn) {
        // Columns: one row made once, then copied into every row.
        const int covered = std::min(n * band, m_bitsW);
        std::vector<QRgb> row(size_t(std::max(covered, 0)));
        for (int x = 0; x < covered; ++x) row[size_t(x)] = qrgbOf(colours[size_t(aFirst ? x / band : n - 1 - x / band)]);
        const int rows = std::min(height(), m_bitsH);
        for (int y = 0; y < rows; ++y) std::copy(row.begin(), row.end(), m_bits + size_t(y) * m_stride);
        m_penColour = colours[size_t(aFirst ? n - 1 : 0)];  // as after the last band's fill
        m_penDotted = false;
        return;
    }
    for (int k = 0; k < n; ++k) {
        const int c = colours[size_t(aFirst ? k : n - 1 - k)];
        if (horizontal) fillRect(k * band, 0, (k + 1) * band, height(), c);
        else fillRect(0, k * band, width(), (k + 1) * band, c);
    }
}

void qzButtons_H::PrepareShapeBackground(int& level)
{
    bool moved = false;
    ShiftPressedWindow(moved);
    if (moved) {
        level = 0;
        return;
    }
    level = 1;
    const bool held = heldDownOver();
    if (m_buttonStyle == 5 && !m_isHovering && !held && !m_value) {
        clipTo(QRegion());
        return;
    }
    const int keepMode = m_gradientMode;
    clipTo(QRegion());
    if (m_buttonStyle == 5 && (m_value || (m_buttonShape != 6 && m_buttonShape != 7))) {
        m_gradientMode = 3;
        PaintGradient(W, G);
        clipTo(m_insetRegion);
        level = 4;
    }
    if ((held || m_value) && m_buttonShape != 6 && m_buttonShape != 7) {
        clipTo(m_innerRegion);
        m_gradientMode = 3;
        PaintGradient(G, W);
        clipTo(m_insetRegion);
        level = 4;
    } else if (m_buttonShape != 6 && m_buttonShape != 7) {
        clipTo(m_innerRegion);
        level = 3;
    } else if (m_buttonShape == 7 || m_isHovering) {
        // The outline, and with it every pixel between the window outline
        // and the face (a picture's face keeps a pixel off its corners too),
        // so that none of them keeps what an earlier look left there.
        const int colour = m_buttonShape == 6 ? K : ResolveColor(m_backColor);
        frameRegion(m_buffer, m_windowRegion, colour);
        const QRgb c = qrgbOf(colour);
        for (const QRect& r : (m_windowRegion - m_innerRegion) & m_buffer.rect())
            for (int y = r.top(); y <= r.bottom(); ++y)
                std::fill_n(reinterpret_cast<QRgb*>(m_buffer.scanLine(y)) + r.left(), r.width(), c);
        clipTo(m_innerRegion);
        level = 3;
    }
    m_gradientMode = keepMode;
}

void qzButtons_H::PaintBackground(int face, int& focusState, int& level, int gradient, int hoverFace)
{
    PrepareShapeBackground(level);
    if (level == 0) return;
    const bool held = heldDownOver();
    focusState = held ? 2 : (m_stateFlags & DefaultLook) ? 1 : 0;
    if (hoverFace < 0) hoverFace = face;
    const bool up = (!held && m_mode == 0) || (!m_value && m_mode > 0);
    const int c = m_isHovering && up ? hoverFace : face;
    const int sw = width(), sh = height();
    if (m_gradientMode != 0 && !m_value && m_buttonShape < 7) {
        if (m_isHovering && !held && m_gradientColor != m_hoverBackColor) {
            fillRect(0, 0, sw, sh, hoverFace);
        } else {
            PaintGradient(face, gradient < 0 ? face : gradient);
        }
    } else if (m_buttonStyle == 2 && (isEnabled() || m_mode > 0)) {
        // The face darkens by 25 from top to bottom; sh is at least the
        // smallest face size here, never 0.
        for (int i = 0; i <= sh; ++i) fillRect(0, i, sw, i + 1, ShadeColor(c, nearest(-(25.0 / sh) * i), true));
    } else {
        fillRect(0, 0, sw, sh, c);
    }
}

// ---------------------------------------------------------------- renderers

void qzButtons_H::RenderStyle(Points& pts, Colours& cols, int& focusState, int& level)
{
    switch (m_buttonStyle) {
    case 2: renderStyle2(cols, focusState, level); break;
    case 3: renderStyle3(cols, focusState, level); break;
    case 7: renderStyle7(cols, focusState, level); break;
    default: renderClassic(cols, focusState, level); break;
    }
    if (level == 0) return;
    // The borders need the points; renderers filled the colours.
    if (m_buttonShape <= 3) {
        const bool designerDots = m_buttonStyle == 5 && designMode();
        DrawBorders(pts, cols, designerDots ? 2 : -1);
        const int sw = width(), sh = height();
        if (m_buttonStyle == 2) {
            const int c = cols[9];
            if (c >= 0) {
                if (m_leftSlant == 0) {
                    setPixel(1, 1, c);
                    setPixel(1, sh - 2, c);
                }
                if (sw == m_rightEdge) {
                    setPixel(sw - 2, sh - 2, c);
                    setPixel(sw - 2, 1, c);
                }
            }
        } else if (m_buttonStyle == 7) {
            // Corner pixels of the soft bevel: h, face, m, n in entries 1, 3, 5, 7.
            const int h = cols[1], f = cols[3], m = cols[5], n = cols[7];
            if (m_leftSlant == 0) {
                setPixel(3, 3, h);
                setPixel(1, sh - 3, f);
                setPixel(2, 2, m);
                setPixel(1, sh - 2, K);
                setPixel(1, 1, K);
            }
            if (sw == m_rightEdge) {
                setPixel(sw - 4, sh - 4, f);
                setPixel(sw - 3, 1, f);
                setPixel(sw - 3, sh - 3, n);
                setPixel(sw - 2, sh - 2, K);
                setPixel(sw - 2, 1, K);
            }
        }
    }
    // The focus outline comes last (style 2 draws none).
    if (m_buttonStyle == 2) return;
    const int face = cols[0];
    int colour;
    bool aroundCaption = false;
    switch (m_buttonStyle) {
    case 3:
        colour = RGB(153, 153, 204);
        DrawFocusIndicator(colour, true, true, pts);
        return;
    case 7:
        colour = m_mode == 0 ? (m_buttonShape > 0 ? ShadeColor(face, -64) : K) : (m_value ? ShadeColor(G, -32) : K);
        aroundCaption = true;
        break;
    case 5:
        colour = (m_buttonShape >= 1 && !(m_mode > 0 && m_value)) ? ShadeColor(m_ambientBackColor, -32) : K;
        break;
    default: {
        const int text = !isEnabled() && m_mode > 0 ? G : -1;
        if (pushed() && m_buttonShape <= 3) colour = K;
        else if (m_buttonShape >= 1 && m_buttonShape <= 3) colour = ShadeColor(face, -48);
        else colour = text;
        break;
    }
    }
    DrawFocusIndicator(colour, m_value, aroundCaption, pts);
}

void qzButtons_H::styleTail(Colours& cols, int& level) const
{
    const bool down = heldDownOver();
    if (m_buttonShape >= 7 || (m_buttonShape == 6 && (m_isHovering || down))) cols[12] = K;
    else level = 1;
}

// Styles 0, 1, 4, 5 and 6: one face and caption rule, their own rings.
void qzButtons_H::renderClassic(Colours& cols, int& focusState, int& level)
{
    const int face = m_mode > 0 && m_value ? m_lightColor : m_faceColor;
    const int text = !isEnabled() && m_mode > 0 ? G : -1;
    PaintBackground(face, focusState, level, ResolveColor(m_gradientColor), m_hoverFaceColor);
    if (level == 0) return;
    cols[0] = face;
    DrawCaptionAndPicture(face, text, m_value, m_mode > 0);
    cols.fill(-1);
    cols[0] = face;
    const bool down = pushed() || heldDownOver();
    auto set = [&cols](std::initializer_list<int> entries, int c) {
        for (int e : entries) cols[size_t(e)] = c;
    };
    if (m_buttonShape <= 3) {
        switch (m_buttonStyle) {
        case 0: {
            const int state = pushed() ? 3 : focusState;
            const int c1 = state == 2 ? face : RGB(233, 233, 233);
            if (state == 0) set({5, 6}, c1), set({7, 8}, G), set({9, 10}, W), set({11, 12}, K);
            else if (state == 1) set({1, 2}, c1), set({3, 4}, G), set({5, 6}, W), set({7, 8}, K), set({9, 10, 11, 12}, K);
            else if (state == 2) set({7, 8}, G), set({9, 10}, (m_stateFlags & DefaultLook) ? K : W), set({11, 12}, K);
            else set({7, 8}, RGB(233, 233, 233)), set({9, 10}, K), set({11, 12}, W);
            break;
        }
        case 1:
            set({1, 2, 5, 6}, down ? G : W);
            set({3, 4, 7, 8}, down ? W : G);
            set({9, 10, 11, 12}, K);
            break;
        case 4:
            set({9, 10}, down ? G : W);
            set({11, 12}, down ? W : G);
            break;
        case 5:
            if ((m_stateFlags & CursorOver) || m_value) {
                set({9, 10}, down ? G : W);
                set({11, 12}, down ? W : G);
            } else if (designMode()) {
                int c = ShadeColor(m_ambientBackColor, -64);
                set({9, 10, 11, 12}, c == K ? W : c);
            }
            break;
        case 6: {
            const int lt = RGB(231, 231, 231);
            set({5, 6, 9, 10}, down ? G : lt);
            set({7, 8, 11, 12}, down ? lt : G);
            break;
        }
        default: break;
        }
    } else if (m_buttonStyle == 5 && designMode() && m_buttonShape <= 6) {
        // In a designer the placed ellipse stays visible as a dotted ring.
        clipTo(QRegion());
        const QColor c = toQColor(ShadeColor(m_ambientBackColor, -32));
        QPen pen(c, 1, Qt::DotLine);
        pen.setCosmetic(true);
        preparePainterClip(rect());
        m_painter->setPen(pen);
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawEllipse(QRect(0, 0, width() - 1, height() - 1));
        clipTo(m_innerRegion);
    }
    styleTail(cols, level);
}

void qzButtons_H::renderStyle2(Colours& cols, int& focusState, int& level)
{
    const bool enabled = isEnabled();
    const bool down = heldDownOver();
    const int base = m_mode == 0 ? m_faceColor : (m_value ? m_lightColor : m_faceColor);
    int face;
    if (m_mode == 0) face = down && m_gradientMode == 0 ? m_darkColor : (enabled ? base : ShadeColor(base, -24, true));
    else face = base;
    const int gradient =
        m_buttonShape < 7 && m_gradientMode != 0 ? ShadeColor(ResolveColor(m_gradientColor), 48, true) : face;
    PaintBackground(face, focusState, level, gradient, m_hoverFaceColor);
    if (level == 0) return;
    DrawCaptionAndPicture(face, enabled ? K : ShadeColor(base, -104, true), m_value, true);
    cols.fill(-1);
    cols[0] = face;
    if (m_buttonShape <= 3) {
        int st = focusState;
        if (pushed()) st = (m_stateFlags & DefaultLook) ? 1 : 2;
        if ((m_stateFlags & CursorOver) && !(m_stateFlags & ButtonDown)) st = 3;
        else if (st == 1 && !m_showFocusRect) st = 0;
        if (enabled) {
            auto s = [base](int n) { int amount = n; return ShadeColor(base, amount, true, false, false); };
            const int table[8][4] = {
                {s(-10), RGB(181, 209, 240), s(-22), RGB(255, 203, 107)},
                {s(10), RGB(189, 215, 247), s(-24), RGB(255, 219, 140)},
                {s(-24), RGB(181, 209, 240), base, RGB(255, 203, 107)},
                {s(-32), RGB(140, 174, 231), s(10), RGB(255, 178, 49)},
                {s(-5), RGB(140, 174, 231), s(-32), RGB(255, 178, 49)},
                {s(16), RGB(191, 223, 255), s(-32), RGB(255, 233, 166)},
                {s(-36), RGB(140, 174, 231), s(5), RGB(255, 178, 49)},
                {s(-48), RGB(107, 130, 239), s(16), RGB(231, 150, 0)},
            };
            for (int e = 1; e <= 8; ++e) cols[size_t(e)] = table[e - 1][st];
            for (int e = 9; e <= 12; ++e) cols[size_t(e)] = RGB(0, 60, 115);
        } else {
            for (int e = 9; e <= 12; ++e) cols[size_t(e)] = ShadeColor(base, -84, true);
        }
    } else {
        if ((m_stateFlags & DefaultLook) && !m_isHovering) cols[12] = RGB(107, 130, 239);
        else if (m_isHovering) cols[12] = RGB(231, 150, 0);
        else level = 1;
    }
}

void qzButtons_H::renderStyle3(Colours& cols, int& focusState, int& level)
{
    const bool enabled = isEnabled();
    const bool down = heldDownOver();
    const int D = RGB(102, 102, 102);
    const int face = m_mode > 0 && m_value ? m_lightColor : (m_mode == 0 && down ? m_darkColor : m_faceColor);
    PaintBackground(face, focusState, level, ResolveColor(m_gradientColor), m_hoverFaceColor);
    if (level == 0) return;
    DrawCaptionAndPicture(face, enabled ? G : RGB(112, 112, 112), false, true);
    cols.fill(-1);
    cols[0] = face;
    if (m_buttonShape <= 3) {
        if (enabled || m_mode > 0) {
            const int index = m_mode > 0 && !pushed() ? 3 : ((m_mode > 0 && pushed()) || (m_mode == 0 && down)) ? 2 : 1;
            cols[5] = cols[6] = index == 2 ? face : W;
            cols[7] = cols[8] = D;
        } else {
            for (int e = 1; e <= 8; ++e) cols[size_t(e)] = face;
        }
        cols[9] = cols[10] = D;
        cols[11] = cols[12] = !enabled && m_mode == 0 ? D : W;
    }
    styleTail(cols, level);
}

void qzButtons_H::renderStyle7(Colours& cols, int& focusState, int& level)
{
    const bool enabled = isEnabled();
    const bool down = heldDownOver();
    int face = m_faceColor;
    if (m_mode == 0 && down) face = m_darkColor;
    if (m_mode > 0 && m_value) face = m_lightColor;
    int gradient = face;
    if (!m_value && m_gradientMode != 0) {
        gradient = ShadeColor(ResolveColor(m_gradientColor), 31);
        if (m_mode == 0 && down) face = m_faceColor;
    }
    int text;
    if ((m_mode == 0 && down) || m_value) text = !enabled && m_value ? ShadeColor(face, -32, true) : m_faceColor;
    else text = enabled ? ResolveColor(m_foreColor) : (m_mode > 0 ? G : -1);

    PaintBackground(face, focusState, level, gradient, m_hoverFaceColor);
    if (level == 0) return;
    const OleColor keepHover = m_hoverForeColor;
    if ((m_hoverForeColor == m_foreColor || m_value) && text >= 0) m_hoverForeColor = OleColor(text);
    DrawCaptionAndPicture(face, text, m_value, m_mode > 0);
    m_hoverForeColor = keepHover;

    cols.fill(-1);
    cols[0] = face;
    if (m_buttonShape <= 3) {
        const bool state2 = m_value || (m_mode == 0 && down);
        int f = face, h = W, m = ShadeColor(face, 31, true), n = ShadeColor(face, -64, true);
        if (state2) {
            const int g = m_gradientMode != 0 ? m_faceColor : G;
            f = g;
            h = ShadeColor(g, -32);
            m = ShadeColor(g, -64);
            n = ShadeColor(g, -16);
        }
        cols[1] = cols[2] = h;
        cols[3] = cols[4] = f;
        cols[5] = cols[6] = m;
        cols[7] = cols[8] = n;
        for (int e = 9; e <= 12; ++e) cols[size_t(e)] = K;
    }
    styleTail(cols, level);
}

void qzButtons_H::DrawBorders(Points& p, const Colours& cols, int outerPenStyle)
{
    const int L = (m_buttonShape == 1 || m_buttonShape == 3) ? 1 : 0;
    const int R = (m_buttonShape == 2 || m_buttonShape == 3) ? 1 : 0;
    const int d = m_leftSlant, e = m_rightEdge, sw = width(), sh = height();
    p[0] = {d + 2 - 4 * L, sh - 3};
    p[1] = {2 + 2 * L, 2};
    p[2] = {e - 3 + 3 * R, 2};
    p[3] = {sw - 3 - 3 * R, sh - 3};
    p[4] = {d + 1 - 4 * L, sh - 3};
    p[5] = {d + 1 - 3 * L, sh - 2};
    p[6] = {1 + L, 1};
    p[7] = {e - 2 + 2 * R, 1};
    p[8] = {sw - 2 - 2 * R, sh - 2};
    p[9] = {d - 4 * L, sh - 2};
    p[10] = {d - L, sh - 1 + L};
    p[11] = {0, 0};
    p[12] = {e - 1 + R, 0};
    p[13] = {sw - 1, sh - 1 + R};
    p[14] = {d - 1 - 2 * L, sh - 1};
    p[15] = {sw - 1, sh - 1};
    for (int j = 0; j <= 13; ++j) {
        if (j == 4 || j == 9) continue;
        const int c = j <= 3 ? cols[size_t(j + 1)] : j <= 8 ? cols[size_t(j)] : cols[size_t(j - 1)];
        if (c < 0) continue;
        drawLine(p[size_t(j)], p[size_t(j + 1)], c, j >= 10 && outerPenStyle == 2);
    }
    // The outer bottom edge once more, with the pen the buffer holds now.
    drawLine(p[14], p[15], m_penColour, m_penDotted);
}

// ---------------------------------------------------------------- shapes

void qzButtons_H::BuildButtonShape()
{
    m_leftSlant = 0;
    m_rightEdge = width();
    clipTo(QRegion());
    m_insetRegion = QRegion();
    m_innerRegion = QRegion();
    if (m_buttonShape < 0 || m_buttonShape > 8) return;
    if (degenerate()) {
        // Nothing to shape: the control shows nothing at all.
        clearMask();
        m_windowRegion = QRegion();
        return;
    }
    const bool enabled = isEnabled();
    auto cutPixel = [](QRegion& r, int x, int y) { r -= QRegion(x, y, 1, 1); };
    auto cutTriangles = [](QRegion& r, bool left, bool right, int sw, int sh) {
        auto tri = [&r](QPoint a, QPoint b, QPoint c) { r -= QRegion(QPolygon({a, b, c}), Qt::WindingFill); };
        if (left) {
            tri({0, 0}, {2, 0}, {0, 2});
            tri({0, sh}, {3, sh}, {0, sh - 3});
        }
        if (right) {
            tri({sw, 0}, {sw - 2, 0}, {sw, 2});
            tri({sw, sh}, {sw - 3, sh}, {sw, sh - 3});
        }
    };
    auto cutCorners = [&](QRegion& r, bool left, bool right, int sw, int sh) {
        if (m_buttonStyle == 1) {
            if (left) cutPixel(r, 0, 0), cutPixel(r, 0, sh - 1);
            if (right) cutPixel(r, sw - 1, sh - 1), cutPixel(r, sw - 1, 0);
        } else if (m_buttonStyle == 3 && enabled) {
            if (left) cutPixel(r, 0, sh - 1);
            if (right) cutPixel(r, sw - 1, 0);
        } else if (m_buttonStyle == 2 || m_buttonStyle == 7) {
            cutTriangles(r, left, right, sw, sh);
        }
    };

    QRegion region;
    if (m_buttonShape == 0) {
        const int sw = width(), sh = height();
        region = QRegion(0, 0, sw + 1, sh + 1);
        cutCorners(region, true, true, sw, sh);
    } else if (m_buttonShape <= 3) {
        const int s = nearest(height() + 1);
        int w = width();
        while (w - s < 5) w += 5;
        if (w != width()) {
            DrawingHold hold(*this);
            resize(w, height());
            m_rightEdge = width();
        }
        const int sw = width(), sh = height();
        const int e = nearest(sw - s);
        QPolygon poly({{0, 0}, {0, sh + 1}, {sw + 1, sh + 1}, {sw + 1, 0}});
        if (m_buttonShape == 1 || m_buttonShape == 3) {
            poly[1] = {s, sh + 1};
            m_leftSlant = s;
        }
        if (m_buttonShape == 2 || m_buttonShape == 3) {
            poly[3] = {e + 1, 0};
            m_rightEdge = e;
        }
        region = QRegion(poly, Qt::WindingFill);
        if (m_buttonShape != 3) cutCorners(region, m_buttonShape == 2, m_buttonShape == 1, sw, sh);
    } else if (m_buttonShape <= 6) {
        const int sw = width(), sh = height();
        // The window, and the same less one and two pixels of outline: the
        // rings between them are exactly one pixel wide all round.
        const std::vector<quint8> window = ellipseMask(sw, sh);
        const std::vector<quint8> inner = erodedMask(window, sw, sh);
        region = regionOfMask(window, sw, sh);
        if (m_buttonStyle != 5 && !m_buffer.isNull()) {
            QPainter p(&m_buffer);
            m_painter = &p;
            if (m_buttonShape == 6) {
                frameRegion(m_buffer, region, K);
            } else {
                const int keep = m_gradientMode;
                m_gradientMode = 3;
                PaintGradient(W, G);
                m_gradientMode = keep;
            }
            m_painter = nullptr;
        }
        m_innerRegion = regionOfMask(inner, sw, sh);
        m_insetRegion = regionOfMask(erodedMask(inner, sw, sh), sw, sh);
    } else {
        if (m_pictureWidth == 0 || m_pictureHeight == 0) return;
        const QSize fit = FitPictureToSize(width(), height());
        if (fit.width() < kMinFaceSize || fit.height() < kMinFaceSize) return;
        {
            DrawingHold hold(*this);
            resize(fit);
            m_rightEdge = width();
        }
        const int sw = width(), sh = height();
        region = QRegion(0, 0, sw, sh);
        PreparePicture(sw, sh, &region);
        const QRect box = region.boundingRect();
        if (!m_innerRegion.isEmpty())
            m_innerRegion.translate(box.left() + 1 - m_innerRegion.boundingRect().left(),
                                    box.top() + 1 - m_innerRegion.boundingRect().top());
        if (!m_insetRegion.isEmpty())
            m_insetRegion.translate(box.left() + 2 - m_insetRegion.boundingRect().left(),
                                    box.top() + 2 - m_insetRegion.boundingRect().top());
        if (m_buffer.size() != size()) UpdateBackBuffer(true);
        QPainter p(&m_buffer);
        m_painter = &p;
        if (m_buttonShape == 8) {
            const int keep = m_gradientMode;
            m_gradientMode = 3;
            PaintGradient(W, G);
            m_gradientMode = keep;
        } else {
            frameRegion(m_buffer, region, ResolveColor(m_backColor));
        }
        m_painter = nullptr;
        clipTo(m_innerRegion);
    }
    m_windowRegion = region;
    setMask(region);
    if (m_rightEdge == 0) m_rightEdge = width();
}

// ---------------------------------------------------------------- caption, picture, focus

QString qzButtons_H::displayCaption() const
{
    QString t = m_caption;
    t.replace(QLatin1String("||"), QLatin1String("\n"));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

QFontMetrics qzButtons_H::bufferMetrics() const
{
    return m_buffer.isNull() ? QFontMetrics(m_bufferFont) : QFontMetrics(m_bufferFont, &m_buffer);
}

void qzButtons_H::CalculateLayout(bool preparePicture)
{
    const int P = m_picturePixels;
    const bool picture = m_pictureWidth + m_pictureHeight > 0;
    const int d = m_leftSlant, e = m_rightEdge, sw = width(), sh = height();
    int X0 = 0, XR = sw, X1 = e;
    switch (m_buttonShape) {
    case 1: X0 = d - d / 3 + 3; XR = sw; X1 = sw - X0; break;
    case 2: X0 = 0; XR = e + (sw - e) / 3; X1 = XR; break;
    case 3: X0 = d - d / 3 + 3; XR = e + (sw - e) / 3; X1 = XR - X0; break;
    case 7:
    case 8: X0 = 3; XR = e - 3; X1 = e - 3; break;
    default: break;
    }
    int pl = 0, pr = 0, pt = 0, pb = 0;
    if (picture && P <= 32) {
        switch (m_pictureAlign) {
        case 0: case 1: pl = P; break;
        case 2: case 3: pr = P; break;
        case 4: pt = P; break;
        case 5: pb = P; break;
        default: break;
        }
    }
    int tw = 0, th = 0;
    const bool hasCaption = !m_caption.isEmpty();
    if (hasCaption) {
        // A room of no width still measures the text (one word a line).
        const int roomW = std::max(1, X1 - 8 - (pl + pr));
        const int roomH = std::max(1, sh - 8 - (pt + pb));
        const QRect br = bufferMetrics().boundingRect(QRect(0, 0, roomW, roomH), Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop,
                                                      displayCaption());
        tw = br.width();
        th = br.height();
        if (m_captionStyle != 0) {
            tw += 2;
            th += 2;
        }
    }
    PixelRect cap{0, 0, tw, th};
    int dx;
    switch (m_captionAlign) {
    case 0: dx = X0 + 4 + pl + (pl > 0 ? 4 : 0); break;
    case 1: dx = XR - 4 - pr - tw - (pr > 0 ? 4 : 0); break;
    default:
        if (pl > 0 && m_pictureAlign == 1) dx = (X1 - (tw + pl + 4)) / 2 + X0 + 4 + pl;
        else if (pr > 0 && m_pictureAlign == 3) dx = (X1 - (tw + pr + 4)) / 2 + X0;
        else dx = (X1 - (pl + pr) - tw) / 2 + X0 + pl;
        break;
    }
    cap.left += dx;
    cap.right += dx;
    PixelRect pic;
    if (picture) {
        int left;
        switch (m_pictureAlign) {
        case 0: left = X0 + 4; break;
        case 1: left = hasCaption ? cap.left - 4 - pl : X0 + 4; break;
        case 2: left = XR - 4 - pr; break;
        case 3: left = hasCaption ? cap.right + 4 : XR - 4 - pr; break;
        default: left = (X1 - P) / 2 + X0; break;
        }
        int top, down;
        if (m_pictureAlign == 4) {
            const int t = (sh - (th + pt)) / 2;
            top = t;
            down = t + 2 + pt;
        } else if (m_pictureAlign == 5) {
            const int v = (sh - (th + pb)) / 2;
            down = v + 2;
            top = v + th + 4;
        } else {
            down = (sh - th) / 2;
            top = (sh - P) / 2;
        }
        cap.top += down;
        cap.bottom += down;
        pic = {left, top, left + P, top + P};
    } else {
        const int down = (sh - th) / 2;
        cap.top += down;
        cap.bottom += down;
    }
    auto limit = [&](PixelRect& r) {
        r.top = std::max(r.top, 4);
        r.left = std::max(r.left, X0 + 4);
        r.right = std::min(r.right, XR - 4);
        r.bottom = std::min(r.bottom, sh - 5);
    };
    limit(cap);
    m_captionRect = cap;
    if (P <= 32) {
        if (picture) limit(pic);
    } else if (P == 40) {
        pic = m_buttonShape == 6 ? PixelRect{1, 1, sw - 1, sh - 1} : PixelRect{3, 3, sw - 3, sh - 3};
        preparePicture = true;
    } else if (P == 48) {
        if (m_buttonShape >= 7) {
            pic = {0, 0, sw, sh};
        } else if (picture) {
            const QSize fit = FitPictureToSize(X1 - 12, sh - 12);
            const int left = X0 + (X1 - fit.width()) / 2, top = (sh - fit.height()) / 2;
            pic = {left, top, left + fit.width(), top + fit.height()};
        }
        preparePicture = true;
    }
    m_pictureRect = pic;
    if (preparePicture) PreparePicture(pic.width(), pic.height(), nullptr);
}

void qzButtons_H::drawText(const QString& text, const PixelRect& r, int colour)
{
    if (r.width() <= 0 || r.height() <= 0) return;
    static const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    preparePainterClip(r.toQRect());
    m_painter->setFont(m_bufferFont);
    m_painter->setPen(toQColor(colour));
    m_painter->drawText(r.toQRect(), int(aligns[std::clamp(m_captionAlign, 0, 2)] | Qt::AlignTop) | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
}

void qzButtons_H::DrawCaptionAndPicture(int face, int textColour, bool pushedIn, bool singlePass)
{
    PixelRect cap = m_captionRect, pic = m_pictureRect;
    if ((pushedIn || heldDownOver()) && m_buttonStyle != 3) {
        const int ox = m_buttonShape <= 3 ? 1 : 0;
        cap = {cap.left + ox, cap.top + 1, cap.right + ox, cap.bottom + 1};
        pic = {pic.left + ox, pic.top + 1, pic.right + ox, pic.bottom + 1};
    }
    if (!(m_value && m_buttonShape >= 7)) DrawButtonPicture(pic);
    if (m_caption.isEmpty() || (m_buttonShape > 4 && !m_value)) return;
    const QString text = displayCaption();
    auto moved = [](PixelRect r, int x, int y) { return PixelRect{r.left + x, r.top + y, r.right + x, r.bottom + y}; };
    if (isEnabled()) {
        int colour;
        if (m_isHovering && !heldDownOver()) colour = ResolveColor(m_hoverForeColor);
        else if (m_buttonStyle == 7 && (m_gradientMode == 0 || m_value) && textColour >= 0) colour = textColour;
        else colour = ResolveColor(m_foreColor);
        if (m_captionStyle == 0) {
            drawText(text, cap, colour);
        } else {
            const int s = m_captionStyle == 1 ? -40 : 40;
            drawText(text, moved(cap, -1, 0), ShadeColor(face, s));
            drawText(text, moved(cap, 1, 2), ShadeColor(face, -s));
            drawText(text, moved(cap, 0, 1), colour);
        }
    } else {
        PixelRect last = cap;
        if (textColour >= 0 && m_gradientMode == 0) {
            drawText(text, cap, textColour);
        } else {
            last = moved(cap, 1, 1);
            drawText(text, last, W);
            singlePass = false;
        }
        if (!singlePass) drawText(text, moved(last, -1, -1), G);
    }
}

void qzButtons_H::DrawFocusIndicator(int colour, bool solid, bool aroundCaption, const Points&)
{
    if (!(m_stateFlags & DefaultLook)) return;
    if (m_buttonShape >= 7) return;
    if (m_buttonShape >= 4) {
        if (m_buttonStyle == 2) return;
        aroundCaption = true;
    }
    if (colour < 0) colour = K;
    const int d = m_leftSlant, e = m_rightEdge, sw = width(), sh = height();
    if (m_buttonShape >= 1 && m_buttonShape <= 3) {
        const int f = d != 0 ? 1 : 0, g = sw > e ? 1 : 0;
        const QPoint pts[5] = {{d + 4 - 6 * f, sh - 5}, {4 + 4 * f, 4}, {e + 4 * g - 5, 4}, {sw - 5 - 6 * g, sh - 5},
                               {d - 4 * f + 3, sh - 5}};
        for (int i = 0; i < 4; ++i) drawLine(pts[i], pts[i + 1], colour, false);
        return;
    }
    PixelRect r;
    if (aroundCaption) {
        if (!m_caption.isEmpty()) {
            r = m_captionRect;
        } else {
            r = m_pictureRect;
            r.bottom = std::min(r.bottom, sh - 4);
            r.right = std::min(r.right, sw - 4);
        }
        const int m = (m_captionRect.right < e - 4 && d + 4 < m_captionRect.left) ? 2 : 1;
        const int p = (m_value || heldDownOver()) && m_buttonStyle != 3 ? 1 : 0;
        const int q = m_buttonShape <= 3 ? p : 0;
        r.left += q - m;
        r.right += q - m;
        r.top += p - m;
        r.bottom += p - m;
        r.right += 2 * m + q;
        r.bottom += 2 * m + p;
    } else {
        r = {d + 4, 4, e - 4, sh - 4};
    }
    if (r.width() <= 0 || r.height() <= 0) return;
    if (!solid) {
        // The dotted focus frame inverts every other pixel of its border.
        auto invert = [this](int x, int y) {
            if (!m_bits || x < 0 || y < 0 || x >= m_bitsW || y >= m_bitsH) return;
            if (!inClip(x, y)) return;
            QRgb& px = m_bits[size_t(y) * m_stride + x];
            px = qRgba(255 - qRed(px), 255 - qGreen(px), 255 - qBlue(px), qAlpha(px) ? qAlpha(px) : 255);
        };
        const int l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
        for (int x = l; x <= rr; ++x) {
            if (((x - l) & 1) == 0) invert(x, t);
            if (b != t && ((x - l + b - t) & 1) == 0) invert(x, b);
        }
        for (int y = t + 1; y < b; ++y) {
            if (((y - t) & 1) == 0) invert(l, y);
            if (rr != l && ((rr - l + y - t) & 1) == 0) invert(rr, y);
        }
        return;
    }
    if (aroundCaption) {
        const QPoint c[5] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1},
                             {r.left, r.top}};
        for (int i = 0; i < 4; ++i) drawLine(c[i], c[i + 1], colour, false);
        setPixel(r.left, r.top, colour);
    } else {
        const QPoint c[5] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom},
                             {r.left, r.bottom}};
        for (int i = 0; i < 4; ++i) drawLine(c[i], c[i + 1], colour, false);
    }
}

// ---------------------------------------------------------------- pictures

QSize qzButtons_H::FitPictureToSize(int w, int h) const
{
    if (m_pictureWidth <= 0 || m_pictureHeight <= 0 || w <= 0 || h <= 0) return QSize(0, 0);
    const double ratio = std::min(double(w) / m_pictureWidth, double(h) / m_pictureHeight);
    return QSize(nearest(m_pictureWidth * ratio), nearest(m_pictureHeight * ratio));
}

void qzButtons_H::PreparePicture(int width, int height, QRegion* region)
{
    if (m_picture.isNull()) return;
    m_prepared = QImage();
    if (m_pictureKind == 1 || width <= 0 || height <= 0) return;
    QImage copy = m_picture.image.convertToFormat(QImage::Format_ARGB32)
                      .scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int key = rgbOf(copy.pixel(0, 0));
    // Positions one beyond the copy read as the invalid colour: red 255,
    // green 0, blue 0 once taken apart.
    const int beyond = RGB(255, 0, 0);
    const bool beyondIsKey = nearKey(beyond, key);
    std::vector<quint8> isKey(size_t(width + 1) * (height + 1), 0);
    for (int y = 0; y <= height; ++y) {
        QRgb* line = y < height ? reinterpret_cast<QRgb*>(copy.scanLine(y)) : nullptr;
        for (int x = 0; x <= width; ++x) {
            bool k;
            if (line && x < width) {
                k = nearKey(rgbOf(line[x]), key);
                if (k) line[x] = qRgba(0, 0, 0, 0);  // snapped onto the key: transparent
            } else {
                k = beyondIsKey;
            }
            isKey[size_t(y) * (width + 1) + x] = k;
        }
    }
    m_prepared = copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!region) return;
    // The opaque area, and the same eroded by one and two pixels towards
    // every transparent pixel (the row and column beyond included).
    const int sw = this->width(), sh = this->height();
    auto keyAt = [&](int x, int y) {
        return x >= 0 && y >= 0 && x <= width && y <= height && isKey[size_t(y) * (width + 1) + x];
    };
    std::vector<quint8> opaque(size_t(width) * height), inner(size_t(sw) * sh), inset(size_t(sw) * sh);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) opaque[size_t(y) * width + x] = !keyAt(x, y);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            bool near1 = false, near2 = false;
            for (int dy = -2; dy <= 2 && !near1; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    if (keyAt(x + dx, y + dy)) {
                        near2 = true;
                        if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
                            near1 = true;
                            break;
                        }
                    }
            inner[size_t(y) * sw + x] = !near1;
            inset[size_t(y) * sw + x] = !near2;
        }
    *region &= regionOfMask(opaque, width, height);
    m_innerRegion = regionOfMask(inner, sw, sh);
    m_insetRegion = regionOfMask(inset, sw, sh);
}

void qzButtons_H::DrawButtonPicture(PixelRect rect)
{
    if (m_pictureWidth + m_pictureHeight == 0 || m_picture.isNull()) return;
    if (m_prepared.isNull() && m_pictureKind == 0) PreparePicture(rect.width(), rect.height(), nullptr);
    if (m_buttonShape >= 7) {
        rect = {0, 0, width(), height()};
        if (heldDownOver()) rect = {1, 1, width() - 1, height() - 1};
    }
    const int w = rect.width(), h = rect.height();
    if (w <= 0 || h <= 0) return;
    const QImage& source = m_pictureKind == 1 ? m_picture.image : m_prepared;
    if (source.isNull()) return;
    if (isEnabled()) {
        preparePainterClip(QRect(rect.left, rect.top, w, h));
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform, m_pictureKind == 1);
        m_painter->drawImage(QRect(rect.left, rect.top, w, h), source);
        return;
    }
    // Disabled: the picture is drawn on white; where it stays white the face
    // shows through, everywhere else the face takes grey RGB(128, 128, 128):
    // a grey silhouette. Each pixel is taken whole (a coloured picture gives a
    // grey shape, not a tinted one).
    QImage scratch(w, h, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter sp(&scratch);
        sp.drawImage(QRect(0, 0, w, h), source);
    }
    const QRgb grey = qRgb(128, 128, 128);
    for (int y = 0; y < h; ++y) {
        const int by = rect.top + y;
        if (by < 0 || by >= m_buffer.height()) continue;
        const QRgb* s = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        QRgb* dline = reinterpret_cast<QRgb*>(m_buffer.scanLine(by));
        for (int x = 0; x < w; ++x) {
            const int bx = rect.left + x;
            if (bx < 0 || bx >= m_buffer.width()) continue;
            if (!inClip(bx, by)) continue;
            if (std::min({qRed(s[x]), qGreen(s[x]), qBlue(s[x])}) < 224) dline[bx] = grey;
        }
    }
}

}  // namespace widgets
