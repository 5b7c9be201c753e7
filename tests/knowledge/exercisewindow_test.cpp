// 知识点与课本实训窗格: the Load per kind, the viewer, restore and close,
// driven through the window's real widgets.
#include "common/handover.h"
#include "common/messages.h"
#include "common/ipv4.h"
#include "common/processes.h"
#include "common/workspace.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "knowledge/exercisewindow.h"
#include "knowledge/messages.h"
#include "platform/desktop.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/shellwait.h"
#include "platform/textfile.h"
#include "faults.h"
#include "operation_bank.h"
#include "return_rules.h"
#include "process_support.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using knowledge::ExerciseWindow;
using testing_support::gbk;

namespace {

const QString kWindow = QString::fromUtf8(ExerciseWindow::kName);

class ExerciseWindowTest : public testing_support::OperationBankTest {
protected:
    // The document folders of the operation bank, its network server folder
    // (kill tools, server.ini) and the practice servers' folders; each test
    // writes the exercise it opens.
    ExerciseWindowTest()
        : OperationBankTest({QStringLiteral("素材/bk/soft"), QStringLiteral("素材/bk/题库/调用标记.txt"),
                             QStringLiteral("素材/bk/题库/操作题/network/server")},
                            QStringLiteral("知识点"), testing_support::FakeServers::Runs::Nothing)
    {
        for (const char* kind : {"word", "excel", "ppt", "windows", "network"})
            demoParts_ << QStringLiteral("素材/bk/题库/操作题/%1/题目文档").arg(QString::fromUtf8(kind));
    }

