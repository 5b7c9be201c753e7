#include "common/stylepanel.h"

#include "forms/design.h"
#include "forms/form.h"
#include "forms/twips.h"
#include "platform/filesystem.h"
#include "platform/paths.h"

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

int StylePanel::setFolder(const QString& folder)
{
    folder_ = folder;
    files_ = plat::fs::listFiles(folder, QStringLiteral("*.jpg"));
    selected_ = -1;
    return files_.size();
}

void StylePanel::uShowPicture(int index)
{
    if (index < 0 || index >= files_.size()) return;
    selected_ = index;
    auto* box = static_cast<QLabel*>(w(layout_.picture));
    QPixmap pm;
    if (pm.load(plat::toHost(folder_ + QStringLiteral("\\") + files_[index]))) {
        box->setPixmap(pm);
        box->resize(pm.size());
    } else {
        box->setPixmap(QPixmap());
    }
}

void StylePanel::clearPicture() { static_cast<QLabel*>(w(layout_.picture))->setPixmap(QPixmap()); }

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
    if (files_.isEmpty()) return;
    uShowPicture(selected_ <= 0 ? files_.size() - 1 : selected_ - 1);
    layout();
}

void StylePanel::next()
{
    if (files_.isEmpty()) return;
    uShowPicture(selected_ >= files_.size() - 1 ? 0 : selected_ + 1);
    layout();
}

}  // namespace common
