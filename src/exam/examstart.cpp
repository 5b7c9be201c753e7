// 开始考试: guards, the examinee archive (new, resumed or replaced), a paper
// drawn from the bank into the paper copy and the working tree "D:\KS", the
// machine's address, the network question's practice server and the
// question-type panel. Everything a new paper needs is checked before
// anything on disk changes.
#include "common/draw.h"
#include "common/guards.h"
#include "common/messages.h"
#include "common/handover.h"
#include "common/ipv4.h"
#include "common/listing.h"
#include "common/probeleftover.h"
#include "common/processes.h"
#include "common/questiontext.h"
#include "common/servers.h"
#include "common/shell.h"
#include "common/studentkey.h"
#include "exam/examwindow.h"
#include "exam/messages.h"
#include "exam/examwindow_design.h"
#include "forms/design.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QEventLoop>
#include <QProgressBar>
#include <QTimer>

namespace exam {

namespace fs = plat::fs;

namespace {

constexpr int kIpconfigTimeoutMs = 15000;

QString app(const QString& rel) { return plat::appPath(rel); }

QString shownList(const QStringList& paths)
{
    QStringList out;
    for (const QString& p : paths) out << plat::displayPath(p);
    return out.join('\n');
}

// A paper to be drawn: its number, or why none can be.
struct PaperPlan {
    int number = 0;
    QString refusal;
};

// Draws a paper and checks that the bank holds it whole and that both
// templates are there.
PaperPlan planPaper()
{
    PaperPlan plan;
    const QString bank = app(kBank);
    const QStringList papers = common::uListSubfolders(bank);
    const common::Draw d = common::drawDistinctNumbers(int(papers.size()), 1);
    if (!d.ok()) {
        plan.refusal = msg::noPaperInBank(plat::displayPath(bank));
        return plan;
    }
    // The papers are numbered 1 to n without a gap.
    for (int p = 1; p <= papers.size(); ++p)
        if (!papers.contains(QString::number(p))) {
            plan.refusal = msg::paperMissingInBank(p, int(papers.size()), plat::displayPath(bank));
            return plan;
        }
    const int p = d.numbers.first();
    QStringList missing = missingPaperParts(bank + '\\' + QString::number(p));
    for (const QString& t : {app(kArchiveTemplate), app(kWorkTreeTemplate)})
        if (!fs::folderExists(t)) missing << t;
    if (!missing.isEmpty()) {
        plan.refusal = msg::paperIncomplete(p, shownList(missing));
        return plan;
    }
    plan.number = p;
    return plan;
}

// Takes back an archive made by this start when its paper could not be
// made: it holds the template alone, and without it the next start begins
// afresh instead of resuming a paper that is not there.
void dropNewArchive(const QString& key)
{
    fs::ignoreFailure(fs::deleteFolder(app(kArchiveRoot) + '\\' + key, true),
                      "a leftover archive without its paper makes the next start begin again");
}

// A fresh examinee archive from its template. The previous paper's number
// goes first, so that the new examinee's archive never stands beside it, not
// even when the start is cut short: the new number is written once the new
// paper is whole.
fs::Status makeArchive(const QString& key)
{
    fs::ignoreFailure(fs::deleteFile(app(kPaperNumberFile), true), "there may be none");
    return fs::makeFolderFrom(app(kArchiveTemplate), app(kArchiveRoot) + '\\' + key);
}

// Whether the text read from the paper number file names a paper.
bool paperNumberIn(const QString& text)
{
    bool number = false;
    const int p = text.toInt(&number);
    return number && p >= 1;
}

// Copies the files of `from` that `to` lacks, keeping everything `to` has.
QStringList copyMissing(const QString& from, const QString& to)
{
    QStringList failed;
    if (const fs::Status made = fs::makePath(to); !made.ok()) return {made.describe()};
    for (const QString& f : fs::listFiles(from, QStringLiteral("*.*"))) {
        const QString target = to + '\\' + f;
        if (fs::fileExists(target) || fs::folderExists(target)) continue;
        if (const fs::Status s = fs::copyFile(from + '\\' + f, target); !s.ok()) failed << s.describe();
    }
    for (const QString& sub : fs::listSubFolders(from)) failed << copyMissing(from + '\\' + sub, to + '\\' + sub);
    return failed;
}

// Moves the bar on; it is drawn when the event loop runs next (during the
// pause that follows), not at once: a progress bar paints every change of
// its value on the spot, which holds up the start by a paint per step.
void stepTo(QProgressBar* bar, int value)
{
    bar->setUpdatesEnabled(false);
    bar->setValue(value);
    bar->setUpdatesEnabled(true);  // asks for the paint
}

// Waits while the event loop runs (the window is busy meanwhile).
void pause(forms::Form* owner, int ms)
{
    if (ms <= 0) return;
    const forms::Form::Busy busy(owner);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

bool ExamWindow::readAddress()
{
    const common::WaitResult r = common::uShellAndWait(QStringLiteral("cmd.exe /c ipconfig >") + common::kIpTempFile,
                                                       plat::WindowStyle::Minimized, this, kIpconfigTimeoutMs);
    QString ip;
    if (r == common::WaitResult::Ended) ip = common::parseIPv4(plat::readLines936(common::kIpTempFile).value_or(QStringList()));
    fs::ignoreFailure(fs::deleteFile(common::kIpTempFile), "usually there is none left");
    state.nIP = ip;
    if (ip.isEmpty())
        msgOk(msg::kNoAddress, this);
    return !ip.isEmpty();
}

bool ExamWindow::newPaper()
{
    // The bar lies under the button: it is set when the button makes way for
    // it, so that nobody repaints a bar no one can see.
    auto* bar = ctl<QProgressBar>(QStringLiteral("ProgressBar3"));
    bar->setRange(0, 7);
    bar->setValue(0);
    ctl("开始考试")->hide();
    QStringList failed;
    const auto note = [&failed](const fs::Status& s) {
        if (!s.ok()) failed << s.describe();
    };
    // No number points at a paper until the paper is whole (the previous
    // one went with the archive).
    const QString paper = app(kPaperCopy);
    if (fs::folderExists(paper)) note(fs::deleteFolder(paper, true));
    if (failed.isEmpty()) note(fs::copyFolder(app(kBank) + '\\' + state.试卷号, paper));
    if (failed.isEmpty() && fs::folderExists(kWorkTree)) note(fs::deleteFolder(kWorkTree, true));
    if (failed.isEmpty()) note(fs::copyFolder(app(kWorkTreeTemplate), QStringLiteral("D:\\")));
    // Material of each kind, in this order.
    static constexpr std::pair<const char*, const char*> kMaterial[] = {
        {"windows\\素材", "KSWIN"}, {"word\\素材", "KSDOC"}, {"excel\\素材", "KSXLS"}, {"ppt\\素材", "KSPPT"}, {"network\\素材2", "KSNET"}};
    for (const auto& [from, to] : kMaterial)
        if (failed.isEmpty())
            note(fs::copyFolder(paper + '\\' + QString::fromUtf8(from), kWorkTree + '\\' + QString::fromUtf8(to)));
    // The number goes to the disk after the copies it names, not ahead of them.
    if (failed.isEmpty() && !plat::writeText936(app(kPaperNumberFile), state.试卷号, plat::Durability::AfterItsFiles))
        failed << plat::displayPath(app(kPaperNumberFile));
    if (!failed.isEmpty()) {
        ctl("开始考试")->show();
        msgOk(msg::paperNotMade(failed.join('\n')), this);
        return false;
    }
    for (int i = 1; i <= bar->maximum(); i += 2) {
        stepTo(bar, i);
        pause(this, progressPauseMs);
    }
    msgOk(msg::kPaperMade, this);
    return true;
}

namespace {
// Whether a network question text asks for the FTP server.
bool asksForFtp(const QString& networkText) { return networkText.contains(QStringLiteral("文件传输协议")); }
}  // namespace

bool ExamWindow::isFtpPaper() const
{
    const auto text = common::readQuestionText(app(kPaperCopy + QStringLiteral("\\network\\题目内容\\network.txt")));
    return text && asksForFtp(*text);
}

void ExamWindow::setUpServer(bool fresh)
{
    const auto text = common::readQuestionText(app(kPaperCopy + QStringLiteral("\\network\\题目内容\\network.txt")));
    if (!text) return;  // a paper without its network text has no server to set up
    const QString material = app(kPaperCopy + QStringLiteral("\\network\\素材"));
    const common::ToolSet tools = common::mockTestTools(QStringLiteral("入门"));
    const bool ftp = asksForFtp(*text);
    if (fresh && !ftp && fs::folderExists(common::kFtpFolder)) {
        // A new examinee with a web paper does not get the previous
        // examinee's uploads.
        if (common::stopServerAndWait(tools, common::kFtpServerProcess, this) == common::WaitResult::Gone) return;
        if (const fs::Status s = fs::deleteFolder(common::kFtpFolder, true); !s.ok())
            msgOk(msg::previousFtpFolderStays(s.describe()), this);
    }
    if (ftp) {
        QStringList failed;
        // A server found stopped here is started below without looking
        // again, unless a message was shown meanwhile.
        bool running = true;
        if (fresh) {
            // A new exam starts from the paper's material alone.
            running = uIsProcessRunning(common::kFtpServerProcess);
            if (running && common::stopServerAndWait(tools, common::kFtpServerProcess, this) == common::WaitResult::Gone)
                return;
            if (fs::folderExists(common::kFtpFolder))
                if (const fs::Status s = fs::deleteFolder(common::kFtpFolder, true); !s.ok()) failed << s.describe();
            if (const fs::Status s = fs::copyFolder(material, common::kFtpFolder); !s.ok() && fs::folderExists(material))
                failed << s.describe();
        } else if (fs::folderExists(material)) {
            // A resumed exam keeps what the student put there.
            failed = copyMissing(material, common::kFtpFolder);
        }
        if (!failed.isEmpty())
            msgOk(msg::ftpFolderIncomplete(failed.join('\n')), this);
        // A server that does not start tells the student itself.
        if (running || !failed.isEmpty())
            (void)common::startServerUnlessRunning(common::kFtpServerProcess, common::kFtpServerExe,
                                                    plat::WindowStyle::Minimized, this);
        else
            (void)common::startProgramOrSay(common::kFtpServerExe, plat::WindowStyle::Minimized, this);
        return;
    }
    if (uIsProcessRunning(common::kWebServerProcess)) return;  // it keeps the configuration it was started with
    // The web root: the network question's own material, else the server's.
    (void)common::uSetupWebServer(state.nIP, app(kWebStaging), fs::folderExists(material) ? material : QString(),
                                  this);  // reported there
}

void ExamWindow::showTypes()
{
    QWidget* types = ctl("题型选择区");
    showPanel("题型选择区");
    forms::moveTw(types, 30, -120);
    setOuterSizeTw(forms::widthTw(types) + kPanelWidthMargin, forms::heightTw(types) + kPanelHeightMargin);
}

void ExamWindow::startExam()
{
    state.学生信息.clear();
    // A probe name left by an interrupted run would fail every probe below.
    if (!common::recoverProbeLeftover(kWorkTree, kWorkTreeProbe, this) ||
        !common::recoverProbeLeftover(app(kPaperCopy), app(kPaperCopyProbe), this))
        return;

    common::GuardList guards = workTreeWindowGuards();
    if (fs::folderExists(kWorkTree)) {
        guards << common::GuardEntry::probe(kWorkTree, kWorkTreeProbe, true, common::msg::kCloseOpenFiles);
        if (fs::folderExists(app(kPaperCopy)))
            guards << common::GuardEntry::probe(app(kPaperCopy), app(kPaperCopyProbe), true, common::msg::kCloseOpenFiles);
    }
    if (!common::uCheckFoldersFree(guards, this)) return;

    const QString key = uReadTextLine(common::kIdentityFile, 1).value_or(QString());
    if (const QString refusal = common::studentKeyRefusal(key); !refusal.isEmpty()) {
        msgOk(msg::keyUnusable(key, refusal), this);
        return;
    }
    if (isHandedIn(key)) {  // the user was changed while the window was open
        msgOk(msg::handedIn(key), this);
        ctl("开始考试")->setEnabled(false);
        return;
    }
    state.试卷号 = uReadTextLine(kPaperNumberFile, 1).value_or(QString()).trimmed();

    // An examinee archive left by a hand-in that was recorded but killed
    // before its folder went: the record says handed in, so it goes now.
    for (const QString& s : common::uListSubfolders(app(kArchiveRoot)))
        if (isHandedIn(s))
            fs::ignoreFailure(fs::deleteFolder(app(kArchiveRoot) + '\\' + s, true), "what stays is asked about below");
    QStringList subs = common::uListSubfolders(app(kArchiveRoot));
    // The student's own archive without a paper number and without D:\KS: a
    // start cut short before its paper was made (the previous number goes
    // before the archive is made, the new one once the paper is whole). No
    // work of the student exists yet, so the start begins again.
    if (subs == QStringList{key} && !paperNumberIn(state.试卷号) && !fs::folderExists(kWorkTree)) {
        dropNewArchive(key);
        subs = common::uListSubfolders(app(kArchiveRoot));
    }
    bool fresh = false;
    if (subs.isEmpty()) {
        const PaperPlan plan = planPaper();
        if (!plan.refusal.isEmpty()) return msgOk(plan.refusal, this);
        if (const fs::Status s = makeArchive(key); !s.ok())
            return msgOk(msg::archiveNotMade(s.describe()), this);
        msgOk(msg::kArchiveMade, this);
        readAddress();
        state.试卷号 = QString::number(plan.number);
        if (!newPaper()) return dropNewArchive(key);
        fresh = true;
    } else if (subs.first() == key) {
        if (!paperNumberIn(state.试卷号) || !fs::folderExists(app(kPaperCopy))) {
            msgOk(msg::resumeWithoutPaper(plat::displayPath(app(kPaperNumberFile))), this);
            return;
        }
        msgOk(msg::kGoOn, this);
        readAddress();
    } else {
        if (!msgYesNo(msg::askReplace(subs.first()), this)) return;
        if (!msgYesNo(msg::kAskReplaceAgain, this)) return;
        const PaperPlan plan = planPaper();
        if (!plan.refusal.isEmpty()) return msgOk(plan.refusal, this);
        readAddress();
        fs::ignoreFailure(fs::deleteFolder(app(kArchiveRoot), true), "what cannot be deleted stays beside the new archive");
        if (const fs::Status s = makeArchive(key); !s.ok())
            return msgOk(msg::archiveNotMade(s.describe()), this);
        msgOk(msg::kArchiveReset, this);
        state.试卷号 = QString::number(plan.number);
        if (!newPaper()) return dropNewArchive(key);
        fresh = true;
    }

    state.学生信息 = key;
    setUpServer(fresh);
    fs::ignoreFailure(fs::deleteFile(common::kIpTempFile), "usually there is none left");
    showTypes();
    setCaption(QStringLiteral("【") + state.学生信息 + QStringLiteral("】正在答题"));
}

}  // namespace exam