    // An exercise of the operation bank with its material, document, text and
    // sample pictures (heights in pixels; none: no picture folder).
    void exercise(const QString& kind, const QString& point, const QString& ext, const QString& question,
                  const QList<int>& pictures = {})
    {
        const QString n = kind + point;
        writeBytes(bank(kind) + QStringLiteral("bk/") + n + '.' + ext, "pristine");
        if (kind == QStringLiteral("windows")) writeBytes(bank(kind) + QStringLiteral("素材/") + n + QStringLiteral("/winsys/a.txt"), "w");
        else writeBytes(bank(kind) + QStringLiteral("素材/") + n + QStringLiteral("/材料.txt"), "m");
        text(bank(kind) + (kind == QStringLiteral("network") ? QStringLiteral("题目内容/框架/") : QStringLiteral("题目内容/")) + n +
                 QStringLiteral(".txt"),
             question);
        for (int i = 0; i < pictures.size(); ++i)
            jpeg(bank(kind) + QStringLiteral("样图/") + n + QStringLiteral("/%1.jpg").arg(i + 1), 300, pictures[i]);
    }
    ExerciseWindow* open(const QString& kind, const QString& point, const QString& ext, const QString& line4 = {})
    {
        QString req = kind + QStringLiteral("\r\n") + point + QStringLiteral("\r\n") + ext;
        if (!line4.isEmpty()) req += QStringLiteral("\r\n") + line4;
        EXPECT_TRUE(uWriteTextFile(common::kKnowledgeRequest, req));
        return static_cast<ExerciseWindow*>(forms::show(kWindow));
    }
    // A new exercise (as `exercise` writes it), opened.
    ExerciseWindow* openExercise(const QString& kind, const QString& point, const QString& ext, const QString& question)
    {
        exercise(kind, point, ext, question);
        return open(kind, point, ext);
    }
    QPushButton* button(ExerciseWindow* w, const char* name) const { return w->ctl<QPushButton>(QString::fromUtf8(name)); }
};

// ---- the Load, per kind -------------------------------------------------

struct ExerciseLoadCase {
    const char* name;
    const char* kind;
    const char* point;
    const char* ext;
    const char* question;
    int pictures;
    const char* workFolderFile;  // expected on D:
    const char* openCaption;     // nullptr: 打开题目 hidden
    const char* started;         // program started by the Load ("" none)
    const char* shownText;
};

class ExerciseLoadPerKind : public ExerciseWindowTest, public ::testing::WithParamInterface<ExerciseLoadCase> {};

TEST_P(ExerciseLoadPerKind, PreparesTheExercise)
{
    const ExerciseLoadCase& c = GetParam();
    const QString kind = QString::fromUtf8(c.kind), point = QString::fromUtf8(c.point), ext = QString::fromUtf8(c.ext);
    QList<int> pics;
    for (int i = 0; i < c.pictures; ++i) pics << 100;
    exercise(kind, point, ext, QString::fromUtf8(c.question), pics);
    writeBytes(bank(kind) + QStringLiteral("题目文档/题目_旧.") + ext, "earlier student");
    if (QString::fromUtf8(c.started) == QStringLiteral("FTPServer.exe"))
        writeBytes(bank(kind).replace(QStringLiteral("network/"), QStringLiteral("network/server/")) + kind + point + QStringLiteral("/f.txt"), "f");
    if (QString::fromUtf8(c.started) == QStringLiteral("CMailServer.exe")) running << QStringLiteral("CMailServer.exe");

    ExerciseWindow* w = open(kind, point, ext);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->prepared());
    EXPECT_EQ(w->caption(), QStringLiteral("知识点_") + kind + '_' + point + QStringLiteral("               当前用户信息：【2024001】"));
    EXPECT_EQ(uReadTextLine(common::kVideoRequest, 1), kind + point);
    EXPECT_EQ(uReadTextLine(common::kVideoRequest, 2), kind);
    EXPECT_TRUE(onD(QString::fromUtf8(c.workFolderFile))) << c.workFolderFile;
    EXPECT_EQ(onD(QStringLiteral("实训素材")), kind != QStringLiteral("windows"));
    EXPECT_EQ(docs(kind), QStringList{QStringLiteral("题目_") + kind + point + '.' + ext});
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QString::fromUtf8(c.shownText));
    EXPECT_EQ(forms::caption(w->ctl(QStringLiteral("注"))).contains(QStringLiteral("回车符")), kind == QStringLiteral("word"));
    EXPECT_EQ(button(w, "打开题目")->isVisible(), c.openCaption != nullptr);
    if (c.openCaption) {
        EXPECT_EQ(button(w, "打开题目")->text(), QString::fromUtf8(c.openCaption));
    }
    const bool viewer = c.pictures > 0 && kind != QStringLiteral("windows");
    EXPECT_EQ(button(w, "参考样式")->isVisible(), viewer);
    EXPECT_EQ(!w->ctl<QLabel>(QStringLiteral("Picture1"))->pixmap().isNull(), viewer);
    // Fewer than two pictures disable the step buttons; a Windows exercise
    // loads no pictures and leaves them as designed.
    EXPECT_EQ(button(w, "上一张")->isEnabled(), kind == QStringLiteral("windows") || c.pictures >= 2);
    EXPECT_FALSE(button(w, "上一张")->isVisible());
    EXPECT_EQ(w->outerHeightTw(), 3660);
    EXPECT_EQ(w->outerWidthTw(), 8805);
    if (*c.started) {
        EXPECT_TRUE(starts.contains(QString::fromUtf8(c.started))) << starts.join(',').toStdString();
    } else {
        EXPECT_TRUE(starts.isEmpty()) << starts.join(',').toStdString();
    }
    EXPECT_FALSE(onD(QStringLiteral("IPtemp0000.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExerciseLoadPerKind,
    ::testing::Values(
        ExerciseLoadCase{"Word", "word", "测试分栏", "docx", "把正文分两栏。", 2, "实训素材/材料.txt", "打开题目", "", "把正文分两栏。\n"},
        ExerciseLoadCase{"Excel", "excel", "测试排序", "xlsx", "按总分排序。", 1, "实训素材/材料.txt", "打开题目", "", "按总分排序。\n"},
        ExerciseLoadCase{"Ppt", "ppt", "测试动画", "pptx", "加动画。", 0, "实训素材/材料.txt", "打开题目", "", "加动画。\n"},
        ExerciseLoadCase{"Windows", "windows", "测试新建", "win", "在winsys中新建文件夹。", 2, "winsys/a.txt", nullptr, "",
                 "在winsys中新建文件夹。\n"},
        ExerciseLoadCase{"NetworkWeb", "network", "测试网页", "net", "访问http://strLocalIP:8080/，账号为学号。", 2, "实训素材/材料.txt", nullptr,
                 "MyWebServer.exe", "访问http://10.1.2.3:8080/，账号为2024001。\n"},
        ExerciseLoadCase{"NetworkFtp", "network", "测试下载", "net", "用文件传输协议连接strLocalIP。", 0, "PracticalTraining/f.txt", nullptr,
                 "FTPServer.exe", "用文件传输协议连接10.1.2.3。\n"},
        ExerciseLoadCase{"NetworkMail", "network", "测试邮件", "net", "打开邮件管理器给学号@corvanth.lab写信。", 0, "实训素材/材料.txt", "邮件管理器",
                 "CMailServer.exe", "打开邮件管理器给2024001@corvanth.lab写信。\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExerciseWindowTest, NoIPv4AddressIsToldAndTheExerciseStillOpens)
{
    hooks_.addresses([] { return QStringList{}; });
    text(QStringLiteral("素材/bk/题库/操作题/network/server/ipd.txt"), QStringLiteral("IPv4 地址 : 9.9.9.9"));
    exercise(QStringLiteral("network"), QStringLiteral("测试网页"), QStringLiteral("net"), QStringLiteral("访问strLocalIP。"));
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::kNoIPv4Message);
    ExerciseWindow* w = open(QStringLiteral("network"), QStringLiteral("测试网页"), QStringLiteral("net"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QStringLiteral("访问。\n"));
}

TEST_F(ExerciseWindowTest, RefusedGuardLeavesTheWindowUnpreparedUntilARestoreRebuildsIt)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"), {100, 100});
    // The question document of an earlier opening, still open in its
    // application.
    const QString doc = bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx");
    writeBytes(doc, "earlier");
    QDir().mkpath(drive_ + QStringLiteral("/实训素材"));
    auto holder = std::make_unique<testing_support::FileHolder>(hostPath(doc));
    ASSERT_TRUE(holder->holding());
    ExerciseWindow* w = nullptr;
    {
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::msg::kCloseOpenDocuments);
        w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("mission"));
    }
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->prepared());
    EXPECT_EQ(w->state.单体与否, QStringLiteral("mission"));
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QStringLiteral("题目内容"));
    EXPECT_FALSE(onD(QStringLiteral("实训素材")));  // emptied before the document was probed
    EXPECT_EQ(forms::caption(w->ctl(QStringLiteral("注"))), QStringLiteral("【注】"));
    {
        // 打开题目 says why it cannot open the document yet.
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(knowledge::msg::notPrepared(common::msg::kCloseOpenDocuments));
        button(w, "打开题目")->click();
        // While the obstacle stays, the restore refuses with its own guard.
        boxes.expectOk(common::msg::kCloseOpenDocuments);
        button(w, "恢复本题")->click();
    }
    EXPECT_TRUE(desktop.isEmpty());
    EXPECT_EQ(bytes(doc), QByteArray("earlier"));

    // Once the document is closed, 恢复本题 rebuilds the exercise and the
    // window shows it.
    holder.reset();
    {
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectRestored();
        button(w, "恢复本题")->click();
    }
    EXPECT_TRUE(w->prepared());
    EXPECT_EQ(bytes(doc), QByteArray("pristine"));
    EXPECT_TRUE(onD(QStringLiteral("实训素材/材料.txt")));
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText().trimmed(), QStringLiteral("题"));
    EXPECT_EQ(w->outerHeightTw(), 3660);
    EXPECT_TRUE(button(w, "参考样式")->isVisible());
    button(w, "打开题目")->click();
    EXPECT_EQ(desktop.size(), 1);
}

