// Every frame, not only the first: a button taken through a run of state
// changes (hover in and out, press, check, disable, focus) must show in each
// state exactly the face a fresh button shows when it reaches that state with
// one redraw. Every shape and every style.
#include "button_support.h"

#include <gtest/gtest.h>

using namespace buttontest;
using widgets::kFalse;
using widgets::kTrue;

namespace {

// The picture of the picture shapes: a green block on a magenta key.
widgets::ButtonPicture shapePicture()
{
    return blockPicture({120, 40}, QColor(255, 0, 255), QRect(6, 4, 108, 32), QColor(60, 160, 90));
}

// The state a sequence ends in, set on a fresh button before its shape, so
// that the shape's own redraw is the button's first frame of that state.
struct State {
    int mode = 0;
    bool value = false;
    bool enabled = true;
    bool hover = false;
    bool pressed = false;
    bool focusLook = false;
};

qzButtons_H* fresh(Host& host, int shape, int style, const State& s)
{
    auto* b = host.add();
    b->setCaption(QStringLiteral("按钮 &OK"));
    b->setButtonStyle(style);
    if (shape >= 7) b->setPicture(shapePicture());
    b->setMode(s.mode);
    if (s.value) b->setValue(kTrue);
    if (!s.enabled) b->setEnabled(kFalse);
    if (s.focusLook) b->setDisplayAsDefault(true);
    if (s.hover) enter(b);
    if (s.pressed) mouse(b, QEvent::MouseButtonPress, Qt::LeftButton);
    b->setButtonShape(shape);
    return b;
}

// One sequence: what it does to a live button, and the state it ends in.
struct Sequence {
    const char* name;
    int mode;
    std::function<void(qzButtons_H*)> run;
    State end;
};

const Sequence kSequences[] = {
    {"hover in, out", 0, [](qzButtons_H* b) { enter(b), leave(b); }, {}},
    {"hover in, out, in", 0, [](qzButtons_H* b) { enter(b), leave(b), enter(b); }, {.hover = true}},
    {"hover, press", 0,
     [](qzButtons_H* b) { enter(b), leave(b), enter(b), mouse(b, QEvent::MouseButtonPress, Qt::LeftButton); },
     {.hover = true, .pressed = true}},
    {"press, release, leave", 0,
     [](qzButtons_H* b) { enter(b), click(b), leave(b), enter(b), click(b), leave(b); }, {}},
    {"check by mouse, leave", 1, [](qzButtons_H* b) { enter(b), click(b), leave(b); }, {.mode = 1, .value = true}},
    {"check by mouse, stay", 1, [](qzButtons_H* b) { enter(b), leave(b), enter(b), click(b); },
     {.mode = 1, .value = true, .hover = true}},
    {"check, uncheck", 1, [](qzButtons_H* b) { enter(b), click(b), click(b), leave(b); }, {.mode = 1}},
    {"check by space", 1,
     [](qzButtons_H* b) {
         enter(b), leave(b);
         key(b, QEvent::KeyPress, Qt::Key_Space), key(b, QEvent::KeyRelease, Qt::Key_Space);
     },
     {.mode = 1, .value = true}},
    {"hover, then disabled", 0, [](qzButtons_H* b) { enter(b), leave(b), enter(b), b->setEnabled(kFalse); },
     {.enabled = false}},
    {"disabled, enabled again", 0,
     [](qzButtons_H* b) { enter(b), leave(b), b->setEnabled(kFalse), b->setEnabled(kTrue); }, {}},
    {"default look after hover", 0,
     [](qzButtons_H* b) { enter(b), leave(b), b->setDisplayAsDefault(true); }, {.focusLook = true}},
};

QString describe(int shape, int style, const char* sequence)
{
    return QString("shape %1 style %2 after \"%3\"").arg(shape).arg(style).arg(QString::fromUtf8(sequence));
}

// The first pixel where two buttons show different faces (inside their
// window outline, the part that is shown), or an empty text.
QString firstDifference(const qzButtons_H* live, const qzButtons_H* first)
{
    const QImage &a = live->surface(), &b = first->surface();
    if (a.size() != b.size()) return QString("size %1x%2 against %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
    if (live->windowRegion() != first->windowRegion()) return QString("window outlines differ");
    const QRegion shown = live->windowRegion().isEmpty() ? QRegion(a.rect()) : live->windowRegion();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (shown.contains(QPoint(x, y)) && a.pixel(x, y) != b.pixel(x, y))
                return QString("(%1, %2): %3 against %4").arg(x).arg(y).arg(a.pixel(x, y) & 0xFFFFFF, 6, 16, QChar('0')).arg(b.pixel(x, y) & 0xFFFFFF, 6, 16, QChar('0'));
    return QString();
}

TEST(ButtonFrames, EveryStateLooksAsItsFirstFrameInEveryShapeAndStyle)
{
    Host host;
    for (int shape = 0; shape <= 8; ++shape)
        for (int style = 0; style <= 7; ++style)
            for (const Sequence& seq : kSequences) {
                auto* live = fresh(host, shape, style, State{.mode = seq.mode});
                seq.run(live);
                auto* first = fresh(host, shape, style, seq.end);
                ASSERT_FALSE(first->surface().isNull()) << qPrintable(describe(shape, style, seq.name));
                const QString diff = firstDifference(live, first);
                EXPECT_TRUE(diff.isEmpty()) << qPrintable(describe(shape, style, seq.name)) << ": " << qPrintable(diff);
                delete live;
                delete first;
            }
}

// The rings of the elliptic and picture shapes, probed on their outline:
// the top of a resting ellipse (shapes 4 and 5) is the white end of its
// gradient ring, shape 6 has a black frame, shape 8 a gradient ring; none of
// them is the face colour, in the first frame or any later one.
TEST(ButtonFrames, RingsStayAfterRedraws)
{
    Host host;
    struct Case {
        int shape;
        QPoint probe;
        int colour;  // -1: anything but the face colour
    };
    const Case cases[] = {{4, {60, 0}, 0xFFFFFF}, {5, {60, 0}, 0xFFFFFF}, {8, {60, 4}, -1}};
    for (const Case& c : cases)
        for (int style : {0, 1, 3, 4, 6}) {
            auto* b = fresh(host, c.shape, style, {});
            for (int frame = 0; frame < 3; ++frame) {
                SCOPED_TRACE(describe(c.shape, style, "hover in, out").toStdString() + " frame " + std::to_string(frame));
                const int ring = px(b, c.probe.x(), c.probe.y());
                if (c.colour >= 0) EXPECT_EQ(ring, c.colour);
                else EXPECT_NE(ring, b->faceColor());
                enter(b);
                leave(b);
            }
            delete b;
        }
}

}  // namespace
