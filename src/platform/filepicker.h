#pragma once
// The desktop's open-file dialog (filter "All Files (*.*)"). Tests install a
// scripted stand-in.
#include <QString>

class QWidget;

namespace plat {

class FilePicker {
public:
    virtual ~FilePicker() = default;
    // The chosen file's full host path, "" when the student cancels. `last`
    // is the file chosen last through the same dialog (preset).
    virtual QString pick(QWidget* owner, const QString& last) = 0;
};

FilePicker& filePicker();
// Installs a stand-in; nullptr restores the real dialog.
void setFilePicker(FilePicker* picker);

}  // namespace plat
