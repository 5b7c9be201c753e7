// 知识点与课本实训窗格: the Load per kind, the viewer, restore and close,
// driven through the window's real widgets.
#include "common/handover.h"
#include "common/ipv4.h"
#include "common/processes.h"
#include "common/workspace.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "knowledge/exercisewindow.h"
#include "platform/desktop.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/shellwait.h"
#include "platform/textfile.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using knowledge::ExerciseWindow;
using testing_support::gbk;

namespace {

const QString kWindow = QString::fromUtf8(ExerciseWindow::kName);

class ExerciseWindowTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        forms::setScreenDpi(96);
        plat::setStartHookForTests([this](const QString& host, const QStringList&, plat::WindowStyle style) {
            const QString name = QFileInfo(host).fileName();
            starts << name;
            styles << style;
            if (name == QStringLiteral("f-kill_app.exe")) ftpFolderAtKill = QFileInfo::exists(drive_ + QStringLiteral("/PracticalTraining"));
            if (name.contains(QStringLiteral("kill"))) running.clear();
            return qint64(999999);
        });
        common::setProcessListForTests([this] { return running; });
        plat::setIPv4AddressesForTests([] { return QStringList{QStringLiteral("10.1.2.3")}; });
        plat::setDesktopHookForTests([this](plat::DesktopAction a, const QString& text) {
            desktop << QStringLiteral("%1:%2").arg(int(a)).arg(text);
            return true;
        });
        uWriteTextFile(common::kIdentityFile, QStringLiteral("2024001张三\r\n2024001\r\n张三"));
        uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more"));
        uWriteTextFile(common::kCallMarkerFile, QStringLiteral("知识点"));
    }
    void TearDown() override
    {
        plat::setStartHookForTests(nullptr);
        common::setProcessListForTests(nullptr);
        plat::setIPv4AddressesForTests(nullptr);
        plat::setDesktopHookForTests(nullptr);
        forms::setScreenDpi(0);
        PlatformTest::TearDown();
    }

    QString bank(const QString& kind) const { return QStringLiteral("素材/bk/题库/操作题/") + kind + '/'; }
    void text(const QString& rel, const QString& t) const { writeBytes(rel, gbk(t)); }
    void jpeg(const QString& rel, int w, int h) const
    {
        QDir().mkpath(QFileInfo(hostPath(rel)).absolutePath());
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        ASSERT_TRUE(img.save(hostPath(rel), "JPG"));
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
        uWriteTextFile(common::kKnowledgeRequest, req);
        return static_cast<ExerciseWindow*>(forms::show(kWindow));
    }
    QPushButton* button(ExerciseWindow* w, const char* name) const { return w->ctl<QPushButton>(QString::fromUtf8(name)); }
    bool onD(const QString& rel) const { return QFileInfo::exists(drive_ + '/' + rel); }
    QStringList docs(const QString& kind) const { return QDir(hostPath(bank(kind) + QStringLiteral("题目文档"))).entryList(QDir::Files); }

    QStringList starts;
    QList<plat::WindowStyle> styles;
    QStringList running;
    QStringList desktop;
    bool ftpFolderAtKill = false;
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
    EXPECT_EQ(button(w, "参考样式")->isVisible(), c.pictures > 0);
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
        ExerciseLoadCase{"Windows", "windows", "测试新建", "win", "在winsys中新建文件夹。", 0, "winsys/a.txt", nullptr, "",
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
    plat::setIPv4AddressesForTests([] { return QStringList{}; });
    text(QStringLiteral("素材/bk/题库/操作题/network/server/ipd.txt"), QStringLiteral("IPv4 地址 : 9.9.9.9"));
    exercise(QStringLiteral("network"), QStringLiteral("测试网页"), QStringLiteral("net"), QStringLiteral("访问strLocalIP。"));
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::kNoIPv4Message);
    ExerciseWindow* w = open(QStringLiteral("network"), QStringLiteral("测试网页"), QStringLiteral("net"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QStringLiteral("访问。\n"));
}

