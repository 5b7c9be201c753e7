#include "practice/randompractice.h"

#include "common/documents.h"
#include "common/draw.h"
#include "common/handover.h"
#include "common/ipv4.h"
#include "common/listing.h"
#include "common/messages.h"
#include "common/navigation.h"
#include "common/processes.h"
#include "common/questiontext.h"
#include "common/servers.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/result.h"
#include "platform/textfile.h"
#include "practice/messages.h"
#include "practice/randompractice_design.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>

namespace practice {

namespace fs = plat::fs;
using common::GuardEntry;

namespace {

const QString kNetwork = QStringLiteral("network");
const QString kIntensive = QStringLiteral("强化训练");
const QString kVideoWindow = QStringLiteral("视频操作窗格");
// The four kinds whose close stops no server on the way back.
const QStringList kServerlessKinds{QStringLiteral("word"), QStringLiteral("excel"), QStringLiteral("ppt"),
                                   QStringLiteral("windows")};

// The exercise tools in the order this window runs them.
common::ToolSet practiceTools()
{
    return common::orderedTools(common::exerciseTools(),
                                {common::kFtpServerProcess, common::kWebServerProcess, common::kMailServerProcess});
}

// The kind's operation bank (platform path).
QString bankOf(const QString& kind) { return plat::appPath(common::kOperationBank + kind); }

}  // namespace

RandomPracticeWindow::RandomPracticeWindow()
    : forms::Form(kRandomPracticeSpec, randomPracticeDesign()),
      pictures_(this, common::PictureAreaLayout{.windowWidth = kRandomPracticeWidth,
                                                .foldedHeight = kRandomPracticeFoldedHeight,
                                                .margin = kRandomPracticePictureMargin})
{
    pictures_.connectButtons();
    onClick(QStringLiteral("开始"), [this] { prepare(true); });
    onClick(QStringLiteral("下一题"), [this] { prepare(false); });
    onClick(QStringLiteral("打开题目"), [this] { openQuestion(); });
    onClick(QStringLiteral("恢复本题"), [this] { restore(); });
    // The video window and the page it opens in the browser come in front
    // of this topmost window until the student comes back to it.
    onClick(QStringLiteral("操作视频"), [this] {
        yieldTopmostUntilActive();
        forms::show(kVideoWindow);
    });
}

common::Exercise RandomPracticeWindow::exercise() const
{
    common::Exercise e{state.kind, QString(), state.extension};
    e.question = state.question;
    e.workingCopy = QStringLiteral("题目");
    e.hasMaterial = state.hasMaterial;
    return e;
}

void RandomPracticeWindow::onLoad()
{
    setTopmost(true);
    setOuterSizeTw(kRandomPracticeWidth, kRandomPracticeFoldedHeight);
    common::readLineInto(state.studentNumber, common::kIdentityFile, 2);
    common::readLineInto(state.launchMode, common::kLaunchModeFile, 1);
    state.markerAtLoad = uReadLastLine(common::kCallMarkerFile);
    common::readLineInto(state.kind, common::kRandomPracticeRequest, 1);
    common::readLineInto(state.extension, common::kRandomPracticeRequest, 2);
    if (state.markerAtLoad == kIntensive)
        setCaption(common::userInfoCaption(QStringLiteral("强化训练_") + state.kind, state.studentNumber));
}

common::GuardList RandomPracticeWindow::guards(GuardUse use) const
{
    const common::Exercise e = exercise();
    const bool work = fs::folderExists(common::kWorkFolder);
    // A Windows question works in "D:\winsys": it is guarded like the
    // material folder before anything deletes it.
    const bool winsys = e.isWindows() && fs::folderExists(common::kWinsysFolder);
    const auto workProbe = [](const QString& message) {
        return GuardEntry::probe(common::kWorkFolder, QStringLiteral("D:\\改名"), true, message);
    };
    const GuardEntry workWindow = common::explorerGuard(QStringLiteral("实训素材"));
    const GuardEntry winsysWindow =
        use == GuardUse::Close ? common::explorerGuard(QStringLiteral("winsys"))
                               : GuardEntry::explorer(QStringLiteral("winsys"), msg::kWinsysWindowOpen);
    const GuardEntry ftpWindow = common::explorerGuard(QStringLiteral("PracticalTraining"));
    const GuardEntry document =
        use == GuardUse::Prepare
            ? common::questionDocumentProbe(e)
            : GuardEntry::probe(e.questionDocument(), e.documentProbe(), true, common::msg::kCloseDocument);

    common::GuardList list;
    switch (use) {
    case GuardUse::Prepare:
        if (work) list << common::workFolderProbe() << workWindow << winsysWindow << ftpWindow;
        if (winsys) {
            if (!work) list << winsysWindow;
            list << common::winsysProbe();
        }
        break;
    case GuardUse::Restore:
        if (work) list << workProbe(msg::kWorkFilesOpenAtRestore);
        if (winsys) list << common::winsysProbe();
        list << workWindow << winsysWindow << ftpWindow;
        break;
    case GuardUse::Close:
        if (work) list << workProbe(msg::kWorkFilesOpenAtClose);
        list << workWindow << winsysWindow;
        if (winsys) list << common::winsysProbe();
        break;
    }
    return list << document;
}

int RandomPracticeWindow::drawPosition(const QStringList& names)
{
    // Only the listed documents are drawn from. While the bank has others,
    // the question on screen does not come again.
    const int current = static_cast<int>(names.indexOf(state.question));
    const bool skip = current >= 0 && names.size() > 1;
    const QList<int> drawn = common::uDrawDistinctNumbers(static_cast<int>(names.size()) - (skip ? 1 : 0), 1, this);
    if (drawn.isEmpty()) return 0;
    int r = drawn.first();
    if (skip && r > current) ++r;
    return r;
}

void RandomPracticeWindow::prepare(bool first)
{
    QWidget* open = ctl(QStringLiteral("打开题目"));
    if (first) {
        ctl(QStringLiteral("注"))->show();
        ctl(QStringLiteral("题目内容"))->show();
        ctl(QStringLiteral("下一题"))->show();
        ctl(QStringLiteral("开始"))->hide();
        open->show();
    }
    for (const char* name : {"折叠样式", "上一张", "下一张"}) ctl(QString::fromUtf8(name))->hide();

    const QString kind = state.kind;
    const QString ext = state.extension;
    if (first) {
        setCaption(uReadLastLine(common::kCallMarkerFile) == kIntensive
                       ? common::userInfoCaption(QStringLiteral("强化训练_") + kind, state.studentNumber)
                       : QStringLiteral("【") + kind + QStringLiteral("】知识点随机练习"));
    }

    const QString bank = bankOf(kind);
    const QStringList names =
        common::uListBaseNames(bank + QStringLiteral("\\bk\\"), QStringLiteral("*.") + ext, common::ListAttr::FilesOnly);
    const int r = drawPosition(names);
    if (r == 0) return;

    common::Exercise e = exercise();
    e.question = names.at(r - 1);
    if (!common::guardAndEmptyWorkingFolder(this, nullptr, guards(GuardUse::Prepare), e.isWindows())) return;
    if (!first && state.previousKind == kNetwork && !stopEarlierServers()) return;

    setOuterSizeTw(kRandomPracticeWidth, kRandomPracticeFoldedHeight);
    ctl(QStringLiteral("操作视频"))->show();
    ctl(QStringLiteral("恢复本题"))->show();
    ctl(QStringLiteral("参考样式"))->hide();
    auto* picture = ctl<QLabel>(QStringLiteral("Picture1"));
    picture->hide();
    picture->setPixmap(QPixmap());

    state.position = r;
    state.questions = names;
    state.sampleFolders = common::uListSubfolders(bank + QStringLiteral("\\样图\\"));
    state.materialFolders = common::uListSubfolders(bank + QStringLiteral("\\素材\\"));
    state.question = e.question;
    // Material is optional: a question without its folder has none to copy or restore.
    state.hasMaterial = state.materialFolders.contains(state.question, Qt::CaseInsensitive);
    e.hasMaterial = state.hasMaterial;
    // The question does not need the video request; the student is told.
    (void)common::writeRequest(common::kVideoRequest, {state.question, kind}, this);

    if (e.isNetwork() && !setUpNetwork(e)) return;
    common::showQuestionTextOrNotice(ctl<QPlainTextEdit>(QStringLiteral("题目内容")), e.questionText());
    state.previousKind = kind;

    pictures_.load(e.sampleFolder());
    // A question with fewer pictures may have disabled the step buttons.
    if (pictures_.count() >= 2)
        for (const char* name : {"上一张", "下一张"}) ctl(QString::fromUtf8(name))->setEnabled(true);
    if (!state.sampleFolders.isEmpty() && !state.sampleFolders.contains(state.question, Qt::CaseInsensitive)) open->show();

    common::CopyReport report;
    report.add(common::fillWorkingFolder(e));
    if (e.isWindows()) open->hide();
    else report.add(common::renewQuestionDocument(e));
    // A record of the question last prepared, read by nothing here.
    plat::ignoreFailure(uWriteTextFile(common::kOperationBank + kind + QStringLiteral("\\caption.txt"), state.question),
                        "a record only");
    state.prepared = true;
    if (!report.complete()) msgOk(common::preparationIncompleteMessage(report), this);
}

bool RandomPracticeWindow::stopEarlierServers()
{
    // The earlier question's servers are gone before the next one starts.
    QPointer<RandomPracticeWindow> alive(this);
    const common::ToolSet tools = practiceTools();
    for (const common::ToolPair& t : tools) {
        if (common::stopServerAndWait(tools, t.process, this) == common::WaitResult::Gone || !alive) return false;
    }
    return true;
}

bool RandomPracticeWindow::setUpNetwork(const common::Exercise& e)
{
    QPointer<RandomPracticeWindow> alive(this);
    QWidget* next = ctl(QStringLiteral("下一题"));
    next->setEnabled(false);
    plat::ignoreFailure(common::runIpconfig(this), "no report gives no address, said below");
    if (!alive) return false;
    const QString ip = common::readLocalIPv4(plat::appPath(common::kKnowledgeIpCopy));
    if (ip.isEmpty()) msgOk(common::kNoIPv4Message, this);
    // A text that cannot be personalised is not shown: the caller says so.
    plat::ignoreFailure(common::uPersonaliseQuestionText(e.questionTemplate(), e.questionText(),
                                                         {{QStringLiteral("strLocalIP"), ip}, {QStringLiteral("学号"), state.studentNumber}}),
                        "the text shown next is checked");
    const QString text = common::readQuestionText(e.questionText()).value_or(QString());
    // The mail server keeps the configuration it has; a server that cannot
    // be set up tells the student itself.
    common::uSetupPracticeServer(text, e.ftpContent(),
                                 plat::appPath(common::kExerciseServerFolder + QStringLiteral("\\server.ini")), ip,
                                 state.studentNumber, this, common::MailConfig::Keep);
    if (!alive) return false;

    QWidget* open = ctl(QStringLiteral("打开题目"));
    open->hide();
    if (uIsProcessRunning(common::kMailServerProcess)) {
        forms::setCaption(open, QStringLiteral("邮件管理器"));
        forms::setGeometryTw(open, 5080, forms::topTw(open), 1175, forms::heightTw(open));
        open->show();
    }
    fs::ignoreFailure(fs::deleteFile(common::kIpTempFile), "the lookup already removed it");
    next->setEnabled(true);
    return true;
}

void RandomPracticeWindow::openQuestion()
{
    if (uIsProcessRunning(common::kMailServerProcess)) {
        (void)common::startProgramOrSay(common::kMailClientExe, plat::WindowStyle::Minimized, this);  // says why not
        return;
    }
    // Without a prepared question the working copy is not this student's.
    if (!state.prepared) {
        msgOk(msg::kQuestionNotPrepared, this);
        return;
    }
    common::uOpenDocument(exercise().questionDocument());
}

void RandomPracticeWindow::restore()
{
    if (!state.prepared) return;
    common::uRestoreExercise(exercise(), state.studentNumber, this, QStringLiteral("恢复本题"),
                             {QStringLiteral("打开题目"), QStringLiteral("操作视频"), QStringLiteral("下一题")},
                             guards(GuardUse::Restore));
}

RandomPracticeWindow::ReturnPlan RandomPracticeWindow::returnPlan(const QString& launchMode, const QString& callMarker,
                                                                  const QString& kind)
{
    if (launchMode != QStringLiteral("more")) return {QString(), false, true};
    if (callMarker == kIntensive) return {common::kMainWindowName, !kServerlessKinds.contains(kind), false};
    // Back to the mind-map menu of the kind; a kind that names no menu (a
    // damaged request) returns to the main window instead.
    if (kServerlessKinds.contains(kind) || kind == kNetwork) return {kind + QStringLiteral("知识点窗格"), false, false};
    return {common::kMainWindowName, false, false};
}

void RandomPracticeWindow::onUnload(bool& cancel)
{
    const common::Exercise e = exercise();
    if (!common::uCleanOnExit(e, this, guards(GuardUse::Close))) {
        cancel = true;
        return;
    }
    if (e.isNetwork()) common::uStopPracticeServers(practiceTools());
    const ReturnPlan plan = returnPlan(state.launchMode, uReadLastLine(common::kCallMarkerFile), e.kind);
    if (plan.endProgram) {
        forms::endProgram();
        return;
    }
    if (plan.stopServers) common::uStopPracticeServers(practiceTools());
    forms::show(plan.show);
}

}  // namespace practice
