#pragma once
// Lists of a folder's entries as the windows keep them in their hidden
// lists: base names of the files that match a pattern, and sub-folder names.
#include <QString>
#include <QStringList>

namespace common {

// What the pattern listing takes: files only (the normal attribute), or
// files and sub-folders whose names match (the directory attribute).
enum class ListAttr { FilesOnly, FilesAndFolders };

// For each entry of `folder` (a trailing "\" is allowed) that matches
// `pattern` ("*.docx", "*.txt", letter case aside), the text before the
// entry's first "." (the whole name when it has none). Hidden entries are
// left out; a name that occurs twice is listed twice; a missing or empty
// folder gives an empty list. Files come first, then matching sub-folders,
// each in the file service's stable order.
QStringList uListBaseNames(const QString& folder, const QString& pattern, ListAttr attr);

// The name of every sub-folder of `folder` (a trailing "\" is allowed; plain
// files and hidden entries left out), in the file service's stable order.
QStringList uListSubfolders(const QString& folder);

}  // namespace common
