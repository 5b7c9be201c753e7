// The mind-map menus: load, branches, point buttons, the return rule and the
// network menu's server stops, driven through the real widgets of all five
// menus by their tables.
#include "common/handover.h"
#include "common/navigation.h"
#include "common/processes.h"
#include "forms/controls.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "knowledge/mindmap.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"
#include "windows/registry.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <functional>

using knowledge::MenuSpec;
using knowledge::MindMapMenu;
using testing_support::gbk;

namespace {

const QString kExercise = QString::fromUtf8(knowledge::kExerciseWindow);

// Stands in for the exercise window: records what its Load found.
struct ExerciseSeen {
    int loads = 0;
    QByteArray request;
    std::function<void()> duringLoad;  // runs while the Load waits
};
ExerciseSeen& seen()
{
    static ExerciseSeen s;
    return s;
}

class ExerciseStub : public forms::Form {
public:
    ExerciseStub() : forms::Form(forms::WindowSpec{knowledge::kExerciseWindow, "stub"}) {}
    void onLoad() override
    {
        ++seen().loads;
        QFile f(plat::toHost(plat::appPath(common::kKnowledgeRequest)));
        if (f.open(QIODevice::ReadOnly)) seen().request = f.readAll();
        if (seen().duringLoad) seen().duringLoad();
    }
};

QString u(const char* s) { return QString::fromUtf8(s); }

class MindMapTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks_.screenDpi(96);
        forms::registerForm(kExercise, [] { return new ExerciseStub; });
        seen() = {};
        setLaunchMode("more");
        writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), gbk(QStringLiteral("2024001张三\r\n2024001\r\n张三\r\n")));
        // The request file goes into the question bank folder.
        ASSERT_TRUE(QDir().mkpath(hostPath(QStringLiteral("素材/bk/题库"))));
    }
    void TearDown() override
    {
        windows::registerAll();  // the real exercise window again
        PlatformTest::TearDown();
    }
    void setLaunchMode(const QByteArray& raw)
    {
        writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), raw.isEmpty() ? raw : raw + "\r\n");
    }
    // The main window shown and hidden behind the menu, as its opener leaves it.
    MindMapMenu* open(const MenuSpec& m)
    {
        forms::show(common::kMainWindowName);
        forms::hide(common::kMainWindowName);
        auto* menu = qobject_cast<MindMapMenu*>(forms::show(u(m.window.name)));
        EXPECT_NE(menu, nullptr);
        return menu;
    }
    static QAbstractButton* button(MindMapMenu* menu, const char* name)
    {
        auto* b = menu->ctl<QAbstractButton>(u(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    static const knowledge::Branch* branchOf(const MenuSpec& m, const QString& name)
    {
        for (const knowledge::Branch& b : m.branches)
            for (const char* member : b.members)
                if (u(member) == name) return &b;
        return nullptr;
    }

    testing_support::TestHooks hooks_;
};

// ---- A second click while the first one waits ------------------------------

TEST_F(MindMapTest, ASecondPointClickedWhileTheExerciseLoadsDoesNothing)
{
    MindMapMenu* menu = open(knowledge::kNetworkMenu);
    ASSERT_NE(menu, nullptr);
    bool busyMeanwhile = false;
    // The exercise's Load waits (ipconfig, kill tools) with the event loop
    // running: the student clicks another point of the menu meanwhile.
    seen().duringLoad = [&] {
        busyMeanwhile = menu->isBusy();
        seen().duringLoad = nullptr;
        button(menu, "下载")->click();
    };
    button(menu, "上传")->click();
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_EQ(seen().loads, 1);
    const QByteArray first = gbk(QStringLiteral("network\r\n上传\r\nnet\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/题库/知识点与课本实训.txt")), first);
    EXPECT_FALSE(menu->isBusy());

    // Once the first click is over, the menu answers again.
    forms::unload(kExercise);
    button(menu, "下载")->click();
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/题库/知识点与课本实训.txt")), gbk(QStringLiteral("network\r\n下载\r\nnet\r\n")));
}

// ---- Every point of every menu -------------------------------------------

struct PointCase {
    const MenuSpec* menu;
    const char* point;
};
void PrintTo(const PointCase& c, std::ostream* os) { *os << c.menu->window.name << "/" << c.point; }

std::vector<PointCase> allPoints()
{
    std::vector<PointCase> out;
    for (const MenuSpec* m : knowledge::allMenus())
        for (const char* p : m->points) out.push_back({m, p});
    return out;
}

class EveryPoint : public MindMapTest, public ::testing::WithParamInterface<PointCase> {};

TEST_P(EveryPoint, WritesItsNameAsRequestHidesMenuAndMainAndOpensTheExercise)
{
    const MenuSpec& m = *GetParam().menu;
    const QString point = u(GetParam().point);
    MindMapMenu* menu = open(m);
    ASSERT_NE(menu, nullptr);
    QAbstractButton* b = button(menu, GetParam().point);
    ASSERT_NE(b, nullptr);
    if (!b->isVisible()) {
        const knowledge::Branch* br = branchOf(m, point);
        ASSERT_NE(br, nullptr) << "a hidden point belongs to a branch";
        button(menu, br->expander)->click();
    }
    ASSERT_TRUE(b->isVisible()) << "the student can reach the point";
    b->click();

    QString expected = u(m.kind) + "\r\n" + point + "\r\n" + u(m.extension) + "\r\n";
    if (m.pointWithLaunchMode && point == u(m.pointWithLaunchMode)) expected += QStringLiteral("more\r\n");
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/题库/知识点与课本实训.txt")), gbk(expected));
    EXPECT_EQ(seen().request, gbk(expected)) << "the exercise's Load finds the request";
    ASSERT_TRUE(forms::isLoaded(kExercise));
    EXPECT_TRUE(forms::loaded(kExercise)->isVisible());
    EXPECT_TRUE(forms::isLoaded(u(m.window.name))) << "the menu stays loaded";
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(forms::loaded(common::kMainWindowName)->isVisible());
    EXPECT_FALSE(ended_);
}

INSTANTIATE_TEST_SUITE_P(AllMenus, EveryPoint, ::testing::ValuesIn(allPoints()));

// ---- Load, design and branches, per menu ---------------------------------

class EveryMenu : public MindMapTest, public ::testing::WithParamInterface<const MenuSpec*> {};

TEST_P(EveryMenu, LoadSetsTitleSizeAndUserInfoCaption)
{
    const MenuSpec& m = *GetParam();
    MindMapMenu* menu = open(m);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->caption(), u(m.modeTitle) + QStringLiteral("               当前用户信息：【2024001张三】"));
    EXPECT_EQ(menu->state.学号, QStringLiteral("2024001张三"));
    EXPECT_EQ(menu->state.单体与否, QStringLiteral("more"));
    EXPECT_EQ(menu->state.扩展名, common::extensionOf(u(m.kind)));
    EXPECT_EQ(forms::caption(menu->ctl(u(m.titleLabel))), u(m.titleLine1) + QStringLiteral("\n实训思维导图"));
    EXPECT_EQ(menu->outerWidthTw(), 13620);
    EXPECT_EQ(menu->outerHeightTw(), u(m.kind) == QStringLiteral("windows") ? 10275 : 10110);
    // A dialog with a close box only and no taskbar entry.
    EXPECT_EQ(menu->windowType(), Qt::Tool);
    EXPECT_FALSE(menu->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    QAbstractButton* root = button(menu, m.kind);
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(root->text().isEmpty()) << "the root button shows its icon, no caption";
    EXPECT_FALSE(knowledge::rootIcon(u(m.kind), 81).isNull());
}

TEST_P(EveryMenu, EveryControlItsListsNameExists)
{
    const MenuSpec& m = *GetParam();
    MindMapMenu* menu = open(m);
    ASSERT_NE(menu, nullptr);
    auto check = [&](const char* name) { EXPECT_NE(menu->ctl(u(name)), nullptr) << name; };
    for (const char* n : m.firstLevel) check(n);
    for (const char* n : m.points) check(n);
    for (const knowledge::Branch& b : m.branches) {
        check(b.expander);
        check(b.collapse);
        for (const char* n : b.members) check(n);
    }
}

TEST_P(EveryMenu, OpensWithFirstLevelShownAndBranchesClosedAndRootClickChangesNothing)
{
    const MenuSpec& m = *GetParam();
    MindMapMenu* menu = open(m);
    ASSERT_NE(menu, nullptr);
    auto visibleSet = [&] {
        QStringList v;
        for (QWidget* w : menu->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && w->isVisible()) v << w->objectName();
        v.sort();
        return v;
    };
    for (const char* n : m.firstLevel) EXPECT_TRUE(menu->ctl(u(n))->isVisible()) << n;
    for (const knowledge::Branch& b : m.branches) {
        EXPECT_TRUE(menu->ctl(u(b.expander))->isVisible()) << b.expander;
        EXPECT_FALSE(menu->ctl(u(b.collapse))->isVisible()) << b.collapse;
    }
    const QStringList before = visibleSet();
    button(menu, m.kind)->click();
    EXPECT_EQ(visibleSet(), before);
}

TEST_P(EveryMenu, ExpanderShowsItsBranchWholeAndCollapseHidesItWholeLeavingTheOthers)
{
    const MenuSpec& m = *GetParam();
    MindMapMenu* menu = open(m);
    ASSERT_NE(menu, nullptr);
    for (const knowledge::Branch& b : m.branches) button(menu, b.expander)->click();
    for (const knowledge::Branch& b : m.branches) {
        for (const char* n : b.members) EXPECT_TRUE(menu->ctl(u(n))->isVisible()) << n;
        button(menu, b.expander)->click();  // an open branch stays as it is
        for (const char* n : b.members) EXPECT_TRUE(menu->ctl(u(n))->isVisible()) << n;
    }
    for (size_t i = 0; i < m.branches.size(); ++i) {
        const knowledge::Branch& b = m.branches[i];
        button(menu, b.collapse)->click();
        for (const char* n : b.members) EXPECT_FALSE(menu->ctl(u(n))->isVisible()) << n;
        EXPECT_TRUE(menu->ctl(u(b.expander))->isVisible()) << "the expander stays to open it again";
        for (size_t j = i + 1; j < m.branches.size(); ++j)
            for (const char* n : m.branches[j].members) EXPECT_TRUE(menu->ctl(u(n))->isVisible()) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(AllMenus, EveryMenu, ::testing::ValuesIn(knowledge::allMenus()),
                         [](const auto& info) { return std::string(info.param->kind); });

TEST_F(MindMapTest, PptSlideBranchCollapseAlsoHidesTemplatePointAndStemUntilTheExpanderShowsThem)
{
    MindMapMenu* menu = open(knowledge::kPptMenu);
    ASSERT_NE(menu, nullptr);
    button(menu, "p内容要素p")->click();
    button(menu, "减2")->click();
    EXPECT_FALSE(menu->ctl(u("模板新建"))->isVisible());
    EXPECT_FALSE(menu->ctl(u("Line03"))->isVisible());
    EXPECT_TRUE(menu->ctl(u("动画效果"))->isVisible()) << "the content branch stays open";
    button(menu, "ppt")->click();
    EXPECT_FALSE(menu->ctl(u("模板新建"))->isVisible()) << "the root button does not bring it back";
    button(menu, "p幻灯片p")->click();
    EXPECT_TRUE(menu->ctl(u("模板新建"))->isVisible());
    EXPECT_TRUE(menu->ctl(u("Line03"))->isVisible());
}

// ---- What a fresh menu shows ----------------------------------------------

// The buttons and lines visible when a menu opens, as its design lays them
// down (the hidden labels are no widgets).
struct StartCase {
    const MenuSpec* menu;
    std::vector<const char*> buttons;
    std::vector<const char*> lines;
};
void PrintTo(const StartCase& c, std::ostream* os) { *os << c.menu->window.name; }

template <class T>
QStringList visibleNames(const QWidget* window)
{
    QStringList v;
    for (const T* w : window->findChildren<const T*>())
        if (w->isVisible()) v << w->objectName();
    v.sort();
    return v;
}

class StartState : public MindMapTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartState, OnlyTheRootTheFirstLevelAndTheDecorationAreVisible)
{
    const StartCase& c = GetParam();
    MindMapMenu* menu = open(*c.menu);
    ASSERT_NE(menu, nullptr);
    auto names = [](const std::vector<const char*>& list) {
        QStringList v;
        for (const char* n : list) v << u(n);
        v.sort();
        return v;
    };
    EXPECT_EQ(visibleNames<QAbstractButton>(menu), names(c.buttons));
    EXPECT_EQ(visibleNames<forms::LineControl>(menu), names(c.lines));
}

INSTANTIATE_TEST_SUITE_P(
    AllMenus, StartState,
    ::testing::Values(
        StartCase{&knowledge::kWordMenu,
                  {"word", "模板新建", "w文本w", "w页面w", "w图像w"},
                  {"Line1", "Line35", "Line32", "Line34", "Line31", "Line01", "Line22", "Line23"}},
        StartCase{&knowledge::kExcelMenu,
                  {"excel", "e工作簿e", "e工作表e", "e单元格e"},
                  {"Line05", "Line06", "Line07", "Line08", "Line1", "Line31", "Line32"}},
        StartCase{&knowledge::kPptMenu,
                  {"ppt", "p幻灯片p", "p内容要素p", "模板新建"},
                  {"Line01", "Line1", "Line31", "Line32", "Line03"}},
        StartCase{&knowledge::kNetworkMenu,
                  {"network", "iftpi", "iwebi", "imaili"},
                  {"Line01", "Line3", "Line4", "Line5", "Line1", "Line31", "Line32"}},
        StartCase{&knowledge::kWindowsMenu,
                  {"windows", "新建文件", "移动与查找", "压缩"},
                  {"Line1", "Line2", "Line3", "Line31", "Line32"}}));

// ---- Which expander reaches which point ------------------------------------

struct ReachCase {
    const MenuSpec* menu;
    const char* point;
    const char* expander;
    const char* collapse;
};
void PrintTo(const ReachCase& c, std::ostream* os) { *os << c.menu->window.name << "/" << c.point; }

class PointReach : public MindMapTest, public ::testing::WithParamInterface<ReachCase> {};

TEST_P(PointReach, OnlyItsOwnExpanderShowsItAndItsOwnCollapseHidesIt)
{
    const ReachCase& c = GetParam();
    MindMapMenu* menu = open(*c.menu);
    ASSERT_NE(menu, nullptr);
    QWidget* point = menu->ctl(u(c.point));
    ASSERT_NE(point, nullptr);
    const bool shownAtOpen = point->isVisible();
    for (const knowledge::Branch& b : c.menu->branches)
        if (u(b.expander) != u(c.expander)) button(menu, b.expander)->click();
    EXPECT_EQ(point->isVisible(), shownAtOpen) << "another branch leaves it alone";
    button(menu, c.expander)->click();
    EXPECT_TRUE(point->isVisible());
    for (const knowledge::Branch& b : c.menu->branches)
        if (u(b.collapse) != u(c.collapse)) button(menu, b.collapse)->click();
    EXPECT_TRUE(point->isVisible()) << "another collapse button leaves it alone";
    button(menu, c.collapse)->click();
    EXPECT_FALSE(point->isVisible());
    EXPECT_FALSE(menu->ctl(u(c.collapse))->isVisible()) << "the collapse button hides itself";
    button(menu, c.expander)->click();
    EXPECT_TRUE(point->isVisible());
    EXPECT_TRUE(menu->ctl(u(c.collapse))->isVisible()) << "and comes back with its branch";
}

INSTANTIATE_TEST_SUITE_P(
    Samples, PointReach,
    ::testing::Values(ReachCase{&knowledge::kWordMenu, "样式复制", "w文本w", "减2"},
                      ReachCase{&knowledge::kWordMenu, "节", "w页面w", "减1"},
                      ReachCase{&knowledge::kWordMenu, "文本转换表格", "w图像w", "减3"},
                      ReachCase{&knowledge::kExcelMenu, "模板新建", "e工作簿e", "减1"},
                      ReachCase{&knowledge::kExcelMenu, "行列设置", "e工作表e", "减2"},
                      ReachCase{&knowledge::kExcelMenu, "函数vlookup", "e单元格e", "减3"},
                      ReachCase{&knowledge::kPptMenu, "母版", "p幻灯片p", "减2"},
                      ReachCase{&knowledge::kPptMenu, "模板新建", "p幻灯片p", "减2"},
                      ReachCase{&knowledge::kPptMenu, "动画效果", "p内容要素p", "减1"},
                      ReachCase{&knowledge::kNetworkMenu, "下载", "iftpi", "减2"},
                      ReachCase{&knowledge::kNetworkMenu, "下载附件", "iwebi", "减1"},
                      ReachCase{&knowledge::kNetworkMenu, "收发邮件", "imaili", "减4"}));

// ---- Two points in a row ------------------------------------------------------

struct RowCase {
    const MenuSpec* menu;
    const char* firstExpander;  // nullptr: the point is visible at open
    const char* first;
    const char* secondExpander;
    const char* second;
    const char* request;  // what the file holds after the second point
};
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.menu->window.name << "/" << c.second; }

class TwoPoints : public MindMapTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(TwoPoints, TheSecondRequestReplacesTheFirstWhole)
{
    const RowCase& c = GetParam();
    MindMapMenu* menu = open(*c.menu);
    ASSERT_NE(menu, nullptr);
    if (c.firstExpander) button(menu, c.firstExpander)->click();
    button(menu, c.first)->click();
    forms::unload(kExercise);  // back from the first exercise
    forms::show(u(c.menu->window.name));
    ASSERT_TRUE(menu->isVisible());
    if (c.secondExpander) button(menu, c.secondExpander)->click();
    button(menu, c.second)->click();
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/题库/知识点与课本实训.txt")), gbk(u(c.request)));
    EXPECT_EQ(seen().loads, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TwoPoints,
    ::testing::Values(RowCase{&knowledge::kWordMenu, "w图像w", "文本转换表格", "w页面w", "节", "word\r\n节\r\ndocx\r\n"},
                      RowCase{&knowledge::kExcelMenu, "e工作簿e", "模板新建", "e单元格e", "图表",
                              "excel\r\n图表\r\nxlsx\r\n"},
                      RowCase{&knowledge::kNetworkMenu, "iwebi", "保存网页内容", "iftpi", "上传",
                              "network\r\n上传\r\nnet\r\n"},
                      RowCase{&knowledge::kWindowsMenu, nullptr, "移动与查找", nullptr, "压缩",
                              "windows\r\n压缩\r\nwin\r\n"}));

// ---- Excel 模板新建: the fourth line ----------------------------------------

struct FourthLineCase {
    QByteArray launchFile;  // raw line ("" for an empty file)
    const char* written;
};

class ExcelTemplate : public MindMapTest, public ::testing::WithParamInterface<FourthLineCase> {};

TEST_P(ExcelTemplate, WritesTheLaunchModeAsFourthLine)
{
    setLaunchMode(GetParam().launchFile);
    MindMapMenu* menu = open(knowledge::kExcelMenu);
    ASSERT_NE(menu, nullptr);
    button(menu, "e工作簿e")->click();
    button(menu, "模板新建")->click();
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/题库/知识点与课本实训.txt")),
              gbk(QStringLiteral("excel\r\n模板新建\r\nxlsx\r\n") + u(GetParam().written) + QStringLiteral("\r\n")));
}

INSTANTIATE_TEST_SUITE_P(Modes, ExcelTemplate,
                         ::testing::Values(FourthLineCase{"more", "more"}, FourthLineCase{"mission", "mission"},
                                           FourthLineCase{"", "单体与否"}));

TEST_F(MindMapTest, OtherExcelPointsAndOtherMenusTemplatePointWriteThreeLines)
{
    MindMapMenu* menu = open(knowledge::kExcelMenu);
    ASSERT_NE(menu, nullptr);
    button(menu, "e工作簿e")->click();
    button(menu, "模板新建")->click();
    forms::show(u(knowledge::kPptMenu.window.name));
    auto* ppt = qobject_cast<MindMapMenu*>(forms::loaded(u(knowledge::kPptMenu.window.name)));
    ASSERT_NE(ppt, nullptr);
    button(ppt, "模板新建")->click();
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/题库/知识点与课本实训.txt")), gbk(QStringLiteral("ppt\r\n模板新建\r\npptx\r\n")));
}

// ---- Identity and state ---------------------------------------------------

TEST_F(MindMapTest, IdentityWithoutLinesKeepsTheLabelsInitialCaption)
{
    writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), QByteArray());
    MindMapMenu* menu = open(knowledge::kWordMenu);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->caption(), QStringLiteral("知识点_Word思维导图               当前用户信息：【学号】"));
}

