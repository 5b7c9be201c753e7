#pragma once
// Closing the mock test: the guard over the mock exam folders, the FTP
// folder and the working tree, the practice servers stopped and awaited,
// then the folders and the IP temp file deleted.
#include "common/guards.h"

#include <QString>
#include <QStringList>

namespace forms {
class Form;
}

namespace mocktest {

// The thirteen guard entries of the close: six file-manager checks, six
// in-use probes, the working tree last.
common::GuardList exitGuards();

// Stops the level's web and FTP practice servers and waits for their kill
// tools (with a time-out); then deletes the five mock exam folders,
// "D:\PracticalTraining" and the IP temp file. A folder that holds a
// read-only file is kept whole; the folders that could not be removed are
// returned (platform paths).
QStringList cleanMockWorkspace(const QString& level, forms::Form* owner);

// What the student is told about folders that stayed.
QString foldersKeptMessage(const QStringList& folders);

}  // namespace mocktest
