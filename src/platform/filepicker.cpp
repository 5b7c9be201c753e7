#include "platform/filepicker.h"

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

FilePicker*& installed()
{
    static FilePicker* p = nullptr;
    return p;
}

}  // namespace

FilePicker& filePicker()
{
    static DesktopFilePicker desktop;
    return installed() ? *installed() : desktop;
}

void setFilePicker(FilePicker* picker) { installed() = picker; }

}  // namespace plat
