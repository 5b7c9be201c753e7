#include "common/stylepanel.h"

#include "forms/design.h"
#include "forms/form.h"
#include "forms/twips.h"

#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace common {

StylePanel::StylePanel(forms::Form* form, StylePanelLayout layout) : form_(form), layout_(std::move(layout)) {}

QWidget* StylePanel::w(const char* name) const { return *name ? form_->ctl(QString::fromUtf8(name)) : nullptr; }

void StylePanel::connectButtons()
{
    form_->onClick(QString::fromUtf8(layout_.open), [this] { open(); });
    form_->onClick(QString::fromUtf8(layout_.fold), [this] { fold(); });
    form_->onClick(QString::fromUtf8(layout_.previous), [this] { previous(); });
    form_->onClick(QString::fromUtf8(layout_.next), [this] { next(); });
}

QLabel* StylePanel::box() const { return static_cast<QLabel*>(w(layout_.picture)); }

int StylePanel::setFolder(const QString& folder) { return list_.setFolder(folder); }

void StylePanel::uShowPicture(int index) { list_.show(index, box()); }

void StylePanel::clearPicture() { box()->setPixmap(QPixmap()); }

bool StylePanel::isOpen() const { return !w(layout_.frame)->isHidden(); }

void StylePanel::layout()
{
    QWidget* frame = w(layout_.frame);
    QWidget* pic = w(layout_.picture);
    using namespace forms;
    resizeTw(frame, widthTw(frame), heightTw(pic) + layout_.frameMargin);
    if (layout_.openHeight) form_->setOuterHeightTw(layout_.openHeight(heightTw(frame)));
    const int left = layout_.centre == StylePanelLayout::Centre::Window
                         ? (toTw(form_->width()) - widthTw(pic)) / 2 - leftTw(frame) + layout_.pictureOffset
                         : widthTw(frame) / 2 + leftTw(frame) - widthTw(pic) / 2 + layout_.pictureOffset;
    moveTw(pic, left, topTw(pic));
    if (QWidget* bar = w(layout_.scrollBar)) {
        bar->hide();
        const QScreen* screen = form_->screen();
        const int screenTw = screen ? toTw(screen->availableGeometry().height()) : 0;
        if (screenTw > 0 && form_->outerHeightTw() > screenTw) {
            form_->setOuterHeightTw(screenTw - layout_.screenMargin);
            moveTw(bar, leftTw(pic) + widthTw(pic), topTw(pic));
            bar->show();
        }
    }
}

void StylePanel::open()
{
    QWidget* frame = w(layout_.frame);
    if (QWidget* anchor = w(layout_.below)) {
        using namespace forms;
        moveTw(frame, leftTw(frame), topTw(anchor) + heightTw(anchor));
    }
    frame->show();
    layout();
    w(layout_.open)->hide();
    w(layout_.fold)->show();
    w(layout_.previous)->setEnabled(true);
    w(layout_.next)->setEnabled(true);
}

void StylePanel::fold()
{
    w(layout_.frame)->hide();
    w(layout_.fold)->hide();
    w(layout_.open)->show();
    if (layout_.foldSize) layout_.foldSize();
    w(layout_.previous)->setEnabled(false);
    w(layout_.next)->setEnabled(false);
}

void StylePanel::previous()
{
    // Nothing loaded: nothing to step to (the loaders never offer the arrows then).
    if (list_.count() == 0) return;
    list_.step(-1, box());
    layout();
}

void StylePanel::next()
{
    if (list_.count() == 0) return;
    list_.step(+1, box());
    layout();
}

}  // namespace common