TEST_F(MindMapTest, ReturningFromAnExerciseShowsTheMenuAsLeftWithoutLoadingAgain)
{
    MindMapMenu* menu = open(knowledge::kWordMenu);
    ASSERT_NE(menu, nullptr);
    button(menu, "w文本w")->click();
    button(menu, "样式")->click();
    writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), gbk(QStringLiteral("9999李四\r\n")));
    forms::unload(kExercise);
    forms::show(u("word知识点窗格"));
    EXPECT_EQ(forms::loaded(u("word知识点窗格")), menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->ctl(u("减2"))->isVisible()) << "the text branch is still open";
    EXPECT_TRUE(menu->caption().endsWith(QStringLiteral("【2024001张三】")));
}

TEST_F(MindMapTest, RequestThatCannotBeWrittenIsReportedAndOpensNothing)
{
    testing_support::ScriptedMessageBoxes boxes;
    MindMapMenu* menu = open(knowledge::kWindowsMenu);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QDir(hostPath(QStringLiteral("素材/bk/题库"))).removeRecursively());
    boxes.expectOk(QStringLiteral("无法写入“") + plat::displayPath(plat::appPath(QStringLiteral("\\素材\\bk\\题库\\知识点与课本实训.txt"))) +
                   QStringLiteral("”，请检查素材文件夹是否完整。"));
    button(menu, "压缩")->click();
    EXPECT_FALSE(forms::isLoaded(kExercise));
    EXPECT_TRUE(menu->isVisible()) << "the student stays on the menu";
}