TEST_F(ExerciseWindowTest, ALeftoverProbeNameIsKeptOnDAndNamedNotTakenForAnOpenDocument)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    // A crash left a document under the probe name beside the question
    // document: it is brought out of the folder the preparation empties.
    writeBytes(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx"), "earlier");
    writeBytes(bank(QStringLiteral("word")) + QStringLiteral("题目文档/1.docx"), "probe");
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk();
    ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
    ASSERT_TRUE(w);
    ASSERT_EQ(boxes.shown.size(), 1);
    const QStringList kept = QDir(drive_).entryList({QStringLiteral("1_留存_*.docx")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(bytes(QStringLiteral("../D/") + kept[0]), QByteArray("probe"));
    EXPECT_TRUE(boxes.shown[0].contains(kept[0])) << boxes.shown[0].toStdString();
    EXPECT_FALSE(boxes.shown[0].contains(QStringLiteral("请关闭已经打开的题目文档")));
    EXPECT_TRUE(w->prepared());
}

TEST_F(ExerciseWindowTest, ALeftoverWorkingFolderProbeIsKeptAndNamedAndTheCloseGoesOn)
{
    ExerciseWindow* w = openExercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    ASSERT_TRUE(w);
    writeBytes(QStringLiteral("../D/改名/mine.txt"), "mine");
    {
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk();
        EXPECT_TRUE(forms::unload(w));
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("改名_留存_"))) << boxes.shown[0].toStdString();
        EXPECT_FALSE(boxes.shown[0].contains(QStringLiteral("请关闭")));
    }
    EXPECT_FALSE(onD(QStringLiteral("实训素材")));
    EXPECT_FALSE(onD(QStringLiteral("改名")));
    const QStringList kept = QDir(drive_).entryList({QStringLiteral("改名_留存_*")}, QDir::Dirs);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(bytes(QStringLiteral("../D/") + kept[0] + QStringLiteral("/mine.txt")), QByteArray("mine"));
}

TEST_F(ExerciseWindowTest, FourthRequestLineCountsAlsoWithSeveralPictures)
{
    exercise(QStringLiteral("ppt"), QStringLiteral("测试动画"), QStringLiteral("pptx"), QStringLiteral("题"), {100, 120, 140});
    ExerciseWindow* w = open(QStringLiteral("ppt"), QStringLiteral("测试动画"), QStringLiteral("pptx"), QStringLiteral("mission"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->state.单体与否, QStringLiteral("mission"));
}

TEST_F(ExerciseWindowTest, LoadEmptiesAnEarlierWinsysAndKeepsNothingOfIt)
{
    QDir().mkpath(drive_ + QStringLiteral("/winsys"));
    QFile old(drive_ + QStringLiteral("/winsys/earlier.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    exercise(QStringLiteral("windows"), QStringLiteral("测试新建"), QStringLiteral("win"), QStringLiteral("题"));
    ASSERT_TRUE(open(QStringLiteral("windows"), QStringLiteral("测试新建"), QStringLiteral("win")));
    EXPECT_TRUE(onD(QStringLiteral("winsys/a.txt")));
    EXPECT_FALSE(onD(QStringLiteral("winsys/earlier.txt")));
}


TEST_F(ExerciseWindowTest, ThreeLineRequestKeepsTheLaunchMode)
{
    EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("mission")));
    ExerciseWindow* w = openExercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->state.单体与否, QStringLiteral("mission"));
}

TEST_F(ExerciseWindowTest, IdentityOfOneLineLeavesTheLabelAndEmptiesTheBrackets)
{
    EXPECT_TRUE(uWriteTextFile(common::kIdentityFile, QStringLiteral("2024001张三")));
    ExerciseWindow* w = openExercise(QStringLiteral("network"), QStringLiteral("测试网页"), QStringLiteral("net"), QStringLiteral("访问strLocalIP，账号为学号。"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->state.学号, QStringLiteral("学号"));
    EXPECT_EQ(w->caption(), QStringLiteral("知识点_network_测试网页               当前用户信息：【】"));
    // The number read is empty, and so is what stands for it in the text.
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QStringLiteral("访问10.1.2.3，账号为。\n"));
}

TEST_F(ExerciseWindowTest, MailServerStillRunningRelabelsOpenQuestionForAWebExercise)
{
    running << QStringLiteral("CMailServer.exe");
    exercise(QStringLiteral("network"), QStringLiteral("测试网页"), QStringLiteral("net"), QStringLiteral("浏览网页。"), {100});
    ExerciseWindow* w = open(QStringLiteral("network"), QStringLiteral("测试网页"), QStringLiteral("net"));
    ASSERT_TRUE(w);
    EXPECT_EQ(starts, QStringList{QStringLiteral("MyWebServer.exe")});
    QPushButton* b = button(w, "打开题目");
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(b->text(), QStringLiteral("邮件管理器"));
    EXPECT_NEAR(forms::leftTw(b), 5080, 15);
    EXPECT_NEAR(forms::widthTw(b), 1175, 15);
    EXPECT_NEAR(forms::leftTw(button(w, "参考样式")), 3910, 15);
}

// ---- the picture viewer ---------------------------------------------------

TEST_F(ExerciseWindowTest, ViewerWrapsAroundAndFitsTheWindowToEachPicture)
{
    // Heights 100, 200 and 150 pixels: 1500, 3000 and 2250 twips.
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"), {100, 200, 150});
    ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
    ASSERT_TRUE(w);
    EXPECT_FALSE(button(w, "上一张")->isVisible());
    button(w, "参考样式")->click();
    EXPECT_EQ(w->outerHeightTw(), 3480 + 1500 + 600);
    EXPECT_TRUE(button(w, "折叠样式")->isVisible());
    EXPECT_FALSE(button(w, "参考样式")->isVisible());
    EXPECT_TRUE(button(w, "下一张")->isEnabled());
    const QList<int> heights{3000, 2250, 1500, 3000};
    for (int h : heights) {
        button(w, "下一张")->click();
        EXPECT_EQ(w->outerHeightTw(), 3480 + h + 600);
        EXPECT_EQ(w->outerWidthTw(), 8805);
    }
    button(w, "上一张")->click();  // from the second back to the first
    button(w, "上一张")->click();  // from the first round to the last
    EXPECT_EQ(w->outerHeightTw(), 3480 + 2250 + 600);
    QWidget* pic = w->ctl(QStringLiteral("Picture1"));
    EXPECT_NEAR(forms::leftTw(pic), (forms::toTw(w->width()) - forms::widthTw(pic)) / 2, 15);
    button(w, "折叠样式")->click();
    EXPECT_EQ(w->outerHeightTw(), 3660);
    EXPECT_FALSE(pic->isVisible());
    button(w, "参考样式")->click();
    EXPECT_EQ(w->outerHeightTw(), 3480 + 2250 + 600);
}

