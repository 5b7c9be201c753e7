#include "theory/randomtheory.h"

#include "common/choicequestion.h"
#include "common/draw.h"
#include "common/handover.h"
#include "common/navigation.h"
#include "forms/runtime.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "theory/messages.h"
#include "theory/moduledrill.h"
#include "theory/randomtheory_design.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

namespace theory {

namespace fs = plat::fs;

namespace {

QString answerBox(int k) { return QStringLiteral("第%1题答案").arg(k); }
QString referenceBox(int k) { return QStringLiteral("参考答案%1").arg(k); }

}  // namespace

QList<int> questionNumbers(const QStringList& fileNames)
{
    static const QRegularExpression question(QStringLiteral("^([1-9][0-9]{0,8})\\.txt$"));
    QList<int> out;
    for (const QString& name : fileNames) {
        const auto m = question.match(name);
        if (m.hasMatch()) out << m.captured(1).toInt();
    }
    std::sort(out.begin(), out.end());
    return out;
}

RandomTheoryWindow::RandomTheoryWindow() : forms::Form(kRandomTheorySpec, randomTheoryDesign())
{
    for (int n = 1; n <= kBatchSize; ++n) {
        onClick(QStringLiteral("第%1题").arg(n), [this, n] { showQuestion(n); });
        ctl<QLineEdit>(answerBox(n))->setAlignment(Qt::AlignCenter);
        auto* ref = ctl<QLineEdit>(referenceBox(n));
        ref->setAlignment(Qt::AlignCenter);
        ref->setReadOnly(true);
    }
    onClick(QStringLiteral("提交答案"), [this] { submit(); });
    onClick(QStringLiteral("换一批"), [this] { nextBatch(); });
}

QString RandomTheoryWindow::batchCopy(int k) const
{
    return plat::appPath(kBatchFolder + QStringLiteral("\\%1.txt").arg(k));
}

void RandomTheoryWindow::onLoad()
{
    common::readLineInto(state.学号, common::kIdentityFile, 1);
    setCaption(common::userInfoCaption(QStringLiteral("强化训练_基础知识"), state.学号));
    clearAll();
    drawBatch();
    answeringState();
}

void RandomTheoryWindow::nextBatch()
{
    clearAll();
    drawBatch();
    ctl(QStringLiteral("换一批"))->hide();
    answeringState();
}

void RandomTheoryWindow::clearAll()
{
    for (const char* name : {"题序", "题目内容", "选项A", "选项B", "选项C", "选项D"})
        forms::setCaption(ctl(QString::fromUtf8(name)), QString());
    for (int k = 1; k <= kBatchSize; ++k) {
        forms::setCaption(ctl(answerBox(k)), QString());
        forms::setCaption(ctl(referenceBox(k)), QString());
    }
}

void RandomTheoryWindow::answeringState()
{
    ctl(QStringLiteral("提交答案"))->show();
    ctl(QStringLiteral("参考答案"))->hide();
    for (int k = 1; k <= kBatchSize; ++k) ctl(referenceBox(k))->hide();
}

bool RandomTheoryWindow::drawBatch()
{
    state.bankFiles = fs::listFiles(plat::appPath(kTheoryBank), QStringLiteral("*"));
    // Only the numbered question files take part; anything else in the bank
    // folder is not a question.
    const QList<int> numbers = questionNumbers(state.bankFiles);
    const QList<int> picks = common::uDrawDistinctNumbers(static_cast<int>(numbers.size()), kBatchSize, this);
    state.drawn = QStringList(kBatchSize, QString());
    if (picks.isEmpty()) return false;
    for (int k = 0; k < kBatchSize; ++k) state.drawn[k] = QString::number(numbers[picks[k] - 1]);
    QStringList failed;
    for (int k = 1; k <= kBatchSize; ++k) {
        const QString source = plat::appPath(kTheoryBank + QStringLiteral("\\") + state.drawn[k - 1] + QStringLiteral(".txt"));
        if (!fs::ok(fs::copyFile(source, batchCopy(k)))) {
            // No copy of an earlier batch may pass for this one; the batch
            // is refused either way.
            fs::ignoreFailure(fs::deleteFile(batchCopy(k)), "batch refused; a stale copy is never shown");
            failed << QString::number(k);
        }
    }
    if (!failed.isEmpty()) {
        msgOk(msg::batchNotCopied(failed.join(QStringLiteral("、"))), this);
        state.drawn = QStringList(kBatchSize, QString());
        return false;
    }
    return true;
}

void RandomTheoryWindow::showQuestion(int n)
{
    if (state.drawn[n - 1].isEmpty()) {
        msgOk(msg::kNoBatch, this);
        return;
    }
    common::ChoiceLabels choice{ctl(QStringLiteral("题目内容")),
                                {ctl(QStringLiteral("选项A")), ctl(QStringLiteral("选项B")), ctl(QStringLiteral("选项C")),
                                 ctl(QStringLiteral("选项D"))}};
    // A broken question is reported under its bank file's name, which the
    // teacher can find, not under the batch copy's.
    const QString failure = common::uShowChoiceQuestion(batchCopy(n), choice, {.gap = 100, .step = 400},
                                                        state.drawn[n - 1] + QStringLiteral(".txt"));
    forms::setCaption(ctl(QStringLiteral("题序")), QStringLiteral("（%1）").arg(n));
    if (!failure.isEmpty()) msgOk(failure, this);
}

bool RandomTheoryWindow::uCheckAllAnswered()
{
    // Only an empty box is unanswered: a blank is an answer.
    for (int k = 1; k <= kBatchSize; ++k) {
        if (forms::caption(ctl(answerBox(k))).isEmpty()) {
            msgOk(msg::kAnswerAll, this);
            return false;
        }
    }
    return true;
}

void RandomTheoryWindow::submit()
{
    if (!uCheckAllAnswered()) return;
    if (state.drawn.contains(QString())) {
        msgOk(msg::kNoBatch, this);
        return;
    }
    for (int k = 1; k <= kBatchSize; ++k)
        forms::setCaption(ctl(referenceBox(k)), common::readChoiceLine(batchCopy(k), common::kReferenceAnswerLine));
    ctl(QStringLiteral("提交答案"))->hide();
    ctl(QStringLiteral("参考答案"))->show();
    for (int k = 1; k <= kBatchSize; ++k) ctl(referenceBox(k))->show();
    ctl(QStringLiteral("换一批"))->show();
}

void RandomTheoryWindow::onUnload(bool&)
{
    const bool fromMain = uReadLastLine(common::kCallMarkerFile) == QStringLiteral("强化训练");
    forms::show(fromMain ? common::kMainWindowName : QString::fromUtf8(ModuleDrillWindow::kName));
}

}  // namespace theory
