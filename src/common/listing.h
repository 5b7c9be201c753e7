#pragma once
// Lists of a folder's entries as the windows keep them in their hidden
// lists: base names of the files that match a pattern, and sub-folder names.
#include <QString>
#include <QStringList>

namespace common {

// Whether the list is emptied before the names are added. Some callers
// collect several folders into one list, others start afresh each time.
enum class ListClear { Keep, Clear };

// What the pattern listing takes: files only (the normal attribute), or
// files and sub-folders whose names match (the directory attribute).
enum class ListAttr { FilesOnly, FilesAndFolders };

// Adds, for each entry of `folder` (a trailing "\" is allowed) that matches
// `pattern` ("*.docx", "*.txt", letter case aside), the text before the
// entry's first "." (the whole name when it has none). Hidden entries are
// left out; a name that occurs twice is added twice; a missing or empty
// folder adds nothing. Files come first, then matching sub-folders, each in
// the file service's stable order.
void uListBaseNames(QStringList& list, const QString& folder, const QString& pattern, ListAttr attr,
                    ListClear clear);

// Adds the name of every sub-folder of `folder` (plain files and hidden
// entries left out), in the file service's stable order.
void uListSubfolders(QStringList& list, const QString& folder, ListClear clear);

}  // namespace common
