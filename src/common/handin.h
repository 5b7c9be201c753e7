#pragma once
// The hand-in: a student's work packed into one archive and handed over as a
// submission file in a folder the student picks. Nothing is marked, moved or
// deleted before the result is verified; on any failure the student is told
// what failed and where, and everything stays as it was so that the hand-in
// can be tried again.
//
// Order of uHandIn:
//   1. the chosen folder is checked (handInFolderProblem);
//   2. the folder is packed with the archiver ("a", it stays where it is)
//      into a new archive beside the packed archive, awaited with a time-out
//      while the window is busy, and verified: exit code 0, the archive
//      exists, and reading it back lists every file of the folder with its
//      size; only then does the new archive replace the packed archive;
//   3. the submission file is written under a temporary name in the chosen
//      folder, flushed, compared with the packed archive (size, checksum)
//      and renamed into place;
//   4. the caller's record step (marks file, labels) runs;
//   5. the packed folder is removed.
#include <QString>
#include <functional>

namespace forms {
class Form;
}

namespace common {

// The archiver of the materials tree (relative to the program folder).
inline const QString kArchiverExe = QStringLiteral("\\素材\\bk\\soft\\RAR\\Rar.exe");
// How long a hand-in waits for the archiver.
inline constexpr int kArchiverTimeoutMs = 10 * 60 * 1000;

// Said after every failure message: the work is still there.
inline const QString kWorkKeptNote = QStringLiteral("作答没有丢失，可以重新提交。");

// Whether a chosen hand-in folder (host path, as the folder picker gives it)
// may take the submission file: "" when it may, else the message to show.
// Refused: empty, missing, not writable, on drive D: (its folders are
// cleaned up) or inside the materials tree.
QString handInFolderProblem(const QString& folder);

struct HandInResult {
    bool ok = false;
    QString message;     // on failure: what failed and where
    QString submission;  // on success: host path of the submission file
};

// Packs `folder` into `packedArchive` (platform paths) and verifies the
// result; an earlier packed archive is kept until the new one is verified
// (its entries stay in the new one unless the folder replaces them).
HandInResult uPackFolder(const QString& packedArchive, const QString& folder, forms::Form* owner,
                         int timeoutMs = kArchiverTimeoutMs);

// Whether an archive (platform or host path) holds every file of a folder,
// under the folder's own name, with its size. On false, `why` says what.
bool archiveHoldsFolder(const QString& archive, const QString& folder, QString* why);

// Copies a packed archive as the submission file: temporary name in the
// target folder, flushed, compared, renamed into place (an older file of the
// same name is replaced only then). `source` is a platform path, `target`
// a host path. `progress` gets 0..100.
HandInResult uCopyFile(const QString& source, const QString& target, const std::function<void(int)>& progress = {});

struct HandIn {
    QString folder;          // platform path of the folder to pack
    QString packedArchive;   // platform path of the packed archive
    QString targetFolder;    // the chosen folder (host path)
    QString submissionName;  // file name of the submission file
    forms::Form* owner = nullptr;
    std::function<void(int)> progress;
    // Runs after the submission file is verified; false (with a message)
    // stops the hand-in before the folder is removed.
    std::function<bool(QString* why)> record;
    int timeoutMs = kArchiverTimeoutMs;
};

// The whole hand-in in the order above. The caller asks its questions and
// checks its own preconditions (ticked tasks) first, shows the message of a
// failure (HandInResult::message) and its own success text.
HandInResult uHandIn(const HandIn& h);

}  // namespace common
