#include "practice/randompractice.h"

#include "common/documents.h"
#include "common/draw.h"
#include "common/handover.h"
#include "common/ipv4.h"
#include "common/listing.h"
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
    common::Exercise e{练习种类, QString(), 扩展名};
    e.question = Label2;
    e.workingCopy = QStringLiteral("题目");
    e.hasMaterial = hasMaterial_;
    return e;
}

void RandomPracticeWindow::onLoad()
{
    setTopmost(true);
    setOuterSizeTw(kRandomPracticeWidth, kRandomPracticeFoldedHeight);
    common::readLineInto(学号, common::kIdentityFile, 2);
    common::readLineInto(单体与否, common::kLaunchModeFile, 1);
    markerAtLoad = uReadLastLine(common::kCallMarkerFile);
    common::readLineInto(练习种类, common::kRandomPracticeRequest, 1);
    common::readLineInto(扩展名, common::kRandomPracticeRequest, 2);
    if (markerAtLoad == kIntensive) setCaption(common::userInfoCaption(QStringLiteral("强化训练_") + 练习种类, 学号));
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
    const GuardEntry winsysWindow = GuardEntry::explorer(
        QStringLiteral("winsys"), use == GuardUse::Close ? common::explorerOpenMessage(QStringLiteral("winsys"))
                                                         : QStringLiteral("请winsys文件夹及其子文件夹 >_<"));
    const GuardEntry ftpWindow = common::explorerGuard(QStringLiteral("PracticalTraining"));
    const GuardEntry document =
        GuardEntry::probe(e.questionDocument(), e.documentProbe(), true,
                          use == GuardUse::Prepare ? QStringLiteral("请关闭已经打开的题目文档 >_<") : QStringLiteral("请关闭题目文档 >_<"));

    common::GuardList list;
    switch (use) {
    case GuardUse::Prepare:
        if (work) list << workProbe(QStringLiteral("请关闭已经打开的实训素材文件 >_<")) << workWindow << winsysWindow << ftpWindow;
        if (winsys) {
            if (!work) list << winsysWindow;
            list << common::winsysProbe();
        }
        break;
    case GuardUse::Restore:
        if (work) list << workProbe(QStringLiteral("已经打开的实训素材文件 >_<"));
        if (winsys) list << common::winsysProbe();
        list << workWindow << winsysWindow << ftpWindow;
        break;
    case GuardUse::Close:
        if (work) list << workProbe(QStringLiteral("请关闭已经打开的实训素材 >_<"));
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
    const int current = static_cast<int>(names.indexOf(Label2));
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

    const QString kind = 练习种类;
    const QString ext = 扩展名;
    if (first) {
        setCaption(uReadLastLine(common::kCallMarkerFile) == kIntensive
                       ? common::userInfoCaption(QStringLiteral("强化训练_") + kind, 学号)
                       : QStringLiteral("【") + kind + QStringLiteral("】知识点随机练习"));
    }

    const QString bank = bankOf(kind);
    const QStringList names =
        common::uListBaseNames(bank + QStringLiteral("\\bk\\"), QStringLiteral("*.") + ext, common::ListAttr::FilesOnly);
    const int r = drawPosition(names);
    if (r == 0) return;

    common::Exercise e = exercise();
    e.question = names.at(r - 1);
    if (!common::uGuardAndEmptyWorkingFolder(this, nullptr, guards(GuardUse::Prepare), e.isWindows())) return;
    if (!first && 上一题种类 == kNetwork && !stopEarlierServers()) return;

    setOuterSizeTw(kRandomPracticeWidth, kRandomPracticeFoldedHeight);
    ctl(QStringLiteral("操作视频"))->show();
    ctl(QStringLiteral("恢复本题"))->show();
    ctl(QStringLiteral("参考样式"))->hide();
    auto* picture = ctl<QLabel>(QStringLiteral("Picture1"));
    picture->hide();
    picture->setPixmap(QPixmap());

    Label1 = QString::number(r);
    Combo1 = names;
    Combo2 = common::uListSubfolders(bank + QStringLiteral("\\样图\\"));
    Combo3 = common::uListSubfolders(bank + QStringLiteral("\\素材\\"));
    Label2 = e.question;
    // Material is optional: a question without its folder has none to copy or restore.
    hasMaterial_ = Combo3.contains(Label2, Qt::CaseInsensitive);
    e.hasMaterial = hasMaterial_;
    // The question does not need the video request; the student is told.
    (void)common::writeRequest(common::kVideoRequest, {Label2, kind}, this);

    if (e.isNetwork() && !setUpNetwork(e)) return;
    common::uShowQuestionTextOrNotice(ctl<QPlainTextEdit>(QStringLiteral("题目内容")), e.questionText());
    上一题种类 = kind;

    pictures_.load(e.sampleFolder());
    // A question with fewer pictures may have disabled the step buttons.
    if (pictures_.count() >= 2)
        for (const char* name : {"上一张", "下一张"}) ctl(QString::fromUtf8(name))->setEnabled(true);
    if (!Combo2.isEmpty() && !Combo2.contains(Label2, Qt::CaseInsensitive)) open->show();

    common::CopyReport report;
    report.add(common::uFillWorkingFolder(e));
    if (e.isWindows()) open->hide();
    else report.add(common::uRenewQuestionDocument(e));
    // A record of the question last prepared, read by nothing here.
    plat::ignoreFailure(uWriteTextFile(common::kOperationBank + kind + QStringLiteral("\\caption.txt"), Label2),
                        "a record only");
    prepared_ = true;
    if (!report.complete()) uMsgOk(common::preparationIncompleteMessage(report), this);
}

bool RandomPracticeWindow::stopEarlierServers()
{
    // The earlier question's servers are gone before the next one starts.
    QPointer<RandomPracticeWindow> alive(this);
    const common::ToolSet tools = practiceTools();
    for (const common::ToolPair& t : tools) {
        if (common::uStopServerAndWait(tools, t.process, this) == common::WaitResult::Gone || !alive) return false;
    }
    return true;
}

bool RandomPracticeWindow::setUpNetwork(const common::Exercise& e)
{
    QPointer<RandomPracticeWindow> alive(this);
    QWidget* next = ctl(QStringLiteral("下一题"));
    next->setEnabled(false);
    plat::ignoreFailure(common::uRunIpconfig(this), "no report gives no address, said below");
    if (!alive) return false;
    const QString ip = common::uReadLocalIPv4(plat::appPath(common::kKnowledgeIpCopy));
    if (ip.isEmpty()) uMsgOk(common::kNoIPv4Message, this);
    // A text that cannot be personalised is not shown: the caller says so.
    plat::ignoreFailure(common::uPersonaliseQuestionText(e.questionTemplate(), e.questionText(),
                                                         {{QStringLiteral("strLocalIP"), ip}, {QStringLiteral("学号"), 学号}}),
                        "the text shown next is checked");
    const QString text = common::uReadQuestionText(e.questionText()).value_or(QString());
    // The mail server keeps the configuration it has.
    switch (common::serverKindOf(text)) {
    case common::ServerKind::Ftp: common::uSetupFtpServer(e.ftpContent(), this); break;
    case common::ServerKind::Mail:
        common::uResetMailboxes(学号);
        (void)common::uStartMailServer(this);  // a server that does not start tells the student itself
        common::uResetMailClient();
        break;
    case common::ServerKind::Web:
        // A server that cannot be set up tells the student itself.
        (void)common::uSetupWebServer(ip, plat::appPath(common::kExerciseServerFolder + QStringLiteral("\\server.ini")),
                                      QString(), this);
        break;
    }
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
    if (!prepared_) {
        uMsgOk(QStringLiteral("题目尚未准备好，请按提示处理后点击“Next”抽题。"), this);
        return;
    }
    common::uOpenDocument(exercise().questionDocument());
}

void RandomPracticeWindow::restore()
{
    if (!prepared_) return;
    common::uRestoreExercise(exercise(), 学号, this, QStringLiteral("恢复本题"),
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
    const ReturnPlan plan = returnPlan(单体与否, uReadLastLine(common::kCallMarkerFile), e.kind);
    if (plan.endProgram) {
        forms::endProgram();
        return;
    }
    if (plan.stopServers) common::uStopPracticeServers(practiceTools());
    forms::show(plan.show);
}

}  // namespace practice
