#pragma once
// Archives as the hand-in sees them: running the archiver to its end with
// its exit code, and reading back what an archive holds (through
// libarchive, so any archive format it knows is read).
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace plat {

struct ToolRun {
    enum class Status { Ended, NotStarted, TimedOut, Crashed };
    Status status = Status::NotStarted;
    int exitCode = -1;  // valid when Ended
};

// Starts a program (platform path) with an argument list, directly (no
// shell, so blanks and Chinese characters in arguments need no quoting),
// hidden, and waits for its end while the event loop runs. A program still
// running after timeoutMs is stopped and reported as TimedOut.
ToolRun runToolAndWait(const QString& program, const QStringList& args, int timeoutMs);

struct ArchiveEntry {
    // How an entry's data compared with the file it was packed from.
    enum class Content { NotCompared, Same, Differs, SourceUnreadable };
    QString name;  // as stored, with "/" separators
    qint64 size = -1;
    bool folder = false;
    Content content = Content::NotCompared;
};

// The entries of an archive (host or platform path), every entry's data read
// through (the archive's own checksums are checked on the way): nullopt with
// a reason when it cannot be read whole (missing, truncated, damaged, a
// checksum that does not match, unknown format). A ZIP archive is read
// through its central directory, so one without it does not read at all.
// `sourceOf` (may be empty) gives for an entry name the host path of the file
// the entry must equal, in file-system bytes ("" for none): the data is then compared with that
// file byte for byte.
std::optional<QList<ArchiveEntry>> listArchive(const QString& path, QString* error = nullptr,
                                               const std::function<QByteArray(const QString& name)>& sourceOf = {});

// Writes a ZIP archive `to` (host path) holding every entry of the archive
// `from` except those whose names start with one of `dropped` ("a/b/" drops
// a folder, "a/c.txt" a file). False with a reason when `from` cannot be
// read whole or `to` cannot be written; `to` is then removed.
bool copyArchiveWithout(const QString& from, const QString& to, const QStringList& dropped, QString* error);

// The files below a folder (host path), each as its path relative to the
// folder in the bytes the file system holds ("/" separated), whatever
// character set its name is in; symbolic links are not followed.
QList<QByteArray> filesBelow(const QString& hostFolder);

}  // namespace plat

namespace plat {

// Copies a file (host paths) in bounded pieces: the source opened read-only,
// the target created anew (an existing one is replaced), flushed to disk,
// then read back and compared with the source byte for byte.
// `progress` (may be empty) gets the share copied, 0..100, after each piece.
// False with a reason on any failure; the target is then removed.
bool copyFileVerified(const QString& source, const QString& target, const std::function<void(int)>& progress,
                      QString* error);

// Whether a folder (host path) takes new files: it exists, its owner may
// write it (checked by the permission bits, so it holds for root too) and a
// file can be created in it.
bool folderWritable(const QString& folder);

// Renames a file (host paths) over another in one step: the target is
// either the old or the new file, never missing.
bool renameOver(const QString& from, const QString& to);

}  // namespace plat
