#include "practice/advancedexercise.h"

#include "common/documents.h"
#include "common/guards.h"
#include "common/handover.h"
#include "common/navigation.h"
#include "common/questiontext.h"
#include "common/workspace.h"
#include "forms/runtime.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "common/messages.h"
#include "practice/advancedexercise_design.h"
#include "practice/messages.h"

#include <QPlainTextEdit>
#include <QRegularExpression>

namespace practice {

namespace fs = plat::fs;

namespace {

const QString kTree = QStringLiteral("\\素材\\bk\\高级应用\\");
const QString kLoadProbe = QStringLiteral("D:\\改名");
const QString kProbe = QStringLiteral("D:\\改名0");

QString tree(const QString& rel) { return plat::appPath(kTree + rel); }

// One in-use probe of a guard list, run only when its path exists.
struct Probe {
    QString path;
    QString probeName;
    QString message;
};

// The window's guard lists: in-use probes only, no file-manager check, each
// entry only when its path exists. The shared guard names a probe name left
// over from an interrupted run instead of taking it for an open file.
bool probesPass(const QList<Probe>& probes, QWidget* owner,
                common::UncheckedProbe unchecked = common::UncheckedProbe::Refuse)
{
    common::GuardList list;
    for (const Probe& p : probes)
        if (fs::listedExists(p.path)) list << common::GuardEntry::probe(p.path, p.probeName, true, p.message);
    return common::uCheckFoldersFree(list, owner, nullptr, unchecked);
}

// Lays the exercise out afresh: "D:\考生文件夹" from the material folder and
// the question document, alone in its folder, from the pristine one. The
// report names what failed.
common::CopyReport layOut(const AdvancedExercise& e)
{
    common::CopyReport out;
    if (fs::folderExists(kExamineeFolder)) out.add(fs::deleteFolder(kExamineeFolder, true));
    out.add(fs::copyFolder(e.materialFolder(), kExamineeFolder));
    const QString documents = AdvancedExercise::documentFolder();
    if (!fs::folderExists(documents)) {
        out.add(fs::createFolder(documents));
    } else if (const fs::Status s = fs::deleteFiles(documents, QStringLiteral("*.*")); s != fs::Status::NotFound) {
        out.add(s);  // NotFound: the folder held no file
    }
    out.add(fs::copyFile(e.pristineDocument(), e.questionDocument()));
    return out;
}

}  // namespace

QString AdvancedExercise::questionText() const { return tree(QStringLiteral("题目内容\\") + name() + QStringLiteral(".txt")); }
QString AdvancedExercise::pristineDocument() const { return tree(QStringLiteral("题目文档\\bk\\") + name() + '.' + ext); }
QString AdvancedExercise::documentFolder() { return tree(QStringLiteral("题目文档\\tm")); }
QString AdvancedExercise::questionDocument() const { return documentFolder() + QStringLiteral("\\题目") + number + '.' + ext; }
QString AdvancedExercise::documentProbe() const { return documentFolder() + QStringLiteral("\\改.") + ext; }
QString AdvancedExercise::materialFolder() const { return tree(QStringLiteral("素材\\") + name()); }
QString AdvancedExercise::effectFolder() const { return tree(QStringLiteral("参考效果\\") + name()); }

bool AdvancedExercise::wellFormed() const
{
    static const QRegularExpression twoDigits(QStringLiteral("^[0-9]{2}$"));
    static const QStringList kinds{QStringLiteral("word"), QStringLiteral("excel"), QStringLiteral("ppt")};
    return kinds.contains(kind) && twoDigits.match(number).hasMatch() && ext == common::extensionOf(kind);
}

namespace advanced {

QStringList missingSources(const AdvancedExercise& e)
{
    QStringList out;
    if (!fs::fileExists(e.pristineDocument())) out << msg::missingDocument(plat::displayPath(e.pristineDocument()));
    if (!fs::folderExists(e.materialFolder())) out << msg::missingMaterial(plat::displayPath(e.materialFolder()));
    return out;
}

}  // namespace advanced

AdvancedExerciseWindow::AdvancedExerciseWindow()
    : forms::Form(kAdvancedExerciseSpec, advancedExerciseDesign()),
      pictures_(this, common::PictureAreaLayout{.windowWidth = kAdvancedWidth,
                                                .foldedHeight = kAdvancedFoldedHeight,
                                                .margin = kAdvancedPictureMargin,
                                                .unfold = "参考效果",
                                                .fold = "收起效果",
                                                .stepButtonsFollowFold = false})
{
    pictures_.connectButtons();
    onClick(QStringLiteral("打开题目"), [this] { openQuestion(); });
    onClick(QStringLiteral("恢复本题"), [this] { restore(); });
    // 操作视频 has no action in this window.
    // The note names the examinee folder where the file manager shows it.
    forms::setCaption(ctl(QStringLiteral("注")),
                      QStringLiteral("【注意：考生文件夹路径为") + plat::displayPath(kExamineeFolder) + QStringLiteral("】"));
}

void AdvancedExerciseWindow::onLoad()
{
    setTopmost(true);
    common::readLineInto(state.studentKey, common::kIdentityFile, 1);

    // The working folder is guarded before anything else; a refusal leaves
    // the window as designed and nothing on disk changed.
    if (!probesPass({{kExamineeFolder, kLoadProbe, msg::kCloseDocumentAndFolder}}, this)) return;

    const auto line = [](int n) { return uReadTextLine(common::kAdvancedRequest, n).value_or(QString()); };
    const AdvancedExercise e{line(1), line(2), line(3)};
    if (!e.wellFormed()) {
        msgOk(msg::kNoRequest, this);
        return;
    }
    state.kind = e.kind;
    state.number = e.number;
    state.extension = e.ext;
    state.hasExercise = true;

    setOuterSizeTw(kAdvancedWidth, kAdvancedFoldedHeight);
    const QString title = uReadLastLine(common::kCallMarkerFile) == QStringLiteral("拓展训练")
                              ? QStringLiteral("拓展训练_") + e.kind + QStringLiteral("__") + e.number
                              : QStringLiteral("高级应用练习（") + e.kind + QStringLiteral("）_") + e.number;
    setCaption(common::userInfoCaption(title, state.studentKey));

    auto* text = ctl<QPlainTextEdit>(QStringLiteral("题目内容"));
    common::showQuestionTextOrNotice(text, e.questionText());
    ctl(QStringLiteral("File1"))->hide();
    pictures_.load(e.effectFolder());

    // Nothing is deleted unless everything it is rebuilt from is there.
    if (const QStringList missing = advanced::missingSources(e); !missing.isEmpty()) {
        msgOk(msg::sourcesMissing(msg::kTaskPrepare, missing), this);
        return;
    }
    const common::CopyReport laid = layOut(e);
    state.prepared = laid.complete();
    if (!state.prepared) msgOk(msg::preparationFailed(laid.describe()), this);
}

void AdvancedExerciseWindow::openQuestion()
{
    if (!state.hasExercise) {
        msgOk(msg::kNotReady, this);
        return;
    }
    const QString document = exercise().questionDocument();
    if (!fs::fileExists(document)) {
        msgOk(msg::documentMissing(plat::displayPath(document)), this);
        return;
    }
    common::uOpenDocument(document);
}

void AdvancedExerciseWindow::restore()
{
    if (!state.hasExercise) {
        msgOk(msg::kNotReady, this);
        return;
    }
    const AdvancedExercise e = exercise();
    if (!probesPass({{e.questionDocument(), e.documentProbe(), msg::kDocumentOpenAtRestore},
                     {kExamineeFolder, kProbe, msg::kFilesOpenAtRestore}},
                    this))
        return;
    if (const QStringList missing = advanced::missingSources(e); !missing.isEmpty()) {
        msgOk(msg::sourcesMissing(msg::kTaskRestore, missing), this);
        return;
    }
    if (!msgYesNo(common::msg::kAskRestore, this)) return;
    // The pristine document is copied back whatever became of the working
    // one (edited, deleted or renamed).
    const common::CopyReport laid = layOut(e);
    state.prepared = laid.complete();
    if (state.prepared) msgOk(common::msg::kRestored, this);
    else msgOk(msg::restoreFailed(laid.describe()), this);
}

void AdvancedExerciseWindow::onUnload(bool& cancel)
{
    if (!msgYesNo(common::msg::kAskExit, this) || !msgYesNo(msg::kAskExitClearsWork, this)) {
        cancel = true;
        return;
    }
    const AdvancedExercise e = exercise();
    if (!probesPass({{e.questionDocument(), e.documentProbe(), msg::kDocumentOpenAtExit},
                     {kExamineeFolder, kProbe, msg::kFilesOpenAtExit}},
                    this, common::UncheckedProbe::GoOn)) {
        cancel = true;
        return;
    }
    if (fs::folderExists(kExamineeFolder))
        fs::ignoreFailure(fs::deleteFolder(kExamineeFolder, true), "what stays is deleted by the next opening of an exercise");
    forms::show(common::kMainWindowName);
}

}  // namespace practice
