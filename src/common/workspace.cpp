#include "common/workspace.h"
#include "common/messages.h"

#include "common/messages.h"
#include "common/processes.h"
#include "common/questiontext.h"
#include "common/servers.h"
#include "forms/form.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

#include <QAbstractButton>
#include <QPointer>

namespace common {

namespace fs = plat::fs;

namespace {
const QString kBs = QStringLiteral("\\");
}

QString Exercise::pristineDocument() const { return plat::appPath(bank + kind + QStringLiteral("\\bk\\") + name() + '.' + ext); }
QString Exercise::documentFolder() const { return plat::appPath(bank + kind + QStringLiteral("\\题目文档")); }
QString Exercise::questionDocument() const
{
    const QString base = workingCopy.isEmpty() ? QStringLiteral("题目_") + name() : workingCopy;
    return documentFolder() + kBs + base + '.' + ext;
}
QString Exercise::documentProbe() const { return documentFolder() + QStringLiteral("\\1.") + ext; }
QString Exercise::questionText() const { return plat::appPath(bank + kind + QStringLiteral("\\题目内容\\") + name() + QStringLiteral(".txt")); }
QString Exercise::questionTemplate() const
{
    return plat::appPath(bank + kind + QStringLiteral("\\题目内容\\框架\\") + name() + QStringLiteral(".txt"));
}
QString Exercise::materialFolder() const { return plat::appPath(bank + kind + QStringLiteral("\\素材\\") + name()); }
QString Exercise::sampleFolder() const { return plat::appPath(bank + kind + QStringLiteral("\\样图\\") + name()); }
QString Exercise::ftpContent() const { return plat::appPath(kExerciseServerFolder + kBs + name()); }
QString Exercise::videoCommand() const
{
    return plat::appPath(QStringLiteral("\\素材\\video\\") + kind + kBs + name() + QStringLiteral(".txt"));
}

GuardEntry workFolderProbe()
{
    return GuardEntry::probe(kWorkFolder, QStringLiteral("D:\\改名"), true, msg::kCloseOpenWorkFiles);
}

GuardEntry winsysProbe()
{
    return GuardEntry::probe(kWinsysFolder, QStringLiteral("D:\\改名winsys"), true, msg::kCloseOpenWinsysFiles);
}

GuardEntry questionDocumentProbe(const Exercise& e)
{
    return GuardEntry::probe(e.questionDocument(), e.documentProbe(), true, msg::kCloseOpenDocuments);
}

GuardEntry explorerGuard(const QString& folderName) { return GuardEntry::explorer(folderName, explorerOpenMessage(folderName)); }

bool bankHasMaterial(const Exercise& e) { return fs::folderExists(e.materialFolder()); }

QString CopyReport::describe() const
{
    QStringList lines;
    int more = 0;
    for (const fs::Status& s : failures_) {
        lines << s.describe();
        more += s.failures() - 1;
    }
    if (more > 0) lines << QStringLiteral("另有 %1 项未能复制").arg(more);
    return lines.join('\n');
}

namespace {

// The guard lists of the shared routines, for windows that pass none of
// their own.
GuardList preparationGuards()
{
    GuardList list;
    if (fs::folderExists(kWorkFolder))
        list << workFolderProbe() << explorerGuard(QStringLiteral("实训素材")) << explorerGuard(QStringLiteral("winsys"));
    // The Windows exercises' folder is checked like the material folder, so
    // that nothing of an earlier exercise is left in it.
    if (fs::folderExists(kWinsysFolder)) list << winsysProbe();
    return list;
}

// "D:\winsys" is probed like "D:\实训素材": a file held open there would
// otherwise leave a half-deleted folder under the rebuilt one.
GuardList restoreGuards(const Exercise& e, bool ftpText)
{
    GuardList list;
    list << questionDocumentProbe(e) << workFolderProbe() << winsysProbe() << explorerGuard(QStringLiteral("实训素材"))
         << explorerGuard(QStringLiteral("winsys")) << explorerGuard(QStringLiteral("PracticalTraining"));
    if (ftpText) list << GuardEntry::probe(kFtpFolder, QStringLiteral("D:\\改名0"), true, msg::kCloseOpenFiles);
    return list;
}

GuardList closeGuards(const Exercise& e)
{
    GuardList list;
    if (fs::folderExists(kWorkFolder))
        list << workFolderProbe() << explorerGuard(QStringLiteral("实训素材")) << explorerGuard(QStringLiteral("winsys"))
             << explorerGuard(QStringLiteral("PracticalTraining"));
    // The close deletes a Windows exercise's "D:\winsys": it is guarded as
    // the restore guards it.
    if (e.isWindows() && fs::folderExists(kWinsysFolder)) {
        list << winsysProbe();
        if (!fs::folderExists(kWorkFolder)) list << explorerGuard(QStringLiteral("winsys"));
    }
    return list << questionDocumentProbe(e);
}

}  // namespace

bool guardAndEmptyWorkingFolder(QWidget* owner, QString* refusal, const std::optional<GuardList>& guards, bool emptyWinsys)
{
    if (!uCheckFoldersFree(guards ? *guards : preparationGuards(), owner, refusal)) return false;
    // The working folders are the platform's: a file the exercise had the
    // student make read-only goes with them.
    fs::ignoreFailure(fs::deleteFolder(kWorkFolder, true), "a held file stays; the copy overwrites what it can");
    if (emptyWinsys) fs::ignoreFailure(fs::deleteFolder(kWinsysFolder, true), "a held file stays; the copy overwrites what it can");
    return true;
}

fs::Status fillWorkingFolder(const Exercise& e)
{
    if (!e.hasMaterial) return fs::Status::Ok;
    const fs::Status copied = fs::copyFolder(e.materialFolder(), kWorkFolder);
    if (!e.isWindows()) return copied;
    const fs::Status moved = fs::copyFolder(kWorkFolder + QStringLiteral("\\winsys"), QStringLiteral("D:\\"));
    fs::ignoreFailure(fs::deleteFolder(kWorkFolder, true), "only D:\\winsys is kept; what stays of the copy does no harm");
    return copied.ok() ? moved : copied;
}

fs::Status renewQuestionDocument(const Exercise& e)
{
    if (!fs::folderExists(e.documentFolder())) return {fs::Status::NotFound, e.documentFolder(), QStringLiteral("文件夹不存在")};
    fs::ignoreFailure(fs::deleteFiles(e.documentFolder(), QStringLiteral("*.*")), "the copy below replaces the document itself");
    return fs::copyFile(e.pristineDocument(), e.questionDocument());
}

QString preparationIncompleteMessage(const CopyReport& report)
{
    return QStringLiteral("题目未能完全准备好，以下文件未能复制：\n") + report.describe() +
           QStringLiteral("\n请关闭占用它们的程序或联系老师，然后点击“恢复本题”。");
}

QStringList missingRestoreSources(const Exercise& e, bool ftp, bool mail)
{
    QStringList missing;
    if (!fs::fileExists(e.pristineDocument())) missing << e.pristineDocument();
    if (!fs::folderExists(e.documentFolder())) missing << e.documentFolder();
    QStringList folders;
    if (e.hasMaterial) folders << e.materialFolder();
    if (e.hasMaterial && e.isWindows()) folders << e.materialFolder() + QStringLiteral("\\winsys");
    if (ftp) folders << e.ftpContent();
    if (mail) folders << mailSources();
    for (const QString& f : folders)
        if (!fs::folderExists(f)) missing << f;
    return missing;
}

QString restoreMissingMessage(const QStringList& missing)
{
    QStringList shown;
    for (const QString& p : missing) shown << plat::displayPath(p);
    return QStringLiteral("本题的以下原始文件缺失，无法恢复本题！请联系老师检查题库：\n") + shown.join('\n');
}

QString restoreIncompleteMessage(const CopyReport& report)
{
    return QStringLiteral("题目未能完全恢复，以下文件未能复制：\n") + report.describe() +
           QStringLiteral("\n请关闭占用它们的程序或联系老师，然后再点击“恢复本题”。");
}

namespace {

void setButtons(forms::Form* window, const QString& restoreButton, const QStringList& others, bool enabled)
{
    if (auto* b = window->ctl<QAbstractButton>(restoreButton)) {
        b->setEnabled(enabled);
        b->setText(enabled ? QStringLiteral("恢复本题") : QStringLiteral("恢复中..."));
    }
    for (const QString& name : others)
        if (QWidget* w = window->ctl(name)) w->setEnabled(enabled);
}

}  // namespace

RestoreResult uRestoreExercise(const Exercise& e, const QString& studentNumber, forms::Form* window,
                               const QString& restoreButton, const QStringList& otherButtons,
                               const std::optional<GuardList>& guards)
{
    if (uIsProcessRunning(kMailClientProcess)) {
        msgOk(msg::kCloseMailClientFirst, window);
        return RestoreResult::Refused;
    }
    // An unreadable question text counts as naming neither server. The two
    // phrases are tested each on its own: a text with both restores both.
    const QString text = readQuestionText(e.questionText()).value_or(QString());
    const bool ftpText = text.contains(QStringLiteral("文件传输协议"));
    const bool ftp = e.isNetwork() && ftpText;
    const bool mail = e.isNetwork() && text.contains(QStringLiteral("邮件管理器"));

    if (!uCheckFoldersFree(guards ? *guards : restoreGuards(e, ftpText), window)) return RestoreResult::Refused;

    // Nothing is deleted unless everything it is rebuilt from is there.
    if (const QStringList missing = missingRestoreSources(e, ftp, mail); !missing.isEmpty()) {
        msgOk(restoreMissingMessage(missing), window);
        return RestoreResult::SourceMissing;
    }

    if (!msgYesNo(msg::kAskRestore, window)) return RestoreResult::Declined;

    QPointer<forms::Form> alive(window);
    setButtons(window, restoreButton, otherButtons, false);
    CopyReport report;
    fs::ignoreFailure(fs::deleteFolder(kWorkFolder, true), "a held file stays; the copy overwrites what it can");
    if (e.isWindows()) fs::ignoreFailure(fs::deleteFolder(kWinsysFolder, true), "a held file stays; the copy overwrites what it can");
    report.add(fillWorkingFolder(e));
    if (ftp) {
        fs::ignoreFailure(fs::deleteFolder(kFtpFolder, true), "a held file stays; the copy overwrites what it can");
        report.add(fs::copyFolder(e.ftpContent(), kFtpFolder));
    }
    if (mail) {
        if (stopServerAndWait(exerciseTools(), kMailServerProcess, window) == WaitResult::Gone || !alive)
            return RestoreResult::Gone;
        resetMailboxes(studentNumber);
        // A server that still runs or does not start tells the student itself.
        (void)startServerIfStopped(kMailServerProcess, kMailServerExe, plat::WindowStyle::Hidden, window);
        resetMailClient();
    }
    report.add(renewQuestionDocument(e));
    msgOk(report.complete() ? msg::kRestored : restoreIncompleteMessage(report), window);
    setButtons(window, restoreButton, otherButtons, true);
    return report.complete() ? RestoreResult::Restored : RestoreResult::Incomplete;
}

bool uCleanOnExit(const Exercise& e, forms::Form* window, const std::optional<GuardList>& guards)
{
    if (!uCheckFoldersFree(guards ? *guards : closeGuards(e), window, nullptr, UncheckedProbe::GoOn)) return false;

    fs::ignoreFailure(fs::deleteFolder(kWorkFolder, true), "the next preparation deletes what stays");
    if (e.isWindows()) fs::ignoreFailure(fs::deleteFolder(kWinsysFolder, true), "the next preparation deletes what stays");
    if (e.isNetwork()) {
        // The FTP server serves the folder: it goes first. A window that went
        // away meanwhile is not closed a second time.
        if (stopServerAndWait(exerciseTools(), kFtpServerProcess, window) == WaitResult::Gone) return false;
        fs::ignoreFailure(fs::deleteFolder(kFtpFolder, true), "the next preparation deletes what stays");
    }
    return true;
}

}  // namespace common
