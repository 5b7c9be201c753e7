#include "knowledge/exercisewindow.h"

#include "common/documents.h"
#include "common/guards.h"
#include "common/handover.h"
#include "common/ipv4.h"
#include "common/navigation.h"
#include "common/processes.h"
#include "common/questiontext.h"
#include "common/servers.h"
#include "forms/runtime.h"
#include "knowledge/exercisewindow_design.h"
#include "knowledge/messages.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/result.h"
#include "platform/textfile.h"

#include <QPlainTextEdit>
#include <QPointer>

namespace knowledge {

namespace {

const QString& kMailServer = common::kMailServerProcess;
const QString& kFtpServer = common::kFtpServerProcess;
const QString& kWebServer = common::kWebServerProcess;

}  // namespace

ExerciseWindow::ExerciseWindow() : forms::Form(kExerciseWindowSpec, exerciseWindowDesign()), pictures_(this)
{
    pictures_.connectButtons();
    onClick(QStringLiteral("打开题目"), [this] { openQuestion(); });
    onClick(QStringLiteral("恢复本题"), [this] { restore(); });
    onClick(QStringLiteral("操作视频"), [this] { runVideo(); });
}

common::Exercise ExerciseWindow::exercise() const
{
    common::Exercise e{state.练习种类, state.题目名称, state.扩展名};
    e.hasMaterial = state.hasMaterial;
    return e;
}

void ExerciseWindow::onLoad()
{
    setTopmost(true);
    // The student number as read: empty when the identity file has no second
    // line, while the label then keeps its design caption.
    const std::optional<QString> line2 = uReadTextLine(common::kIdentityFile, 2);
    const QString number = line2.value_or(QString());
    state.numberRead = number;
    if (line2) state.学号 = *line2;
    common::readLineInto(state.练习种类, common::kKnowledgeRequest, 1);
    common::readLineInto(state.题目名称, common::kKnowledgeRequest, 2);
    common::readLineInto(state.扩展名, common::kKnowledgeRequest, 3);
    common::readLineInto(state.单体与否, common::kLaunchModeFile, 1);
    // A fourth request line (the caller's launch mode) always wins, whatever
    // part of the preparation below is cut short.
    common::readLineInto(state.单体与否, common::kKnowledgeRequest, 4);

    const common::Exercise e = exercise();
    setCaption(common::userInfoCaption(QStringLiteral("知识点_") + e.kind + QStringLiteral("_") + e.point, number));
    // The exercise does not need the video request; the student is told.
    (void)common::writeRequest(common::kVideoRequest, {e.name(), e.kind}, this);

    // No report gives no address, which setUpNetwork tells the student.
    if (e.isNetwork()) plat::ignoreFailure(common::runIpconfig(this), "no report gives no address");

    state.hasMaterial = common::bankHasMaterial(e);
    if (!common::guardAndEmptyWorkingFolder(this, &state.refusal)) return;
    if (!common::uCheckFoldersFree({common::questionDocumentProbe(e)}, this, &state.refusal)) return;

    present(e, number);
    common::CopyReport report;
    report.add(common::renewQuestionDocument(exercise()));
    report.add(common::fillWorkingFolder(exercise()));
    if (!report.complete()) msgOk(common::preparationIncompleteMessage(report), this);
    state.prepared = true;
}

void ExerciseWindow::present(const common::Exercise& e, const QString& number)
{
    setOuterSizeTw(kExerciseWidth, kExerciseFoldedHeight);
    forms::setCaption(ctl(QStringLiteral("注")), e.kind == QStringLiteral("word")
                                                    ? QStringLiteral("【注意：文本中每一回车符作为一段落，没有要求操作的项目请不要更改！】")
                                                    : QStringLiteral("【注意：没有要求操作的项目请不要更改！】"));
    if (e.isNetwork()) setUpNetwork(e, number);

    if (!common::showQuestionText(ctl<QPlainTextEdit>(QStringLiteral("题目内容")), e.questionText()))
        msgOk(common::questionTextUnreadableMessage(e.questionText()), this);
    if (e.isWindows()) ctl(QStringLiteral("打开题目"))->hide();
    else pictures_.load(e.sampleFolder());
}

void ExerciseWindow::setUpNetwork(const common::Exercise& e, const QString& number)
{
    const QString ip = common::readLocalIPv4(plat::appPath(common::kKnowledgeIpCopy));
    if (ip.isEmpty()) msgOk(common::kNoIPv4Message, this);
    // A text that cannot be personalised is not shown: the caller says so.
    plat::ignoreFailure(common::uPersonaliseQuestionText(e.questionTemplate(), e.questionText(),
                                                         {{QStringLiteral("strLocalIP"), ip}, {QStringLiteral("学号"), number}}),
                        "the text shown next is checked");
    const QString text = common::readQuestionText(e.questionText()).value_or(QString());
    common::uSetupPracticeServer(text, e.ftpContent(), plat::appPath(common::kExerciseServerFolder + QStringLiteral("\\server.ini")),
                                 ip, number, this);
    QWidget* open = ctl(QStringLiteral("打开题目"));
    open->hide();
    if (uIsProcessRunning(kMailServer)) {
        forms::setCaption(open, QStringLiteral("邮件管理器"));
        forms::setGeometryTw(open, 5080, forms::topTw(open), 1175, forms::heightTw(open));
        open->show();
        forms::moveTw(ctl(QStringLiteral("参考样式")), 3910, forms::topTw(ctl(QStringLiteral("参考样式"))));
    }
}

void ExerciseWindow::openQuestion()
{
    // Without a prepared exercise there is no document of this student: say
    // what stopped the preparation and how to get past it.
    if (!state.prepared) {
        msgOk(msg::notPrepared(state.refusal), this);
        return;
    }
    if (uIsProcessRunning(kMailServer)) {
        (void)common::startProgramOrSay(common::kMailClientExe, plat::WindowStyle::Minimized, this);  // says why not
        return;
    }
    common::uOpenDocument(exercise().questionDocument());
}

void ExerciseWindow::restore()
{
    // Also after a Load that a guard refused: the restore runs its own guard
    // list, and once it has rebuilt the exercise the window shows it.
    QPointer<ExerciseWindow> alive(this);
    const common::RestoreResult r = common::uRestoreExercise(exercise(), state.学号, this, QStringLiteral("恢复本题"),
                                                             {QStringLiteral("打开题目"), QStringLiteral("操作视频")});
    if (!alive || state.prepared) return;
    if (r != common::RestoreResult::Restored && r != common::RestoreResult::Incomplete) return;
    present(exercise(), state.numberRead);
    state.prepared = true;
}

void ExerciseWindow::runVideo()
{
    // The video's player comes in front of this topmost window until the
    // student comes back to it.
    if (common::uRunVideoCommand(exercise().videoCommand())) yieldTopmostUntilActive();
}

ExerciseWindow::ReturnPlan ExerciseWindow::returnPlan(const QString& launchMode, const QString& callMarker,
                                                      const QString& kind)
{
    const QStringList ftpFirst{kFtpServer, kWebServer, kMailServer};
    const QStringList webFirst{kWebServer, kFtpServer, kMailServer};
    const QString tasks = QStringLiteral("任务项目窗格");
    if (launchMode == QStringLiteral("more") && callMarker == QStringLiteral("知识点")) {
        static const QStringList menus{QStringLiteral("word"), QStringLiteral("excel"), QStringLiteral("ppt"),
                                       QStringLiteral("windows")};
        if (menus.contains(kind)) return {kind + QStringLiteral("知识点窗格"), {}, false, false};
        return {QStringLiteral("network知识点窗格"), ftpFirst, true, false};
    }
    if (launchMode == QStringLiteral("more")) return {tasks, ftpFirst, false, false};
    if (launchMode == QStringLiteral("mission")) return {tasks, webFirst, false, false};
    return {tasks, webFirst, false, true};
}

void ExerciseWindow::onUnload(bool& cancel)
{
    const common::Exercise e = exercise();
    setCaption(e.kind + QStringLiteral("_") + e.point);
    if (!common::uCleanOnExit(e, this)) {
        cancel = true;
        return;
    }
    const ReturnPlan plan = returnPlan(state.单体与否, uReadLastLine(common::kCallMarkerFile), e.kind);
    const auto stop = [&] {
        if (!plan.stopOrder.isEmpty()) common::uStopPracticeServers(common::orderedTools(common::exerciseTools(), plan.stopOrder));
    };
    if (plan.stopFirst) stop();
    forms::show(plan.show);
    if (!plan.stopFirst) stop();
    if (plan.endProgram) forms::endProgram();
}

}  // namespace knowledge
