#pragma once
// The workspace routines of the exercise windows: preparing the working
// folder, restoring an exercise and the clean-up when the window closes.
#include "common/guards.h"
#include "common/shell.h"
#include "platform/filesystem.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace forms {
class Form;
}

namespace common {

inline const QString kWorkFolder = QStringLiteral("D:\\实训素材");
inline const QString kWinsysFolder = QStringLiteral("D:\\winsys");
inline const QString kOperationBank = QStringLiteral("\\素材\\bk\\题库\\操作题\\");

// One exercise of an operation bank: kind K, point P, extension E; its name
// N is K followed by P. Paths returned are platform paths.
struct Exercise {
    QString kind;
    QString point;
    QString ext;
    QString bank = kOperationBank;  // relative to the program folder, ends with "\"
    // A question known by its own name in the bank rather than by a point
    // ("": the name is kind + point).
    QString question = {};
    // Base name of the working copy in 题目文档 ("": "题目_" + N).
    QString workingCopy = {};
    // Whether the bank has a material folder for it: exercises without
    // material exist, and then no material is copied or asked for.
    bool hasMaterial = true;

    QString name() const { return question.isEmpty() ? kind + point : question; }
    QString pristineDocument() const;  // bk\N.E
    QString documentFolder() const;    // 题目文档
    QString questionDocument() const;  // 题目文档\题目_N.E (or the working copy's name)
    QString documentProbe() const;     // 题目文档\1.E
    QString questionText() const;      // 题目内容\N.txt
    QString questionTemplate() const;  // 题目内容\框架\N.txt
    QString materialFolder() const;    // 素材\N
    QString sampleFolder() const;      // 样图\N
    QString ftpContent() const;        // the server folder's N
    QString videoCommand() const;      // \素材\video\K\N.txt
    bool isWindows() const { return kind == QStringLiteral("windows"); }
    bool isNetwork() const { return kind == QStringLiteral("network"); }
};

// Guard entries shared by the Load, the restore and the close.
GuardEntry workFolderProbe();
GuardEntry winsysProbe();
GuardEntry questionDocumentProbe(const Exercise& e);
GuardEntry explorerGuard(const QString& folderName);

// Whether the bank has the exercise's material folder (what a preparation
// records in Exercise::hasMaterial).
bool bankHasMaterial(const Exercise& e);

// The copies of a preparation or a restore that failed, for one message
// naming what is missing.
class CopyReport {
public:
    void add(const plat::fs::Status& s)
    {
        if (!s.ok()) failures_ << s;
    }
    bool complete() const { return failures_.isEmpty(); }
    // One line per failed copy: the entry and why, and how many more failed.
    QString describe() const;

private:
    QList<plat::fs::Status> failures_;
};

// uPrepareWorkingFolder, first half: when "D:\实训素材" exists, guard it
// (probe, Explorer windows on 实训素材 and winsys); when "D:\winsys" exists,
// probe it; then delete both. False when a guard refused (message shown,
// also given in `refusal`). A window with its own guard list passes it;
// without emptyWinsys "D:\winsys" is left as it is.
bool guardAndEmptyWorkingFolder(QWidget* owner, QString* refusal = nullptr,
                                 const std::optional<GuardList>& guards = std::nullopt, bool emptyWinsys = true);
// Second half: copy the material folder (when the exercise has one) to
// "D:\实训素材"; for Windows exercises move its "winsys" to "D:\winsys".
// The status of the first copy that failed.
[[nodiscard]] plat::fs::Status fillWorkingFolder(const Exercise& e);
// A fresh question document: the document folder emptied, the pristine
// document copied in as the question document. Fails (naming the folder)
// when the document folder is missing.
[[nodiscard]] plat::fs::Status renewQuestionDocument(const Exercise& e);

// The message for a preparation whose copies did not all succeed.
QString preparationIncompleteMessage(const CopyReport& report);

enum class RestoreResult { Refused, Declined, SourceMissing, Restored, Incomplete, Gone };
// The sources a restore needs that are gone (platform paths): the pristine
// document and the document folder always, the material (and for Windows
// exercises its "winsys") when the exercise has material, and the FTP
// content and mail sources when asked for.
QStringList missingRestoreSources(const Exercise& e, bool ftp = false, bool mail = false);
// The refusal naming them.
QString restoreMissingMessage(const QStringList& missing);
// The closing message of a restore whose copies did not all succeed.
QString restoreIncompleteMessage(const CopyReport& report);

// uRestoreExercise: guards, asks "是否恢复?", rebuilds the working folder,
// the networking part and the question document, says "题目已恢复" (or,
// Incomplete, names what could not be copied). Every source the exercise has
// is checked before anything is deleted; a missing one is named. The restore
// button shows "恢复中..." and it and the other buttons are disabled
// meanwhile. A window with its own guard list (order, messages) passes it.
RestoreResult uRestoreExercise(const Exercise& e, const QString& studentNumber, forms::Form* window,
                               const QString& restoreButton, const QStringList& otherButtons,
                               const std::optional<GuardList>& guards = std::nullopt);

// uCleanOnExit: guards the working folders and the question document (false:
// refused, message shown, the close is to be cancelled; a probe that fails
// for another reason than an open file says why and does not hold the
// window open), then deletes the working folders; a networking exercise's FTP server is stopped (and
// awaited) before its folder is deleted (false, nothing more done, when the
// window went away during that wait). A window with its own guard list
// passes it.
bool uCleanOnExit(const Exercise& e, forms::Form* window, const std::optional<GuardList>& guards = std::nullopt);

}  // namespace common