TEST_F(ExerciseWindowTest, OnePictureOrNoneLeavesTheStepButtonsDisabled)
{
    exercise(QStringLiteral("excel"), QStringLiteral("测试排序"), QStringLiteral("xlsx"), QStringLiteral("题"), {200});
    ExerciseWindow* w = open(QStringLiteral("excel"), QStringLiteral("测试排序"), QStringLiteral("xlsx"));
    ASSERT_TRUE(w);
    button(w, "参考样式")->click();
    EXPECT_EQ(w->outerHeightTw(), 3480 + 3000 + 600);
    EXPECT_TRUE(button(w, "上一张")->isVisible());
    EXPECT_FALSE(button(w, "上一张")->isEnabled());
    EXPECT_FALSE(button(w, "下一张")->isEnabled());
    forms::unload(w);
    processEvents();

    // A picture folder without pictures: the empty box at its design size.
    exercise(QStringLiteral("ppt"), QStringLiteral("测试动画"), QStringLiteral("pptx"), QStringLiteral("题"));
    QDir().mkpath(hostPath(bank(QStringLiteral("ppt")) + QStringLiteral("样图/ppt测试动画")));
    w = open(QStringLiteral("ppt"), QStringLiteral("测试动画"), QStringLiteral("pptx"));
    ASSERT_TRUE(w);
    button(w, "参考样式")->click();
    EXPECT_EQ(w->outerHeightTw(), 3480 + 1755 + 600);
    EXPECT_FALSE(button(w, "下一张")->isEnabled());
}


TEST_F(ExerciseWindowTest, APictureWiderThanTheWindowIsCentredAndCutOff)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    jpeg(bank(QStringLiteral("word")) + QStringLiteral("样图/word测试分栏/宽.jpg"), 1000, 100);  // 15000 twips wide
    ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
    ASSERT_TRUE(w);
    button(w, "参考样式")->click();
    QWidget* pic = w->ctl(QStringLiteral("Picture1"));
    EXPECT_EQ(w->outerWidthTw(), 8805);
    EXPECT_EQ(w->outerHeightTw(), 3480 + 1500 + 600);
    EXPECT_LT(forms::leftTw(pic), 0);
    EXPECT_NEAR(forms::leftTw(pic), (forms::toTw(w->width()) - 15000) / 2, 15);
}

// ---- document, video ------------------------------------------------------

