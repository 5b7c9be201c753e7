#pragma once
// Folders that must never stand empty: their files are replaced by a copy of
// a filler file named "temp.txt" when their content is dropped.
#include <QString>

namespace common {

// Deletes the folder's files ("*.*"; sub-folders stay) and copies the filler
// file into it as "temp.txt". The filler is checked first: when it (or the
// folder) is missing nothing is deleted. False when the folder could not be
// emptied or the filler not copied; the caller tells the student.
bool uResetFolderWithFiller(const QString& folder, const QString& filler);

}  // namespace common
