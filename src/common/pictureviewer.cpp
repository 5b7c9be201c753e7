#include "common/pictureviewer.h"

#include "forms/form.h"
#include "forms/twips.h"
#include "platform/filesystem.h"
#include "platform/paths.h"

#include <QLabel>
#include <QPixmap>

namespace common {

PictureArea::PictureArea(forms::Form* form, const PictureAreaLayout& layout) : form_(form), layout_(layout) {}

QWidget* PictureArea::w(const char* name) const { return form_->ctl(QString::fromUtf8(name)); }

void PictureArea::connectButtons()
{
    form_->onClick(QString::fromUtf8(layout_.unfold), [this] { unfold(); });
    form_->onClick(QString::fromUtf8(layout_.fold), [this] { fold(); });
    form_->onClick(QString::fromUtf8(layout_.previous), [this] { previous(); });
    form_->onClick(QString::fromUtf8(layout_.next), [this] { next(); });
}

int PictureArea::load(const QString& folder)
{
    const bool exists = plat::fs::folderExists(folder);
    w(layout_.unfold)->setVisible(exists);
    folder_ = folder;
    files_ = exists ? plat::fs::listFiles(folder, QStringLiteral("*.jpg")) : QStringList();
    selected_ = -1;
    if (!files_.isEmpty()) uShowPicture(0);
    if (files_.size() < 2) {
        for (const char* b : {layout_.previous, layout_.next}) {
            if (layout_.stepButtonsFollowFold) w(b)->hide();
            w(b)->setEnabled(false);
        }
    }
    return files_.size();
}

void PictureArea::uShowPicture(int index)
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

void PictureArea::fitWindow()
{
    QWidget* box = w(layout_.picture);
    form_->setOuterSizeTw(layout_.windowWidth, forms::topTw(box) + forms::heightTw(box) + layout_.margin);
    forms::moveTw(box, (forms::toTw(form_->width()) - forms::widthTw(box)) / 2, forms::topTw(box));
}

void PictureArea::unfold()
{
    fitWindow();
    w(layout_.picture)->show();
    w(layout_.fold)->show();
    w(layout_.unfold)->hide();
    if (!layout_.stepButtonsFollowFold) return;
    w(layout_.previous)->show();
    w(layout_.next)->show();
}

void PictureArea::fold()
{
    form_->setOuterSizeTw(layout_.windowWidth, layout_.foldedHeight);
    w(layout_.fold)->hide();
    w(layout_.picture)->hide();
    w(layout_.unfold)->show();
    if (!layout_.stepButtonsFollowFold) return;
    w(layout_.previous)->hide();
    w(layout_.next)->hide();
}

void PictureArea::previous()
{
    if (files_.isEmpty()) return;
    uShowPicture(selected_ <= 0 ? files_.size() - 1 : selected_ - 1);
    w(layout_.picture)->show();
    fitWindow();
}

void PictureArea::next()
{
    if (files_.isEmpty()) return;
    uShowPicture(selected_ >= files_.size() - 1 ? 0 : selected_ + 1);
    fitWindow();
}

}  // namespace common
