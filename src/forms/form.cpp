#include "forms/form.h"

#include "forms/runtime.h"
#include "forms/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QWindow>
#include <utility>

namespace forms {

Form::Form(const WindowSpec& spec, Design design)
    : QWidget(nullptr), name_(QString::fromUtf8(spec.name)), flags_(spec.flags)
{
    setObjectName(name_);
    Qt::WindowFlags wf = Qt::Window;
    if (flags_ & NoMinMax) wf |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (flags_ & Topmost) wf |= Qt::WindowStaysOnTopHint;
    if (flags_ & NoTaskbar) wf |= Qt::Tool;
    setWindowFlags(wf);
    setWindowTitle(QString::fromUtf8(spec.caption));
    if (qAlpha(spec.back)) {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor::fromRgba(spec.back));
        setPalette(p);
    }
    if (buildDesign(this, design)) design_ = design;
    if (spec.width > 0 && spec.height > 0) setOuterSizeTw(spec.width, spec.height);
}

Form::~Form() = default;

bool Form::buildDeferred() const
{
    if (design_.empty()) return false;
    const Design design = std::exchange(const_cast<Form*>(this)->design_, Design{});
    buildDeferredDesign(const_cast<Form*>(this), design);
    return true;
}

void Form::onClick(const QString& name, std::function<void()> handler)
{
    auto* b = ctl<QAbstractButton>(name);
    Q_ASSERT_X(b, "Form::onClick", qPrintable(name));
    if (!b) return;
    connect(b, &QAbstractButton::clicked, this, [this, h = std::move(handler)] {
        if (isBusy()) return;
        h();
    });
}

void Form::setOuterSizeTw(int width, int height)
{
    const QSize s(std::max(1, tw(width) - kFrameWidthPx), std::max(1, tw(height) - kFrameHeightPx));
    if (flags_ & FixedSingle) setFixedSize(s);
    else resize(s);
}

void Form::setOuterWidthTw(int width) { setOuterSizeTw(width, outerHeightTw()); }
void Form::setOuterHeightTw(int height) { setOuterSizeTw(outerWidthTw(), height); }
int Form::outerWidthTw() const { return toTw(width() + kFrameWidthPx); }
int Form::outerHeightTw() const { return toTw(height() + kFrameHeightPx); }

void Form::setTopmost(bool on)
{
    const bool visible = isVisible();
    yielded_ = false;
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) show();
}

// The flag of the native window only: changing the widget's flag would hide
// and show the window again, raising it over what it makes way for.
void Form::yieldTopmostUntilActive()
{
    if (!(windowFlags() & Qt::WindowStaysOnTopHint) || !windowHandle()) return;
    yielded_ = true;
    windowHandle()->setFlag(Qt::WindowStaysOnTopHint, false);
}

bool Form::staysOnTopNow() const
{
    if (const QWindow* w = windowHandle()) return w->flags() & Qt::WindowStaysOnTopHint;
    return windowFlags() & Qt::WindowStaysOnTopHint;
}

void Form::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !yielded_ || !isActiveWindow()) return;
    yielded_ = false;
    if (windowHandle() && (windowFlags() & Qt::WindowStaysOnTopHint))
        windowHandle()->setFlag(Qt::WindowStaysOnTopHint, true);
}

void Form::placeOnFirstShow()
{
    if (placed_) return;
    placed_ = true;
    QRect area;
    if (flags_ & CenterOwner) {
        if (QWidget* owner = QApplication::activeWindow(); owner && owner != this) area = owner->frameGeometry();
    }
    if (area.isEmpty() && (flags_ & (CenterScreen | CenterOwner))) {
        if (QScreen* s = screen()) area = s->availableGeometry();
    }
    if (!area.isEmpty()) {
        const QSize outer(width() + kFrameWidthPx, height() + kFrameHeightPx);
        move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
}

void Form::closeEvent(QCloseEvent* e)
{
    // The close box asks for an unload; the runtime decides (Unload may cancel).
    e->ignore();
    if (isBusy()) return;
    unload(this);
}

}  // namespace forms
