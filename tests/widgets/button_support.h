// Small helpers for the button tests: a shown container with buttons in it,
// pixel probes and synthetic input.
#pragma once

#include "widgets/qzbuttons.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace buttontest {

using widgets::qzButtons_H;

struct Host {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    Host()
    {
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->resize(400, 300);
        window->show();
    }
    qzButtons_H* add(int w = 120, int h = 40, int x = 10, int y = 10)
    {
        auto* b = new qzButtons_H(window.get());
        b->setGeometry(x, y, w, h);
        b->show();
        QApplication::processEvents();
        return b;
    }
};

inline int px(const qzButtons_H* b, int x, int y)
{
    const QRgb p = b->surface().pixel(x, y);
    return qRed(p) + 256 * qGreen(p) + 65536 * qBlue(p);
}

constexpr int rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

inline void enter(qzButtons_H* b, Qt::MouseButtons held = Qt::NoButton)
{
    const QPointF c(b->width() / 2.0, b->height() / 2.0);
    QEnterEvent e(c, c, b->mapToGlobal(c));
    if (held != Qt::NoButton) {
        // An enter event carries no buttons: a move with the button held follows it.
        QApplication::sendEvent(b, &e);
        QMouseEvent m(QEvent::MouseMove, c, b->mapToGlobal(c), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(b, &m);
        return;
    }
    QApplication::sendEvent(b, &e);
}

inline void leave(qzButtons_H* b)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(b, &e);
}

inline void mouse(qzButtons_H* b, QEvent::Type type, Qt::MouseButton button, QPointF at = QPointF(-1, -1))
{
    if (at.x() < 0) at = QPointF(b->width() / 2.0, b->height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, b->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(b, &e);
}

inline void click(qzButtons_H* b, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(b, QEvent::MouseButtonPress, button);
    mouse(b, QEvent::MouseButtonRelease, button);
}

inline void key(qzButtons_H* b, QEvent::Type type, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    const QString text = qtKey == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent e(type, qtKey, mods, text);
    QApplication::sendEvent(b, &e);
}

}  // namespace buttontest

// Qt's own entry for keys typed into a window (the route QtTest takes): the
// key goes through the window's shortcuts before it reaches the focus widget.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace buttontest {

// Activates the host's window so that it has the keyboard.
inline void activate(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

// Presses and releases a key in a window, as typed by the user.
inline void type(QWidget* window, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWindow* w = window->windowHandle();
    qt_handleKeyEvent(w, QEvent::KeyPress, qtKey, mods);
    qt_handleKeyEvent(w, QEvent::KeyRelease, qtKey, mods);
    QApplication::processEvents();
}

// A bitmap of the given size on a key background with a filled block in it.
inline widgets::ButtonPicture blockPicture(QSize size, QColor key, QRect block, QColor fill)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(key);
    QPainter p(&img);
    p.fillRect(block, fill);
    return {img, false};
}

}  // namespace buttontest