// ---- Return rule ------------------------------------------------------------

struct ReturnCase {
    QByteArray launchFile;
    bool ends;
};
void PrintTo(const ReturnCase& c, std::ostream* os) { *os << "'" << c.launchFile.toStdString() << "'"; }

class ReturnRule : public MindMapTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(ReturnRule, MoreShowsTheMainWindowAnythingElseEndsTheProgram)
{
    testing_support::ScriptedMessageBoxes boxes;  // no prompt of any window
    setLaunchMode(GetParam().launchFile);
    MindMapMenu* menu = open(knowledge::kWordMenu);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(forms::unload(menu));
    processEvents();
    EXPECT_EQ(ended_, GetParam().ends);
    if (!GetParam().ends) {
        EXPECT_FALSE(forms::isLoaded(u("word知识点窗格")));
        ASSERT_TRUE(forms::isLoaded(common::kMainWindowName));
        EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, ReturnRule,
                         ::testing::Values(ReturnCase{"more", false}, ReturnCase{"mission", true},
                                           ReturnCase{"More", true}, ReturnCase{"more ", true},
                                           ReturnCase{"", true}));

TEST_F(MindMapTest, ClosedMenuOpensAgainInItsStartState)
{
    MindMapMenu* menu = open(knowledge::kNetworkMenu);
    ASSERT_NE(menu, nullptr);
    button(menu, "imaili")->click();
    forms::unload(menu);
    processEvents();
    menu = open(knowledge::kNetworkMenu);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->ctl(u("收发邮件"))->isVisible());
}

