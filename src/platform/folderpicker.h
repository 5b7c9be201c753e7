#pragma once
// The desktop's folder picker. Tests install a scripted stand-in.
#include <QString>

class QWidget;

namespace plat {

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // The chosen folder's full host path, or "" when the student cancels.
    virtual QString pick(QWidget* owner, const QString& title) = 0;
};

// The picker in use (the real one unless a test installed its own).
FolderPicker& folderPicker();
// Installs a stand-in; nullptr restores the real picker.
void setFolderPicker(FolderPicker* picker);

}  // namespace plat

// Lets the student pick a folder (modal to owner). The title is shown as the
// picker's instruction; "选择目录" when it is empty. Returns the folder's full
// path (a drive's root ends in its separator), or "" on cancel.
QString uBrowseForFolder(QWidget* owner, const QString& title);