TEST_F(ExerciseWindowTest, OpenQuestionOpensTheDocumentOrTheMailClient)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    writeBytes(QStringLiteral("素材/video/word/word测试分栏.txt"), "xdg-open http://example.invalid/v1\r\nsecond line\r\n");
    ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
    ASSERT_TRUE(w);
    button(w, "打开题目")->click();
    EXPECT_FALSE(w->staysOnTopNow()) << "the editor comes in front of this topmost window";
    w->setTopmost(true);
    ASSERT_TRUE(w->staysOnTopNow());
    button(w, "操作视频")->click();
    EXPECT_FALSE(w->staysOnTopNow()) << "the video's player comes in front of this topmost window";
    ASSERT_EQ(desktop.size(), 2);
    EXPECT_EQ(desktop[0], QStringLiteral("%1:%2").arg(int(plat::DesktopAction::OpenDocument))
                              .arg(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx"))));
    EXPECT_EQ(desktop[1], QStringLiteral("%1:xdg-open http://example.invalid/v1").arg(int(plat::DesktopAction::RunCommand)));

    running << QStringLiteral("CMailServer.exe");
    button(w, "打开题目")->click();
    EXPECT_EQ(desktop.size(), 2);
    EXPECT_EQ(starts.last(), QStringLiteral("Foxmail.exe"));
    EXPECT_EQ(styles.last(), plat::WindowStyle::Minimized);
}


TEST_F(ExerciseWindowTest, EachClickAsksTheShellAgainAndTheVideoLineGoesUnchanged)
{
    exercise(QStringLiteral("excel"), QStringLiteral("测试排序"), QStringLiteral("xlsx"), QStringLiteral("题"));
    const QByteArray line = "\"/opt/video player/play\" --title 'a  b' D:\\v.mp4";
    writeBytes(QStringLiteral("素材/video/excel/excel测试排序.txt"), line + "\r\n");
    ExerciseWindow* w = open(QStringLiteral("excel"), QStringLiteral("测试排序"), QStringLiteral("xlsx"));
    ASSERT_TRUE(w);
    button(w, "打开题目")->click();
    button(w, "打开题目")->click();
    button(w, "操作视频")->click();
    ASSERT_EQ(desktop.size(), 3);
    EXPECT_EQ(desktop[0], desktop[1]);
    EXPECT_EQ(desktop[2], QStringLiteral("%1:").arg(int(plat::DesktopAction::RunCommand)) + QString::fromUtf8(line));
}

// ---- restore --------------------------------------------------------------

class ExerciseRestoreTest : public ExerciseWindowTest {
protected:
    ExerciseWindow* openWord()
    {
        ExerciseWindow* w = openExercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
        // The student's work.
        QFile doc(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx")));
        EXPECT_TRUE(doc.open(QIODevice::WriteOnly));
        doc.write("edited");
        doc.close();
        QFile extra(drive_ + QStringLiteral("/实训素材/mine.txt"));
        EXPECT_TRUE(extra.open(QIODevice::WriteOnly));
        return w;
    }
    QByteArray document() const { return bytes(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx")); }
};

TEST_F(ExerciseRestoreTest, YesRebuildsFolderAndDocument)
{
    ExerciseWindow* w = openWord();
    ASSERT_TRUE(w);
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectRestored();
    button(w, "恢复本题")->click();
    EXPECT_EQ(document(), QByteArray("pristine"));
    EXPECT_FALSE(onD(QStringLiteral("实训素材/mine.txt")));
    EXPECT_TRUE(onD(QStringLiteral("实训素材/材料.txt")));
    EXPECT_TRUE(button(w, "恢复本题")->isEnabled());
    EXPECT_EQ(button(w, "恢复本题")->text(), QStringLiteral("恢复本题"));
}

TEST_F(ExerciseRestoreTest, NoChangesNothing)
{
    ExerciseWindow* w = openWord();
    ASSERT_TRUE(w);
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskRestore, false);
    button(w, "恢复本题")->click();
    EXPECT_EQ(document(), QByteArray("edited"));
    EXPECT_TRUE(onD(QStringLiteral("实训素材/mine.txt")));
}

TEST_F(ExerciseRestoreTest, MissingSourceRefusesBeforeDeletingAnythingAndNamesIt)
{
    const common::Exercise e{QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx")};
    const struct {
        const char* missing;
        QString named;
    } cases[] = {{"素材/word测试分栏", e.materialFolder()},
                 {"bk/word测试分栏.docx", e.pristineDocument()},
                 {"题目文档", e.documentFolder()}};
    for (const auto& c : cases) {
        ExerciseWindow* w = openWord();
        ASSERT_TRUE(w);
        const QString source = hostPath(bank(QStringLiteral("word")) + QString::fromUtf8(c.missing));
        QFileInfo(source).isDir() ? QDir(source).removeRecursively() : QFile::remove(source);
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::restoreMissingMessage({c.named}));
        button(w, "恢复本题")->click();
        EXPECT_TRUE(common::restoreMissingMessage({c.named}).contains(plat::displayPath(c.named)));
        if (QFileInfo::exists(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档")))) {
            EXPECT_EQ(document(), QByteArray("edited")) << c.missing;
        }
        EXPECT_TRUE(onD(QStringLiteral("实训素材/mine.txt"))) << c.missing;
        forms::resetForTests();
        processEvents();
    }
}

TEST_F(ExerciseRestoreTest, AnExerciseWithoutMaterialRestoresItsDocument)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    QDir(hostPath(bank(QStringLiteral("word")) + QStringLiteral("素材/word测试分栏"))).removeRecursively();
    ExerciseWindow* w = nullptr;
    {
        testing_support::ScriptedMessageBoxes boxes;  // a Load without material has nothing to report
        w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
    }
    ASSERT_TRUE(w);
    ASSERT_TRUE(w->prepared());
    writeBytes(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx"), "edited");
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectRestored();
    button(w, "恢复本题")->click();
    EXPECT_EQ(document(), QByteArray("pristine"));
}

TEST_F(ExerciseRestoreTest, ACopyThatFailsIsNamedNotReportedAsRestored)
{
    ExerciseWindow* w = openExercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    ASSERT_TRUE(w);
    // Material larger than the volume takes.
    writeBytes(bank(QStringLiteral("word")) + QStringLiteral("素材/word测试分栏/大文件.bin"), QByteArray(64 * 1024, 'x'));
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(common::msg::kAskRestore, true);
    boxes.expectOk();
    ASSERT_TRUE(testing_support::withFileSizeLimit(16 * 1024, [&] { button(w, "恢复本题")->click(); }));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(boxes.shown[1].startsWith(QStringLiteral("题目未能完全恢复"))) << boxes.shown[1].toStdString();
    EXPECT_TRUE(boxes.shown[1].contains(QStringLiteral("大文件.bin")));
    EXPECT_FALSE(onD(QStringLiteral("实训素材/大文件.bin")));
    EXPECT_EQ(document(), QByteArray("pristine"));
    EXPECT_TRUE(button(w, "恢复本题")->isEnabled());
    EXPECT_EQ(button(w, "恢复本题")->text(), QStringLiteral("恢复本题"));
}

TEST_F(ExerciseRestoreTest, RunningMailClientRefusesWithoutAQuestion)
{
    ExerciseWindow* w = openWord();
    ASSERT_TRUE(w);
    running << QStringLiteral("Foxmail.exe");
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::msg::kCloseMailClientFirst);
    button(w, "恢复本题")->click();
    EXPECT_EQ(document(), QByteArray("edited"));
}

TEST_F(ExerciseRestoreTest, MailExerciseStopsTheServerAndAwaitsItBeforeTheMailboxes)
{
    ExerciseWindow* w = openExercise(QStringLiteral("network"), QStringLiteral("测试邮件"), QStringLiteral("net"), QStringLiteral("打开邮件管理器。"));
    ASSERT_TRUE(w);
    running = {QStringLiteral("CMailServer.exe")};
    starts.clear();
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectRestored();
    button(w, "恢复本题")->click();
    EXPECT_EQ(starts, (QStringList{QStringLiteral("mail-kill_app.exe"), QStringLiteral("CMailServer.exe")}));
    EXPECT_TRUE(QFileInfo(hostPath(QStringLiteral("素材/bk/soft/Mailserver/cmail/mail/2024001"))).isDir());
}


struct RestoreCase {
    const char* name;
    const char* kind;
    const char* point;
    const char* ext;
    const char* question;
    QStringList removeOnD;  // removed (by the student) before the restore
    QStringList expectOnD;
    QStringList expectGoneOnD;
    QStringList started;  // programs the restore starts
};

class ExerciseRestoreRebuilds : public ExerciseWindowTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(ExerciseRestoreRebuilds, WhatTheExerciseNeeds)
{
    const RestoreCase& c = GetParam();
    const QString kind = QString::fromUtf8(c.kind), point = QString::fromUtf8(c.point), ext = QString::fromUtf8(c.ext);
    exercise(kind, point, ext, QString::fromUtf8(c.question), {100, 200});
    if (kind == QStringLiteral("network"))
        writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/") + kind + point + QStringLiteral("/f.txt"), "f");
    ExerciseWindow* w = open(kind, point, ext);
    ASSERT_TRUE(w);
    ASSERT_TRUE(w->prepared());
    const QString shown = w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText();
    const QString docFolder = bank(kind) + QStringLiteral("题目文档/");
    // The student's work, and a probe name left over from an interrupted run.
    writeBytes(docFolder + QStringLiteral("题目_") + kind + point + '.' + ext, "edited");
    writeBytes(docFolder + QStringLiteral("1.") + ext + QStringLiteral(".bak"), "stale");
    for (const char* folder : {"实训素材", "winsys", "PracticalTraining"})
        if (onD(QString::fromUtf8(folder))) {
            QFile mine(drive_ + '/' + QString::fromUtf8(folder) + QStringLiteral("/mine.txt"));
            EXPECT_TRUE(mine.open(QIODevice::WriteOnly));
        }
    for (const QString& rel : c.removeOnD) {
        const QString h = drive_ + '/' + rel;
        QFileInfo(h).isDir() ? QDir(h).removeRecursively() : QFile::remove(h);
    }
    const QString webIni = QString::fromLatin1(bytes(QStringLiteral("素材/bk/soft/WebServer/server.ini")).toHex());
    starts.clear();

    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectRestored();
    button(w, "恢复本题")->click();
    EXPECT_EQ(boxes.shown.size(), 2);

    EXPECT_EQ(docs(kind), QStringList{QStringLiteral("题目_") + kind + point + '.' + ext});
    EXPECT_EQ(bytes(docFolder + QStringLiteral("题目_") + kind + point + '.' + ext), QByteArray("pristine"));
    for (const QString& rel : c.expectOnD) EXPECT_TRUE(onD(rel)) << rel.toStdString();
    for (const QString& rel : c.expectGoneOnD) EXPECT_FALSE(onD(rel)) << rel.toStdString();
    EXPECT_EQ(starts, c.started);
    EXPECT_EQ(QString::fromLatin1(bytes(QStringLiteral("素材/bk/soft/WebServer/server.ini")).toHex()), webIni);
    // Text, pictures and size stay as the Load left them.
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), shown);
    EXPECT_EQ(w->outerHeightTw(), 3660);
    EXPECT_EQ(button(w, "参考样式")->isVisible(), kind != QStringLiteral("windows"));
    EXPECT_TRUE(button(w, "打开题目")->isEnabled());
    EXPECT_TRUE(button(w, "操作视频")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExerciseRestoreRebuilds,
    ::testing::Values(
        RestoreCase{"WordWithoutItsWorkingFolder", "word", "测试分栏", "docx", "题", {"实训素材"}, {"实训素材/材料.txt"}, {}, {}},
        RestoreCase{"WindowsRebuildsWinsysOnly", "windows", "测试新建", "win", "题", {}, {"winsys/a.txt"},
                    {"winsys/mine.txt", "实训素材"}, {}},
        RestoreCase{"WebLeavesItsServerAlone", "network", "测试网页", "net", "浏览网页。", {}, {"实训素材/材料.txt"},
                    {"实训素材/mine.txt"}, {}},
        RestoreCase{"FtpFolderMissingIsMadeAgainServerNotStarted", "network", "测试下载", "net", "用文件传输协议下载。",
                    {"PracticalTraining"}, {"PracticalTraining/f.txt", "实训素材/材料.txt"}, {}, {}},
        RestoreCase{"FtpFolderIsEmptiedFirst", "network", "测试下载", "net", "用文件传输协议下载。", {},
                    {"PracticalTraining/f.txt"}, {"PracticalTraining/mine.txt"}, {}},
        RestoreCase{"BothPhrasesRestoreFtpAndMail", "network", "测试两者", "net", "用文件传输协议下载，再用邮件管理器发送。", {},
                    {"PracticalTraining/f.txt"}, {"PracticalTraining/mine.txt"}, {"CMailServer.exe"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExerciseRestoreTest, DeletedQuestionDocumentIsMadeAgain)
{
    ExerciseWindow* w = openWord();
    ASSERT_TRUE(w);
    QFile::remove(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx")));
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectRestored();
    button(w, "恢复本题")->click();
    EXPECT_EQ(document(), QByteArray("pristine"));
}

TEST_F(ExerciseRestoreTest, HeldFilesRefuseBeforeTheQuestion)
{
    // A file open in the FTP folder of an FTP exercise, and the question
    // document of a Word exercise held by its application.
    exercise(QStringLiteral("network"), QStringLiteral("测试下载"), QStringLiteral("net"), QStringLiteral("用文件传输协议下载。"));
    writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/network测试下载/f.txt"), "f");
    ExerciseWindow* w = open(QStringLiteral("network"), QStringLiteral("测试下载"), QStringLiteral("net"));
    ASSERT_TRUE(w);
    {
        testing_support::FileHolder holder(drive_ + QStringLiteral("/PracticalTraining/f.txt"));
        ASSERT_TRUE(holder.holding());
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::msg::kCloseOpenFiles);
        button(w, "恢复本题")->click();
        EXPECT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(onD(QStringLiteral("PracticalTraining/f.txt")));
        EXPECT_TRUE(button(w, "恢复本题")->isEnabled());
    }
    forms::resetForTests();
    processEvents();

    w = openWord();
    ASSERT_TRUE(w);
    testing_support::FileHolder holder(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx")));
    ASSERT_TRUE(holder.holding());
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::msg::kCloseOpenDocuments);
    button(w, "恢复本题")->click();
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(document(), QByteArray("edited"));
    EXPECT_TRUE(onD(QStringLiteral("实训素材/mine.txt")));
}

// ---- closing --------------------------------------------------------------

struct ExerciseRuleCase {
    testing_support::ReturnSituation situation;
    const char* show;
    QStringList stops;
    bool stopFirst;
    bool end;
};

class ExerciseReturnRule : public ::testing::TestWithParam<ExerciseRuleCase> {};

TEST_P(ExerciseReturnRule, PicksWindowServersAndEnd)
{
    const ExerciseRuleCase& c = GetParam();
    const auto plan = testing_support::expectReturnPlan<ExerciseWindow>(c.situation, c.show, c.end);
    EXPECT_EQ(plan.stopOrder, c.stops);
    EXPECT_EQ(plan.stopFirst, c.stopFirst);
}

const QStringList kFtpFirst{"FTPServer.exe", "MyWebServer.exe", "CMailServer.exe"};
const QStringList kWebFirst{"MyWebServer.exe", "FTPServer.exe", "CMailServer.exe"};

INSTANTIATE_TEST_SUITE_P(
    Table, ExerciseReturnRule,
    ::testing::Values(ExerciseRuleCase{{"more", "知识点", "word"}, "word知识点窗格", {}, false, false},
                      ExerciseRuleCase{{"more", "知识点", "excel"}, "excel知识点窗格", {}, false, false},
                      ExerciseRuleCase{{"more", "知识点", "ppt"}, "ppt知识点窗格", {}, false, false},
                      ExerciseRuleCase{{"more", "知识点", "windows"}, "windows知识点窗格", {}, false, false},
                      ExerciseRuleCase{{"more", "知识点", "network"}, "network知识点窗格", kFtpFirst, true, false},
                      ExerciseRuleCase{{"more", "任务项目", "word"}, "任务项目窗格", kFtpFirst, false, false},
                      ExerciseRuleCase{{"more", "", "network"}, "任务项目窗格", kFtpFirst, false, false},
                      ExerciseRuleCase{{"mission", "知识点", "word"}, "任务项目窗格", kWebFirst, false, false},
                      ExerciseRuleCase{{"More", "知识点", "word"}, "任务项目窗格", kWebFirst, false, true},
                      ExerciseRuleCase{{"more ", "知识点", "ppt"}, "任务项目窗格", kWebFirst, false, true},
                      ExerciseRuleCase{{"单体与否", "任务项目", "excel"}, "任务项目窗格", kWebFirst, false, true}));

TEST_F(ExerciseWindowTest, ClosingAWordExerciseDeletesTheFolderAndShowsItsMenu)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    EXPECT_TRUE(uWriteTextFile(common::kCallMarkerFile, QStringLiteral("任务项目\r\n知识点")));
    ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
    ASSERT_TRUE(w);
    starts.clear();
    EXPECT_TRUE(forms::unload(w));
    EXPECT_FALSE(onD(QStringLiteral("实训素材")));
    EXPECT_TRUE(forms::isLoaded(QStringLiteral("word知识点窗格")));
    EXPECT_TRUE(starts.isEmpty());
    EXPECT_FALSE(ended_);
}

TEST_F(ExerciseWindowTest, ClosingAnFtpExerciseStopsTheServerBeforeDeletingItsFolder)
{
    exercise(QStringLiteral("network"), QStringLiteral("测试下载"), QStringLiteral("net"), QStringLiteral("用文件传输协议下载。"));
    writeBytes(QStringLiteral("素材/bk/题库/操作题/network/server/network测试下载/f.txt"), "f");
    ExerciseWindow* w = open(QStringLiteral("network"), QStringLiteral("测试下载"), QStringLiteral("net"));
    ASSERT_TRUE(w);
    ASSERT_TRUE(onD(QStringLiteral("PracticalTraining/f.txt")));
    running = {QStringLiteral("FTPServer.exe")};
    starts.clear();
    EXPECT_TRUE(forms::unload(w));
    EXPECT_EQ(starts, QStringList{QStringLiteral("f-kill_app.exe")});
    EXPECT_TRUE(ftpFolderAtKill);
    EXPECT_FALSE(onD(QStringLiteral("PracticalTraining")));
    EXPECT_FALSE(onD(QStringLiteral("实训素材")));
    EXPECT_TRUE(forms::isLoaded(QStringLiteral("network知识点窗格")));
}

// Closing into the task window, which lays out the area last worked on from
// its own part of the tree.
class ExerciseToTasksTest : public ExerciseWindowTest {
protected:
    ExerciseToTasksTest() { demoParts_ << QStringLiteral("素材/bk/任务项目"); }
};

TEST_F(ExerciseToTasksTest, ClosingIsCancelledWhileTheDocumentIsHeldAndThenEndsForAnUnknownMode)
{
    exercise(QStringLiteral("excel"), QStringLiteral("测试排序"), QStringLiteral("xlsx"), QStringLiteral("题"));
    EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("More")));
    ExerciseWindow* w = open(QStringLiteral("excel"), QStringLiteral("测试排序"), QStringLiteral("xlsx"));
    ASSERT_TRUE(w);
    {
        testing_support::FileHolder holder(hostPath(bank(QStringLiteral("excel")) + QStringLiteral("题目文档/题目_excel测试排序.xlsx")));
        ASSERT_TRUE(holder.holding());
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::msg::kCloseOpenDocuments);
        EXPECT_FALSE(forms::unload(w));
    }
    EXPECT_EQ(w->caption(), QStringLiteral("excel_测试排序"));
    EXPECT_TRUE(onD(QStringLiteral("实训素材")));
    EXPECT_TRUE(forms::unload(w));
    EXPECT_TRUE(ended_);
}

TEST_F(ExerciseWindowTest, ClosingFromAMissionShowsTheTaskWindowThenStopsWebFirst)
{
    EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("mission")));
    ExerciseWindow* w = openExercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    ASSERT_TRUE(w);
    running = {QStringLiteral("FTPServer.exe"), QStringLiteral("MyWebServer.exe")};
    starts.clear();
    testing_support::ScriptedMessageBoxes boxes;  // the task window's own start-up messages
    boxes.allowAnyOk = true;
    EXPECT_TRUE(forms::unload(w));
    EXPECT_TRUE(forms::isLoaded(QStringLiteral("任务项目窗格")));
    EXPECT_FALSE(forms::isLoaded(QStringLiteral("word知识点窗格")));
    EXPECT_EQ(starts, (QStringList{QStringLiteral("kill_app.exe"), QStringLiteral("f-kill_app.exe")}));
    EXPECT_FALSE(ended_);
}

