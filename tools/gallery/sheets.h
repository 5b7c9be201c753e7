// The sheets of the button gallery: for each shape the eight styles down and
// the states across (normal, hover, pressed, disabled, focused, with a
// picture, checked). A live sheet shows the same looks, each reached through
// a run of state changes (hover in and out, clicks, disabling, focus)
// instead of being set up once, so that it matches the plain sheet pixel for
// pixel only when every redraw is as right as the first.
#pragma once

#include "widgets/qzbuttons.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <utility>
#include <vector>

namespace gallery {

using widgets::ButtonPicture;
using widgets::qzButtons_H;


// A small bitmap on a white key background: a blue disc with a yellow star.
inline ButtonPicture smallPicture()
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(2, 2, 28, 28);
    p.setBrush(QColor(250, 210, 40));
    p.drawPolygon(QPolygon({{16, 6}, {19, 13}, {26, 13}, {20, 18}, {23, 26}, {16, 21}, {9, 26}, {12, 18}, {6, 13}, {13, 13}}));
    return {img, false};
}

// A larger bitmap for the picture shapes: a green rounded badge on magenta.
inline ButtonPicture shapePicture()
{
    QImage img(120, 48, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    QPainter p(&img);
    p.setPen(QPen(QColor(20, 90, 40), 2));
    p.setBrush(QColor(90, 190, 110));
    p.drawRoundedRect(QRectF(2, 2, 116, 44), 18, 18);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QRect(0, 0, 120, 48), Qt::AlignCenter, "Picture");
    return {img, false};
}

inline const char* const kStates[] = {"normal", "hover", "pressed", "disabled", "focused", "picture", "checked"};
inline const char* const kShapes[] = {"rectangle", "slant-left", "slant-right", "parallelogram", "ellipse",
                               "ellipse-ring", "ellipse-frame", "picture-outline", "picture-gradient"};

inline void hover(qzButtons_H* b)
{
    const QPointF c(b->width() / 2.0, b->height() / 2.0);
    QEnterEvent enter(c, b->mapToGlobal(c), b->mapToGlobal(c));
    QApplication::sendEvent(b, &enter);
}

inline void press(qzButtons_H* b)
{
    hover(b);
    const QPointF c(b->width() / 2.0, b->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, c, b->mapToGlobal(c), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &down);
}

inline void release(qzButtons_H* b)
{
    const QPointF c(b->width() / 2.0, b->height() / 2.0);
    QMouseEvent up(QEvent::MouseButtonRelease, c, b->mapToGlobal(c), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(b, &up);
}

inline void unhover(qzButtons_H* b)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
}

inline void click(qzButtons_H* b)
{
    press(b);
    release(b);
}

// The live way to a state: changes that come back to where they started, then
// the state itself, reached through the mouse and the properties.
inline void liveToState(qzButtons_H* b, int state)
{
    hover(b), click(b), unhover(b), hover(b), unhover(b);  // every button has been hovered and clicked
    switch (state) {
    case 0: break;
    case 1: hover(b), unhover(b), hover(b); break;
    case 2: hover(b), press(b), release(b), unhover(b), hover(b), press(b); break;
    case 3: b->setEnabled(widgets::kFalse), b->setEnabled(widgets::kTrue), hover(b), unhover(b), b->setEnabled(widgets::kFalse); break;
    case 4:
        b->setDisplayAsDefault(true), hover(b), unhover(b), b->setDisplayAsDefault(false);
        b->setDisplayAsDefault(true);
        break;
    case 5: hover(b), click(b), unhover(b); break;
    case 6: hover(b), click(b), click(b), unhover(b); break;  // checked by the third click in all
    default: break;
    }
}

inline QWidget* sheetFor(int shape, bool live = false)
{
    const int buttonW = shape >= 1 && shape <= 3 ? 170 : 120;
    const int cellW = buttonW + 16, cellH = shape >= 7 ? 64 : 52, left = 70, top = 30;
    auto* sheet = new QWidget;
    sheet->setAttribute(Qt::WA_DontShowOnScreen, qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen");
    sheet->setAutoFillBackground(true);
    sheet->resize(left + 7 * cellW + 10, top + 8 * cellH + 10);
    sheet->setWindowTitle(QString("qzButtons_H — ButtonShape %1 (%2)%3").arg(shape).arg(kShapes[shape]).arg(live ? " live" : ""));
    for (int s = 0; s < 7; ++s) {
        auto* l = new QLabel(kStates[s], sheet);
        l->setGeometry(left + s * cellW, 6, cellW - 8, 20);
        l->setAlignment(Qt::AlignCenter);
    }
    std::vector<std::pair<qzButtons_H*, int>> pending;  // live buttons and their states
    for (int style = 0; style < 8; ++style) {
        auto* l = new QLabel(QString("Style %1").arg(style), sheet);
        l->setGeometry(6, top + style * cellH, left - 8, cellH - 12);
        for (int s = 0; s < 7; ++s) {
            auto* b = new qzButtons_H(sheet);
            b->DelayDrawing(true);
            b->setGeometry(left + s * cellW, top + style * cellH, buttonW, shape >= 7 ? 56 : 40);
            b->setButtonStyle(style);
            b->setCaption(QStringLiteral("按钮 &OK"));
            if (shape >= 7 || s == 5) {
                b->setPicture(shape >= 7 ? shapePicture() : smallPicture());
                b->setPictureAlign(1);
            }
            b->setButtonShape(shape);
            if (s == 6) b->setMode(1);
            if (live) {
                b->DelayDrawing(false);
                pending.push_back({b, s});
                continue;
            }
            if (s == 6) b->setValue(widgets::kTrue);
            if (s == 3) b->setEnabled(widgets::kFalse);
            if (s == 4) b->setDisplayAsDefault(true);
            b->DelayDrawing(false);
            if (s == 1) hover(b);
            if (s == 2) press(b);
        }
    }
    if (live) {
        // Shown first, so that every change below is a redraw of a built face.
        sheet->show();
        QApplication::processEvents();
        for (const auto& [b, state] : pending) liveToState(b, state);
    }
    return sheet;
}

}  // namespace gallery