TEST_F(ExerciseWindowTest, RefusedGuardLeavesTheWindowUnpreparedAndItsButtonsInert)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"), {100, 100});
    // The question document of an earlier opening, and a probe name left
    // over, so the document cannot be moved aside: it counts as open.
    writeBytes(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx"), "earlier");
    writeBytes(bank(QStringLiteral("word")) + QStringLiteral("题目文档/1.docx"), "probe");
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(QStringLiteral("请关闭已经打开的题目文档 >_<"));
    ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("mission"));
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->prepared());
    EXPECT_EQ(w->单体与否, QStringLiteral("mission"));
    EXPECT_EQ(w->ctl<QPlainTextEdit>(QStringLiteral("题目内容"))->toPlainText(), QStringLiteral("题目内容"));
    button(w, "打开题目")->click();
    button(w, "恢复本题")->click();
    EXPECT_TRUE(desktop.isEmpty());
    EXPECT_EQ(bytes(bank(QStringLiteral("word")) + QStringLiteral("题目文档/题目_word测试分栏.docx")), QByteArray("earlier"));
}

TEST_F(ExerciseWindowTest, FourthRequestLineCountsAlsoWithSeveralPictures)
{
    exercise(QStringLiteral("ppt"), QStringLiteral("测试动画"), QStringLiteral("pptx"), QStringLiteral("题"), {100, 120, 140});
    ExerciseWindow* w = open(QStringLiteral("ppt"), QStringLiteral("测试动画"), QStringLiteral("pptx"), QStringLiteral("mission"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->单体与否, QStringLiteral("mission"));
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

// ---- document, video ------------------------------------------------------

TEST_F(ExerciseWindowTest, OpenQuestionOpensTheDocumentOrTheMailClient)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    writeBytes(QStringLiteral("素材/video/word/word测试分栏.txt"), "xdg-open http://example.invalid/v1\r\nsecond line\r\n");
    ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
    ASSERT_TRUE(w);
    button(w, "打开题目")->click();
    button(w, "操作视频")->click();
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

// ---- restore --------------------------------------------------------------

class ExerciseRestoreTest : public ExerciseWindowTest {
protected:
    ExerciseWindow* openWord()
    {
        exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
        ExerciseWindow* w = open(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"));
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
    boxes.expectYesNo(QStringLiteral("是否恢复?"), true);
    boxes.expectOk(QStringLiteral("题目已恢复"));
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
    boxes.expectYesNo(QStringLiteral("是否恢复?"), false);
    button(w, "恢复本题")->click();
    EXPECT_EQ(document(), QByteArray("edited"));
    EXPECT_TRUE(onD(QStringLiteral("实训素材/mine.txt")));
}

TEST_F(ExerciseRestoreTest, MissingSourceRefusesBeforeDeletingAnything)
{
    for (const char* missing : {"素材/word测试分栏", "bk/word测试分栏.docx"}) {
        ExerciseWindow* w = openWord();
        ASSERT_TRUE(w);
        const QString source = hostPath(bank(QStringLiteral("word")) + QString::fromUtf8(missing));
        QFileInfo(source).isDir() ? QDir(source).removeRecursively() : QFile::remove(source);
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(common::kRestoreMissingMessage);
        button(w, "恢复本题")->click();
        EXPECT_EQ(document(), QByteArray("edited")) << missing;
        EXPECT_TRUE(onD(QStringLiteral("实训素材/mine.txt"))) << missing;
        forms::resetForTests();
        processEvents();
    }
}

TEST_F(ExerciseRestoreTest, RunningMailClientRefusesWithoutAQuestion)
{
    ExerciseWindow* w = openWord();
    ASSERT_TRUE(w);
    running << QStringLiteral("Foxmail.exe");
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(QStringLiteral("请关闭邮件管理器后再进行恢复操作！"));
    button(w, "恢复本题")->click();
    EXPECT_EQ(document(), QByteArray("edited"));
}

TEST_F(ExerciseRestoreTest, MailExerciseStopsTheServerAndAwaitsItBeforeTheMailboxes)
{
    exercise(QStringLiteral("network"), QStringLiteral("测试邮件"), QStringLiteral("net"), QStringLiteral("打开邮件管理器。"));
    ExerciseWindow* w = open(QStringLiteral("network"), QStringLiteral("测试邮件"), QStringLiteral("net"));
    ASSERT_TRUE(w);
    running = {QStringLiteral("CMailServer.exe")};
    starts.clear();
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectYesNo(QStringLiteral("是否恢复?"), true);
    boxes.expectOk(QStringLiteral("题目已恢复"));
    button(w, "恢复本题")->click();
    EXPECT_EQ(starts, (QStringList{QStringLiteral("mail-kill_app.exe"), QStringLiteral("CMailServer.exe")}));
    EXPECT_TRUE(QFileInfo(hostPath(QStringLiteral("素材/bk/soft/Mailserver/cmail/mail/2024001"))).isDir());
}

// ---- closing --------------------------------------------------------------

struct ExerciseRuleCase {
    const char* mode;
    const char* marker;
    const char* kind;
    const char* show;
    QStringList stops;
    bool stopFirst;
    bool end;
};

class ExerciseReturnRule : public ::testing::TestWithParam<ExerciseRuleCase> {};

TEST_P(ExerciseReturnRule, PicksWindowServersAndEnd)
{
    const ExerciseRuleCase& c = GetParam();
    const auto plan = ExerciseWindow::returnPlan(QString::fromUtf8(c.mode), QString::fromUtf8(c.marker), QString::fromUtf8(c.kind));
    EXPECT_EQ(plan.show, QString::fromUtf8(c.show));
    EXPECT_EQ(plan.stopOrder, c.stops);
    EXPECT_EQ(plan.stopFirst, c.stopFirst);
    EXPECT_EQ(plan.endProgram, c.end);
}

const QStringList kFtpFirst{"FTPServer.exe", "MyWebServer.exe", "CMailServer.exe"};
const QStringList kWebFirst{"MyWebServer.exe", "FTPServer.exe", "CMailServer.exe"};

INSTANTIATE_TEST_SUITE_P(
    Table, ExerciseReturnRule,
    ::testing::Values(ExerciseRuleCase{"more", "知识点", "word", "word知识点窗格", {}, false, false},
                      ExerciseRuleCase{"more", "知识点", "excel", "excel知识点窗格", {}, false, false},
                      ExerciseRuleCase{"more", "知识点", "ppt", "ppt知识点窗格", {}, false, false},
                      ExerciseRuleCase{"more", "知识点", "windows", "windows知识点窗格", {}, false, false},
                      ExerciseRuleCase{"more", "知识点", "network", "network知识点窗格", kFtpFirst, true, false},
                      ExerciseRuleCase{"more", "任务项目", "word", "任务项目窗格", kFtpFirst, false, false},
                      ExerciseRuleCase{"more", "", "network", "任务项目窗格", kFtpFirst, false, false},
                      ExerciseRuleCase{"mission", "知识点", "word", "任务项目窗格", kWebFirst, false, false},
                      ExerciseRuleCase{"More", "知识点", "word", "任务项目窗格", kWebFirst, false, true},
                      ExerciseRuleCase{"more ", "知识点", "ppt", "任务项目窗格", kWebFirst, false, true},
                      ExerciseRuleCase{"单体与否", "任务项目", "excel", "任务项目窗格", kWebFirst, false, true}));

TEST_F(ExerciseWindowTest, ClosingAWordExerciseDeletesTheFolderAndShowsItsMenu)
{
    exercise(QStringLiteral("word"), QStringLiteral("测试分栏"), QStringLiteral("docx"), QStringLiteral("题"));
    uWriteTextFile(common::kCallMarkerFile, QStringLiteral("任务项目\r\n知识点"));
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

TEST_F(ExerciseWindowTest, ClosingIsCancelledWhileTheDocumentIsHeldAndThenEndsForAnUnknownMode)
{
    exercise(QStringLiteral("excel"), QStringLiteral("测试排序"), QStringLiteral("xlsx"), QStringLiteral("题"));
    uWriteTextFile(common::kLaunchModeFile, QStringLiteral("More"));
    ExerciseWindow* w = open(QStringLiteral("excel"), QStringLiteral("测试排序"), QStringLiteral("xlsx"));
    ASSERT_TRUE(w);
    writeBytes(bank(QStringLiteral("excel")) + QStringLiteral("题目文档/1.xlsx"), "probe left over");
    {
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(QStringLiteral("请关闭已经打开的题目文档 >_<"));
        EXPECT_FALSE(forms::unload(w));
    }
    EXPECT_EQ(w->caption(), QStringLiteral("excel_测试排序"));
    EXPECT_TRUE(onD(QStringLiteral("实训素材")));
    QFile::remove(hostPath(bank(QStringLiteral("excel")) + QStringLiteral("题目文档/1.xlsx")));
    EXPECT_TRUE(forms::unload(w));
    EXPECT_TRUE(ended_);
}

}  // namespace
