// 开始考试: new student, resume, another student's exam, a student who has
// handed in; the paper draw; a bank or a resume that cannot give a whole
// paper changes nothing; leftover probe names; the practice server.
#include "common/messages.h"
#include "exam/messages.h"
#include "exam_support.h"
#include "faults.h"
#include "platform/filesystem.h"
#include "process_support.h"

#include <QProgressBar>

using exam_support::ExamTest;
using exam_support::kKey;
using exam_support::kOther;
using testing_support::ScriptedMessageBoxes;

namespace {

// The files of D:\KS after a new paper p of the demo bank.
QStringList workTreeOf(int p)
{
    QStringList f{QStringLiteral("KSDOC/补充段落.txt"), QStringLiteral("KSNET/学号.txt"), QStringLiteral("KSPPT/图片说明.txt"),
                  QStringLiteral("KSPPT/锁.jpg"), QStringLiteral("KSXLS/十二月.csv"), QStringLiteral("KSXLS/说明.txt")};
    const char* const windows[3][4] = {{"资料/通知.txt", "资料/旧文件.txt"},
                                       {"下载/安全手册.txt", "临时/a.tmp", "临时/b.tmp", "临时/保留.txt"},
                                       {"图片/说明.txt", "文档/倡议书.txt", "文档/回执.txt"}};
    for (const char* w : windows[p - 1])
        if (w) f << QStringLiteral("KSWIN/") + QString::fromUtf8(w);
    f.sort();
    return f;
}

// ---- the four ways a start goes --------------------------------------------

struct StartCase {
    const char* name;
    const char* before;  // "" clean PC, "own" the student's exam, "other" another student's, "handed" handed in
    std::vector<std::pair<QString, int>> boxes;  // text, answer (-1 OK, 0 No, 1 Yes)
    bool runs;           // the exam runs afterwards
    bool newPaper;       // a new paper (number 3) replaced what was there
};
void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class ExamStartTable : public ExamTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(ExamStartTable, StartResumeOrReplace)
{
    const StartCase& c = GetParam();
    const QString before = QString::fromUtf8(c.before);
    const QString owner = before == QStringLiteral("other") ? kOther : kKey;
    if (before == QStringLiteral("own") || before == QStringLiteral("other")) {
        setKey(owner);
        closeRunning(started());
        write(d(QStringLiteral("KS/KSDOC/作答.docx")), "work");
        setKey(kKey);
    }
    if (before == QStringLiteral("handed")) write(ex(QStringLiteral("已提交/") + kKey + QStringLiteral(".rar")), "x");
    hooks_.random(exam_support::last);

    ScriptedMessageBoxes boxes;
    if (before == QStringLiteral("handed")) boxes.expectOk(exam::msg::handedIn(kKey));
    exam::ExamWindow* w = open();
    for (const auto& [text, answer] : c.boxes) {
        if (answer < 0)
            boxes.expectOk(text);
        else
            boxes.expectYesNo(text, answer == 1);
    }
    click(w, QStringLiteral("开始考试"));

    EXPECT_EQ(w->state.学生信息, c.runs ? kKey : QString());
    EXPECT_EQ(w->ctl(QStringLiteral("题型选择区"))->isVisible(), c.runs);
    EXPECT_EQ(w->ctl(QStringLiteral("综合考查简介"))->isVisible(), !c.runs);
    if (c.runs) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("【") + kKey + QStringLiteral("】正在答题"));
    }
    const QStringList archives = QDir(ex(QStringLiteral("提交"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (before.isEmpty() || before == QStringLiteral("handed")) {
        EXPECT_EQ(archives, c.runs ? QStringList{kKey} : QStringList{});
    }
    else
        EXPECT_EQ(archives, QStringList{c.runs ? kKey : owner});
    if (c.runs) {
        EXPECT_TRUE(exists(ex(QStringLiteral("提交/") + kKey + QStringLiteral("/考生须知.txt"))));
    }
    if (!before.isEmpty() && before != QStringLiteral("handed")) {
        EXPECT_EQ(read(ex(QStringLiteral("examnumber.txt"))), c.newPaper ? QByteArray("3\r\n") : QByteArray("1\r\n"));
        EXPECT_EQ(exists(d(QStringLiteral("KS/KSDOC/作答.docx"))), !c.newPaper) << "the student's work";
        if (c.runs) {
            EXPECT_EQ(w->state.试卷号, c.newPaper ? QStringLiteral("3") : QStringLiteral("1"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamStartTable,
    ::testing::Values(StartCase{"NewStudent", "", {{exam::msg::kArchiveMade, -1}, {exam::msg::kPaperMade, -1}}, true, true},
                      StartCase{"Resume", "own", {{exam::msg::kGoOn, -1}}, true, false},
                      StartCase{"OtherStudentDeclined", "other", {{exam::msg::askReplace(kOther), 0}}, false, false},
                      StartCase{"OtherStudentDeclinedSecond",
                                "other",
                                {{exam::msg::askReplace(kOther), 1}, {exam::msg::kAskReplaceAgain, 0}},
                                false,
                                false},
                      StartCase{"OtherStudentReplaced",
                                "other",
                                {{exam::msg::askReplace(kOther), 1},
                                 {exam::msg::kAskReplaceAgain, 1},
                                 {exam::msg::kArchiveReset, -1},
                                 {exam::msg::kPaperMade, -1}},
                                true,
                                true},
                      StartCase{"HandedInIsRefused", "handed", {}, false, false}));

// ---- the paper draw ------------------------------------------------------------

TEST_F(ExamTest, ThePaperDrawnByTheRandomSourceIsCopiedWholeAndTheWorkTreeBuiltAfresh)
{
    const struct {
        exam_support::Source source;
        int paper;
    } cases[] = {{exam_support::first, 1}, {exam_support::last, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paper);
        QDir(ex(QStringLiteral("提交"))).removeRecursively();
        QDir().mkpath(ex(QStringLiteral("提交")));
        QDir(d(QStringLiteral("KS"))).removeRecursively();
        write(d(QStringLiteral("KS/KSDOC/上一位考生.docx")), "old");
        // A file an earlier question had the student make read-only.
        write(d(QStringLiteral("KS/KSWIN/资料/旧文件.txt")), "old");
        ASSERT_TRUE(plat::fs::setReadOnly(QStringLiteral("D:\\KS\\KSWIN\\资料\\旧文件.txt"), true));
        hooks_.random(c.source);
        exam::ExamWindow* w = started();
        EXPECT_EQ(w->state.试卷号, QString::number(c.paper));
        EXPECT_EQ(read(ex(QStringLiteral("examnumber.txt"))), QByteArray::number(c.paper) + "\r\n");
        const QString bankPaper = ex(QStringLiteral("题库/") + QString::number(c.paper));
        EXPECT_EQ(files(ex(QStringLiteral("试卷"))), files(bankPaper));
        EXPECT_EQ(read(ex(QStringLiteral("试卷/network/题目内容/network.txt"))), read(bankPaper + QStringLiteral("/network/题目内容/network.txt")));
        EXPECT_EQ(files(d(QStringLiteral("KS"))), workTreeOf(c.paper));
        EXPECT_EQ(w->ctl<QProgressBar>(QStringLiteral("ProgressBar3"))->value(), 7);
        closeRunning(w);
    }
}

// ---- a bank that cannot give a whole paper --------------------------------------

struct BankFault {
    const char* name;
    const char* remove;  // under 素材/bk/期末考查, "*" for every paper
    bool replacing;  // the start would replace another student's exam
};
void PrintTo(const BankFault& c, std::ostream* os) { *os << c.name; }

class ExamBankFault : public ExamTest, public ::testing::WithParamInterface<BankFault> {};

TEST_P(ExamBankFault, IsFoundBeforeAnythingChanges)
{
    const BankFault& c = GetParam();
    if (c.replacing) {
        setKey(kOther);
        closeRunning(started());
        setKey(kKey);
    }
    write(d(QStringLiteral("KS/KSDOC/作答.docx")), "work");
    const QByteArray number = read(ex(QStringLiteral("examnumber.txt")));
    const QStringList paper = files(ex(QStringLiteral("试卷")));
    const QString remove = QString::fromUtf8(c.remove);
    if (remove == QStringLiteral("*")) {
        for (const QString& p : QDir(ex(QStringLiteral("题库"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            ASSERT_TRUE(QDir(ex(QStringLiteral("题库/") + p)).removeRecursively());
    } else if (QFileInfo(ex(remove)).isDir()) {
        ASSERT_TRUE(QDir(ex(remove)).removeRecursively());
    } else {
        ASSERT_TRUE(QFile::remove(ex(remove)));
    }

    exam::ExamWindow* w = open();
    ScriptedMessageBoxes boxes;
    if (c.replacing) {
        boxes.expectYesNo(exam::msg::askReplace(kOther), true);
        boxes.expectYesNo(exam::msg::kAskReplaceAgain, true);
    }
    boxes.expectOk();
    click(w, QStringLiteral("开始考试"));
    ASSERT_FALSE(boxes.shown.isEmpty());
    // The refusal names what is missing: the whole bank, the paper of the
    // gap, or the part of the drawn paper (the first) or the template.
    const QString bank = plat::displayPath(plat::appPath(exam::kBank));
    QString refusal;
    if (remove == QStringLiteral("*"))
        refusal = exam::msg::noPaperInBank(bank);
    else if (remove == QStringLiteral("题库/2"))
        refusal = exam::msg::paperMissingInBank(2, 2, bank);
    else
        refusal = exam::msg::paperIncomplete(1, plat::displayPath(plat::appPath(exam::kExamTree + '\\' + QString(remove).replace('/', '\\'))));
    EXPECT_EQ(boxes.shown.last(), refusal);
    EXPECT_TRUE(w->state.学生信息.isEmpty());
    EXPECT_TRUE(w->ctl(QStringLiteral("综合考查简介"))->isVisible());
    EXPECT_EQ(QDir(ex(QStringLiteral("提交"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              c.replacing ? QStringList{kOther} : QStringList{});
    EXPECT_EQ(read(ex(QStringLiteral("examnumber.txt"))), number);
    EXPECT_EQ(files(ex(QStringLiteral("试卷"))), paper);
    EXPECT_TRUE(exists(d(QStringLiteral("KS/KSDOC/作答.docx"))));
    EXPECT_FALSE(boxes.shown.contains(exam::msg::kPaperMade));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamBankFault,
    ::testing::Values(BankFault{"EmptyBank", "*", false},
                      BankFault{"GapInBank", "题库/2", false},
                      BankFault{"MissingChoiceQuestion", "题库/1/选择题/7.txt", false},
                      BankFault{"MissingAnswerFile", "题库/1/选择题/answer.txt", false},
                      BankFault{"MissingNetworkMaterial", "题库/1/network/素材2", false},
                      BankFault{"MissingDocument", "题库/1/excel/题目文档/excel考查题.xlsx", false},
                      BankFault{"MissingQuestionText", "题库/1/ppt/题目内容/ppt.txt", false},
                      BankFault{"MissingWorkTreeTemplate", "KS", false},
                      BankFault{"MissingArchiveTemplate", "提交初始化", false},
                      BankFault{"ReplacingWithEmptyBank", "*", true},
                      BankFault{"ReplacingWithBrokenPaper", "题库/1/word/题目文档/word考查题.docx", true}));

// ---- a resume without its paper ---------------------------------------------------

TEST_F(ExamTest, AResumeWithoutItsPaperNumberOrPaperSaysSoAndChangesNothing)
{
    closeRunning(started());
    write(d(QStringLiteral("KS/KSDOC/作答.docx")), "work");
    const struct {
        const char* name;
        const char* number;  // nullptr: no file
        bool paperCopy;
    } cases[] = {{"missing", nullptr, true}, {"empty", "", true}, {"blank line", "\r\n", true},
                 {"not a number", "abc\r\n", true}, {"zero", "0\r\n", true}, {"no paper copy", "1\r\n", false}};
    const QString paperHost = ex(QStringLiteral("试卷"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(ex(QStringLiteral("examnumber.txt")));
        if (c.number) write(ex(QStringLiteral("examnumber.txt")), c.number);
        if (!c.paperCopy) {
            ASSERT_TRUE(QDir().rename(paperHost, paperHost + QStringLiteral("_aside")));
        }
        exam::ExamWindow* w = open();
        ScriptedMessageBoxes boxes;
        boxes.expectOk();
        click(w, QStringLiteral("开始考试"));
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_EQ(boxes.shown.first(), exam::msg::resumeWithoutPaper(plat::displayPath(plat::appPath(exam::kPaperNumberFile))));
        EXPECT_TRUE(w->state.学生信息.isEmpty());
        EXPECT_TRUE(w->ctl(QStringLiteral("综合考查简介"))->isVisible());
        EXPECT_TRUE(exists(d(QStringLiteral("KS/KSDOC/作答.docx"))));
        EXPECT_TRUE(exists(ex(QStringLiteral("提交/") + kKey)));
        EXPECT_TRUE(forms::unload(w)) << "nothing started: the close asks nothing";
        if (!c.paperCopy) {
            ASSERT_TRUE(QDir().rename(paperHost + QStringLiteral("_aside"), paperHost));
        }
    }
}

// The platform ended after the archive was made and before the paper was
// (at the archive message, say): the archive stands without a number and
// without D:\KS, nothing of the student's work exists, and the next start
// begins again instead of refusing.
TEST_F(ExamTest, AStartCutShortBeforeItsPaperWasMadeBeginsAgain)
{
    closeRunning(started());
    for (const bool previousPaper : {true, false}) {
        SCOPED_TRACE(previousPaper ? "the previous examinee's paper copy is there" : "no paper copy");
        ASSERT_TRUE(QFile::remove(ex(QStringLiteral("examnumber.txt"))));
        ASSERT_TRUE(QDir(d(QStringLiteral("KS"))).removeRecursively());
        if (!previousPaper) {
            ASSERT_TRUE(QDir(ex(QStringLiteral("试卷"))).removeRecursively());
        }
        hooks_.random(exam_support::last);
        exam::ExamWindow* w = open();
        ScriptedMessageBoxes boxes;
        boxes.expectOk(exam::msg::kArchiveMade);
        boxes.expectOk(exam::msg::kPaperMade);
        click(w, QStringLiteral("开始考试"));
        EXPECT_EQ(w->state.学生信息, kKey);
        EXPECT_EQ(read(ex(QStringLiteral("examnumber.txt"))), QByteArray("3\r\n"));
        EXPECT_EQ(files(d(QStringLiteral("KS"))), workTreeOf(3));
        EXPECT_TRUE(exists(ex(QStringLiteral("提交/") + kKey + QStringLiteral("/考生须知.txt"))));
        closeRunning(w);
    }
}

// ---- a paper that cannot be made ------------------------------------------------------

TEST_F(ExamTest, APaperThatCannotBeMadeTakesBackTheNewArchiveSoTheNextStartBeginsAfresh)
{
    // The disk fills while the paper is copied.
    for (int p = 1; p <= 3; ++p)
        write(ex(QStringLiteral("题库/%1/word/素材/大文件.dat").arg(p)), QByteArray(64 * 1024, 'x'));
    exam::ExamWindow* w = open();
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk(exam::msg::kArchiveMade);
        boxes.expectOk();
        testing_support::FileSizeLimit full(16 * 1024);
        ASSERT_TRUE(full.ok());
        click(w, QStringLiteral("开始考试"));
        EXPECT_TRUE(boxes.shown.last().startsWith(QStringLiteral("试卷没有生成成功"))) << boxes.shown.last().toStdString();
    }
    EXPECT_TRUE(w->state.学生信息.isEmpty());
    EXPECT_TRUE(w->ctl(QStringLiteral("开始考试"))->isVisibleTo(w));
    EXPECT_TRUE(QDir(ex(QStringLiteral("提交"))).isEmpty());
    EXPECT_FALSE(exists(ex(QStringLiteral("examnumber.txt"))));

    for (int p = 1; p <= 3; ++p) ASSERT_TRUE(QFile::remove(ex(QStringLiteral("题库/%1/word/素材/大文件.dat").arg(p))));
    ScriptedMessageBoxes boxes;
    boxes.expectOk(exam::msg::kArchiveMade);
    boxes.expectOk(exam::msg::kPaperMade);
    click(w, QStringLiteral("开始考试"));
    EXPECT_EQ(w->state.学生信息, kKey);
    EXPECT_EQ(files(d(QStringLiteral("KS"))), workTreeOf(1));
}

// The disk fills while the archive is made, on a PC where the previous
// examinee's paper and its number are still there: neither a half-made
// archive nor the old number is left, so the next start makes a new paper
// instead of resuming the previous examinee's.
TEST_F(ExamTest, AnArchiveThatCannotBeMadeLeavesNeitherItNorThePreviousPaperNumber)
{
    closeRunning(started());
    // Handed in: the archive went, the paper copy and its number stay.
    ASSERT_TRUE(QDir(ex(QStringLiteral("提交/") + kKey)).removeRecursively());
    ASSERT_TRUE(exists(ex(QStringLiteral("examnumber.txt"))));
    write(ex(QStringLiteral("提交初始化/大文件.dat")), QByteArray(64 * 1024, 'x'));
    exam::ExamWindow* w = open();
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk();
        testing_support::FileSizeLimit full(16 * 1024);
        ASSERT_TRUE(full.ok());
        click(w, QStringLiteral("开始考试"));
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(boxes.shown.first().startsWith(QStringLiteral("考生档案没有创建成功")))
            << boxes.shown.first().toStdString();
    }
    EXPECT_TRUE(w->state.学生信息.isEmpty());
    EXPECT_TRUE(QDir(ex(QStringLiteral("提交"))).isEmpty());
    EXPECT_FALSE(exists(ex(QStringLiteral("examnumber.txt"))));

    ASSERT_TRUE(QFile::remove(ex(QStringLiteral("提交初始化/大文件.dat"))));
    ScriptedMessageBoxes boxes;
    boxes.expectOk(exam::msg::kArchiveMade);
    boxes.expectOk(exam::msg::kPaperMade);
    click(w, QStringLiteral("开始考试"));
    EXPECT_EQ(w->state.学生信息, kKey);
}

// ---- guards and leftover probe names ----------------------------------------------------

struct LeftoverCase {
    const char* name;
    const char* path;   // host-relative: "D:KS" under drive D:, else under 期末考查
    const char* probe;
    bool pathToo;       // the path itself exists beside its leftover
};
void PrintTo(const LeftoverCase& c, std::ostream* os) { *os << c.name; }

class ExamLeftover : public ExamTest, public ::testing::WithParamInterface<LeftoverCase> {};

TEST_P(ExamLeftover, IsPutBackOrKeptAsideAndTheStartGoesOn)
{
    const LeftoverCase& c = GetParam();
    closeRunning(started());
    write(d(QStringLiteral("KS/KSDOC/作答.docx")), "work");
    const auto host = [this](const char* rel) {
        const QString r = QString::fromUtf8(rel);
        return r.startsWith(QStringLiteral("D:")) ? d(r.mid(2)) : ex(r);
    };
    const QString path = host(c.path), probe = host(c.probe);
    // An interrupted probe left the folder under its probe name.
    ASSERT_TRUE(QDir().rename(path, probe));
    if (c.pathToo) {
        ASSERT_TRUE(QDir().mkpath(path));
    }

    exam::ExamWindow* w = open();
    ScriptedMessageBoxes boxes;
    boxes.expectOk();
    if (c.pathToo) boxes.expectOk(exam::msg::kGoOn);
    click(w, QStringLiteral("开始考试"));
    if (c.pathToo) {
        // Kept whole under a name of its own on D: and named; the start goes on.
        const QString kept = QFileInfo(probe).fileName() + QStringLiteral("_留存_");
        ASSERT_EQ(boxes.shown.size(), 2);
        EXPECT_TRUE(boxes.shown.first().contains(kept)) << boxes.shown.first().toStdString();
        EXPECT_EQ(w->state.学生信息, kKey);
        EXPECT_FALSE(exists(probe));
        const QStringList aside = QDir(d(QString())).entryList({kept + '*'}, QDir::Dirs);
        ASSERT_EQ(aside.size(), 1);
        EXPECT_FALSE(QDir(d(aside[0])).isEmpty()) << "nothing of it is lost";
    } else {
        EXPECT_EQ(boxes.shown, QStringList{exam::msg::kGoOn});
        EXPECT_EQ(w->state.学生信息, kKey);
        EXPECT_FALSE(exists(probe));
        EXPECT_TRUE(exists(d(QStringLiteral("KS/KSDOC/作答.docx"))));
        EXPECT_TRUE(exists(ex(QStringLiteral("试卷/选择题/answer.txt"))));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ExamLeftover,
                         ::testing::Values(LeftoverCase{"WorkTreePutBack", "D:KS", "D:KS改名", false},
                                           LeftoverCase{"WorkTreeNamed", "D:KS", "D:KS改名", true},
                                           LeftoverCase{"PaperCopyPutBack", "试卷", "试卷0", false},
                                           LeftoverCase{"PaperCopyNamed", "试卷", "试卷0", true}));

TEST_F(ExamTest, AFileOpenInTheWorkTreeStopsTheStartBeforeAnythingChanges)
{
    closeRunning(started());
    testing_support::FileHolder holder(d(QStringLiteral("KS/KSXLS/说明.txt")));
    ASSERT_TRUE(holder.holding());
    exam::ExamWindow* w = open();
    ScriptedMessageBoxes boxes;
    boxes.expectOk(common::msg::kCloseOpenFiles);
    click(w, QStringLiteral("开始考试"));
    EXPECT_TRUE(w->state.学生信息.isEmpty());
    EXPECT_TRUE(exists(d(QStringLiteral("KS"))));
    EXPECT_FALSE(exists(d(QStringLiteral("KS改名"))));
}

// The folder button opens a folder of the work tree; a file-manager window
// on a folder inside it stops the start as one on the folder itself does.
TEST_F(ExamTest, AFileManagerWindowOnAFolderInsideTheWorkTreeStopsTheStart)
{
    if (!testing_support::XvfbDisplay::available()) GTEST_SKIP() << "Xvfb not installed";
    closeRunning(started());
    write(d(QStringLiteral("KS/KSXLS/图表/说明.txt")), "x");
    testing_support::XvfbDisplay x;
    ASSERT_TRUE(x.running());
    testing_support::ClassedWindow thunar(x.name(), "Thunar", QStringLiteral("图表 - Thunar"));
    ASSERT_TRUE(thunar.ok());
    exam::ExamWindow* w = open();
    ScriptedMessageBoxes boxes;
    boxes.expectOk(common::explorerOpenMessage(QStringLiteral("KSXLS")));
    click(w, QStringLiteral("开始考试"));
    EXPECT_TRUE(w->state.学生信息.isEmpty());
    EXPECT_TRUE(exists(d(QStringLiteral("KS/KSXLS/图表/说明.txt"))));
}

// ---- the machine's address ------------------------------------------------------------

TEST_F(ExamTest, WithoutAnAddressTheStudentIsToldAndNoTextShowsAPlaceholder)
{
    addresses.clear();
    exam::ExamWindow* w = open();
    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    click(w, QStringLiteral("开始考试"));
    EXPECT_TRUE(boxes.shown.filter(QStringLiteral("没有找到本机的IPv4地址")).size() == 1) << boxes.shown.join('|').toStdString();
    EXPECT_EQ(w->state.学生信息, kKey) << "the exam still runs";
    click(w, QStringLiteral("操作题network"));
    const QString text = plat::decode936(read(ex(QStringLiteral("试卷/network/题目内容_改/network.txt"))));
    EXPECT_FALSE(text.isEmpty());
    EXPECT_FALSE(text.contains(QStringLiteral("strLocalIP")));
    EXPECT_FALSE(text.contains(QStringLiteral("nIP")));
    EXPECT_TRUE(text.contains(QStringLiteral("ftp:// ")));
}

// ---- the practice server -----------------------------------------------------------------

struct ServerCase {
    const char* name;
    int paper;           // 1 and 3 are FTP papers, 2 a web paper
    const char* running;  // a server already running
    bool address;
    std::vector<const char*> starts;
};
void PrintTo(const ServerCase& c, std::ostream* os) { *os << c.name; }

class ExamServer : public ExamTest, public ::testing::WithParamInterface<ServerCase> {};

TEST_P(ExamServer, TheNetworkQuestionChoosesAndPreparesIt)
{
    const ServerCase& c = GetParam();
    const int paper = c.paper;
    hooks_.random([paper](std::uint32_t) { return std::uint32_t(paper - 1); });
    if (c.running) running << QString::fromUtf8(c.running);
    if (!c.address) addresses.clear();
    exam::ExamWindow* w = open();
    ScriptedMessageBoxes boxes;
    boxes.allowAnyOk = true;
    click(w, QStringLiteral("开始考试"));
    starts.removeAll(QStringLiteral("cmd.exe"));
    QStringList expected;
    for (const char* s : c.starts) expected << QString::fromUtf8(s);
    EXPECT_EQ(starts, expected);
    const QString ini = hostPath(QStringLiteral("素材/bk/soft/WebServer/server.ini"));
    if (c.paper == 2) {
        if (c.running) {
            EXPECT_FALSE(exists(ex(QStringLiteral("server.ini"))));
        } else {
            const QString staging = plat::decode936(read(ex(QStringLiteral("server.ini"))));
            EXPECT_TRUE(staging.contains(QStringLiteral("ServerIP=") + (c.address ? QStringLiteral("10.1.2.3\r\n") : QStringLiteral("\r\n"))))
                << staging.toStdString();
            EXPECT_TRUE(staging.contains(QStringLiteral("serverpath=") + plat::displayPath(plat::appPath(exam::kPaperCopy + QStringLiteral("\\network\\素材")))));
            EXPECT_EQ(read(ini), read(ex(QStringLiteral("server.ini"))));
            EXPECT_EQ(styles.last(), plat::WindowStyle::Hidden);
        }
        EXPECT_FALSE(exists(d(QStringLiteral("PracticalTraining"))));
    } else {
        EXPECT_EQ(files(d(QStringLiteral("PracticalTraining"))),
                  files(ex(QStringLiteral("题库/") + QString::number(c.paper) + QStringLiteral("/network/素材"))));
        EXPECT_FALSE(exists(ex(QStringLiteral("server.ini"))));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamServer,
    ::testing::Values(ServerCase{"FtpStarted", 1, nullptr, true, {"FTPServer.exe"}},
                      ServerCase{"FtpRunningIsStoppedBeforeTheFolderIsEmptied", 3, "FTPServer.exe", true, {"f-kill_app.exe", "FTPServer.exe"}},
                      ServerCase{"WebStarted", 2, nullptr, true, {"MyWebServer.exe"}},
                      ServerCase{"WebWithoutAddress", 2, nullptr, false, {"MyWebServer.exe"}},
                      ServerCase{"WebRunningIsLeftAlone", 2, "MyWebServer.exe", true, {}}));

// A new examinee whose paper has a web question does not get what the
// previous examinee uploaded into the FTP folder: neither when that examinee
// is replaced nor when the folder was left behind on a PC where no exam runs.
struct WebPaperCase {
    const char* name;
    bool replacing;
};
void PrintTo(const WebPaperCase& c, std::ostream* os) { *os << c.name; }

class ExamWebPaper : public ExamTest, public ::testing::WithParamInterface<WebPaperCase> {};

TEST_P(ExamWebPaper, StartsWithoutThePreviousExamineesFtpFolder)
{
    const WebPaperCase& c = GetParam();
    if (c.replacing) {
        setKey(kOther);
        closeRunning(started());  // paper 1: FTP, its server left running
        setKey(kKey);
    } else {
        running << QStringLiteral("FTPServer.exe");
    }
    write(d(QStringLiteral("PracticalTraining/上传/学号.txt")), "uploaded by the previous examinee");
    hooks_.random([](std::uint32_t) { return std::uint32_t(1); });  // paper 2: web
    starts.clear();

    exam::ExamWindow* w = open();
    ScriptedMessageBoxes boxes;
    if (c.replacing) {
        boxes.expectYesNo(exam::msg::askReplace(kOther), true);
        boxes.expectYesNo(exam::msg::kAskReplaceAgain, true);
        boxes.expectOk(exam::msg::kArchiveReset);
    } else {
        boxes.expectOk(exam::msg::kArchiveMade);
    }
    boxes.expectOk(exam::msg::kPaperMade);
    click(w, QStringLiteral("开始考试"));
    EXPECT_EQ(w->state.学生信息, kKey);
    EXPECT_EQ(w->state.试卷号, QStringLiteral("2"));
    EXPECT_FALSE(exists(d(QStringLiteral("PracticalTraining"))));
    // The FTP server let go of the folder before it went; the web server serves the paper.
    starts.removeAll(QStringLiteral("cmd.exe"));
    EXPECT_EQ(starts.join(' '), QStringLiteral("f-kill_app.exe MyWebServer.exe"));
}

INSTANTIATE_TEST_SUITE_P(Table, ExamWebPaper,
                         ::testing::Values(WebPaperCase{"ReplacingAnExamineeOfAnFtpPaper", true},
                                           WebPaperCase{"FolderLeftOnAFreePc", false}));

TEST_F(ExamTest, AResumeKeepsTheFtpFolderAndANewExamEmptiesIt)
{
    closeRunning(started());  // paper 1: FTP
    write(d(QStringLiteral("PracticalTraining/上传/学号.txt")), "uploaded");
    write(d(QStringLiteral("PracticalTraining/考试说明.txt")), "changed by the student");
    ASSERT_TRUE(QFile::remove(d(QStringLiteral("PracticalTraining/资料/节能手册.txt"))));

    exam::ExamWindow* w = open();
    {
        ScriptedMessageBoxes boxes;
        boxes.expectOk(exam::msg::kGoOn);
        click(w, QStringLiteral("开始考试"));
    }
    EXPECT_EQ(read(d(QStringLiteral("PracticalTraining/上传/学号.txt"))), "uploaded");
    EXPECT_EQ(read(d(QStringLiteral("PracticalTraining/考试说明.txt"))), "changed by the student");
    EXPECT_EQ(read(d(QStringLiteral("PracticalTraining/资料/节能手册.txt"))), read(ex(QStringLiteral("题库/1/network/素材/资料/节能手册.txt"))))
        << "a missing file is copied again";
    closeRunning(w);

    setKey(kOther);
    w = open();
    ScriptedMessageBoxes boxes;
    boxes.expectYesNo(exam::msg::askReplace(kKey), true);
    boxes.expectYesNo(exam::msg::kAskReplaceAgain, true);
    boxes.expectOk(exam::msg::kArchiveReset);
    boxes.expectOk(exam::msg::kPaperMade);
    click(w, QStringLiteral("开始考试"));
    EXPECT_EQ(files(d(QStringLiteral("PracticalTraining"))), files(ex(QStringLiteral("题库/1/network/素材"))));
    EXPECT_EQ(read(d(QStringLiteral("PracticalTraining/考试说明.txt"))), read(ex(QStringLiteral("题库/1/network/素材/考试说明.txt"))));
}

}  // namespace
