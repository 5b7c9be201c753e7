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
#include "practice/advancedexercise_design.h"

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

QString quoted(const QString& path) { return QStringLiteral("“") + plat::displayPath(path) + QStringLiteral("”"); }

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
    if (!fs::fileExists(e.pristineDocument())) out << QStringLiteral("原始题目文档") + quoted(e.pristineDocument());
    if (!fs::folderExists(e.materialFolder())) out << QStringLiteral("素材文件夹") + quoted(e.materialFolder());
    return out;
}

QString missingSourcesMessage(const QString& task, const QStringList& missing)
{
    return QStringLiteral("本题的素材不全，无法") + task + QStringLiteral("，缺少：\n") + missing.join('\n') +
           QStringLiteral("\n考生文件夹和题目文档都没有改动。请联系老师检查素材文件夹。");
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
    common::readLineInto(学号, common::kIdentityFile, 1);

    // The working folder is guarded before anything else; a refusal leaves
    // the window as designed and nothing on disk changed.
    if (!probesPass({{kExamineeFolder, kLoadProbe, QStringLiteral("请关闭题目文档和考生文件夹")}}, this)) return;

    const auto line = [](int n) { return uReadTextLine(common::kAdvancedRequest, n).value_or(QString()); };
    const AdvancedExercise e{line(1), line(2), line(3)};
    if (!e.wellFormed()) {
        uMsgOk(advanced::kNoRequestMessage, this);
        return;
    }
    练习种类 = e.kind;
    题号 = e.number;
    扩展名 = e.ext;
    hasExercise_ = true;

    setOuterSizeTw(kAdvancedWidth, kAdvancedFoldedHeight);
    const QString title = uReadLastLine(common::kCallMarkerFile) == QStringLiteral("拓展训练")
                              ? QStringLiteral("拓展训练_") + e.kind + QStringLiteral("__") + e.number
                              : QStringLiteral("高级应用练习（") + e.kind + QStringLiteral("）_") + e.number;
    setCaption(common::userInfoCaption(title, 学号));

    auto* text = ctl<QPlainTextEdit>(QStringLiteral("题目内容"));
    common::uShowQuestionTextOrNotice(text, e.questionText());
    ctl(QStringLiteral("File1"))->hide();
    pictures_.load(e.effectFolder());

    // Nothing is deleted unless everything it is rebuilt from is there.
    if (const QStringList missing = advanced::missingSources(e); !missing.isEmpty()) {
        uMsgOk(advanced::missingSourcesMessage(QStringLiteral("准备练习"), missing), this);
        return;
    }
    const common::CopyReport laid = layOut(e);
    prepared_ = laid.complete();
    if (!prepared_)
        uMsgOk(QStringLiteral("准备练习时出错：") + laid.describe() + QStringLiteral("\n请点击“恢复本题”再试一次。"), this);
}

void AdvancedExerciseWindow::openQuestion()
{
    if (!hasExercise_) {
        uMsgOk(advanced::kNotReadyMessage, this);
        return;
    }
    const QString document = exercise().questionDocument();
    if (!fs::fileExists(document)) {
        uMsgOk(QStringLiteral("找不到题目文档") + quoted(document) + QStringLiteral("，请点击“恢复本题”重新生成。"), this);
        return;
    }
    common::uOpenDocument(document);
}

void AdvancedExerciseWindow::restore()
{
    if (!hasExercise_) {
        uMsgOk(advanced::kNotReadyMessage, this);
        return;
    }
    const AdvancedExercise e = exercise();
    if (!probesPass({{e.questionDocument(), e.documentProbe(), QStringLiteral("题目文档已经打开，请关闭后再进行恢复操作")},
                     {kExamineeFolder, kProbe, QStringLiteral("请关闭已经打开的文件（夹）>_<")}},
                    this))
        return;
    if (const QStringList missing = advanced::missingSources(e); !missing.isEmpty()) {
        uMsgOk(advanced::missingSourcesMessage(QStringLiteral("恢复本题"), missing), this);
        return;
    }
    if (!uMsgYesNo(QStringLiteral("是否恢复?"), this)) return;
    // The pristine document is copied back whatever became of the working
    // one (edited, deleted or renamed).
    const common::CopyReport laid = layOut(e);
    prepared_ = laid.complete();
    if (prepared_) uMsgOk(QStringLiteral("题目已恢复"), this);
    else uMsgOk(QStringLiteral("恢复本题时出错：") + laid.describe() + QStringLiteral("\n本题没有完全恢复，请再试一次。"), this);
}

void AdvancedExerciseWindow::onUnload(bool& cancel)
{
    if (!uMsgYesNo(QStringLiteral("是否退出？"), this) ||
        !uMsgYesNo(QStringLiteral("【退出后已完成操作将会清空】，确定退出吗？"), this)) {
        cancel = true;
        return;
    }
    const AdvancedExercise e = exercise();
    if (!probesPass({{e.questionDocument(), e.documentProbe(), QStringLiteral("题目文档已经打开，请关闭后再退出")},
                     {kExamineeFolder, kProbe, QStringLiteral("请关闭题目文档和已经打开的文件（夹）")}},
                    this, common::UncheckedProbe::GoOn)) {
        cancel = true;
        return;
    }
    if (fs::folderExists(kExamineeFolder))
        fs::ignoreFailure(fs::deleteFolder(kExamineeFolder, true), "what stays is deleted by the next opening of an exercise");
    forms::show(common::kMainWindowName);
}

}  // namespace practice
