// The hand-in: the paper copy (with the answer file) and "D:\KS" gathered
// into the examinee archive, packed and verified, the submission file
// written and compared in the chosen folder, and only then the packed
// archive put into "已提交" (which refuses a second exam), the success
// message and the close. On any failure nothing is marked or deleted and
// the exam goes on.
#include "common/guards.h"
#include "common/messages.h"
#include "common/handin.h"
#include "common/servers.h"
#include "exam/examwindow.h"
#include "exam/messages.h"
#include "forms/runtime.h"
#include "platform/archive.h"
#include "platform/filesystem.h"
#include "platform/folderpicker.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>

namespace exam {

namespace fs = plat::fs;

void ExamWindow::chooseHandInFolder()
{
    msgOk(common::msg::kHandInFolderWarning, this);
    const QString folder = uBrowseForFolder(this, QStringLiteral("浏览文件夹"));
    if (!folder.isEmpty()) ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setText(folder);
}

void ExamWindow::setLocked(bool locked)
{
    for (const char* b : {"理论题", "操作题windows", "操作题word", "操作题excel", "操作题ppt", "操作题network",
                          "操作题选择提交路径", "操作题提交"})
        ctl(QString::fromUtf8(b))->setEnabled(!locked);
}

void ExamWindow::handIn()
{
    common::GuardList guards;
    guards << common::GuardEntry::explorer(QStringLiteral("PracticalTraining"), common::explorerOpenMessage(QStringLiteral("PracticalTraining")))
           << common::GuardEntry::probe(common::kFtpFolder, QStringLiteral("D:\\n改名"), true,
                                        common::filesOpenMessage(QStringLiteral("PracticalTraining")));
    if (!common::uCheckFoldersFree(guards, this)) return;
    if (!msgYesNo(msg::kAskHandIn, this)) return;
    if (!msgYesNo(msg::kAskHandInAgain, this)) return;
    const QString target = ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->text();
    if (target.isEmpty()) return msgOk(msg::kChooseHandInFolder, this);
    if (const QString problem = common::handInFolderProblem(target); !problem.isEmpty()) return msgOk(problem, this);

    const QString key = state.学生信息;
    const QString archive = plat::appPath(kArchiveRoot) + '\\' + key;
    QStringList missing;
    for (const QString& need : {archive, plat::appPath(kPaperCopy), kWorkTree})
        if (!fs::folderExists(need)) missing << plat::displayPath(need);
    if (key.isEmpty() || !missing.isEmpty()) {
        msgOk(msg::handInContentMissing(missing.join('\n')), this);
        return;
    }
    if (!common::askAboutOpenDocuments({kWorkTree, plat::appPath(kPaperCopy), common::kFtpFolder}, this)) return;
    // The answers as they stand now go into the archive.
    if (!saveAnswers()) return;

    setLocked(true);
    const auto failWith = [this](const QString& text) {
        setLocked(false);
        msgOk(text, this);
    };
    // Each attempt gathers exactly what the student has now: the archive
    // holds only copies (its template, the paper, D:\KS and, for an FTP
    // paper, what the student uploaded), so an earlier attempt's copies go
    // first. The folder itself stays: it tells the next start that this
    // exam is still going on.
    QStringList sources{plat::appPath(kArchiveTemplate), plat::appPath(kPaperCopy), kWorkTree};
    const bool ftp = isFtpPaper();
    if (ftp && fs::folderExists(common::kFtpFolder)) sources << common::kFtpFolder;
    for (const QString& old : fs::listSubFolders(archive))
        if (const fs::Status s = fs::deleteFolder(archive + '\\' + old, true); !s.ok())
            return failWith(msg::archiveNotCleared(s.describe()));
    for (const QString& old : fs::listFiles(archive))
        if (const fs::Status s = fs::deleteFile(archive + '\\' + old); !s.ok())
            return failWith(msg::archiveNotCleared(s.describe()));
    for (const QString& from : sources) {
        const QString into = from == common::kFtpFolder ? archive + QStringLiteral("\\PracticalTraining") : archive;
        if (from == plat::appPath(kArchiveTemplate) && !fs::folderExists(from)) continue;
        if (const fs::Status s = fs::copyFolder(from, into); !s.ok())
            return failWith(msg::answersNotArchived(s.describe()));
    }

    const QString staged = plat::appPath(kPacking) + '\\' + key + QStringLiteral(".rar");
    const QString packed = plat::appPath(kSubmitted) + '\\' + key + QStringLiteral(".rar");
    // A packing left by an earlier failed attempt does not go into this one.
    if (const fs::Status s = fs::deleteFile(staged, true); s == fs::Status::Failed)
        return failWith(msg::packingNotRemoved(s.describe()));
    common::removeInterruptedPacking(staged);
    common::HandIn h;
    h.folder = archive;
    h.packedArchive = staged;
    h.targetFolder = target;
    h.submissionName = QStringLiteral("Exam_") + state.试卷号 + '_' + key + QStringLiteral(".qvexam");
    h.owner = this;
    h.progress = [this](int p) { ctl<QProgressBar>(QStringLiteral("ProgressBar2"))->setValue(p); };
    h.record = [&](QString* why) {
        if (const fs::Status made = fs::makePath(QFileInfo(plat::toHost(packed)).absolutePath()); !made.ok()) {
            *why = msg::recordNotWritten(made.describe());
            return false;
        }
        if (plat::renameOver(plat::toHost(staged), plat::toHost(packed))) return true;
        *why = msg::recordNotWritten(plat::displayPath(packed));
        return false;
    };
    h.tell = [this] {
        state.handedIn = true;
        msgOk(common::msg::kHandInPacked, this);
    };
    const common::HandInResult r = common::handInFolder(h);
    if (!r.ok) return failWith(r.message);

    state.退出检测 = QStringLiteral("1");
    forms::unload(this);
}

}  // namespace exam
