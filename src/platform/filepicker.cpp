#include "platform/filepicker.h"

#include "platform/standin.h"

#include <QFileDialog>

namespace plat {
namespace {

class DesktopFilePicker final : public FilePicker {
public:
    QString pick(QWidget* owner, const QString& last) override
    {
        return QFileDialog::getOpenFileName(owner, QString(), last, QStringLiteral("All Files (*.*)"), nullptr,
                                            QFileDialog::ReadOnly);
    }
};

StandIn<FilePicker, DesktopFilePicker> filePickerStandIn;

}  // namespace

FilePicker& filePicker() { return filePickerStandIn.get(); }

void setFilePicker(FilePicker* picker) { filePickerStandIn.install(picker); }

}  // namespace plat