TEST_F(ExerciseWindowTest, ClosingANetworkExerciseWithoutServersStartsNoKillTool)
{
    ExerciseWindow* w = openExercise(QStringLiteral("network"), QStringLiteral("测试网页"), QStringLiteral("net"), QStringLiteral("浏览网页。"));
    ASSERT_TRUE(w);
    running.clear();
    starts.clear();
    EXPECT_TRUE(forms::unload(w));
    EXPECT_TRUE(starts.isEmpty()) << starts.join(',').toStdString();
    EXPECT_TRUE(forms::isLoaded(QStringLiteral("network知识点窗格")));
}

TEST_F(ExerciseWindowTest, AFileOpenInTheWorkingFolderCancelsTheClose)
{
    ExerciseWindow* w = openExercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    ASSERT_TRUE(w);
    testing_support::FileHolder holder(drive_ + QStringLiteral("/实训素材/材料.txt"));
    ASSERT_TRUE(holder.holding());
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::msg::kCloseOpenWorkFiles);
    EXPECT_FALSE(forms::unload(w));
    EXPECT_EQ(w->caption(), QStringLiteral("word_测试分栏"));
    EXPECT_TRUE(onD(QStringLiteral("实训素材/材料.txt")));
    EXPECT_FALSE(forms::isLoaded(QStringLiteral("word知识点窗格")));
}

