// The operation pages of the exam (one routine over the kind table), their
// document and folder buttons, the back button and the restore of one
// operation question.
#include "common/documents.h"
#include "common/guards.h"
#include "common/messages.h"
#include "common/questiontext.h"
#include "exam/examwindow.h"
#include "exam/messages.h"
#include "exam/examwindow_design.h"
#include "forms/design.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

#include <QDir>
#include <QPlainTextEdit>

namespace exam {

namespace fs = plat::fs;

namespace {

QString paperPath(const QString& rel) { return plat::appPath(kPaperCopy + '\\' + rel); }

// The question document of a kind in the paper copy, or in bank paper p.
QString documentOf(const QString& paperFolder, const QString& kind, const QString& ext)
{
    return paperFolder + '\\' + kind + QStringLiteral("\\题目文档\\") + kind + QStringLiteral("考查题.") + ext;
}

}  // namespace

void ExamWindow::openPage(const PageKind& k)
{
    const QString kind = QString::fromUtf8(k.kind);
    for (const char* p : {"综合考查简介", "题型选择区", "选择题区"}) ctl(QString::fromUtf8(p))->hide();
    ctl("操作题区")->show();
    for (const char* b : {"样式", "折叠", "样式上一张", "样式下一张", "考生文件夹"}) ctl(QString::fromUtf8(b))->hide();

    QWidget* page = ctl("操作题区");
    QWidget* content = ctl("操作题内容区");
    forms::moveTw(page, 30, 0);
    setOuterSizeTw(forms::widthTw(page) + kPanelWidthMargin, forms::topTw(content) + forms::heightTw(content) + kPageHeightMargin);
    setCaption(QStringLiteral("【") + state.学生信息 + QStringLiteral("】正在答题"));
    forms::setCaption(ctl("操作题标题"), QStringLiteral("====＞") + forms::caption(ctl(QString::fromUtf8(k.button))) + QStringLiteral("＜===="));
    state.操作题题型 = kind;
    state.扩展名 = QString::fromUtf8(k.ext);
    state.素材文件夹 = QString::fromUtf8(k.folder);
    style_.clearPicture();

    // The personalised text is rebuilt from the paper's text on every visit.
    const QString text = paperPath(kind + QStringLiteral("\\题目内容\\") + kind + QStringLiteral(".txt"));
    const QString personal = paperPath(kind + QStringLiteral("\\题目内容_改\\") + kind + QStringLiteral(".txt"));
    common::Placeholders ph{{QStringLiteral("任务素材文件夹"), plat::displayPath(kWorkTree + '\\' + state.素材文件夹)}};
    // No address found: the text never shows a placeholder.
    if (kind == QLatin1String("network")) ph << qMakePair(QStringLiteral("strLocalIP"), state.nIP == QLatin1String("nIP") ? QString() : state.nIP);
    // A folder that cannot be made fails the write below, which says so.
    fs::ignoreFailure(fs::makePath(paperPath(kind + QStringLiteral("\\题目内容_改"))), "the text written next names it");
    auto* box = ctl<QPlainTextEdit>(QStringLiteral("操作题题目内容"));
    if (!common::uPersonaliseQuestionText(text, personal, ph) || !common::showQuestionText(box, personal)) {
        box->clear();
        msgOk(msg::questionTextUnreadable(plat::displayPath(text)), this);
    }

    // Sample pictures: offered when the folder has any picture; the viewer
    // lists the ".jpg" ones.
    const QString samples = paperPath(kind + QStringLiteral("\\样图"));
    if (!fs::listFiles(samples, QStringLiteral("*.bmp;*.jpg;*.png")).isEmpty()) {
        ctl("样式")->show();
        const int count = style_.setFolder(samples);
        if (count >= 1) style_.uShowPicture(0);
        for (const char* b : {"样式上一张", "样式下一张"}) {
            ctl(QString::fromUtf8(b))->setVisible(count >= 2);
            ctl(QString::fromUtf8(b))->setEnabled(false);
        }
    }
    if (!fs::listFiles(paperPath(kind + QStringLiteral("\\素材")), QStringLiteral("*.*")).isEmpty()) ctl("考生文件夹")->show();
    if (k.officePage) {
        ctl("开始答题")->show();
    } else {
        ctl("考生文件夹")->hide();
        ctl("开始答题")->hide();
    }
}

void ExamWindow::backToTypes() { showTypes(); }

void ExamWindow::openDocument()
{
    common::uOpenDocument(documentOf(plat::appPath(kPaperCopy), state.操作题题型, state.扩展名));
}

void ExamWindow::openWorkFolder() { common::uOpenFolder(kWorkTree + '\\' + state.素材文件夹); }

void ExamWindow::restoreQuestion()
{
    const PageKind* k = findKind(state.操作题题型);
    if (!k) return;
    const QString kind = state.操作题题型, ext = state.扩展名, folder = state.素材文件夹;
    const QString work = kWorkTree + '\\' + folder;
    const QString doc = documentOf(plat::appPath(kPaperCopy), kind, ext);
    const QString docProbe = plat::appPath(kPaperCopy) + '\\' + kind + QStringLiteral("\\题目文档\\") + kind + QStringLiteral("考查题_改.") + ext;
    const QString bankPaper = plat::appPath(kBank) + '\\' + state.试卷号;
    const QString pristine = documentOf(bankPaper, kind, ext);
    const QString material = bankPaper + '\\' + kind + (kind == QLatin1String("network") ? QStringLiteral("\\素材2") : QStringLiteral("\\素材"));

    common::GuardList guards;
    if (fs::folderExists(work))
        guards << common::GuardEntry::probe(work, work + QStringLiteral("改"), true, common::msg::kCloseOpenFilesBeforeReset);
    guards << common::GuardEntry::explorer(folder, common::explorerOpenMessage(folder), work)
           << common::GuardEntry::probe(doc, docProbe, true, common::msg::kCloseDocument);
    if (!common::uCheckFoldersFree(guards, this)) return;

    // Nothing is deleted unless everything it is rebuilt from is there.
    QStringList missing;
    if (!fs::fileExists(pristine)) missing << plat::displayPath(pristine);
    if (!fs::folderExists(material)) missing << plat::displayPath(material);
    if (!missing.isEmpty()) {
        msgOk(msg::restoreSourcesMissing(missing.join('\n')), this);
        return;
    }
    if (!msgYesNo(common::msg::kAskRestore, this)) return;

    QStringList failed;
    const auto note = [&failed](const fs::Status& s) {
        if (!s.ok()) failed << s.describe();
    };
    if (fs::folderExists(work)) note(fs::deleteFolder(work, true));
    if (failed.isEmpty()) {
        note(fs::makePath(work));
        if (failed.isEmpty()) note(fs::copyFolder(material, work));
        note(fs::copyFile(pristine, doc));
    }
    if (!failed.isEmpty()) {
        msgOk(msg::restoreIncomplete(failed.join('\n')), this);
        return;
    }
    msgOk(common::msg::kRestored, this);
}

}  // namespace exam
