// The main window: its Load, the identity box, the design and the area openers.
#include "common/handover.h"
#include "common/navigation.h"
#include "forms/controls.h"
#include "forms/design.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"
#include "startup/mainwindow.h"
#include "startup/messages.h"
#include "startup_support.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

const QString kTaskMode = QStringLiteral("素材/bk/任务项目/model.txt");

class MainWindowTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks.screenDpi(96);
        // The hand-over files the area openers write anew.
        writeBytes(kMarker, gbk(QStringLiteral("知识点\r\n")));
        writeBytes(kTaskMode, "\r\n");
    }
    startup::MainWindow* open()
    {
        auto* w = qobject_cast<startup::MainWindow*>(forms::show(common::kMainWindowName));
        EXPECT_NE(w, nullptr);
        return w;
    }
    QWidget* c(const char* name) const
    {
        QWidget* w = forms::loaded(common::kMainWindowName)->ctl(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const { return forms::caption(c(name)); }
    int right(const char* name) const { return forms::leftTw(c(name)) + forms::widthTw(c(name)); }
    forms::LineControl* line(const char* name) const { return qobject_cast<forms::LineControl*>(c(name)); }

    testing_support::TestHooks hooks;
    testing_support::ScriptedMessageBoxes boxes;
};

TEST_F(MainWindowTest, LoadShowsTitleSizeAndTheStudentOfTheIdentityFile)
{
    writeBytes(kIdentity, gbk(QStringLiteral("20240305李小明\r\n20240305\r\n李小明\r\n")));
    startup::MainWindow* w = open();
    EXPECT_EQ(w->caption(), QStringLiteral("Corvanth实训平台"));
    EXPECT_EQ(w->outerWidthTw(), 12465);
    EXPECT_EQ(w->outerHeightTw(), 9210);
    EXPECT_EQ(text("大标题"), QStringLiteral("《Corvanth》实训平台\n（基础理论 + Windows + MS Office + 网络基础）"));
    EXPECT_EQ(w->state.studentKey, QStringLiteral("20240305李小明"));
    EXPECT_EQ(text("学号内容"), QStringLiteral("【学号：20240305】"));
    EXPECT_EQ(text("姓名内容"), QStringLiteral("【姓名：李小明】"));
    EXPECT_EQ(w->ctl(QStringLiteral("学号")), nullptr);  // a hidden state label, not a widget
}

struct ShortIdentity {
    const char* name;
    QByteArray content;
    bool missing;
    const char* number;
    const char* student;
};

void PrintTo(const ShortIdentity& c, std::ostream* os) { *os << c.name; }

class ShortIdentityFile : public MainWindowTest, public ::testing::WithParamInterface<ShortIdentity> {};

TEST_P(ShortIdentityFile, KeepsTheDesignTextsOfMissingLines)
{
    if (GetParam().missing) QFile::remove(hostPath(kIdentity));
    else writeBytes(kIdentity, GetParam().content);
    open();
    EXPECT_EQ(text("学号内容"), QString::fromUtf8(GetParam().number));
    EXPECT_EQ(text("姓名内容"), QString::fromUtf8(GetParam().student));
    // The identity box is laid out with whatever texts the labels hold.
    EXPECT_EQ(forms::leftTw(c("姓名内容")), right("学号内容") + 120);
    EXPECT_EQ(line("用户信息框横线")->x2(), right("姓名内容"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortIdentityFile,
    ::testing::Values(ShortIdentity{"missing_file", {}, true, "学号：0000000000", "姓名：某某某某"},
                      ShortIdentity{"empty_file", "", false, "学号：0000000000", "姓名：某某某某"},
                      ShortIdentity{"two_lines", "7x\r\n7\r\n", false, "【学号：7】", "姓名：某某某某"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, AnIdentityFileThatIsNotOneIsIgnoredWithAMessage)
{
    writeBytes(kIdentity, QByteArray(17 * 1024 * 1024, '7') + "\r\n7\r\n7\r\n");
    boxes.expectOk(startup::msg::identityUnusable(QStringLiteral("“素材\\bk\\studentnumber.txt”不是应有的内容（大于 64 KB），已忽略。")));
    startup::MainWindow* w = open();
    EXPECT_LT(w->state.studentKey.size(), 100);
    EXPECT_EQ(text("学号内容"), QStringLiteral("学号：0000000000"));
    EXPECT_EQ(text("姓名内容"), QStringLiteral("姓名：某某某某"));
}

TEST_F(MainWindowTest, ALongIdentityLineIsCutForItsCaption)
{
    writeBytes(kIdentity, "1x\r\n" + QByteArray(5000, '1') + "\r\nx\r\n");
    open();
    EXPECT_EQ(text("学号内容"), QStringLiteral("【学号：") + QString(64, '1') + QStringLiteral("…】"));
}

// Identity-box layout of one identity; returns (name left, separator x, underline right).
struct Box {
    int nameLeft, sepX, lineRight, numberRight, nameRight;
};

class IdentityBox : public MainWindowTest {
protected:
    Box layoutFor(const QString& number, const QString& name)
    {
        forms::resetForTests();
        writeBytes(kIdentity, gbk(number + name + "\r\n" + number + "\r\n" + name + "\r\n"));
        open();
        auto* sep = line("用户信息框竖线");
        EXPECT_EQ(sep->x1(), sep->x2());
        EXPECT_EQ(sep->y1(), 35);
        EXPECT_EQ(sep->y2(), 320);
        auto* under = line("用户信息框横线");
        EXPECT_EQ(under->x1(), 40);
        EXPECT_EQ(under->y1(), 345);
        EXPECT_EQ(under->y2(), 345);
        EXPECT_EQ(forms::leftTw(c("学号内容")), 840);
        return {forms::leftTw(c("姓名内容")), sep->x1(), under->x2(), right("学号内容"), right("姓名内容")};
    }
};

TEST_F(IdentityBox, KeepsTheGapsOf60And120)
{
    const Box b = layoutFor(QStringLiteral("2024"), QStringLiteral("张三"));
    EXPECT_EQ(b.sepX, b.numberRight + 60);
    EXPECT_EQ(b.nameLeft, b.numberRight + 120);
    EXPECT_EQ(b.lineRight, b.nameRight);
}

TEST_F(IdentityBox, ALongNameMovesOnlyTheRightEndOfTheUnderline)
{
    const Box s = layoutFor(QStringLiteral("2024"), QStringLiteral("张三"));
    const Box l = layoutFor(QStringLiteral("2024"), QStringLiteral("欧阳张三丰李四王五赵六"));
    EXPECT_EQ(l.nameLeft, s.nameLeft);
    EXPECT_EQ(l.sepX, s.sepX);
    EXPECT_GT(l.lineRight, s.lineRight);
    EXPECT_EQ(l.lineRight, l.nameRight);
}

TEST_F(IdentityBox, ALongNumberMovesNameSeparatorAndUnderline)
{
    const Box s = layoutFor(QStringLiteral("2024"), QStringLiteral("张三"));
    const Box l = layoutFor(QStringLiteral("20240101020304050607"), QStringLiteral("张三"));
    const int shift = l.numberRight - s.numberRight;
    EXPECT_GT(shift, 0);
    EXPECT_EQ(l.nameLeft, s.nameLeft + shift);
    EXPECT_EQ(l.sepX, s.sepX + shift);
    EXPECT_EQ(l.lineRight, s.lineRight + shift);
    EXPECT_EQ(l.sepX, l.numberRight + 60);
    EXPECT_EQ(l.nameLeft, l.numberRight + 120);
}

// The design, transcribed independently of the window's own table.
struct Expected {
    const char* name;
    const char* parent;  // "" for the window
    int left, top, width, height;
    const char* caption;  // nullptr: not checked
    bool hidden;
};

constexpr int kCol[6] = {20, 1275, 2530, 4400, 6270, 8150};
constexpr int kColW[6] = {1250, 1250, 1870, 1870, 1870, 1910};

std::vector<Expected> expectedDesign()
{
    std::vector<Expected> e = {
        {"Command26", "", 40, 40, 735, 300, "更改", false},
        {"大标题", "", 690, 1320, 11205, 1335, nullptr, false},
        {"知识点简介区", "", 1800, 2880, 10095, 1060, nullptr, false},
        {"任务项目简介区", "", 1800, 3960, 10095, 1060, nullptr, false},
        {"强化训练简介区", "", 1800, 5040, 10095, 1060, nullptr, false},
        {"拓展训练简介区", "", 1800, 6120, 10095, 1060, nullptr, false},
        {"Frame3", "", 360, 2760, 1335, 5625, nullptr, false},
        {"Frame2", "", 1680, 2760, 10335, 5625, nullptr, false},
        {"Frame1", "", 10320, 840, 1215, 1335, nullptr, true},
        {"Frame5", "Frame3", 120, 120, 1100, 1060, nullptr, false},
        {"Frame6", "Frame3", 120, 1200, 1100, 1060, nullptr, false},
        {"Frame7", "Frame3", 120, 2280, 1100, 1060, nullptr, false},
        {"Frame8", "Frame3", 120, 3360, 1100, 1060, nullptr, false},
        {"Frame9", "Frame3", 120, 4440, 1100, 1060, nullptr, false},
        {"Command6", "Frame5", 20, 120, 1050, 920, "知 识 点", false},
        {"Command2", "Frame6", 20, 120, 1050, 920, "  任 务    项 目", false},
        {"Command10", "Frame7", 20, 120, 1050, 920, "  强 化    训 练", false},
        {"Command11", "Frame8", 20, 120, 1050, 920, "  拓 展    训 练", false},
        {"Command33", "Frame9", 20, 120, 1050, 920, "  模 拟    测 试", false},
        {"Label1", "知识点简介区", 240, 450, 9840, 375, "<<===========思维导图，分门别类，整理思绪，帮助记忆==============>>", false},
        {"Label2", "任务项目简介区", 240, 450, 9840, 375, "<<===========任务导向，学做一体，自主探索，提升能力==============>>", false},
        {"Label3", "强化训练简介区", 240, 450, 9840, 375, "<<===========随机抽取，反复操作，强化记忆，巩固知识==============>>", false},
        {"Label4", "拓展训练简介区", 240, 450, 9840, 375, "<<===========综合运用，检视自身，贴近考证，争取成果==============>>", false},
        {"模拟测试简介区", "Frame2", 120, 4440, 10095, 1060, nullptr, false},
        {"Label5", "模拟测试简介区", 240, 450, 9840, 375, "<<===========模拟测试，考前准备，充分了解，马到成功==============>>", false},
        {"知识点区", "Frame2", 120, 120, 10095, 1060, nullptr, true},
        {"任务项目区", "Frame2", 120, 1200, 10095, 1060, nullptr, true},
        {"强化训练区", "Frame2", 120, 2280, 10095, 1060, nullptr, true},
        {"拓展训练区", "Frame2", 120, 3360, 10095, 1060, nullptr, true},
        {"模拟测试区", "Frame2", 1560, 4440, 6855, 1060, nullptr, false},
        {"Command12", "模拟测试区", 20, 120, 3390, 920, "模 拟 测 试", false},
        {"Command19", "模拟测试区", 3435, 120, 3390, 920, "期 末 考 查", false},
        {"windows", "任务项目区", 20, 120, 2510, 900, "计 算 机 软 硬 件 系 统", false},
        {"拓展word题干区", "拓展训练区", 120, 120, 745, 840, nullptr, false},
        {"拓展word序号区", "拓展训练区", 840, 120, 2415, 840, nullptr, true},
        {"拓展excel题干区", "拓展训练区", 3480, 120, 745, 840, nullptr, false},
        {"拓展excel序号区", "拓展训练区", 4200, 120, 2415, 840, nullptr, true},
        {"拓展ppt题干区", "拓展训练区", 6840, 120, 745, 840, nullptr, false},
        {"拓展ppt序号区", "拓展训练区", 7560, 120, 2415, 840, nullptr, true},
        {"拓word", "拓展word题干区", 60, 140, 615, 660, "Word", false},
        {"拓excel", "拓展excel题干区", 60, 140, 615, 660, "Excel", false},
        {"拓ppt", "拓展ppt题干区", 60, 140, 615, 660, "PPT", false},
    };
    const char* know[6][2] = {{"基础理论0", "基础知识"}, {"Command1", "Windows"}, {"Word0", "Word"},
                              {"Excel0", "Excel"},        {"Ppt0", "PPT"},         {"网络基础0", "网络"}};
    const char* drill[6][2] = {{"Command3", "   基础知识   强化训练"},
                               {"Command4", " Windows 强化训练"},
                               {"Command5", "       Word          强化训练"},
                               {"Command7", "         Excel           强化训练"},
                               {"Command8", "  PowerPoint     强化训练"},
                               {"Command9", "      网络应用        强化训练"}};
    const char* tasks[4][2] = {{"word", "文 档 排 版"}, {"excel", "处 理 数 据"}, {"ppt", "演 示 报 告"}, {"network", "网 络 应 用"}};
    for (int i = 0; i < 6; ++i) {
        e.push_back({know[i][0], "知识点区", kCol[i], 120, kColW[i], 920, know[i][1], false});
        e.push_back({drill[i][0], "强化训练区", kCol[i], 120, kColW[i], 900, drill[i][1], false});
    }
    for (int i = 0; i < 4; ++i) e.push_back({tasks[i][0], "任务项目区", kCol[i + 2], 120, kColW[i + 2], 900, tasks[i][1], false});
    static const char* numbers[3][6] = {{"Command13", "Command14", "Command15", "Command16", "Command17", "Command18"},
                                        {"Command25", "Command24", "Command23", "Command22", "Command21", "Command20"},
                                        {"Command27", "Command28", "Command29", "Command30", "Command31", "Command32"}};
    static const char* frames[3] = {"拓展word序号区", "拓展excel序号区", "拓展ppt序号区"};
    static const char* captions[6] = {"01", "02", "03", "04", "05", "06"};
    const int lefts[6] = {50, 436, 822, 1208, 1594, 1980};
    for (int f = 0; f < 3; ++f)
        for (int i = 0; i < 6; ++i) e.push_back({numbers[f][i], frames[f], lefts[i], f == 1 ? 120 : 140, 375, 660, captions[i], false});
    return e;
}

TEST_F(MainWindowTest, EveryControlOfTheDesignIsInPlace)
{
    startup::MainWindow* w = open();
    for (const Expected& x : expectedDesign()) {
        SCOPED_TRACE(x.name);
        QWidget* ctl = w->ctl(QString::fromUtf8(x.name));
        ASSERT_NE(ctl, nullptr);
        EXPECT_EQ(ctl->parentWidget()->objectName(), *x.parent ? QString::fromUtf8(x.parent) : common::kMainWindowName);
        EXPECT_EQ(ctl->geometry(), QRect(forms::tw(x.left), forms::tw(x.top), forms::tw(x.width), forms::tw(x.height)));
        if (x.caption) {
            EXPECT_EQ(forms::caption(ctl), QString::fromUtf8(x.caption));
        }
        EXPECT_EQ(ctl->isHidden(), x.hidden);
        EXPECT_TRUE(ctl->isEnabled());
    }
    for (const char* aux : {"Combo1", "Combo2", "Combo3", "File1", "Dir1"})
        EXPECT_EQ(c(aux)->parentWidget()->objectName(), QStringLiteral("Frame1")) << aux;
    EXPECT_EQ(w->state.changeOrExit, QStringLiteral("更换或退出指令"));
    // Lines: the identity box and the orange decoration under the title.
    for (const auto& [n, x1, y, x2] : {std::tuple{"Line2", 600, 2520, 11880}, std::tuple{"Line1", 600, 2640, 11880}}) {
        auto* l = line(n);
        EXPECT_EQ(std::tuple(l->x1(), l->y1(), l->x2(), l->y2()), std::tuple(x1, y, x2, y)) << n;
        EXPECT_EQ(l->lineWidth(), 2);
        EXPECT_EQ(l->color(), QColor(255, 128, 0));
    }
    EXPECT_EQ(qobject_cast<QLabel*>(c("大标题"))->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(c("学号内容")->y(), forms::tw(35));
    EXPECT_EQ(c("姓名内容")->y(), forms::tw(35));
}

// Looks at what the student sees at the middle of a control.
QWidget* seenAt(QWidget* window, QWidget* ctl)
{
    return window->childAt(ctl->mapTo(window, ctl->rect().center()));
}

bool within(QWidget* w, QWidget* ancestor)
{
    for (; w; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

TEST_F(MainWindowTest, IntroFramesCoverTheirRows)
{
    startup::MainWindow* w = open();
    for (const char* row : {"知识点", "任务项目", "强化训练", "拓展训练", "模拟测试"}) {
        SCOPED_TRACE(row);
        QWidget* area = c((QString::fromUtf8(row) + "区").toUtf8().constData());
        QWidget* intro = c((QString::fromUtf8(row) + "简介区").toUtf8().constData());
        EXPECT_EQ(area->mapTo(w, QPoint()), intro->mapTo(w, QPoint()) + (QString::fromUtf8(row) == "模拟测试" ? QPoint(forms::tw(1440), 0) : QPoint()));
        EXPECT_TRUE(within(seenAt(w, area), intro));
    }
}

struct AreaCase {
    const char* opener;
    const char* row;
    const char* marker;  // nullptr: the call marker is not written
};

void PrintTo(const AreaCase& c, std::ostream* os) { *os << c.opener; }

class AreaOpener : public MainWindowTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(AreaOpener, OpensItsRowOnceAndWritesTheCallMarker)
{
    const AreaCase& a = GetParam();
    writeBytes(kMarker, gbk(QStringLiteral("之前\r\n")));
    writeBytes(kTaskMode, gbk(QStringLiteral("自由练习\r\n")));
    startup::MainWindow* w = open();
    const QString row = QString::fromUtf8(a.row);
    auto* opener = w->ctl<QPushButton>(QString::fromUtf8(a.opener));
    opener->click();
    EXPECT_FALSE(opener->isEnabled());
    EXPECT_TRUE(c((row + "简介区").toUtf8().constData())->isHidden());
    QWidget* area = c((row + "区").toUtf8().constData());
    EXPECT_TRUE(area->isVisible());
    EXPECT_TRUE(within(seenAt(w, area), area));
    EXPECT_EQ(bytes(kMarker), a.marker ? gbk(QString::fromUtf8(a.marker)) + "\r\n" : gbk(QStringLiteral("之前\r\n")));
    EXPECT_EQ(bytes(kTaskMode), QString::fromUtf8(a.opener) == "Command2" ? QByteArray("\r\n") : gbk(QStringLiteral("自由练习\r\n")));

    // A second click does nothing: the opener stays disabled.
    writeBytes(kMarker, "x\r\n");
    opener->click();
    EXPECT_EQ(bytes(kMarker), "x\r\n");
    // The other rows stay closed.
    for (const char* other : {"知识点", "任务项目", "强化训练", "拓展训练"})
        if (QString::fromUtf8(other) != row) {
            EXPECT_FALSE(c((QString::fromUtf8(other) + "简介区").toUtf8().constData())->isHidden()) << other;
        }
    // Hiding and showing the window keeps the row open.
    forms::hide(common::kMainWindowName);
    forms::show(common::kMainWindowName);
    EXPECT_TRUE(area->isVisible());
    EXPECT_FALSE(opener->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, AreaOpener,
                         ::testing::Values(AreaCase{"Command6", "知识点", "知识点"}, AreaCase{"Command2", "任务项目", nullptr},
                                           AreaCase{"Command10", "强化训练", "强化训练"},
                                           AreaCase{"Command11", "拓展训练", "拓展训练"},
                                           AreaCase{"Command33", "模拟测试", "模拟训练"}),
                         [](const auto& info) { return std::string(info.param.opener); });

TEST_F(MainWindowTest, ExtendedRowShowsTheNumberFramesAndGreysTheSubjectButtons)
{
    startup::MainWindow* w = open();
    w->ctl<QPushButton>(QStringLiteral("Command11"))->click();
    for (const char* s : {"word", "excel", "ppt"}) {
        SCOPED_TRACE(s);
        const QString k = QString::fromUtf8(s);
        EXPECT_TRUE(w->ctl(QStringLiteral("拓展%1题干区").arg(k))->isVisible());
        EXPECT_TRUE(w->ctl(QStringLiteral("拓展%1序号区").arg(k))->isVisible());
        auto* subject = w->ctl<QPushButton>(QStringLiteral("拓%1").arg(k));
        EXPECT_TRUE(subject->isVisible());
        EXPECT_FALSE(subject->isEnabled());
    }
    EXPECT_TRUE(c("Command13")->isVisible());
    EXPECT_TRUE(c("Command20")->isVisible());
    EXPECT_TRUE(c("Command32")->isVisible());
}

TEST_F(MainWindowTest, MockRowShowsItsButtonsOnlyAfterItsOpener)
{
    startup::MainWindow* w = open();
    QWidget* mock = c("模拟测试区");
    EXPECT_FALSE(mock->isHidden());
    for (const char* b : {"Command12", "Command19"}) EXPECT_FALSE(within(seenAt(w, c(b)), c(b))) << b;
    w->ctl<QPushButton>(QStringLiteral("Command33"))->click();
    for (const char* b : {"Command12", "Command19"}) EXPECT_TRUE(within(seenAt(w, c(b)), c(b))) << b;
}

TEST_F(MainWindowTest, TaskRowKeepsTheMarkerOfTheRowOpenedBefore)
{
    startup::MainWindow* w = open();
    w->ctl<QPushButton>(QStringLiteral("Command10"))->click();
    w->ctl<QPushButton>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(bytes(kMarker), gbk(QStringLiteral("强化训练\r\n")));
    EXPECT_EQ(bytes(kTaskMode), "\r\n");
    EXPECT_EQ(uReadLastLine(common::kTaskModeFile), QString());
}

TEST_F(MainWindowTest, ANewMainWindowStartsWithEveryRowClosed)
{
    startup::MainWindow* w = open();
    w->ctl<QPushButton>(QStringLiteral("Command6"))->click();
    forms::resetForTests();  // the window is gone, whichever road took it
    processEvents();
    writeBytes(kIdentity, gbk(QStringLiteral("9王五\r\n9\r\n王五\r\n")));
    open();
    EXPECT_TRUE(c("Command6")->isEnabled());
    EXPECT_FALSE(c("知识点简介区")->isHidden());
    EXPECT_EQ(text("姓名内容"), QStringLiteral("【姓名：王五】"));
}

}  // namespace