// A folder whose entries cannot be renamed for the life of the object: by
// its mode, and where that does not stop the user (root), by a read-only
// bind mount of it.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& host) : host_(QFile::encodeName(host))
    {
        if (::geteuid() != 0) {
            ok_ = ::chmod(host_.constData(), 0555) == 0;
            chmoded_ = ok_;
            return;
        }
        mounted_ = ::mount(host_.constData(), host_.constData(), nullptr, MS_BIND, nullptr) == 0;
        ok_ = mounted_ && ::mount(nullptr, host_.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyFolder()
    {
        if (chmoded_) ::chmod(host_.constData(), 0755);
        if (mounted_) ::umount2(host_.constData(), MNT_DETACH);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool ok() const { return ok_; }

private:
    QByteArray host_;
    bool ok_ = false, chmoded_ = false, mounted_ = false;
};

TEST_F(ExerciseWindowTest, AReadOnlyDocumentFolderIsNamedAndDoesNotHoldTheWindowOpen)
{
    ExerciseWindow* w = openExercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    ASSERT_TRUE(w);
    ReadOnlyFolder readOnly(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档")));
    if (!readOnly.ok()) GTEST_SKIP() << "cannot make a folder read-only here";
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk();
    EXPECT_TRUE(forms::unload(w));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith(QStringLiteral("无法检查"))) << boxes.shown[0].toStdString();
    EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("题目_word测试分栏.docx")));
    EXPECT_FALSE(onD(QStringLiteral("实训素材")));
    EXPECT_TRUE(forms::isLoaded(QStringLiteral("word知识点窗格")));
}

