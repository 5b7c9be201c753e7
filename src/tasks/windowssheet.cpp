// The Windows sheet of 任务项目窗格: its two pages, the screenshot pickers,
// the Windows question of page 2 with its restore, and the folder button.
#include "common/documents.h"
#include "common/guards.h"
#include "common/messages.h"
#include "common/questiontext.h"
#include "forms/controls.h"
#include "forms/twips.h"
#include "platform/filepicker.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/result.h"
#include "tasks/messages.h"
#include "tasks/taskentry.h"
#include "tasks/taskwindow.h"
#include "tasks/taskwindow_design.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tasks {

namespace fs = plat::fs;

namespace {
const QString kSheetFolder = QStringLiteral("D:\\SXWIN");
// The page-2 set-up skips a failing step and goes on; what the student needs
// is shown (or missing) in the question text and the folder.
void skip(const fs::Status& s) { fs::ignoreFailure(s, "page-2 set-up goes on"); }
}  // namespace

void TaskWindow::showSheetPage1()
{
    ctl("windows任务区2")->hide();
    QWidget* page = ctl("windows任务区1");
    page->show();
    forms::moveTw(page, forms::leftTw(page), 0);
    setOuterSizeTw(forms::widthTw(page) + kPage1WidthMargin, forms::heightTw(page) + kPage1HeightMargin);
}

void TaskWindow::showSheetPage2()
{
    ctl("windows任务区1")->hide();
    QWidget* page = ctl("windows任务区2");
    page->show();
    forms::moveTw(page, 0, 0);
    setOuterSizeTw(forms::widthTw(page) + kPage2WidthMargin, forms::heightTw(page) + kPage2HeightMargin);
    state.area = QStringLiteral("windows");
    state.extension = QStringLiteral("win");
    state.workFolder = QStringLiteral("SXWIN");
    state.questionNumber = QStringLiteral("01");

    common::GuardList guards;
    guards << common::GuardEntry::explorer(QStringLiteral("SXWIN"), common::explorerOpenMessage(QStringLiteral("SXWIN")))
           << common::GuardEntry::probe(kSheetFolder, QStringLiteral("D:\\win改名"), true,
                                        common::filesOpenMessage(QStringLiteral("SXWIN")))
           << common::GuardEntry::probe(plat::appPath(kTaskTree), plat::appPath(kTaskTreeProbe), true,
                                        common::msg::kCloseOpenDocuments);
    if (!common::uCheckFoldersFree(guards, this)) return;

    const QString k = state.area, q = state.questionNumber;
    const QString pristine = taskTreePath(QStringLiteral("\\初始化\\windows"));
    // The working copy is replaced only when its pristine copy is there.
    if (fs::folderExists(pristine)) {
        skip(fs::deleteFolder(taskTreePath(QStringLiteral("\\windows"))));
        skip(fs::copyFolder(pristine, taskTreePath(QStringLiteral("\\windows"))));
    }
    state.sheetMaterialFolders = fs::listSubFolders(taskTreePath(QStringLiteral("\\题库\\windows\\素材")));
    const QString bank = taskTreePath(QStringLiteral("\\题库\\") + k);
    const QString personal = bank + QStringLiteral("\\题目内容_改\\1.txt");
    skip(fs::makePath(bank + QStringLiteral("\\题目内容_改")));
    // Page-2 set-up goes on; the text box below stays empty without the text.
    plat::ignoreFailure(common::uPersonaliseQuestionText(bank + QStringLiteral("\\题目内容\\1.txt"), personal,
                                                         {{QStringLiteral("C:\\kaoshi\\windows"), plat::displayPath(kSheetFolder)}}),
                        "page-2 set-up goes on");
    const QString shown = taskTreePath(QStringLiteral("\\windows\\题目内容\\windows01.txt"));
    skip(fs::copyFile(personal, shown));
    skip(fs::copyFile(bank + QStringLiteral("\\题目文档\\1.win"), taskTreePath(QStringLiteral("\\windows\\bk\\windows01.win"))));
    skip(fs::copyFile(bank + QStringLiteral("\\题目文档\\1.win"), taskTreePath(QStringLiteral("\\windows\\题目文档\\windows_题目_01.win"))));
    skip(fs::makePath(kSheetFolder));
    if (state.sheetMaterialFolders.contains(q)) {
        const QString material = taskTreePath(QStringLiteral("\\题库\\windows\\素材\\") + q);
        skip(fs::copyFolder(material, kSheetFolder));
        skip(fs::copyFolder(material, taskTreePath(QStringLiteral("\\windows\\素材\\实训素材\\01"))));
    }
    if (!common::showQuestionText(ctl<QPlainTextEdit>(QStringLiteral("操作题题目内容")), shown))
        msgOk(common::questionTextUnreadableMessage(shown), this);
}

void TaskWindow::uPickScreenshot(const char* box)
{
    auto* edit = ctl<QLineEdit>(QString::fromUtf8(box));
    // One dialog per page: it opens on the file chosen last on that page.
    QString& last = ctl("windows任务区1")->isAncestorOf(edit) ? lastPick1_ : lastPick2_;
    const QString chosen = plat::filePicker().pick(this, last);
    if (chosen.isEmpty()) return;
    last = chosen;
    edit->setText(chosen);
}

void TaskWindow::restoreSheetQuestion()
{
    const QString q = state.questionNumber;
    const QString w = QStringLiteral("D:\\") + state.workFolder;
    if (!msgYesNo(common::msg::kAskRestore, this)) return;
    common::GuardList guards;
    guards << common::GuardEntry::probe(kSheetFolder, QStringLiteral("D:\\改名win"), true,
                                        common::filesOpenMessage(QStringLiteral("SXWIN")))
           << common::GuardEntry::explorer(QStringLiteral("SXWIN"), common::explorerOpenMessage(QStringLiteral("SXWIN")));
    if (!common::uCheckFoldersFree(guards, this)) return;
    // The source is checked before the student's folder is deleted.
    const QString source = taskTreePath(QStringLiteral("\\windows\\素材\\实训素材\\") + q);
    if (!fs::folderExists(source)) {
        msgOk(msg::sheetMaterialMissing(plat::displayPath(source), plat::displayPath(kSheetFolder)), this);
        return;
    }
    if (!fs::ok(fs::deleteFolder(w, true)) || !fs::ok(fs::copyFolder(source, kSheetFolder))) {
        msgOk(msg::sheetRestoreNotDone(plat::displayPath(kSheetFolder)), this);
        return;
    }
    msgOk(common::msg::kRestored, this);
}

void TaskWindow::openSheetFolder()
{
    if (state.area == QStringLiteral("windows")) common::uOpenFolder(QStringLiteral("D:\\") + state.workFolder);
}

}  // namespace tasks
