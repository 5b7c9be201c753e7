#pragma once
// The workspace clean-up of the main window (change of user, leaving the
// platform): the working folders on D: that exercises leave behind, the
// practice web and FTP servers and the IP temp file.
#include <QString>
#include <QStringList>

class QWidget;

namespace startup {

// The 35 folders directly under D:, in the order they are cleaned.
const QStringList& cleanupFolders();

struct CleanResult {
    bool completed = false;  // false: stopped at a folder after its message
    QString stoppedAt;       // the folder's name when stopped
    // Folders (or plain files) of the list that remain on D: under their probe
    // name ("D:\HTML0000") because the delete left something behind, such as a
    // read-only file. Nothing in them is thrown away; the next clean-up tries
    // again.
    QStringList leftBehind;
};

// Deletes the listed folders in order (each guarded by a file-manager check
// and an in-use probe that moves it to its probe name), stops the practice
// servers with the mock-test tools of level 入门 and deletes
// "D:\IPtemp0000.txt". Stops at the first folder that is open or in use,
// after showing that folder's message; nothing done before it is undone.
CleanResult uCleanWorkspace(QWidget* owner = nullptr);

}  // namespace startup