TEST_F(ExerciseWindowTest, ALoadThatCannotCopyEverythingSaysWhatIsMissing)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    {
        // No document folder: the question document cannot be made.
        QDir(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档"))).removeRecursively();
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk();
        ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
        ASSERT_TRUE(w);
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(boxes.shown[0].startsWith(QStringLiteral("题目未能完全准备好"))) << boxes.shown[0].toStdString();
        EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("题目文档")));
        EXPECT_TRUE(onD(QStringLiteral("实训素材/材料.txt")));
        forms::resetForTests();
        processEvents();
    }
    QDir().mkpath(hostPath(bank(QStringLiteral("word")) + QStringLiteral("题目文档")));
    writeBytes(bank(QStringLiteral("word")) + QStringLiteral("素材/word测试分栏/大文件.bin"), QByteArray(64 * 1024, 'x'));
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk();
    ExerciseWindow* w = nullptr;
    ASSERT_TRUE(testing_support::withFileSizeLimit(16 * 1024, [&] { w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx")); }));
    ASSERT_TRUE(w);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("大文件.bin"))) << boxes.shown[0].toStdString();
    EXPECT_TRUE(onD(QStringLiteral("实训素材/材料.txt")));
}

// The close deletes "D:\winsys" of a Windows exercise: a file open there
// (a document in an editor) keeps the window open, as the restore refuses.
TEST_F(ExerciseWindowTest, AFileOpenInWinsysStopsTheCloseOfAWindowsExercise)
{
    ExerciseWindow* w = openExercise(QStringLiteral("windows"), QStringLiteral("测试新建"), QStringLiteral("win"), QStringLiteral("题"));
    ASSERT_TRUE(w);
    {
        testing_support::FileHolder holder(drive_ + QStringLiteral("/winsys/a.txt"));
        ASSERT_TRUE(holder.holding());
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::msg::kCloseOpenWinsysFiles);
        EXPECT_FALSE(forms::unload(w));
        EXPECT_TRUE(onD(QStringLiteral("winsys/a.txt")));
    }
    testing_support::ScriptedMessageBoxes boxes;
    EXPECT_TRUE(forms::unload(w));
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(onD(QStringLiteral("winsys")));
    EXPECT_TRUE(forms::isLoaded(QStringLiteral("windows知识点窗格")));
}

// ---- file-manager windows, on a private X server ----------------------------

using ExerciseExplorerTest = testing_support::WithPrivateX<ExerciseWindowTest>;

TEST_F(ExerciseExplorerTest, WinsysWindowRefusesTheLoadOnlyWhenTheWorkingFolderExists)
{
    testing_support::ClassedWindow winsys(x_->name(), "Nautilus", QStringLiteral("winsys"));
    ASSERT_TRUE(winsys.ok());
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    for (const bool workFolder : {false, true}) {
        if (workFolder) QDir().mkpath(drive_ + QStringLiteral("/实训素材"));
        testing_support::ScriptedMessageBoxes boxes;
        if (workFolder) boxes.expectOk(common::explorerOpenMessage(QStringLiteral("winsys")));
        ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
        ASSERT_TRUE(w);
        EXPECT_EQ(w->prepared(), !workFolder);
        EXPECT_EQ(boxes.shown.size(), workFolder ? 1 : 0);
        if (workFolder) {
            EXPECT_TRUE(onD(QStringLiteral("实训素材")));  // refused before the delete
        } else {
            // Gone with the window before the second round.
            forms::resetForTests();
            processEvents();
            QDir(drive_ + QStringLiteral("/实训素材")).removeRecursively();
        }
    }
}

TEST_F(ExerciseExplorerTest, WinsysWindowBlocksTheRestoreAndTheCloseOfAWindowsExercise)
{
    ExerciseWindow* w = openExercise(QStringLiteral("windows"), QStringLiteral("测试新建"), QStringLiteral("win"), QStringLiteral("题"));
    ASSERT_TRUE(w);
    ASSERT_FALSE(onD(QStringLiteral("实训素材")));
    {
        testing_support::ClassedWindow winsys(x_->name(), "Thunar", QStringLiteral("WinSys"));
        ASSERT_TRUE(winsys.ok());
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::explorerOpenMessage(QStringLiteral("winsys")));
        button(w, "恢复本题")->click();
        EXPECT_EQ(boxes.shown.size(), 1);
        boxes.expectOk(common::explorerOpenMessage(QStringLiteral("winsys")));
        EXPECT_FALSE(forms::unload(w));
        EXPECT_TRUE(onD(QStringLiteral("winsys/a.txt")));
    }
    ASSERT_TRUE(testing_support::waitFor([] { return !common::uIsFolderOpenInExplorer(QStringLiteral("winsys")); }));
    testing_support::ScriptedMessageBoxes boxes;
    EXPECT_TRUE(forms::unload(w));
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(onD(QStringLiteral("winsys")));
    EXPECT_TRUE(forms::isLoaded(QStringLiteral("windows知识点窗格")));
}

}  // namespace
