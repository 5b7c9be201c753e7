#include "common/picturelist.h"

#include "platform/filesystem.h"
#include "platform/paths.h"

#include <QLabel>
#include <QPixmap>

namespace common {

int PictureList::setFolder(const QString& folder)
{
    folder_ = folder;
    files_ = plat::fs::listFiles(folder, QStringLiteral("*.jpg"));
    selected_ = -1;
    return count();
}

void PictureList::show(int index, QLabel* box)
{
    if (index < 0 || index >= files_.size()) return;
    selected_ = index;
    QPixmap pm;
    if (pm.load(plat::toHost(folder_ + QStringLiteral("\\") + files_[index]))) {
        box->setPixmap(pm);
        box->resize(pm.size());
    } else {
        box->setPixmap(QPixmap());
    }
}

void PictureList::step(int direction, QLabel* box)
{
    if (files_.isEmpty()) return;
    const int n = count();
    const int from = selected_ < 0 ? (direction > 0 ? -1 : 0) : selected_;
    show(((from + direction) % n + n) % n, box);
}

}  // namespace common
