// 操作题随机练习窗格: drawing and preparing questions through 开始 and 下一题,
// the practice servers, restore, the picture viewer and the close, driven
// through the window's real widgets.
#include "common/draw.h"
#include "common/handover.h"
#include "common/ipv4.h"
#include "common/messages.h"
#include "common/navigation.h"
#include "common/processes.h"
#include "common/workspace.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/desktop.h"
#include "platform/process.h"
#include "platform/shellwait.h"
#include "platform/textfile.h"
#include "operation_bank.h"
#include "practice/messages.h"
#include "practice/randompractice.h"
#include "process_support.h"
#include "return_rules.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

using practice::RandomPracticeWindow;
using testing_support::gbk;

namespace {

const QString kRandomWindow = QString::fromUtf8(RandomPracticeWindow::kName);

QString ext(const QString& kind) { return common::extensionOf(kind); }

// The tests write their own questions; from the demo tree they take only the
// practice servers' settings, mailboxes and mail client.
class RandomPracticeTest : public testing_support::OperationBankTest {
protected:
    RandomPracticeTest()
        : OperationBankTest({"素材/bk/soft/Mailserver", "素材/bk/soft/WebServer", "素材/bk/题库/操作题/network/server"},
                            QStringLiteral("强化训练"), testing_support::FakeServers::Runs::EveryProgram)
    {
    }
    void SetUp() override
    {
        OperationBankTest::SetUp();
        hooks_.random([this](std::uint32_t bound) {
            bounds << bound;
            return pick < bound ? pick : bound - 1;
        });
    }

