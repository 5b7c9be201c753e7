#pragma once
// The hand-in: a student's work packed into one archive and handed over as a
// submission file in a folder the student picks. Nothing is marked, moved or
// deleted before the result is verified; on any failure the student is told
// what failed and where, and everything stays as it was so that the hand-in
// can be tried again.
//
// Order of handInFolder:
//   1. the chosen folder is checked (handInFolderProblem);
//   2. the folder is packed with the archiver ("a", it stays where it is)
//      into a new archive beside the packed archive (an earlier packed
//      archive is copied into it first), awaited with a time-out while the
//      window is busy, and verified: exit code 0, the archive opens as a
//      whole, every entry's data reads back and equals the file it was
//      packed from, and the entries are exactly the folder's files and
//      those the earlier archive kept;
//   3. the submission file is written under a temporary name in the chosen
//      folder, flushed, compared with the new archive byte for byte and
//      renamed into place;
//   4. only then does the new archive replace the packed archive, and the
//      caller's record step (marks file, labels) runs;
//   5. the caller tells the student;
//   6. the packed folder is removed.
// A temporary name never counts as a hand-in; an interrupted hand-in leaves
// the student's folder and any earlier packed archive as they were.
#include <QSet>
#include <QString>
#include <functional>

class QWidget;

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

// Documents under these paths (platform paths of files or folders) that an
// office program still has open, as shown to the student. Their unsaved
// edits would be missing from a hand-in.
QStringList openOfficeDocuments(const QStringList& paths);

// Asks, when a document under these paths is still open, whether to hand in
// without its unsaved edits; true when none is open or the student says so.
bool askAboutOpenDocuments(const QStringList& paths, QWidget* owner);

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

// Whether an archive (platform or host path) holds exactly the files of a
// folder, under the folder's own name, each with the same bytes, plus the
// entries named in `kept` (an earlier archive's) and nothing else. The
// archive is read whole. On false, `why` says what differs.
bool archiveHoldsFolder(const QString& archive, const QString& folder, QString* why, const QSet<QString>& kept = {});

// The name a hand-in packs under before the result is verified, beside the
// packed archive (platform path in, host path out). Such a file never counts
// as handed in; removeInterruptedPacking() removes what a killed hand-in
// left beside a packed archive.
QString packingName(const QString& packedArchive);
void removeInterruptedPacking(const QString& packedArchive);

// Whether a file name is an office program's lock file (".~lock.<name>#"):
// it names the user and machine and is never handed in.
bool isOfficeLockFile(const QString& fileName);

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
    // 0..100 while the submission file is written; -1 while the archiver
    // runs (no share known: the bar shows that work goes on).
    std::function<void(int)> progress;
    // Runs after the submission file is verified; false (with a message)
    // stops the hand-in before the folder is removed.
    std::function<bool(QString* why)> record;
    // Runs after the record, before the packed folder is removed: the
    // student hears of the verified hand-in without waiting for the delete.
    std::function<void()> tell;
    int timeoutMs = kArchiverTimeoutMs;
    // Entry names of the earlier packed archive that this hand-in packs
    // anew ("<folder>/Mission_One/" for a folder, "<folder>/a.docx" for a
    // file): they are left out of the copy the archiver adds to, so what the
    // student deleted since does not come back.
    QStringList replaces;
};

// The whole hand-in in the order above. The caller asks its questions and
// checks its own preconditions (ticked tasks) first, shows the message of a
// failure (HandInResult::message) and its own success text.
HandInResult handInFolder(const HandIn& h);

}  // namespace common
