#pragma once
// The student key names the project archive, the packed archive, the marks
// file and the submission file: it must be a plain folder name.
#include <QString>

namespace tasks {

// True when the key can name a folder inside its parent and nothing else
// (common::isSafeStudentKey).
bool keyNamesFolder(const QString& key);
QString badKeyMessage(const QString& key);

}  // namespace tasks
