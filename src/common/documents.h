#pragma once
// Handing a question document, a working folder or an operation video to the
// desktop. Nothing is awaited.
#include <QString>

namespace common {

// Opens the document (platform path) in the application the desktop
// associates with it.
void uOpenDocument(const QString& path);
// Shows a working folder in the file manager.
void uOpenFolder(const QString& path);
// Runs line 1 of a video command file unchanged; a missing or empty file
// runs nothing. Returns whether a command was handed over.
bool uRunVideoCommand(const QString& commandFile);

}  // namespace common
