#pragma once
// The file-system service. Paths are platform paths ("D:\实训素材", or the
// program folder followed by "\素材\..."), converted with toHost().
//
// Semantics follow the scripting file-system object the platform was built
// around: copies overwrite and merge, a target that ends with a backslash
// means "into this folder", a delete without force leaves read-only files
// (and so their folders) in place. No call throws; each returns a status and
// the caller decides whether it matters: a status is never dropped silently,
// a caller that deliberately goes on after a failure says so with
// ignoreFailure().
//
// On this system an entry is hidden when its name starts with a dot, and a
// file is read-only when its owner has no write permission (checked by the
// service itself, so it holds for root too).
//
// A copied file never appears half-written under its name: it is written
// beside the target under a hidden temporary name and renamed into place once
// complete, so a failed copy (disk full, unreadable source) leaves the target
// as it was.
#include <QString>
#include <QStringList>

#include <functional>

#include <iosfwd>
#include <utility>

namespace plat::fs {

// The outcome of a file-service call. Compares with its code
// (`s == Status::Ok`); a failure also names the first entry that failed (a
// platform path) and why, in words the student can read, and how many
// entries failed in all.
class [[nodiscard]] Status {
public:
    enum Code { Ok, NotFound, Failed };

    Status(Code code = Ok) : code_(code) {}  // NOLINT: a code is a status
    Status(Code code, QString path, QString reason, int failures = 1)
        : code_(code), path_(std::move(path)), reason_(std::move(reason)), failures_(code == Ok ? 0 : failures)
    {
    }

    Code code() const { return code_; }
    bool ok() const { return code_ == Ok; }
    // The platform path of the (first) entry that failed; empty when none.
    const QString& path() const { return path_; }
    // Why it failed ("磁盘空间不足", "没有权限", ...); empty when unknown.
    const QString& reason() const { return reason_; }
    // How many entries failed (a folder copy goes on after a failed file).
    int failures() const { return failures_; }
    // One line for a message: the entry as the desktop shows it and the
    // reason, e.g. "/home/s/D/实训素材/a.docx（磁盘空间不足）".
    QString describe() const;

    friend bool operator==(const Status& s, Code c) { return s.code_ == c; }

private:
    Code code_ = Ok;
    QString path_;
    QString reason_;
    int failures_ = 0;
};

inline bool ok(const Status& s) { return s.ok(); }

// The one way to go on after a failure on purpose: `why` says why the caller
// does not care (logged with the failure, for whoever reads the log).
void ignoreFailure(const Status& s, const char* why);

// Test output: the code, the path and the reason.
void PrintTo(const Status& s, std::ostream* os);

// Existence as the scripting object sees it (hidden entries included).
bool folderExists(const QString& path);
bool fileExists(const QString& path);
// Existence as a directory listing sees it: hidden entries are not found.
// Finds plain files and folders alike.
bool listedExists(const QString& path);

[[nodiscard]] Status createFolder(const QString& path);  // parent must exist; fails if present
// Creates the folder and every missing folder above it. Ok when the folder
// is already there; Failed when a file stands in the way or a folder cannot
// be made (the status names it).
[[nodiscard]] Status makePath(const QString& path);
// Copies a folder (with everything in it). `to` ending in "\" copies the
// folder into `to` under its own name; otherwise `to` becomes the copy,
// merged with what is there. Existing files are overwritten; a file that
// fails leaves the others copied and is named in the status.
[[nodiscard]] Status copyFolder(const QString& from, const QString& to);
// Makes the folder `to` (and the folders above it) as a copy of the folder
// `from`, whole or not at all: when the folder was not there before and the
// copy fails (a full disk), it goes again. The status says what failed.
[[nodiscard]] Status makeFolderFrom(const QString& from, const QString& to);
// Copies a file; `to` ending in "\" copies it into that folder. Overwrites.
[[nodiscard]] Status copyFile(const QString& from, const QString& to);
// Deletes a folder and its contents. Without force, read-only files stay,
// with the folders that hold them; the rest is deleted and Failed returned.
[[nodiscard]] Status deleteFolder(const QString& path, bool force = false);
[[nodiscard]] Status deleteFile(const QString& path, bool force = false);
// Deletes every plain file in a folder that matches the pattern ("*.*").
[[nodiscard]] Status deleteFiles(const QString& folder, const QString& pattern, bool force = false);
// Renames (moves) a file or folder. Fails when `to` exists.
[[nodiscard]] Status rename(const QString& from, const QString& to);

// File names (no folder) matching a pattern such as "*.jpg" (letter case
// aside; several patterns separated by ";"; "*.*" is every file), hidden
// entries left out, in a stable order (by name, letter case
// aside).
QStringList listFiles(const QString& folder, const QString& pattern = QStringLiteral("*"));
// Names of the sub-folders, hidden ones left out, in the same order.
QStringList listSubFolders(const QString& folder);

// A system error number in the student's words ("磁盘空间不足", "没有权限", ...).
QString reasonForError(int err);

// Copies an open file from its current position to the end into another
// open file (descriptors): the kernel's own copy first, large reads and
// writes where the kernel refuses. 0 or an errno; `readSide` (optional) says
// whether the source was at fault. `progress` hears the bytes copied so far.
[[nodiscard]] int copyOpenFile(int in, int out, qint64 size, bool* readSide = nullptr,
                               const std::function<void(qint64)>& progress = {});

[[nodiscard]] bool setReadOnly(const QString& path, bool readOnly);
bool isReadOnly(const QString& path);

}  // namespace plat::fs