// ---- Network menu: servers stopped on close ---------------------------------

struct StopCase {
    QStringList running;
    QStringList toolsStarted;  // file names, in order
    QByteArray launchFile;
};
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.running.join(',').toStdString(); }

class NetworkStops : public MindMapTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(NetworkStops, StartsTheKillToolOfEachRunningServerHiddenBeforeReturning)
{
    const StopCase& c = GetParam();
    setLaunchMode(c.launchFile);
    const QStringList running = c.running;
    hooks_.processes([running] { return running; });
    QStringList started;
    hooks_.starts([&started](const QString& host, const QStringList&, plat::WindowStyle style) {
        EXPECT_EQ(style, plat::WindowStyle::Hidden);
        EXPECT_TRUE(host.contains(QStringLiteral("素材/bk/模拟测试/题库/入门/network/sever/"))) << host.toStdString();
        started << host.section('/', -1);
        return qint64(4242);
    });
    MindMapMenu* menu = open(knowledge::kNetworkMenu);
    ASSERT_NE(menu, nullptr);
    forms::unload(menu);
    processEvents();
    EXPECT_EQ(started, c.toolsStarted);
    EXPECT_EQ(ended_, c.launchFile != "more");
}

INSTANTIATE_TEST_SUITE_P(
    Servers, NetworkStops,
    ::testing::Values(StopCase{{}, {}, "more"},
                      StopCase{{"MyWebServer.exe"}, {"kill_app.exe"}, "more"},
                      StopCase{{"FTPServer.exe", "MyWebServer.exe"}, {"kill_app.exe", "f-kill_app.exe"}, "more"},
                      StopCase{{"CMailServer.exe", "Foxmail.exe"}, {}, "more"},
                      StopCase{{"MyWebServer.exe", "FTPServer.exe"}, {"kill_app.exe", "f-kill_app.exe"}, "mission"}));

TEST_F(MindMapTest, OtherMenusStopNoServers)
{
    hooks_.processes([] { return QStringList{QStringLiteral("MyWebServer.exe")}; });
    int starts = 0;
    hooks_.starts([&starts](const QString&, const QStringList&, plat::WindowStyle) {
        ++starts;
        return qint64(4242);
    });
    MindMapMenu* menu = open(knowledge::kWordMenu);
    ASSERT_NE(menu, nullptr);
    forms::unload(menu);
    EXPECT_EQ(starts, 0);
}

}  // namespace
