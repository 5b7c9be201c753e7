#include "mocktest/answering/mocktestwindow.h"

#include "common/choicequestion.h"
#include "common/documents.h"
#include "common/guards.h"
#include "common/handover.h"
#include "common/ipv4.h"
#include "common/messages.h"
#include "common/navigation.h"
#include "common/questiontext.h"
#include "forms/twips.h"
#include "mocktest/answering/mocktestwindow_design.h"
#include "mocktest/answering/practiceserver.h"
#include "mocktest/messages.h"
#include "mocktest/paper/exitcleanup.h"
#include "mocktest/paper/generation.h"
#include "mocktest/paper/restore.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/result.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QLabel>
#include <optional>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>

namespace mocktest {

namespace fs = plat::fs;

namespace {

const QString kTitle = QStringLiteral("模拟测试_模块选择");
const QStringList kPageButtons = {QStringLiteral("word"),    QStringLiteral("excel"), QStringLiteral("ppt"),
                                  QStringLiteral("选择题"), QStringLiteral("windows"), QStringLiteral("网络")};
const QStringList kChoiceFrames = {QStringLiteral("选择题题号"), QStringLiteral("选择题答题卡"), QStringLiteral("选择题内容区")};

// The 入门 paper's narrower choice page.
constexpr int kNarrowChoiceFrame = 10050;
constexpr int kNarrowStem = 9100;
constexpr int kNarrowOption = 9600;

QString xName(int n) { return QStringLiteral("x%1").arg(n, 2, 10, QLatin1Char('0')); }
QString dName(int n) { return QStringLiteral("d%1").arg(n); }
QString cName(int slot) { return QStringLiteral("c") + slotName(slot); }

}  // namespace

const QList<PageRow>& pageRows()
{
    static const QList<PageRow> rows = {
        {"word", "Word", "word"},          {"excel", "Excel", "excel"}, {"ppt", "Ppt", "ppt"},
        {"windows", "Win", "windows"}, {"网络", "网络", "network"},
    };
    return rows;
}

MockTestWindow::MockTestWindow()
    : forms::Form(kMockTestWindowSpec, mockTestWindowDesign()), style_(this, styleLayout())
{
    for (const LevelSpec& l : mockLevels()) {
        forms::setCaption(ctl(QString::fromUtf8(l.noteLabel)), QString::fromUtf8(l.note));
        const QString level = l.word();
        onClick(QString::fromUtf8(l.button), [this, level] { uGenerateMockPaper(level); });
    }
    onClick(QStringLiteral("选择题"), [this] { showChoicePage(); });
    for (const PageRow& r : pageRows()) onClick(QString::fromUtf8(r.button), [this, &r] { uShowOperationPage(r); });
    for (int n = 1; n <= kMaxChoices; ++n) onClick(xName(n), [this, n] { uShowMockChoiceQuestion(n); });
    for (int slot = 1; slot <= 6; ++slot) onClick(cName(slot), [this, slot] { uPrepareSlotQuestion(slot); });
    style_.connectButtons();
    onClick(QStringLiteral("打开题目"), [this] { openQuestionDocument(); });
    onClick(QStringLiteral("考生文件夹"), [this] { openExamineeFolder(); });
    onClick(QStringLiteral("恢复本题"), [this] { restoreQuestion(); });
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    for (const char* box : {"题型介绍", "选择题题干", "操作题题目内容", "占位文本"})
        textArea(box)->setReadOnly(true);
    for (const char* box : {"题号", "选项A", "选项B", "选项C", "选项D"})
        ctl<QLineEdit>(QString::fromUtf8(box))->setReadOnly(true);
}

QPlainTextEdit* MockTestWindow::textArea(const char* name) const { return ctl<QPlainTextEdit>(QString::fromUtf8(name)); }

// The style panel right under the question: the window grows with the
// picture and the picture is centred across the window.
common::StylePanelLayout MockTestWindow::styleLayout()
{
    common::StylePanelLayout l;
    l.below = "操作题内容区";
    l.openHeight = [this](int frameHeight) {
        return forms::heightTw(ctl("操作题题号")) + forms::heightTw(ctl("题型区")) + frameHeight + 800;
    };
    l.foldSize = [this] {
        setOuterSizeTw(forms::widthTw(ctl("操作题内容区")) + forms::widthTw(ctl("操作题题号")) + 550,
                       forms::heightTw(ctl("操作题题号")) + forms::heightTw(ctl("题型区")) + 600);
    };
    return l;
}

void MockTestWindow::onLoad()
{
    // The report replaces the file, so that the address read later is this
    // machine's current one, never a line left by an earlier run.
    // No report gives no address; a network question then says so.
    plat::ignoreFailure(common::runIpconfig(this, false), "no report gives no address");
    forms::moveTw(ctl("测试级别选择区"), forms::leftTw(ctl("测试级别选择区")), 0);
    setOuterSizeTw(9830, kLevelFrameHeight + 530);
    common::readLineInto(state.学号, common::kIdentityFile, 1);
    common::readLineInto(state.单体与否, common::kLaunchModeFile, 1);
    setCaption(common::userInfoCaption(kTitle, state.学号));
}

// The pages and the style pictures make the window taller as the student
// goes: it moves up rather than past the bottom of the screen.
void MockTestWindow::resizeEvent(QResizeEvent* e)
{
    forms::Form::resizeEvent(e);
    const QScreen* s = screen();
    if (!isVisible() || !s) return;
    const QRect area = s->availableGeometry();
    const QRect frame = frameGeometry();
    if (frame.bottom() > area.bottom()) move(frame.left(), std::max(area.top(), area.bottom() - frame.height() + 1));
}

// ---- paper generation ------------------------------------------------------

void MockTestWindow::stepDone()
{
    // The notice is drawn while the paper is made; clicks wait (Busy).
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MockTestWindow::uStartMockLevel(const LevelSpec& level)
{
    using namespace forms;
    ctl("测试级别选择区")->hide();
    ctl("题型区")->show();
    QWidget* intro = ctl("题型介绍区");
    moveTw(intro, leftTw(intro), 840);
    intro->show();
    setOuterHeightTw(heightTw(intro) + heightTw(ctl("题型区")) + 600);
    state.测试级别 = level.word();
    setCaption(QStringLiteral("《Corvanth》模拟测试【") + state.测试级别 + QStringLiteral("】") + common::kUserInfoCaption +
               state.学号 + QStringLiteral("】"));
    if (level.choiceCount > 0 && level.choiceCount < kMaxChoices) {
        for (int n = level.choiceCount + 1; n <= kMaxChoices; ++n) {
            ctl(xName(n))->hide();
            ctl(dName(n))->hide();
        }
        for (const QString& f : kChoiceFrames) resizeTw(ctl(f), kNarrowChoiceFrame, heightTw(ctl(f)));
        QWidget* stem = ctl("选择题题干");
        resizeTw(stem, kNarrowStem, heightTw(stem));
        for (const char* o : {"选项A", "选项B", "选项C", "选项D"})
            resizeTw(ctl(QString::fromUtf8(o)), kNarrowOption, heightTw(ctl(QString::fromUtf8(o))));
    }
    // The notice over the whole window, a little wider than the window.
    QWidget* notice = ctl("试卷生成中提示");
    setGeometryTw(notice, -120, -120, outerWidthTw() + 100, outerHeightTw());
    notice->raise();
    notice->show();

    textArea("题型介绍")->setPlainText(plat::displayPathsIn(typeIntroduction(level)));
    for (const QString& b : level.hiddenButtons) ctl(b)->hide();
}

void MockTestWindow::uGenerateMockPaper(const QString& levelWord)
{
    const LevelSpec* level = findLevel(levelWord);
    if (!level || state.levelChosen) return;
    Busy busy(this);
    // Whatever keeps the paper from being made is found before anything
    // changes: the level buttons stay usable.
    if (!recoverProbeLeftovers(this)) return;
    const QString missing = checkPaperSources(*level);
    if (!missing.isEmpty()) {
        msgOk(missing, this);
        return;
    }
    state.levelChosen = true;
    state.paperFailures.clear();

    uStartMockLevel(*level);
    stepDone();
    if (level->choiceCount > 0) state.paperFailures << uDrawMockChoiceQuestions(*level, state);
    stepDone();
    if (!common::uCheckFoldersFree(paperGuards(), this)) {
        refusedNotice();
        discardReplacedChoiceSlots();
        return;
    }
    state.paperFailures << uResetMockWorkspace(*level);
    stepDone();
    style_.clearPicture();
    for (const LevelKind& k : level->kinds) {
        state.paperFailures << uPrepareKindQuestions(*level, k, state);
        stepDone();
    }
    state.paperMade = true;
    uStartPaperProgress(*level);
    forms::resizeTw(ctl("题型区"), level->finalWidth, forms::heightTw(ctl("题型区")));
}

// The paced progress over the notice; its last step reports the paper.
void MockTestWindow::uStartPaperProgress(const LevelSpec& level)
{
    auto* bar = ctl<QProgressBar>(QStringLiteral("ProgressBar1"));
    bar->setRange(0, level.progressMax);
    bar->setValue(0);
    timer_.start();
}

// The guard has refused the paper: the notice no longer says that one is
// being made, but what the student does now.
void MockTestWindow::refusedNotice()
{
    ctl("ProgressBar1")->hide();
    QWidget* notice = ctl("试卷生成中提示");
    auto* text = ctl<QLabel>(QStringLiteral("Label55"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    forms::setCaption(text, msg::kPaperRefused);
    forms::setGeometryTw(text, 360, 360, forms::widthTw(notice) - 720, forms::heightTw(notice) - 1080);
}

void MockTestWindow::tick()
{
    auto* bar = ctl<QProgressBar>(QStringLiteral("ProgressBar1"));
    if (bar->value() == bar->maximum()) {
        timer_.stop();
        msgOk(state.paperFailures.isEmpty() ? msg::kPaperMade : incompletePaperMessage(state.paperFailures), this);
        ctl("试卷生成中提示")->hide();
        return;
    }
    // The paced steps leave time for what the paper no longer needs.
    if (bar->value() == 0) discardReplacedChoiceSlots();
    bar->setValue(bar->value() + 1);
}

// ---- pages ---------------------------------------------------------------

void MockTestWindow::showChoicePage()
{
    using namespace forms;
    for (const char* f : {"占位区", "题型介绍区", "操作题题号", "操作题内容区", "样式区"}) ctl(QString::fromUtf8(f))->hide();
    ctl("选择题题号")->show();
    ctl("选择题答题卡")->show();
    ctl("选择题内容区")->hide();
    setOuterHeightTw(heightTw(ctl("选择题题号")) + heightTw(ctl("题型区")) + heightTw(ctl("选择题答题卡")) +
                     heightTw(ctl("选择题内容区")) + 800);
    setOuterWidthTw(widthTw(ctl("选择题题号")) + 280);
    forms::setCaption(ctl("选择题题号"), QStringLiteral("选择题"));
    state.操作题题型.clear();
    for (const QString& b : kPageButtons) ctl(b)->setEnabled(b != QStringLiteral("选择题"));
}

void MockTestWindow::setOperationHeight()
{
    setOuterHeightTw(forms::heightTw(ctl("题型区")) + forms::heightTw(ctl("操作题题号")) + 600);
}

void MockTestWindow::uShowOperationPage(const PageRow& row)
{
    using namespace forms;
    const QString kind = QString::fromUtf8(row.kind);
    const KindSpec* ks = findKind(kind);
    QWidget* place = ctl("占位区");
    moveTw(place, leftTw(place), 840);
    place->show();
    ctl("题型介绍区")->hide();
    for (const char* b : {"考生文件夹", "打开题目", "样式", "样式上一张", "样式下一张"}) ctl(QString::fromUtf8(b))->hide();
    for (const QString& f : kChoiceFrames) ctl(f)->hide();
    ctl("操作题题号")->show();
    ctl("操作题内容区")->hide();
    for (const QString& b : kPageButtons) ctl(b)->setEnabled(b != QString::fromUtf8(row.button));
    moveTw(ctl("操作题题号"), leftTw(ctl("操作题题号")), 840);
    moveTw(ctl("操作题内容区"), leftTw(ctl("操作题内容区")), 840);
    setOperationHeight();
    setOuterWidthTw(leftTw(ctl("操作题内容区")) + widthTw(ctl("操作题内容区")) + 180);
    forms::setCaption(ctl("操作题题号"), QString::fromUtf8(row.caption));
    state.操作题题型 = kind;
    state.扩展名 = QString::fromUtf8(ks->ext);
    state.素材文件夹 = QString::fromUtf8(ks->folder);
    ctl("折叠")->hide();

    if (kind == QStringLiteral("ppt") && !fs::listFiles(mockTree() + QStringLiteral("\\ppt\\题目文档")).isEmpty())
        ctl("打开题目")->show();

    const LevelSpec* level = findLevel(state.测试级别);
    const LevelKind* lk = level ? level->kind(kind) : nullptr;
    if (lk && !level->perSlotFolders) {
        // One question per kind: the page decides its buttons.
        const QString id = state.drawn[lk->firstLabel];
        loadStyle(*lk, id, false);
        if (state.listed(lk->materialList(), id)) ctl("考生文件夹")->show();
    }
    if (lk && level->perSlotFolders)
        for (int slot = 2; slot <= 6; ++slot) ctl(cName(slot))->setVisible(slot <= lk->count);

    if (kind == QStringLiteral("network")) {
        plat::ignoreFailure(common::runIpconfig(this, false), "no report gives no address");
        const QString address = common::parseIPv4(plat::readLines936(common::kIpTempFile).value_or(QStringList()));
        if (!address.isEmpty()) state.nIP = address;
    }
}

// The style step of a question: 样式 offered when it has pictures, the first
// one loaded, the arrows shown for two or more.
void MockTestWindow::loadStyle(const LevelKind& lk, const QString& number, bool disableArrows)
{
    if (!state.listed(lk.styleList(), number)) return;
    ctl("样式")->show();
    const int count = style_.setFolder(mockBank(state.测试级别) + QStringLiteral("\\") + QString::fromUtf8(lk.kind) +
                                       QStringLiteral("\\样式\\") + number);
    if (count == 0) return;
    style_.uShowPicture(0);
    ctl("样式上一张")->setVisible(count >= 2);
    ctl("样式下一张")->setVisible(count >= 2);
    if (count >= 2 && disableArrows) {
        ctl("样式上一张")->setEnabled(false);
        ctl("样式下一张")->setEnabled(false);
    }
}

void MockTestWindow::uShowMockChoiceQuestion(int n)
{
    ctl("选择题内容区")->show();
    const QString nn = slotName(n);
    const QString failure = common::fillChoiceLabels(
        mockTree() + QStringLiteral("\\选择题\\") + nn + QStringLiteral(".txt"),
        {ctl("选择题题干"), {ctl("选项A"), ctl("选项B"), ctl("选项C"), ctl("选项D")}});
    ctl<QLineEdit>(QStringLiteral("题号"))->setText(QStringLiteral("【") + forms::caption(ctl(xName(n))) + QStringLiteral("】"));
    if (!failure.isEmpty()) msgOk(failure, this);
}

// ---- slots -----------------------------------------------------------------

void MockTestWindow::uPrepareSlotQuestion(int slot)
{
    const QString nn = slotName(slot);
    state.序号 = nn;
    ctl("操作题内容区")->show();
    const QString kind = state.操作题题型;
    const LevelSpec* level = findLevel(state.测试级别);
    const LevelKind* lk = level ? level->kind(kind) : nullptr;
    const KindSpec* ks = findKind(kind);
    const bool entry = state.测试级别 == QStringLiteral("入门");
    const bool hard = state.测试级别 == QStringLiteral("困难");
    if (hard) ctl("打开题目")->hide();
    QString problem;
    if (lk && ks && slot <= lk->count && (entry || hard)) {
        const QString n = state.drawn[lk->labelOfSlot(slot)];
        if (!ks->documentsPerSlot) {
            if (entry && (slot == 1 || kind == QStringLiteral("word"))) ctl("打开题目")->show();
            // The arrows go too: a question without pictures must not page
            // through the previous question's.
            for (const char* b : {"样式", "考生文件夹", "折叠", "样式区", "样式上一张", "样式下一张"}) ctl(QString::fromUtf8(b))->hide();
            setOperationHeight();
            if (entry) problem = personalise(kind, n, nn, {});
            loadStyle(*lk, n, slot == 1);
            if (state.listed(lk->materialList(), n)) ctl("考生文件夹")->show();
        } else if (entry) {
            std::optional<QString> address;
            if (kind == QStringLiteral("network")) {
                // The address of the report the page's lookup left.
                const QString a = common::parseIPv4(plat::readLines936(common::kIpTempFile).value_or(QStringList()));
                if (!a.isEmpty()) {
                    state.nIP = a;
                    address = a;
                } else {
                    msgOk(common::kNoIPv4Message, this);
                }
            }
            problem = personalise(kind, n, nn, address ? *address : QString());
            if (problem.isEmpty()) problem = copySlotDocuments(*ks, n, nn);
        }
    }
    if (!common::showQuestionText(textArea("操作题题目内容"), shownQuestionText(kind, nn)) && problem.isEmpty())
        problem = common::questionTextUnreadableMessage(shownQuestionText(kind, nn));
    if (problem.isEmpty() && lk && entry && kind == QStringLiteral("network") && slot <= lk->count) {
        const auto text = common::readQuestionText(shownQuestionText(kind, nn));
        problem = setupMockServer(text.value_or(QString()), state.测试级别, state.drawn[lk->labelOfSlot(slot)],
                                   state.nIP == QStringLiteral("nIP") ? QString() : state.nIP, this);
    }
    if (!problem.isEmpty()) msgOk(problem, this);
}

// The slot's question text with its folder (and, for network questions, the
// address) put in: written beside the bank's text, then shown from the
// working tree.
QString MockTestWindow::personalise(const QString& kind, const QString& n, const QString& nn, const QString& address)
{
    const QString bank = mockBank(state.测试级别) + QStringLiteral("\\") + kind;
    const QString personal = bank + QStringLiteral("\\题目内容_改\\") + n + QStringLiteral(".txt");
    // The folder as the student finds it in the file manager.
    common::Placeholders p{{QStringLiteral("C:\\kaoshi\\windows"),
                            plat::displayPath(QStringLiteral("D:\\") + state.素材文件夹 + QStringLiteral("\\") + nn)}};
    if (kind == QStringLiteral("network")) p.append({QStringLiteral("strLocalIP"), address});
    if (!common::uPersonaliseQuestionText(bank + QStringLiteral("\\题目内容\\") + n + QStringLiteral(".txt"), personal, p) ||
        !fs::copyFile(personal, shownQuestionText(kind, nn)).ok())
        return msg::kQuestionTextNotReady;
    return {};
}

// A Windows or network slot gets its documents once per paper: the work in
// the question document survives later clicks (恢复本题 starts over).
QString MockTestWindow::copySlotDocuments(const KindSpec& ks, const QString& n, const QString& nn)
{
    const QString kind = QString::fromUtf8(ks.kind);
    const QString ext = QString::fromUtf8(ks.ext);
    const QString key = kind + nn;
    if (state.slotsWithDocuments.contains(key)) return {};
    const QString doc = mockBank(state.测试级别) + QStringLiteral("\\") + kind + QStringLiteral("\\题目文档\\") + n + '.' + ext;
    const fs::Status pristine = fs::copyFile(doc, pristineDocument(kind, ext, nn));
    const fs::Status working = pristine.ok() ? fs::copyFile(doc, workingDocument(kind, ext, nn)) : pristine;
    if (!working.ok()) return msg::documentNotCopied(working.describe());
    state.slotsWithDocuments.insert(key);
    return {};
}

void MockTestWindow::openQuestionDocument()
{
    common::uOpenDocument(workingDocument(state.操作题题型, state.扩展名, state.序号));
}

void MockTestWindow::openExamineeFolder()
{
    const LevelSpec* level = findLevel(state.测试级别);
    if (!level) return;
    const QString folder = QStringLiteral("D:\\") + state.素材文件夹;
    common::uOpenFolder(level->perSlotFolders ? folder + QStringLiteral("\\") + state.序号 : folder);
}

void MockTestWindow::restoreQuestion() { restoreMockQuestion(state, this); }

// ---- close -----------------------------------------------------------------

void MockTestWindow::onUnload(bool& cancel)
{
    if (!msgYesNo(common::msg::kAskExit, this) || !msgYesNo(msg::kAskExitClears, this)) {
        cancel = true;
        return;
    }
    if (!recoverProbeLeftovers(this) || !common::uCheckFoldersFree(exitGuards(), this)) {
        cancel = true;
        return;
    }
    timer_.stop();
    const QStringList kept = cleanMockWorkspace(state.测试级别, this);
    if (!kept.isEmpty()) msgOk(foldersKeptMessage(kept), this);
    common::returnToMainOrEnd(state.单体与否);
}

}  // namespace mocktest
