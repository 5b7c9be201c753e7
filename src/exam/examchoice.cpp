// The choice page: ten questions of the paper copy, one answer box each.
// The answers are written to "answer.txt" whenever a box changes and when
// the page or the window is left, each time the whole file replaced at once:
// line N the answer to question N, then one empty line.
#include "common/choicequestion.h"
#include "exam/examwindow.h"
#include "exam/messages.h"
#include "exam/examwindow_design.h"
#include "forms/design.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace exam {

void ExamWindow::openChoicePage()
{
    QWidget* page = ctl("选择题区");
    showPanel("选择题区");
    forms::moveTw(page, 30, -120);
    setOuterSizeTw(forms::widthTw(page) + kPanelWidthMargin, forms::heightTw(page) + kPanelHeightMargin);
    setCaption(QStringLiteral("【") + state.学生信息 + QStringLiteral("】正在答题"));
    for (const char* l : {"选择题题目内容", "A", "B", "C", "D"}) forms::setCaption(ctl(QString::fromUtf8(l)), QString());

    // Line N to box N; a shorter file leaves the later boxes as they are.
    const QStringList lines = plat::readLines936(plat::appPath(kAnswerFile)).value_or(QStringList());
    loadingAnswers_ = true;
    for (int n = 1; n <= kChoiceCount && n <= lines.size(); ++n) ctl<QLineEdit>(answerBox(n))->setText(lines.at(n - 1));
    loadingAnswers_ = false;
    for (int n = 1; n <= kChoiceCount; ++n) lastAnswers_[n - 1] = ctl<QLineEdit>(answerBox(n))->text();
    answersLoaded_ = true;
}

void ExamWindow::showChoice(int n)
{
    const common::ChoiceLabels labels{ctl("选择题题目内容"), {ctl("A"), ctl("B"), ctl("C"), ctl("D")}};
    const QString path = plat::appPath(kPaperCopy + QStringLiteral("\\选择题\\%1.txt").arg(n));
    common::ChoiceLayout layout;
    layout.gap = 100;
    layout.step = 400;
    const QString failure = common::uShowChoiceQuestion(path, labels, layout);
    // A short question shows what it has; a missing one is named.
    if (!common::readChoiceFile(path, 1).ok()) msgOk(failure, this);
}

void ExamWindow::leaveChoicePage()
{
    saveAnswers();
    showTypes();
}

void ExamWindow::answerChanged(int n)
{
    if (loadingAnswers_ || !answersLoaded_) return;
    auto* box = ctl<QLineEdit>(answerBox(n));
    // A box holds one line of the file: pasted text keeps its first line
    // only, or it would move every later answer to the wrong question.
    if (const qsizetype cut = box->text().indexOf(QRegularExpression(QStringLiteral("[\r\n]"))); cut >= 0) {
        loadingAnswers_ = true;
        box->setText(box->text().left(cut));
        loadingAnswers_ = false;
    }
    if (!plat::fitsCodePage936(box->text())) {
        // The file holds code page 936 text only: the edit is taken back.
        const QString typed = box->text();
        loadingAnswers_ = true;
        box->setText(lastAnswers_[n - 1]);
        loadingAnswers_ = false;
        msgOk(msg::unsavableCharacter(typed), this);
        return;
    }
    lastAnswers_[n - 1] = box->text();
    saveAnswers();
}

bool ExamWindow::saveAnswers()
{
    if (!answersLoaded_) return true;  // the boxes never held this paper's answers
    QString text;
    for (int n = 1; n <= kChoiceCount; ++n) text += ctl<QLineEdit>(answerBox(n))->text() + QStringLiteral("\r\n");
    // writeText936 adds the final CR LF: one more empty line.
    if (plat::writeText936(plat::appPath(kAnswerFile), text)) return true;
    msgOk(msg::answersNotSaved(plat::displayPath(plat::appPath(kAnswerFile))), this);
    return false;
}

}  // namespace exam