    // Replaces the demo questions of a kind's bank by the test's own.
    void emptyBank(const QString& kind) const
    {
        for (const char* part : {"bk", "题目内容", "样图", "素材", "题目文档"})
            QDir(hostPath(bank(kind) + QString::fromUtf8(part))).removeRecursively();
        for (const char* part : {"bk", "题目文档"}) QDir().mkpath(hostPath(bank(kind) + QString::fromUtf8(part)));
    }
    // A question with its document, material, text (a template for network)
    // and sample pictures (heights in pixels; none: no picture folder).
    void question(const QString& kind, const QString& name, const QString& question, const QList<int>& pictures = {}) const
    {
        writeBytes(bank(kind) + QStringLiteral("bk/") + name + '.' + ext(kind), "pristine " + name.toUtf8());
        if (kind == QStringLiteral("windows")) writeBytes(bank(kind) + QStringLiteral("素材/") + name + QStringLiteral("/winsys/a.txt"), name.toUtf8());
        else writeBytes(bank(kind) + QStringLiteral("素材/") + name + QStringLiteral("/材料.txt"), name.toUtf8());
        const bool network = kind == QStringLiteral("network");
        text(bank(kind) + (network ? QStringLiteral("题目内容/框架/") : QStringLiteral("题目内容/")) + name + QStringLiteral(".txt"), question);
        if (network && question.contains(QStringLiteral("文件传输协议")))
            writeBytes(bank(kind) + QStringLiteral("server/") + name + QStringLiteral("/f.txt"), name.toUtf8());
        for (int i = 0; i < pictures.size(); ++i)
            jpeg(bank(kind) + QStringLiteral("样图/") + name + QStringLiteral("/%1.jpg").arg(i + 1), 300, pictures[i]);
    }
    // A bank of three questions "<kind>甲", "<kind>乙", "<kind>丙".
    void threeQuestions(const QString& kind, const QString& q = QStringLiteral("题"))
    {
        emptyBank(kind);
        for (const char* n : {"甲", "乙", "丙"}) question(kind, kind + QString::fromUtf8(n), q + QString::fromUtf8(n), {100, 120});
    }
    RandomPracticeWindow* open(const QString& kind)
    {
        EXPECT_TRUE(uWriteTextFile(common::kRandomPracticeRequest, kind + QStringLiteral("\r\n") + ext(kind)));
        return static_cast<RandomPracticeWindow*>(forms::show(kRandomWindow));
    }
    QPushButton* button(RandomPracticeWindow* w, const char* name) const { return w->ctl<QPushButton>(QString::fromUtf8(name)); }
    QString shownText(RandomPracticeWindow* w) const { return w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(); }
    QByteArray document(const QString& kind) const { return bytes(bank(kind) + QStringLiteral("题目文档/题目.") + ext(kind)); }
    void putOnD(const QString& rel, const QByteArray& data = "x") const
    {
        QDir().mkpath(QFileInfo(drive_ + '/' + rel).absolutePath());
        QFile f(drive_ + '/' + rel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    // Set by a test: what starting a kill tool returns.
    std::function<qint64()>& slowKill = servers_.killTool;
    QList<std::uint32_t> bounds;
    std::uint32_t pick = 0;
};

// ---- Load -----------------------------------------------------------------

TEST_F(RandomPracticeTest, LoadShowsOnlyTheStartButtonAndPreparesNothing)
{
    threeQuestions(QStringLiteral("word"));
    putOnD(QStringLiteral("实训素材/earlier.txt"));
    RandomPracticeWindow* w = open(QStringLiteral("word"));
    ASSERT_TRUE(w);
    QStringList visible;
    for (QPushButton* b : w->findChildren<QPushButton*>())
        if (b->isVisible()) visible << b->objectName();
    EXPECT_EQ(visible, QStringList{QStringLiteral("开始")});
    EXPECT_EQ(button(w, "开始")->text(), QStringLiteral("开始练习"));
    EXPECT_FALSE(w->ctl(QStringLiteral("题目内容"))->isVisible());
    EXPECT_TRUE(onD(QStringLiteral("实训素材/earlier.txt")));
    EXPECT_TRUE(docs(QStringLiteral("word")).isEmpty());
    EXPECT_TRUE(bounds.isEmpty());
}

// ---- 开始 and 下一题 over kind x guard state ------------------------------------

enum class Guard { Free, WorkHeld, DocHeld, WinsysHeld };

struct PrepareCase {
    const char* name;
    const char* kind;
    Guard guard;
    bool viaNext;         // the state is met by 下一题 after a free 开始
    const QString* refusal;  // nullptr: prepared
};
void PrintTo(const PrepareCase& c, std::ostream* os) { *os << c.name; }

class PrepareTable : public RandomPracticeTest, public ::testing::WithParamInterface<PrepareCase> {};

TEST_P(PrepareTable, GuardsThenDrawsAndPrepares)
{
    const PrepareCase& c = GetParam();
    const QString kind = QString::fromUtf8(c.kind);
    const bool windows = kind == QStringLiteral("windows");
    const bool network = kind == QStringLiteral("network");
    threeQuestions(kind, network ? QStringLiteral("访问strLocalIP，账号学号，题") : QStringLiteral("题"));
    RandomPracticeWindow* w = open(kind);
    ASSERT_TRUE(w);

    QString before = QStringLiteral("题目名称");
    if (c.viaNext) {
        button(w, "开始")->click();
        ASSERT_TRUE(w->state.prepared);
        before = w->state.question;
        pick = 0;  // the first of the others
    } else {
        // What an earlier window left: a working folder (and a winsys).
        putOnD(QStringLiteral("实训素材/earlier.txt"));
        putOnD(QStringLiteral("winsys/earlier.txt"));
    }
    const QString workFile = windows ? QStringLiteral("winsys/a.txt") : QStringLiteral("实训素材/材料.txt");
    std::unique_ptr<testing_support::FileHolder> holder;
    switch (c.guard) {
    case Guard::Free: break;
    case Guard::WorkHeld: {
        // A file open in "D:\实训素材" (a Windows question leaves none: one is put there).
        QString held = QStringLiteral("实训素材/earlier.txt");
        if (c.viaNext) {
            held = windows ? QStringLiteral("实训素材/held.txt") : QStringLiteral("实训素材/材料.txt");
            if (windows) putOnD(held);
        }
        holder = std::make_unique<testing_support::FileHolder>(drive_ + '/' + held);
        break;
    }
    case Guard::DocHeld:
        writeBytes(bank(kind) + QStringLiteral("题目文档/题目.") + ext(kind), "student's work");
        holder = std::make_unique<testing_support::FileHolder>(hostPath(bank(kind) + QStringLiteral("题目文档/题目.") + ext(kind)));
        break;
    case Guard::WinsysHeld:
        holder = std::make_unique<testing_support::FileHolder>(drive_ + (c.viaNext ? QStringLiteral("/winsys/a.txt") : QStringLiteral("/winsys/earlier.txt")));
        break;
    }
    if (holder) { ASSERT_TRUE(holder->holding()); }
    if (network && c.viaNext) { ASSERT_TRUE(running.contains(QStringLiteral("MyWebServer.exe"))); }
    starts.clear();

    testing_support::ScriptedMessageBoxes boxes;
    if (c.refusal) boxes.expectOk(*c.refusal);
    button(w, c.viaNext ? "下一题" : "开始")->click();

    EXPECT_FALSE(button(w, "开始")->isVisible()) << "开始 is used once, also when refused";
    EXPECT_TRUE(button(w, "下一题")->isVisible());
    EXPECT_TRUE(button(w, "下一题")->isEnabled());
    if (c.refusal) {
        EXPECT_EQ(boxes.shown.size(), 1);
        EXPECT_EQ(w->state.question, before);
        EXPECT_EQ(w->state.prepared, c.viaNext);
        EXPECT_TRUE(starts.isEmpty()) << "nothing stopped or started: " << starts.join(',').toStdString();
        if (!c.viaNext) {
            EXPECT_EQ(shownText(w), QStringLiteral("题目内容"));
            EXPECT_TRUE(onD(QStringLiteral("实训素材/earlier.txt")));
            EXPECT_TRUE(onD(QStringLiteral("winsys/earlier.txt")));
            EXPECT_FALSE(button(w, "恢复本题")->isVisible());
            // No question of this student to open: the student is told.
            boxes.expectOk(practice::msg::kQuestionNotPrepared);
            button(w, "打开题目")->click();
            EXPECT_TRUE(desktop.isEmpty());
        } else {
            EXPECT_TRUE(onD(workFile));
        }
        return;
    }

    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join(',').toStdString();
    ASSERT_TRUE(w->state.prepared);
    const QString n = w->state.question;
    ASSERT_EQ(w->state.questions.size(), 3);
    EXPECT_EQ(n, w->state.questions.at(w->state.position - 1));
    EXPECT_NE(n, before) << "下一题 takes another question of a bank of three";
    EXPECT_EQ(w->state.previousKind, kind);
    EXPECT_EQ(uReadTextLine(common::kVideoRequest, 1), n);
    EXPECT_EQ(uReadTextLine(common::kVideoRequest, 2), kind);
    EXPECT_EQ(uReadTextLine(common::kOperationBank + kind + QStringLiteral("\\caption.txt"), 1), n);
    const QString suffix = n.right(1);
    EXPECT_EQ(shownText(w), network ? QStringLiteral("访问10.1.2.3，账号2024001，题") + suffix + '\n' : QStringLiteral("题") + suffix + '\n');
    {
        QFile f(drive_ + '/' + workFile);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), n.toUtf8());
    }
    EXPECT_FALSE(onD(QStringLiteral("实训素材/earlier.txt")));
    EXPECT_EQ(onD(QStringLiteral("实训素材")), !windows);
    // "D:\winsys" belongs to Windows questions: another kind leaves it alone.
    if (!c.viaNext) { EXPECT_EQ(onD(QStringLiteral("winsys/earlier.txt")), !windows); }
    if (windows) {
        EXPECT_TRUE(docs(kind).isEmpty());
        EXPECT_FALSE(button(w, "打开题目")->isVisible());
    } else {
        EXPECT_EQ(docs(kind), QStringList{QStringLiteral("题目.") + ext(kind)});
        EXPECT_EQ(document(kind), "pristine " + n.toUtf8());
        EXPECT_EQ(button(w, "打开题目")->isVisible(), !network);
    }
    for (const char* b : {"恢复本题", "操作视频", "参考样式"}) EXPECT_TRUE(button(w, b)->isVisible()) << b;
    for (const char* b : {"折叠样式", "上一张", "下一张"}) EXPECT_FALSE(button(w, b)->isVisible()) << b;
    EXPECT_EQ(w->outerWidthTw(), 8700);
    EXPECT_EQ(w->outerHeightTw(), 3660);
    if (network) {
        // The earlier question's web server is stopped and awaited before the next one starts.
        const QStringList expected = c.viaNext ? QStringList{QStringLiteral("kill_app.exe"), QStringLiteral("MyWebServer.exe")}
                                               : QStringList{QStringLiteral("MyWebServer.exe")};
        EXPECT_EQ(starts, expected);
        EXPECT_FALSE(onD(QStringLiteral("IPtemp0000.txt")));
    } else {
        EXPECT_TRUE(starts.isEmpty()) << starts.join(',').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    KindsAndGuards, PrepareTable,
    ::testing::Values(PrepareCase{"WordFree", "word", Guard::Free, false, nullptr},
                      PrepareCase{"ExcelFreeNext", "excel", Guard::Free, true, nullptr},
                      PrepareCase{"PptFree", "ppt", Guard::Free, false, nullptr},
                      PrepareCase{"WindowsFree", "windows", Guard::Free, false, nullptr},
                      PrepareCase{"WindowsFreeNext", "windows", Guard::Free, true, nullptr},
                      PrepareCase{"NetworkFree", "network", Guard::Free, false, nullptr},
                      PrepareCase{"NetworkFreeNext", "network", Guard::Free, true, nullptr},
                      PrepareCase{"WordWorkHeld", "word", Guard::WorkHeld, false, &common::msg::kCloseOpenWorkFiles},
                      PrepareCase{"PptWorkHeldNext", "ppt", Guard::WorkHeld, true, &common::msg::kCloseOpenWorkFiles},
                      PrepareCase{"NetworkWorkHeldNext", "network", Guard::WorkHeld, true, &common::msg::kCloseOpenWorkFiles},
                      PrepareCase{"ExcelDocHeld", "excel", Guard::DocHeld, false, &common::msg::kCloseOpenDocuments},
                      PrepareCase{"WordDocHeldNext", "word", Guard::DocHeld, true, &common::msg::kCloseOpenDocuments},
                      PrepareCase{"WindowsWinsysHeld", "windows", Guard::WinsysHeld, false, &common::msg::kCloseOpenWinsysFiles},
                      PrepareCase{"WindowsWinsysHeldNext", "windows", Guard::WinsysHeld, true, &common::msg::kCloseOpenWinsysFiles},
                      PrepareCase{"WordIgnoresAHeldWinsys", "word", Guard::WinsysHeld, false, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the draw ---------------------------------------------------------------

TEST_F(RandomPracticeTest, DrawsAmongTheListedDocumentsOnlyAndNextNeverRepeatsTheQuestionOnScreen)
{
    threeQuestions(QStringLiteral("excel"));
    // Neither a stray file nor a folder is a question of the bank.
    writeBytes(bank(QStringLiteral("excel")) + QStringLiteral("bk/说明.txt"), "not a question");
    QDir().mkpath(hostPath(bank(QStringLiteral("excel")) + QStringLiteral("bk/文件夹.xlsx")));
    RandomPracticeWindow* w = open(QStringLiteral("excel"));
    ASSERT_TRUE(w);
    pick = 99;  // the last position the source may give
    button(w, "开始")->click();
    EXPECT_EQ(bounds, QList<std::uint32_t>{3});
    EXPECT_EQ(w->state.position, 3);
    ASSERT_EQ(w->state.questions.size(), 3);
    for (std::uint32_t p : {0u, 1u, 0u, 1u, 1u, 0u}) {
        pick = p;
        bounds.clear();
        const QString before = w->state.question;
        button(w, "下一题")->click();
        EXPECT_EQ(bounds, QList<std::uint32_t>{2}) << "drawn among the two others";
        EXPECT_NE(w->state.question, before);
        EXPECT_EQ(w->state.question, w->state.questions.at(w->state.position - 1));
        EXPECT_EQ(document(QStringLiteral("excel")), "pristine " + w->state.question.toUtf8());
    }
}

TEST_F(RandomPracticeTest, ABankOfOneQuestionPreparesItAgain)
{
    emptyBank(QStringLiteral("ppt"));
    question(QStringLiteral("ppt"), QStringLiteral("ppt唯一"), QStringLiteral("唯一的题"));
    RandomPracticeWindow* w = open(QStringLiteral("ppt"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    writeBytes(bank(QStringLiteral("ppt")) + QStringLiteral("题目文档/题目.pptx"), "student's work");
    button(w, "下一题")->click();
    EXPECT_EQ(w->state.question, QStringLiteral("ppt唯一"));
    EXPECT_EQ(document(QStringLiteral("ppt")), QByteArray("pristine ppt唯一"));
}

TEST_F(RandomPracticeTest, NextToAQuestionWithoutItsTextSaysWhatIsMissingInTheBox)
{
    emptyBank(QStringLiteral("word"));
    question(QStringLiteral("word"), QStringLiteral("word甲"), QStringLiteral("甲的题目"));
    question(QStringLiteral("word"), QStringLiteral("word乙"), QStringLiteral("乙的题目"));
    const QString missing = bank(QStringLiteral("word")) + QStringLiteral("题目内容/word甲.txt");
    ASSERT_TRUE(QFile::remove(hostPath(missing)));
    RandomPracticeWindow* w = open(QStringLiteral("word"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    ASSERT_EQ(w->state.question, QStringLiteral("word乙"));  // the first in the list
    EXPECT_EQ(shownText(w).trimmed(), QStringLiteral("乙的题目"));
    button(w, "下一题")->click();
    ASSERT_EQ(w->state.question, QStringLiteral("word甲"));
    EXPECT_EQ(shownText(w), QStringLiteral("找不到本题的题目内容“") + QDir::toNativeSeparators(hostPath(missing)) +
                                QStringLiteral("”，请联系老师。"));
}

TEST_F(RandomPracticeTest, AnEmptyBankIsToldAndNothingIsPrepared)
{
    emptyBank(QStringLiteral("word"));
    writeBytes(bank(QStringLiteral("word")) + QStringLiteral("bk/说明.txt"), "no document of the kind");
    putOnD(QStringLiteral("实训素材/earlier.txt"));
    RandomPracticeWindow* w = open(QStringLiteral("word"));
    ASSERT_TRUE(w);
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::emptyBankMessage());
    button(w, "开始")->click();
    EXPECT_FALSE(w->state.prepared);
    EXPECT_TRUE(onD(QStringLiteral("实训素材/earlier.txt")));
    EXPECT_FALSE(button(w, "恢复本题")->isVisible());
    EXPECT_FALSE(QFileInfo::exists(hostPath(bank(QStringLiteral("word")) + QStringLiteral("caption.txt"))));
    EXPECT_TRUE(docs(QStringLiteral("word")).isEmpty());
}

// ---- captions -----------------------------------------------------------------

TEST_F(RandomPracticeTest, StartTitlesByTheMarkerAndNextLeavesTheCaption)
{
    threeQuestions(QStringLiteral("excel"));
    EXPECT_TRUE(uWriteTextFile(common::kCallMarkerFile, QStringLiteral("知识点")));
    RandomPracticeWindow* w = open(QStringLiteral("excel"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->caption(), QStringLiteral("知识点随机练习"));
    button(w, "开始")->click();
    EXPECT_EQ(w->caption(), QStringLiteral("【excel】知识点随机练习"));
    EXPECT_TRUE(uWriteTextFile(common::kCallMarkerFile, QStringLiteral("强化训练")));
    button(w, "下一题")->click();
    EXPECT_EQ(w->caption(), QStringLiteral("【excel】知识点随机练习"));
    forms::resetForTests();
    processEvents();

    // The main window writes its marker after the show: 开始 reads it again.
    EXPECT_TRUE(uWriteTextFile(common::kCallMarkerFile, QStringLiteral("知识点")));
    w = open(QStringLiteral("excel"));
    EXPECT_TRUE(uWriteTextFile(common::kCallMarkerFile, QStringLiteral("强化训练")));
    button(w, "开始")->click();
    EXPECT_EQ(w->caption(), QStringLiteral("强化训练_excel               当前用户信息：【2024001】"));
}

// ---- network: the server by the question's text ----------------------------------

struct ServerCase {
    const char* name;
    const char* text;
    QStringList started;
    const char* openCaption;  // nullptr: 打开题目 hidden
};
void PrintTo(const ServerCase& c, std::ostream* os) { *os << c.name; }

class ServerByText : public RandomPracticeTest, public ::testing::WithParamInterface<ServerCase> {};

TEST_P(ServerByText, StartsTheServerTheTextAsksFor)
{
    const ServerCase& c = GetParam();
    emptyBank(QStringLiteral("network"));
    question(QStringLiteral("network"), QStringLiteral("network题"), QString::fromUtf8(c.text), {100});
    putOnD(QStringLiteral("PracticalTraining/stale.txt"));
    const QStringList mailConfig{QStringLiteral("素材/bk/soft/Mailserver/cmail/CMailCOM.ini"),
                                 QStringLiteral("素材/bk/soft/Mailserver/cmail/BK/CMailCOM.ini")};
    writeBytes(mailConfig[0], "the server's own configuration");
    writeBytes(mailConfig[1], "the staging configuration");
    RandomPracticeWindow* w = open(QStringLiteral("network"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    EXPECT_EQ(starts, c.started);
    // This window leaves the mail server the configuration it has.
    EXPECT_EQ(bytes(mailConfig[0]), QByteArray("the server's own configuration"));
    EXPECT_EQ(bytes(mailConfig[1]), QByteArray("the staging configuration"));
    QPushButton* open = button(w, "打开题目");
    EXPECT_EQ(open->isVisible(), c.openCaption != nullptr);
    if (c.openCaption) {
        EXPECT_EQ(open->text(), QString::fromUtf8(c.openCaption));
        EXPECT_NEAR(forms::leftTw(open), 5080, 15);
        EXPECT_NEAR(forms::widthTw(open), 1175, 15);
    }
    const bool ftp = c.started.contains(QStringLiteral("FTPServer.exe"));
    // The served folder holds the question's content and nothing of before.
    EXPECT_EQ(onD(QStringLiteral("PracticalTraining/f.txt")), ftp);
    EXPECT_EQ(onD(QStringLiteral("PracticalTraining/stale.txt")), !ftp);
    if (c.started.contains(QStringLiteral("CMailServer.exe"))) {
        EXPECT_TRUE(QFileInfo(hostPath(QStringLiteral("素材/bk/soft/Mailserver/cmail/mail/2024001"))).isDir());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ServerByText,
    ::testing::Values(ServerCase{"Web", "打开网页http://strLocalIP:8080/。", {QStringLiteral("MyWebServer.exe")}, nullptr},
                      ServerCase{"Ftp", "用文件传输协议下载。", {QStringLiteral("FTPServer.exe")}, nullptr},
                      ServerCase{"Mail", "打开邮件管理器写信。", {QStringLiteral("CMailServer.exe")}, "邮件管理器"},
                      ServerCase{"BothKeywordsMeanFtp", "用文件传输协议下载后打开邮件管理器。", {QStringLiteral("FTPServer.exe")}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RandomPracticeTest, NextStopsEveryEarlierServerAfterTheGuardsAndAwaitsItsKillTool)
{
    emptyBank(QStringLiteral("network"));
    question(QStringLiteral("network"), QStringLiteral("network邮件"), QStringLiteral("打开邮件管理器。"));
    question(QStringLiteral("network"), QStringLiteral("network下载"), QStringLiteral("用文件传输协议下载。"));
    RandomPracticeWindow* w = open(QStringLiteral("network"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    running << QStringLiteral("MyWebServer.exe") << QStringLiteral("FTPServer.exe") << QStringLiteral("CMailServer.exe");
    const QString first = w->state.question;
    starts.clear();
    styles.clear();
    button(w, "下一题")->click();
    ASSERT_NE(w->state.question, first);
    const QString started = w->state.question == QStringLiteral("network下载") ? QStringLiteral("FTPServer.exe") : QStringLiteral("CMailServer.exe");
    EXPECT_EQ(starts, (QStringList{QStringLiteral("f-kill_app.exe"), QStringLiteral("kill_app.exe"), QStringLiteral("mail-kill_app.exe"), started}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(styles[i], plat::WindowStyle::Hidden);
    EXPECT_EQ(running, QStringList{started});
}

TEST_F(RandomPracticeTest, AnotherKindNeverStartsAKillTool)
{
    threeQuestions(QStringLiteral("word"));
    running << QStringLiteral("MyWebServer.exe");
    RandomPracticeWindow* w = open(QStringLiteral("word"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    button(w, "下一题")->click();
    EXPECT_TRUE(starts.isEmpty()) << starts.join(',').toStdString();
}

TEST_F(RandomPracticeTest, WhileAKillToolIsAwaitedTheButtonsAndTheCloseDoNothing)
{
    threeQuestions(QStringLiteral("network"), QStringLiteral("访问strLocalIP题"));
    RandomPracticeWindow* w = open(QStringLiteral("network"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    ASSERT_TRUE(running.contains(QStringLiteral("MyWebServer.exe")));
    // The kill tool takes its time: a real process, ended from inside the wait.
    qint64 pid = 0;
    slowKill = [&] {
        QProcess::startDetached(QStringLiteral("/bin/sleep"), {QStringLiteral("30")}, QString(), &pid);
        return pid;
    };
    bool busy = false, stillLoaded = false;
    QTimer::singleShot(0, [&] {
        busy = w->isBusy();
        w->close();
        button(w, "下一题")->click();
        button(w, "恢复本题")->click();  // would ask "是否恢复?": no box is scripted
        stillLoaded = forms::isLoaded(kRandomWindow);
        ::kill(static_cast<pid_t>(pid), SIGTERM);
    });
    starts.clear();
    const QString before = w->state.question;
    button(w, "下一题")->click();
    EXPECT_TRUE(busy);
    EXPECT_TRUE(stillLoaded);
    EXPECT_EQ(starts, (QStringList{QStringLiteral("kill_app.exe"), QStringLiteral("MyWebServer.exe")})) << "one preparation only";
    EXPECT_NE(w->state.question, before);
    EXPECT_FALSE(w->isBusy());
}

// ---- pictures --------------------------------------------------------------------

TEST_F(RandomPracticeTest, ViewerHeightFollowsThePictureAndTheWidthStays)
{
    // Heights 100, 200 and 150 pixels: 1500, 3000 and 2250 twips.
    emptyBank(QStringLiteral("word"));
    question(QStringLiteral("word"), QStringLiteral("word图"), QStringLiteral("题"), {100, 200, 150});
    RandomPracticeWindow* w = open(QStringLiteral("word"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    EXPECT_FALSE(button(w, "上一张")->isVisible());
    EXPECT_TRUE(button(w, "上一张")->isEnabled());
    button(w, "参考样式")->click();
    EXPECT_EQ(w->outerHeightTw(), 3480 + 1500 + 600);
    EXPECT_EQ(w->outerWidthTw(), 8700);
    EXPECT_TRUE(button(w, "折叠样式")->isVisible());
    EXPECT_FALSE(button(w, "参考样式")->isVisible());
    for (int h : {3000, 2250, 1500}) {
        button(w, "下一张")->click();
        EXPECT_EQ(w->outerHeightTw(), 3480 + h + 600);
        EXPECT_EQ(w->outerWidthTw(), 8700);
    }
    button(w, "上一张")->click();  // from the first round to the last
    EXPECT_EQ(w->outerHeightTw(), 3480 + 2250 + 600);
    QWidget* pic = w->ctl(QStringLiteral("Picture1"));
    EXPECT_NEAR(forms::leftTw(pic), (forms::toTw(w->width()) - forms::widthTw(pic)) / 2, 15);
    button(w, "折叠样式")->click();
    EXPECT_EQ(w->outerHeightTw(), 3660);
    EXPECT_EQ(w->outerWidthTw(), 8700);
    EXPECT_FALSE(pic->isVisible());
    button(w, "参考样式")->click();
    EXPECT_EQ(w->outerHeightTw(), 3480 + 2250 + 600) << "the same picture again";
}

TEST_F(RandomPracticeTest, AQuestionWithManyPicturesAfterOneWithOneCanBeBrowsed)
{
    emptyBank(QStringLiteral("ppt"));
    question(QStringLiteral("ppt"), QStringLiteral("ppt一张"), QStringLiteral("题"), {100});
    question(QStringLiteral("ppt"), QStringLiteral("ppt三张"), QStringLiteral("题"), {100, 200, 150});
    RandomPracticeWindow* w = open(QStringLiteral("ppt"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    if (w->state.question != QStringLiteral("ppt一张")) button(w, "下一题")->click();
    ASSERT_EQ(w->state.question, QStringLiteral("ppt一张"));
    button(w, "参考样式")->click();
    EXPECT_TRUE(button(w, "下一张")->isVisible());
    EXPECT_FALSE(button(w, "下一张")->isEnabled());
    EXPECT_EQ(w->outerHeightTw(), 3480 + 1500 + 600);
    button(w, "下一题")->click();
    ASSERT_EQ(w->state.question, QStringLiteral("ppt三张"));
    EXPECT_EQ(w->outerHeightTw(), 3660) << "the new question folds the area";
    EXPECT_FALSE(w->ctl(QStringLiteral("Picture1"))->isVisible());
    button(w, "参考样式")->click();
    ASSERT_TRUE(button(w, "下一张")->isEnabled());
    button(w, "下一张")->click();
    EXPECT_EQ(w->outerHeightTw(), 3480 + 3000 + 600);
}

TEST_F(RandomPracticeTest, AQuestionWithoutPicturesInABankWithSomeShowsOpenQuestion)
{
    emptyBank(QStringLiteral("network"));
    question(QStringLiteral("network"), QStringLiteral("network无图"), QStringLiteral("浏览网页。"));
    question(QStringLiteral("network"), QStringLiteral("network有图"), QStringLiteral("浏览网页。"), {100});
    RandomPracticeWindow* w = open(QStringLiteral("network"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    if (w->state.question != QStringLiteral("network无图")) button(w, "下一题")->click();
    ASSERT_EQ(w->state.question, QStringLiteral("network无图"));
    EXPECT_FALSE(button(w, "参考样式")->isVisible());
    EXPECT_TRUE(button(w, "打开题目")->isVisible());
    EXPECT_EQ(button(w, "打开题目")->text(), QStringLiteral("打开题目"));
}

// ---- document and video ---------------------------------------------------------

TEST_F(RandomPracticeTest, OpenQuestionOpensTheWorkingCopyOrTheMailClientAndVideoShowsItsWindow)
{
    threeQuestions(QStringLiteral("word"));
    RandomPracticeWindow* w = open(QStringLiteral("word"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    button(w, "打开题目")->click();
    ASSERT_EQ(desktop.size(), 1);
    EXPECT_EQ(desktop[0], QStringLiteral("%1:%2").arg(int(plat::DesktopAction::OpenDocument))
                              .arg(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目.docx"))));
    running << QStringLiteral("CMailServer.exe");
    button(w, "打开题目")->click();
    EXPECT_EQ(desktop.size(), 1);
    EXPECT_EQ(starts.last(), QStringLiteral("Foxmail.exe"));
    EXPECT_EQ(styles.last(), plat::WindowStyle::Minimized);
    // The editor that opened the document comes in front of this topmost
    // window until the student comes back to it.
    EXPECT_FALSE(w->staysOnTopNow());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint) << "it stays a topmost window";

    w->setTopmost(true);
    ASSERT_TRUE(w->staysOnTopNow());
    button(w, "操作视频")->click();
    auto* video = qobject_cast<forms::Form*>(forms::loaded(QStringLiteral("视频操作窗格")));
    ASSERT_TRUE(video);
    EXPECT_TRUE(video->windowTitle().contains(w->state.question)) << video->windowTitle().toStdString();
    EXPECT_TRUE(w->isVisible());
    // The video window is on top; this window makes way for it and for the
    // page in the browser until the student comes back to it.
    EXPECT_TRUE(video->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->staysOnTopNow());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint) << "it stays a topmost window";
    ASSERT_TRUE(forms::unload(video));
    w->activateWindow();
    ASSERT_TRUE(testing_support::waitFor([&] { return w->isActiveWindow(); }, 3000));
    EXPECT_TRUE(w->staysOnTopNow());
}

// ---- restore ---------------------------------------------------------------------

class RandomRestoreTest : public RandomPracticeTest {
protected:
    RandomPracticeWindow* prepared(const QString& kind, const QString& text = QStringLiteral("题"))
    {
        emptyBank(kind);
        question(kind, kind + QStringLiteral("题"), text, {100});
        RandomPracticeWindow* w = open(kind);
        if (!w) return nullptr;
        button(w, "开始")->click();
        // The student's work.
        if (kind != QStringLiteral("windows")) writeBytes(bank(kind) + QStringLiteral("题目文档/题目.") + ext(kind), "edited");
        putOnD(kind == QStringLiteral("windows") ? QStringLiteral("winsys/mine.txt") : QStringLiteral("实训素材/mine.txt"));
        return w;
    }
};

TEST_F(RandomRestoreTest, YesRebuildsTheQuestionOfEachKind)
{
    for (const char* k : {"word", "windows"}) {
        const QString kind = QString::fromUtf8(k);
        RandomPracticeWindow* w = prepared(kind);
        ASSERT_TRUE(w);
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectRestored();
        button(w, "恢复本题")->click();
        if (kind == QStringLiteral("windows")) {
            EXPECT_TRUE(onD(QStringLiteral("winsys/a.txt")));
            EXPECT_FALSE(onD(QStringLiteral("winsys/mine.txt")));
            EXPECT_FALSE(onD(QStringLiteral("实训素材")));
        } else {
            EXPECT_EQ(document(kind), QByteArray("pristine word题"));
            EXPECT_TRUE(onD(QStringLiteral("实训素材/材料.txt")));
            EXPECT_FALSE(onD(QStringLiteral("实训素材/mine.txt")));
        }
        for (const char* b : {"恢复本题", "打开题目", "操作视频", "下一题"}) EXPECT_TRUE(button(w, b)->isEnabled()) << b;
        EXPECT_EQ(button(w, "恢复本题")->text(), QStringLiteral("恢复本题"));
        forms::resetForTests();
        processEvents();
    }
}

TEST_F(RandomRestoreTest, MissingSourcesRefuseBeforeAnythingIsDeleted)
{
    for (const char* missing : {"素材/word题", "bk/word题.docx"}) {
        RandomPracticeWindow* w = prepared(QStringLiteral("word"));
        ASSERT_TRUE(w);
        const QString source = hostPath(bank(QStringLiteral("word")) + QString::fromUtf8(missing));
        const bool folder = QFileInfo(source).isDir();
        folder ? QDir(source).removeRecursively() : QFile::remove(source);
        const common::Exercise e = w->exercise();
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::restoreMissingMessage({folder ? e.materialFolder() : e.pristineDocument()}));
        button(w, "恢复本题")->click();
        EXPECT_FALSE(boxes.shown.contains(common::msg::kRestored)) << missing;
        EXPECT_EQ(document(QStringLiteral("word")), QByteArray("edited")) << missing;
        EXPECT_TRUE(onD(QStringLiteral("实训素材/mine.txt"))) << missing;
        forms::resetForTests();
        processEvents();
    }
}

TEST_F(RandomRestoreTest, NoChangesNothing)
{
    RandomPracticeWindow* w = prepared(QStringLiteral("excel"));
    ASSERT_TRUE(w);
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskRestore, false);
    button(w, "恢复本题")->click();
    EXPECT_EQ(document(QStringLiteral("excel")), QByteArray("edited"));
    EXPECT_TRUE(onD(QStringLiteral("实训素材/mine.txt")));
}

TEST_F(RandomRestoreTest, HeldFilesRefuseWithThisWindowsMessages)
{
    struct {
        const char* kind;
        const char* held;  // on D: or, with a "题目." prefix, the working copy
        QString message;
    } cases[] = {{"word", "实训素材/mine.txt", practice::msg::kWorkFilesOpenAtRestore},
                 {"excel", "题目.xlsx", common::msg::kCloseDocument},
                 {"windows", "winsys/mine.txt", common::msg::kCloseOpenWinsysFiles}};
    for (const auto& c : cases) {
        const QString kind = QString::fromUtf8(c.kind);
        RandomPracticeWindow* w = prepared(kind);
        ASSERT_TRUE(w);
        const QString held = QString::fromUtf8(c.held);
        testing_support::FileHolder holder(held.startsWith(QStringLiteral("题目."))
                                               ? hostPath(bank(kind) + QStringLiteral("题目文档/") + held)
                                               : drive_ + '/' + held);
        ASSERT_TRUE(holder.holding());
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(c.message);
        button(w, "恢复本题")->click();
        EXPECT_EQ(boxes.shown.size(), 1) << c.kind;
        EXPECT_TRUE(onD(kind == QStringLiteral("windows") ? QStringLiteral("winsys/mine.txt") : QStringLiteral("实训素材/mine.txt")));
        forms::resetForTests();
        processEvents();
    }
}

TEST_F(RandomRestoreTest, AMailQuestionIsNotResetWhileTheMailClientRuns)
{
    RandomPracticeWindow* w = prepared(QStringLiteral("network"), QStringLiteral("打开邮件管理器。"));
    ASSERT_TRUE(w);
    running << QStringLiteral("Foxmail.exe");
    starts.clear();
    {
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::msg::kCloseMailClientFirst);
        button(w, "恢复本题")->click();
    }
    EXPECT_TRUE(starts.isEmpty());
    EXPECT_TRUE(onD(QStringLiteral("实训素材/mine.txt")));

    running.removeAll(QStringLiteral("Foxmail.exe"));
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectRestored();
    button(w, "恢复本题")->click();
    EXPECT_EQ(starts, (QStringList{QStringLiteral("mail-kill_app.exe"), QStringLiteral("CMailServer.exe")}));
    EXPECT_TRUE(QFileInfo(hostPath(QStringLiteral("素材/bk/soft/Mailserver/cmail/mail/2024001"))).isDir());
}

// ---- closing -----------------------------------------------------------------------

struct ReturnRuleCase {
    testing_support::ReturnSituation situation;
    const char* show;
    bool stopServers;
    bool end;
};

class RandomReturnRule : public ::testing::TestWithParam<ReturnRuleCase> {};

TEST_P(RandomReturnRule, PicksTheWindowTheServersAndTheEnd)
{
    const ReturnRuleCase& c = GetParam();
    const auto plan = testing_support::expectReturnPlan<RandomPracticeWindow>(c.situation, c.show, c.end);
    EXPECT_EQ(plan.stopServers, c.stopServers);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RandomReturnRule,
    ::testing::Values(ReturnRuleCase{{"more", "强化训练", "excel"}, "Corvanth实训平台窗格", false, false},
                      ReturnRuleCase{{"more", "强化训练", "windows"}, "Corvanth实训平台窗格", false, false},
                      ReturnRuleCase{{"more", "强化训练", "network"}, "Corvanth实训平台窗格", true, false},
                      ReturnRuleCase{{"more", "知识点", "ppt"}, "ppt知识点窗格", false, false},
                      ReturnRuleCase{{"more", "知识点", "network"}, "network知识点窗格", false, false},
                      ReturnRuleCase{{"more", "", "word"}, "word知识点窗格", false, false},
                      ReturnRuleCase{{"more", "知识点", "bogus"}, "Corvanth实训平台窗格", false, false},
                      ReturnRuleCase{{"mission", "强化训练", "word"}, "", false, true},
                      ReturnRuleCase{{"More", "强化训练", "word"}, "", false, true}));

TEST_F(RandomPracticeTest, ClosingANetworkWindowDeletesItsFoldersAndStopsItsServers)
{
    emptyBank(QStringLiteral("network"));
    question(QStringLiteral("network"), QStringLiteral("network下载"), QStringLiteral("用文件传输协议下载。"));
    RandomPracticeWindow* w = open(QStringLiteral("network"));
    ASSERT_TRUE(w);
    button(w, "开始")->click();
    ASSERT_TRUE(onD(QStringLiteral("PracticalTraining/f.txt")));
    running = {QStringLiteral("FTPServer.exe"), QStringLiteral("MyWebServer.exe")};
    starts.clear();
    forms::show(common::kMainWindowName);
    forms::hide(common::kMainWindowName);
    EXPECT_TRUE(forms::unload(w));
    EXPECT_EQ(starts.mid(0, 2), (QStringList{QStringLiteral("f-kill_app.exe"), QStringLiteral("kill_app.exe")}));
    EXPECT_TRUE(ftpFolderAtKill) << "the FTP server lets go of its folder before it is deleted";
    EXPECT_FALSE(onD(QStringLiteral("PracticalTraining")));
    EXPECT_FALSE(onD(QStringLiteral("实训素材")));
    EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
}

TEST_F(RandomPracticeTest, ClosingIsRefusedWhileSomethingIsHeldAndGoesOnAfterwards)
{
    struct {
        const char* kind;
        const char* held;
        QString message;
    } cases[] = {{"word", "实训素材/材料.txt", practice::msg::kWorkFilesOpenAtClose},
                 {"ppt", "题目.pptx", common::msg::kCloseDocument},
                 {"windows", "winsys/a.txt", common::msg::kCloseOpenWinsysFiles}};
    for (const auto& c : cases) {
        const QString kind = QString::fromUtf8(c.kind);
        threeQuestions(kind);
        RandomPracticeWindow* w = open(kind);
        ASSERT_TRUE(w);
        button(w, "开始")->click();
        const QString held = QString::fromUtf8(c.held);
        const QString heldPath = held.startsWith(QStringLiteral("题目.")) ? hostPath(bank(kind) + QStringLiteral("题目文档/") + held)
                                                                          : drive_ + '/' + held;
        {
            testing_support::FileHolder holder(heldPath);
            ASSERT_TRUE(holder.holding());
            testing_support::ScriptedMessageBoxes boxes;
            boxes.expectOk(c.message);
            EXPECT_FALSE(forms::unload(w)) << c.kind;
            EXPECT_TRUE(QFileInfo::exists(heldPath)) << c.kind;
        }
        EXPECT_TRUE(forms::unload(w)) << c.kind;
        EXPECT_FALSE(onD(QStringLiteral("实训素材")));
        EXPECT_FALSE(onD(QStringLiteral("winsys")) && kind == QStringLiteral("windows"));
        EXPECT_TRUE(forms::isLoaded(common::kMainWindowName)) << c.kind;
        forms::resetForTests();
        processEvents();
    }
}

// ---- file-manager windows, on a private X server ------------------------------

using RandomExplorerTest = testing_support::WithPrivateX<RandomPracticeTest>;

TEST_F(RandomExplorerTest, AWinsysWindowStopsAWindowsQuestionButNoOtherKindWithoutAWorkingFolder)
{
    testing_support::ClassedWindow winsys(x_->name(), "Nautilus", QStringLiteral("winsys"));
    ASSERT_TRUE(winsys.ok());
    putOnD(QStringLiteral("winsys/earlier.txt"));
    for (const char* k : {"word", "windows"}) {
        const QString kind = QString::fromUtf8(k);
        threeQuestions(kind);
        RandomPracticeWindow* w = open(kind);
        ASSERT_TRUE(w);
        testing_support::ScriptedMessageBoxes boxes;
        const bool windows = kind == QStringLiteral("windows");
        if (windows) boxes.expectOk(practice::msg::kWinsysWindowOpen);
        button(w, "开始")->click();
        EXPECT_EQ(w->state.prepared, !windows) << k;
        EXPECT_TRUE(onD(QStringLiteral("winsys/earlier.txt"))) << k;
        forms::resetForTests();
        processEvents();
    }
}

// ---- the demo tree --------------------------------------------------------------------

// The demo banks of every kind as well.
class RandomDemoBankTest : public RandomPracticeTest {
protected:
    RandomDemoBankTest() { demoParts_ << QStringLiteral("素材/bk/题库/操作题"); }
};

TEST_F(RandomDemoBankTest, TheDemoBankOfEveryKindHasQuestionsToDraw)
{
    for (const char* k : {"windows", "word", "excel", "ppt", "network"}) {
        const QString kind = QString::fromUtf8(k);
        const QDir dir(hostPath(bank(kind)));
        const QStringList names = QDir(dir.filePath(QStringLiteral("bk"))).entryList({QStringLiteral("*.") + ext(kind)}, QDir::Files, QDir::Name)
                                      .replaceInStrings(QStringLiteral(".") + ext(kind), QString());
        EXPECT_GE(names.size(), 3) << k;
        QStringList texts;
        for (const QString& n : names) {
            SCOPED_TRACE((kind + '/' + n).toStdString());
            const QString textRel = (kind == QStringLiteral("network") ? QStringLiteral("题目内容/框架/") : QStringLiteral("题目内容/")) + n + QStringLiteral(".txt");
            const auto lines = plat::readLines936(hostPath(bank(kind) + textRel));
            ASSERT_TRUE(lines.has_value());
            texts << lines->join('\n');
            EXPECT_TRUE(dir.exists(QStringLiteral("素材/") + n));
            if (kind == QStringLiteral("windows")) { EXPECT_TRUE(dir.exists(QStringLiteral("素材/") + n + QStringLiteral("/winsys"))); }
            EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("样图/") + n)).entryList({QStringLiteral("*.jpg")}).isEmpty());
        }
        if (kind == QStringLiteral("network")) {
            EXPECT_FALSE(texts.filter(QStringLiteral("文件传输协议")).isEmpty());
            EXPECT_FALSE(texts.filter(QStringLiteral("邮件管理器")).isEmpty());
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const QString& t) {
                return !t.contains(QStringLiteral("文件传输协议")) && !t.contains(QStringLiteral("邮件管理器"));
            }));
        }
    }
}

TEST_F(RandomDemoBankTest, EveryKindRunsOnTheDemoTree)
{
    for (const char* k : {"windows", "word", "excel", "ppt", "network"}) {
        const QString kind = QString::fromUtf8(k);
        RandomPracticeWindow* w = open(kind);
        ASSERT_TRUE(w);
        testing_support::ScriptedMessageBoxes boxes;
        button(w, "开始")->click();
        button(w, "下一题")->click();
        EXPECT_TRUE(boxes.shown.isEmpty()) << k << ": " << boxes.shown.join(',').toStdString();
        EXPECT_TRUE(w->state.prepared) << k;
        EXPECT_FALSE(shownText(w).isEmpty()) << k;
        boxes.expectRestored();
        button(w, "恢复本题")->click();
        EXPECT_TRUE(forms::unload(w)) << k;
        EXPECT_FALSE(onD(QStringLiteral("实训素材")));
        EXPECT_FALSE(onD(QStringLiteral("winsys")));
        running.clear();
        forms::resetForTests();
        processEvents();
    }
}

}  // namespace
