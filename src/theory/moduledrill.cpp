#include "theory/moduledrill.h"

#include "common/filler.h"
#include "common/firstfield.h"
#include "common/handover.h"
#include "common/navigation.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "theory/messages.h"
#include "theory/moduledrill_design.h"

#include <QLineEdit>

namespace theory {

namespace fs = plat::fs;

namespace {

const ModuleButton kModuleButtons[kModules] = {
    {"Command61", "模块一：标准"},     {"Command62", "模块二：软硬件系统"}, {"Command63", "模块三：黑盒与模块化"},
    {"Command64", "模块四：程序"},     {"Command65", "模块五：网络基础"},   {"Command66", "模块六：信息安全"},
    {"Command67", "模块七：基本素养"},
};

const QString kNoModule = QStringLiteral("未选择模块");
const QString kMarkerFile = QStringLiteral("模块标识.txt");
const QString kKeyFile = QStringLiteral("答案.txt");

}  // namespace

const ModuleButton* moduleButtons() { return kModuleButtons; }

ModuleDrillWindow::ModuleDrillWindow() : forms::Form(kModuleDrillSpec, moduleDrillDesign())
{
    for (int i = 0; i < kModules; ++i) onClick(QString::fromUtf8(kModuleButtons[i].button), [this, i] { chooseModule(i); });
    onClick(QStringLiteral("开始练习"), [this] { startPractice(); });
    onClick(QStringLiteral("退出模块"), [this] { leaveModule(); });
    onClick(QStringLiteral("重做"), [this] { redo(); });
    for (int n = 1; n <= kQuestions; ++n) {
        onClick(QStringLiteral("Command%1").arg(n), [this, n] { showQuestion(n); });
        onClick(QStringLiteral("Command%1").arg(20 + n), [this, n] { uRevealAnswerKey(n); });
        onClick(QStringLiteral("Command%1").arg(40 + n), [this, n] { uShowExplanation(n); });
        auto* answer = static_cast<QLineEdit*>(cell("Text", n));
        answer->setAlignment(Qt::AlignCenter);
        auto* key = static_cast<QLineEdit*>(cell("Text", 20 + n));
        key->setReadOnly(true);
        key->setAlignment(Qt::AlignCenter);
        key->setFocusPolicy(Qt::NoFocus);
    }
}

QWidget* ModuleDrillWindow::cell(const char* prefix, int number) const
{
    return ctl(QString::fromLatin1(prefix) + QString::number(number));
}

QString ModuleDrillWindow::working(const QString& file) const
{
    return plat::appPath(kWorkingModuleFolder + QStringLiteral("\\") + file);
}

common::ChoiceLabels ModuleDrillWindow::choiceLabels() const
{
    return {ctl(QStringLiteral("题")),
            {ctl(QStringLiteral("A")), ctl(QStringLiteral("B")), ctl(QStringLiteral("C")), ctl(QStringLiteral("D"))}};
}

void ModuleDrillWindow::resetWorkingFolder()
{
    if (!common::uResetFolderWithFiller(plat::appPath(kWorkingModuleFolder), plat::appPath(kModuleFiller)))
        msgOk(msg::kFolderResetFailed, this);
}

void ModuleDrillWindow::onLoad()
{
    setOuterSizeTw(kDrillWidth, kDrillHeight);
    common::readLineInto(state.学号, common::kIdentityFile, 1);
    common::readLineInto(state.单体与否, common::kLaunchModeFile, 1);
    setCaption(common::userInfoCaption(QStringLiteral("知识点_基础知识"), state.学号));
    resetWorkingFolder();
    for (const char* name : {"重做", "退出模块", "题", "A", "B", "C", "D", "模块名", "解析", "选择题区1"})
        ctl(QString::fromUtf8(name))->hide();
    for (const ModuleButton& m : kModuleButtons) ctl(QString::fromUtf8(m.button))->setEnabled(true);
}

void ModuleDrillWindow::chooseModule(int index)
{
    const ModuleButton& m = kModuleButtons[index];
    const QString source = plat::appPath(kModuleSources + QString::fromUtf8(m.folder));
    // The module's own folder is checked before anything is deleted.
    if (!fs::folderExists(source)) {
        msgOk(msg::moduleFolderMissing(QString::fromUtf8(m.folder)), this);
        return;
    }
    const QString folder = plat::appPath(kWorkingModuleFolder);
    const bool copied = fs::deleteFiles(folder, QStringLiteral("*.*")) != fs::Status::Failed &&
                        fs::ok(fs::copyFolder(source, folder));
    if (!copied) {
        // Back to no module: a half-copied module is never practised (a
        // folder that cannot be emptied is named as well).
        resetWorkingFolder();
        forms::setCaption(ctl(QStringLiteral("简述")), kNoModule);
        for (const ModuleButton& b : kModuleButtons) ctl(QString::fromUtf8(b.button))->setEnabled(true);
        msgOk(msg::moduleNotCopied(QString::fromUtf8(m.folder)), this);
        return;
    }
    if (const auto text = common::readFirstField(working(QStringLiteral("简述.txt"))))
        forms::setCaption(ctl(QStringLiteral("简述")), *text);
    if (const auto text = common::readFirstField(working(QStringLiteral("模块名.txt"))))
        forms::setCaption(ctl(QStringLiteral("模块名")), *text);
    for (int i = 0; i < kModules; ++i) ctl(QString::fromUtf8(kModuleButtons[i].button))->setEnabled(i != index);
}

void ModuleDrillWindow::hideKeyRows()
{
    for (int n = 1; n <= kQuestions; ++n) cell("Command", 20 + n)->hide();
    ctl(QStringLiteral("Tips"))->hide();
    ctl(QStringLiteral("解析"))->hide();
    for (int n = 1; n <= kQuestions; ++n) cell("Command", 40 + n)->hide();
    for (int n = 1; n <= kQuestions; ++n) cell("Text", 20 + n)->hide();
}

void ModuleDrillWindow::clearQuestionAndAnswers()
{
    for (const char* name : {"题", "A", "B", "C", "D"}) forms::setCaption(ctl(QString::fromUtf8(name)), QString());
    for (int n = 1; n <= kQuestions; ++n) forms::setCaption(cell("Text", n), QString());
}

void ModuleDrillWindow::startPractice()
{
    QWidget* area = ctl(QStringLiteral("选择题区1"));
    forms::resizeTw(area, forms::widthTw(area), kAreaIdle);
    if (!fs::fileExists(working(kMarkerFile))) {
        msgOk(msg::kChooseModule, this);
        return;
    }
    for (const ModuleButton& m : kModuleButtons) ctl(QString::fromUtf8(m.button))->setEnabled(false);
    ctl(QStringLiteral("开始练习"))->hide();
    for (const char* name : {"题", "A", "B", "C", "D", "重做", "退出模块", "模块名", "选择题区1"})
        ctl(QString::fromUtf8(name))->show();
    hideKeyRows();
}

void ModuleDrillWindow::leaveModule()
{
    if (!msgYesNo(msg::kAskLeaveModule, this)) return;
    onLoad();  // size, identity, caption, working folder back to its filler, hiding, enabling
    for (const char* name : {"题", "A", "B", "C", "D"}) ctl(QString::fromUtf8(name))->hide();
    ctl(QStringLiteral("开始练习"))->show();
    forms::setCaption(ctl(QStringLiteral("简述")), kNoModule);
    clearQuestionAndAnswers();
}

void ModuleDrillWindow::redo()
{
    QWidget* area = ctl(QStringLiteral("选择题区1"));
    forms::resizeTw(area, forms::widthTw(area), kAreaIdle);
    hideKeyRows();
    clearQuestionAndAnswers();
}

void ModuleDrillWindow::showQuestion(int n)
{
    QWidget* area = ctl(QStringLiteral("选择题区1"));
    forms::resizeTw(area, forms::widthTw(area), kAreaOpen);
    QWidget* key = cell("Command", 20 + n);
    key->show();
    key->raise();  // above its key box when the key was revealed before
    cell("Text", n)->show();
    ctl(QStringLiteral("Tips"))->hide();
    ctl(QStringLiteral("解析"))->hide();
    const QString failure =
        common::uShowChoiceQuestion(working(QStringLiteral("%1.txt").arg(n)), choiceLabels(), {.gap = 120, .step = 480});
    if (!failure.isEmpty()) msgOk(failure, this);
}

void ModuleDrillWindow::uRevealAnswerKey(int n)
{
    if (forms::caption(cell("Text", n)).isEmpty()) {
        msgOk(msg::kNoPeeking, this);
        return;
    }
    cell("Command", 20 + n)->hide();
    // The box is emptied first: a key file without line n never leaves the
    // key of another module in it.
    QWidget* box = cell("Text", 20 + n);
    const auto keys = plat::readLines936(working(kKeyFile));
    const bool found = keys && keys->size() >= n;
    forms::setCaption(box, found ? keys->at(n - 1) : QString());
    box->show();
    cell("Command", 40 + n)->show();
    if (!keys) msgOk(msg::kKeyFileMissing, this);
    else if (!found) msgOk(msg::keyMissing(n), this);
}

void ModuleDrillWindow::uShowExplanation(int n)
{
    QWidget* tips = ctl(QStringLiteral("Tips"));
    tips->show();
    const QString failure = common::fillChoiceLabels(working(QStringLiteral("%1.txt").arg(n)), choiceLabels());
    // Emptied first, so no other question's explanation stays on show.
    const QString file = QStringLiteral("解%1.txt").arg(n);
    forms::setCaption(tips, QString());
    const bool present = fs::fileExists(working(file));
    if (const auto text = common::readFirstField(working(file))) forms::setCaption(tips, *text);
    ctl(QStringLiteral("解析"))->show();
    if (!failure.isEmpty()) msgOk(failure, this);
    if (!present) msgOk(msg::explanationMissing(file), this);
}

void ModuleDrillWindow::onUnload(bool&) { common::returnToMainOrEnd(state.单体与否); }

}  // namespace theory
