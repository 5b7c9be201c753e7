#include "platform/folderpicker.h"

#include "platform/standin.h"

#include <QFileDialog>

namespace plat {
namespace {

class DesktopPicker final : public FolderPicker {
public:
    QString pick(QWidget* owner, const QString& title) override
    {
        return QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
    }
};

StandIn<FolderPicker, DesktopPicker> folderPickerStandIn;

}  // namespace

FolderPicker& folderPicker() { return folderPickerStandIn.get(); }

void setFolderPicker(FolderPicker* picker) { folderPickerStandIn.install(picker); }

}  // namespace plat

QString uBrowseForFolder(QWidget* owner, const QString& title)
{
    const QString shown = title.isEmpty() ? QStringLiteral("选择目录") : title;
    QString path = plat::folderPicker().pick(owner, shown);
    // Only the folder's path: nothing after it, no trailing separator except
    // for the root itself.
    const qsizetype nul = path.indexOf(QChar(u'\0'));
    if (nul >= 0) path.truncate(nul);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}
