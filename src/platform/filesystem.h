#pragma once
// The file-system service. Paths are platform paths ("D:\实训素材", or the
// program folder followed by "\素材\..."), converted with toHost().
//
// Semantics follow the scripting file-system object the platform was built
// around: copies overwrite and merge, a target that ends with a backslash
// means "into this folder", a delete without force leaves read-only files
// (and so their folders) in place. No call throws; each returns a status and
// the caller decides whether it matters.
//
// On this system an entry is hidden when its name starts with a dot, and a
// file is read-only when its owner has no write permission (checked by the
// service itself, so it holds for root too).
#include <QString>
#include <QStringList>

namespace plat::fs {

enum class Status { Ok, NotFound, Failed };

inline bool ok(Status s) { return s == Status::Ok; }

// Existence as the scripting object sees it (hidden entries included).
bool folderExists(const QString& path);
bool fileExists(const QString& path);
// Existence as a directory listing sees it: hidden entries are not found.
// Finds plain files and folders alike.
bool listedExists(const QString& path);

Status createFolder(const QString& path);  // parent must exist; fails if present
// Copies a folder (with everything in it). `to` ending in "\" copies the
// folder into `to` under its own name; otherwise `to` becomes the copy,
// merged with what is there. Existing files are overwritten.
Status copyFolder(const QString& from, const QString& to);
// Copies a file; `to` ending in "\" copies it into that folder. Overwrites.
Status copyFile(const QString& from, const QString& to);
// Deletes a folder and its contents. Without force, read-only files stay,
// with the folders that hold them; the rest is deleted and Failed returned.
Status deleteFolder(const QString& path, bool force = false);
Status deleteFile(const QString& path, bool force = false);
// Deletes every plain file in a folder that matches the pattern ("*.*").
Status deleteFiles(const QString& folder, const QString& pattern, bool force = false);
// Renames (moves) a file or folder. Fails when `to` exists.
Status rename(const QString& from, const QString& to);

// File names (no folder) matching a pattern such as "*.jpg" (letter case
// aside; several patterns separated by ";"; "*.*" is every file), hidden
// entries left out, in a stable order (by name, letter case
// aside).
QStringList listFiles(const QString& folder, const QString& pattern = QStringLiteral("*"));
// Names of the sub-folders, hidden ones left out, in the same order.
QStringList listSubFolders(const QString& folder);

bool setReadOnly(const QString& path, bool readOnly);
bool isReadOnly(const QString& path);

}  // namespace plat::fs
