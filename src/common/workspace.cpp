#include "common/workspace.h"

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
    return GuardEntry::probe(kWorkFolder, QStringLiteral("D:\\改名"), true, QStringLiteral("请关闭已经打开的实训素材文件 >_<"));
}

GuardEntry winsysProbe()
{
    return GuardEntry::probe(kWinsysFolder, QStringLiteral("D:\\改名winsys"), true, QStringLiteral("请关闭已经打开的winsys文件 >_<"));
}

GuardEntry questionDocumentProbe(const Exercise& e)
{
    return GuardEntry::probe(e.questionDocument(), e.documentProbe(), true, QStringLiteral("请关闭已经打开的题目文档 >_<"));
}

GuardEntry explorerGuard(const QString& folderName) { return GuardEntry::explorer(folderName, explorerOpenMessage(folderName)); }

bool uGuardAndEmptyWorkingFolder(QWidget* owner, const std::optional<GuardList>& guards, bool emptyWinsys)
{
    GuardList list;
    if (fs::folderExists(kWorkFolder))
        list << workFolderProbe() << explorerGuard(QStringLiteral("实训素材")) << explorerGuard(QStringLiteral("winsys"));
    // The Windows exercises' folder is checked like the material folder, so
    // that nothing of an earlier exercise is left in it.
    if (fs::folderExists(kWinsysFolder)) list << winsysProbe();
    if (!uCheckFoldersFree(guards.value_or(list), owner)) return false;
    fs::deleteFolder(kWorkFolder);
    if (emptyWinsys) fs::deleteFolder(kWinsysFolder);
    return true;
}

void uFillWorkingFolder(const Exercise& e)
{
    fs::copyFolder(e.materialFolder(), kWorkFolder);
    if (e.isWindows()) {
        fs::copyFolder(kWorkFolder + QStringLiteral("\\winsys"), QStringLiteral("D:\\"));
        fs::deleteFolder(kWorkFolder);
    }
}

void uRenewQuestionDocument(const Exercise& e)
{
    fs::deleteFiles(e.documentFolder(), QStringLiteral("*.*"));
    fs::copyFile(e.pristineDocument(), e.questionDocument());
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
        uMsgOk(QStringLiteral("请关闭邮件管理器后再进行恢复操作！"), window);
        return RestoreResult::Refused;
    }
    // An unreadable question text counts as naming neither server. The two
    // phrases are tested each on its own: a text with both restores both.
    const QString text = uReadQuestionText(e.questionText()).value_or(QString());
    const bool ftpText = text.contains(QStringLiteral("文件传输协议"));
    const bool ftp = e.isNetwork() && ftpText;
    const bool mail = e.isNetwork() && text.contains(QStringLiteral("邮件管理器"));

    // "D:\winsys" is probed like "D:\实训素材": a file held open there would
    // otherwise leave a half-deleted folder under the rebuilt one.
    GuardList list;
    list << questionDocumentProbe(e) << workFolderProbe() << winsysProbe() << explorerGuard(QStringLiteral("实训素材"))
         << explorerGuard(QStringLiteral("winsys")) << explorerGuard(QStringLiteral("PracticalTraining"));
    if (ftpText) list << GuardEntry::probe(kFtpFolder, QStringLiteral("D:\\改名0"), true, QStringLiteral("请关闭已经打开的文件 >_<"));
    if (!uCheckFoldersFree(guards.value_or(list), window)) return RestoreResult::Refused;

    // Nothing is deleted unless everything it is rebuilt from is there.
    QStringList folders{e.materialFolder()};
    if (e.isWindows()) folders << e.materialFolder() + QStringLiteral("\\winsys");
    if (ftp) folders << e.ftpContent();
    if (mail) folders << mailSources();
    bool complete = fs::fileExists(e.pristineDocument());
    for (const QString& f : folders) complete = complete && fs::folderExists(f);
    if (!complete) {
        uMsgOk(kRestoreMissingMessage, window);
        return RestoreResult::SourceMissing;
    }

    if (!uMsgYesNo(QStringLiteral("是否恢复?"), window)) return RestoreResult::Declined;

    QPointer<forms::Form> alive(window);
    setButtons(window, restoreButton, otherButtons, false);
    fs::deleteFolder(kWorkFolder);
    if (e.isWindows()) fs::deleteFolder(kWinsysFolder);
    uFillWorkingFolder(e);
    if (ftp) {
        fs::deleteFolder(kFtpFolder);
        fs::copyFolder(e.ftpContent(), kFtpFolder);
    }
    if (mail) {
        if (uStopServerAndWait(exerciseTools(), kMailServerProcess, window) == WaitResult::Gone || !alive)
            return RestoreResult::Gone;
        uResetMailboxes(studentNumber);
        uStartMailServer();
        uResetMailClient();
    }
    uRenewQuestionDocument(e);
    uMsgOk(QStringLiteral("题目已恢复"), window);
    setButtons(window, restoreButton, otherButtons, true);
    return RestoreResult::Restored;
}

bool uCleanOnExit(const Exercise& e, forms::Form* window, const std::optional<GuardList>& guards)
{
    GuardList list;
    if (fs::folderExists(kWorkFolder))
        list << workFolderProbe() << explorerGuard(QStringLiteral("实训素材")) << explorerGuard(QStringLiteral("winsys"))
             << explorerGuard(QStringLiteral("PracticalTraining"));
    list << questionDocumentProbe(e);
    if (!uCheckFoldersFree(guards.value_or(list), window)) return false;

    fs::deleteFolder(kWorkFolder);
    if (e.isWindows()) fs::deleteFolder(kWinsysFolder);
    if (e.isNetwork()) {
        // The FTP server serves the folder: it goes first.
        uStopServerAndWait(exerciseTools(), kFtpServerProcess, window);
        fs::deleteFolder(kFtpFolder);
    }
    return true;
}

}  // namespace common
