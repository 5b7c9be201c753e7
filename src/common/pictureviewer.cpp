#include "common/pictureviewer.h"

#include "forms/form.h"
#include "forms/twips.h"
#include "platform/filesystem.h"

#include <QLabel>

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

QLabel* PictureArea::box() const { return static_cast<QLabel*>(w(layout_.picture)); }

int PictureArea::load(const QString& folder)
{
    w(layout_.unfold)->setVisible(plat::fs::folderExists(folder));
    list_.setFolder(folder);
    if (list_.count() > 0) uShowPicture(0);
    if (list_.count() < 2) {
        for (const char* b : {layout_.previous, layout_.next}) {
            if (layout_.stepButtonsFollowFold) w(b)->hide();
            w(b)->setEnabled(false);
        }
    }
    return list_.count();
}

void PictureArea::uShowPicture(int index) { list_.show(index, box()); }

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
    if (list_.count() == 0) return;
    list_.step(-1, box());
    w(layout_.picture)->show();
    fitWindow();
}

void PictureArea::next()
{
    if (list_.count() == 0) return;
    list_.step(+1, box());
    fitWindow();
}

}  // namespace common
