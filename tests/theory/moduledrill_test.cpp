// 基础理论: the three states, the module buttons, the question display, the
// key and explanation rows, redo and leaving a module.
#include "common/handover.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/filesystem.h"
#include "platform/textfile.h"
#include "faults.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"
#include "theory/messages.h"
#include "theory/moduledrill.h"
#include "theory/moduledrill_design.h"
#include "theory_support.h"

#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

using testing_support::gbk;
using theory::ModuleDrillWindow;
using theory_test::click;

namespace {

const QString kDrillWindow = QString::fromUtf8(ModuleDrillWindow::kName);
const QString kWork = QStringLiteral("素材/bk/选择题题目/基础理论");
const QString kSources = QStringLiteral("素材/bk/选择题题目/选择题/");
const QString kModule1 = QStringLiteral("模块一：标准");
const QString kModule2 = QStringLiteral("模块二：软硬件系统");

class ModuleDrillTest : public theory_test::TheoryWindowTest<ModuleDrillWindow> {
protected:
    // The working folder, its filler and the first two modules (the tests
    // practise these).
    ModuleDrillTest()
        : TheoryWindowTest({QStringLiteral("素材/bk/选择题题目/基础理论"), QStringLiteral("素材/bk/选择题题目/占位.txt"),
                        QStringLiteral("素材/bk/选择题题目/选择题/模块一：标准"),
                        QStringLiteral("素材/bk/选择题题目/选择题/模块二：软硬件系统")})
    {
    }
    void SetUp() override
    {
        TheoryWindowTest::SetUp();
        writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), "more\r\n");
    }
    QWidget* c(const QString& name) const { return w->ctl(name); }
    QString text(const QString& name) const { return forms::caption(c(name)); }
    bool shown(const QString& name) const { return c(name)->isVisible(); }
    QString line(const QString& module, const QString& file, int n) const
    {
        const auto lines = plat::readLines936(hostPath(kSources + module + '/' + file));
        return lines && lines->size() >= n ? lines->at(n - 1) : QStringLiteral("<none>");
    }
    QStringList workFiles() const { return theory_test::filesOf(hostPath(kWork)); }
    void type(int n, const QString& s) { w->ctl<QLineEdit>(QStringLiteral("Text%1").arg(n))->setText(s); }
    void practise(int buttonIndex)
    {
        click(w, QString::fromUtf8(theory::moduleButtons()[buttonIndex].button));
        click(w, QStringLiteral("开始练习"));
    }
};

TEST_F(ModuleDrillTest, OpensWithNoModuleWhateverTheFolderHeld)
{
    // A run that ended while practising left a module in the working folder.
    writeBytes(kWork + QStringLiteral("/1.txt"), "old");
    writeBytes(kWork + QStringLiteral("/模块标识.txt"), "x");
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(workFiles(), QStringList{QStringLiteral("temp.txt")});
    EXPECT_EQ(w->windowTitle(), QStringLiteral("知识点_基础知识               当前用户信息：【2024001张三】"));
    EXPECT_EQ(text(QStringLiteral("简述")), QStringLiteral("未选择模块"));
    for (const char* v : {"word知识点实训标题", "简述", "开始练习", "Command61", "Command67"})
        EXPECT_TRUE(shown(QString::fromUtf8(v))) << v;
    for (const char* h : {"重做", "退出模块", "题", "A", "D", "模块名", "解析", "选择题区1"})
        EXPECT_FALSE(shown(QString::fromUtf8(h))) << h;
    EXPECT_TRUE(theory_test::controlsOutsideTheirFrame(w).isEmpty()) << theory_test::controlsOutsideTheirFrame(w).join(' ').toStdString();
}

TEST_F(ModuleDrillTest, StartWithoutAModuleAsksForOne)
{
    open();
    boxes.expectOk(theory::msg::kChooseModule);
    click(w, QStringLiteral("开始练习"));
    EXPECT_FALSE(shown(QStringLiteral("选择题区1")));
    EXPECT_EQ(forms::heightTw(c(QStringLiteral("选择题区1"))), theory_test::snapped(theory::kAreaIdle));
    EXPECT_TRUE(shown(QStringLiteral("开始练习")));
}

TEST_F(ModuleDrillTest, ASecondModuleReplacesTheFirst)
{
    open();
    click(w, QStringLiteral("Command61"));
    click(w, QStringLiteral("Command62"));
    EXPECT_EQ(workFiles(), theory_test::filesOf(hostPath(kSources + kModule2)));
    EXPECT_EQ(bytes(kWork + QStringLiteral("/答案.txt")), bytes(kSources + kModule2 + QStringLiteral("/答案.txt")));
    EXPECT_TRUE(c(QStringLiteral("Command61"))->isEnabled());
    EXPECT_FALSE(c(QStringLiteral("Command62"))->isEnabled());
    EXPECT_EQ(text(QStringLiteral("简述")), line(kModule2, QStringLiteral("简述.txt"), 1));
    EXPECT_EQ(text(QStringLiteral("模块名")), kModule2);
    EXPECT_FALSE(shown(QStringLiteral("模块名")));  // only while practising
}

// With all seven modules.
class ModuleDrillAllModulesTest : public ModuleDrillTest {
protected:
    ModuleDrillAllModulesTest() { demoParts_ = {QStringLiteral("素材/bk/选择题题目")}; }
};

TEST_F(ModuleDrillAllModulesTest, EveryModuleButtonLoadsItsOwnModule)
{
    open();
    for (int i = 0; i < theory::kModules; ++i) {
        const theory::ModuleButton& m = theory::moduleButtons()[i];
        click(w, QString::fromUtf8(m.button));
        EXPECT_EQ(workFiles().size(), 44) << m.folder;  // 20 questions, 20 explanations, key, summary, name, marker
        EXPECT_EQ(text(QStringLiteral("模块名")), QString::fromUtf8(m.folder));
    }
}

TEST_F(ModuleDrillTest, AModuleWithoutItsFolderChangesNothing)
{
    open();
    click(w, QStringLiteral("Command61"));
    QDir(hostPath(kSources + kModule2)).removeRecursively();
    boxes.expectOk(theory::msg::moduleFolderMissing(kModule2));
    click(w, QStringLiteral("Command62"));
    EXPECT_EQ(workFiles(), theory_test::filesOf(hostPath(kSources + kModule1)));
    EXPECT_FALSE(c(QStringLiteral("Command61"))->isEnabled());
}

TEST_F(ModuleDrillTest, AModuleThatCannotBeCopiedIsNamedAndNeverPractised)
{
    open();
    click(w, QStringLiteral("Command61"));
    // A file of the second module larger than the volume takes: its copy
    // stops half-way, after the marker.
    writeBytes(kSources + kModule2 + QStringLiteral("/大文件.bin"), QByteArray(64 * 1024, 'x'));
    boxes.expectOk(theory::msg::moduleNotCopied(kModule2));
    ASSERT_TRUE(testing_support::withFileSizeLimit(16 * 1024, [&] { click(w, QStringLiteral("Command62")); }));
    EXPECT_EQ(workFiles(), QStringList{QStringLiteral("temp.txt")});
    EXPECT_EQ(text(QStringLiteral("简述")), QStringLiteral("未选择模块"));
    for (int i = 0; i < theory::kModules; ++i) EXPECT_TRUE(c(QString::fromUtf8(theory::moduleButtons()[i].button))->isEnabled());
    boxes.expectOk(theory::msg::kChooseModule);
    click(w, QStringLiteral("开始练习"));
    EXPECT_FALSE(shown(QStringLiteral("选择题区1")));
}

TEST_F(ModuleDrillTest, AModuleWithoutMarkerCannotBeStarted)
{
    QFile::remove(hostPath(kSources + kModule1 + QStringLiteral("/模块标识.txt")));
    open();
    click(w, QStringLiteral("Command61"));
    EXPECT_EQ(text(QStringLiteral("简述")), line(kModule1, QStringLiteral("简述.txt"), 1));
    boxes.expectOk(theory::msg::kChooseModule);
    click(w, QStringLiteral("开始练习"));
    EXPECT_FALSE(shown(QStringLiteral("选择题区1")));
}

TEST_F(ModuleDrillTest, PractisingLocksTheModuleAndOpensTheQuestionArea)
{
    open();
    practise(0);
    for (int i = 0; i < theory::kModules; ++i) EXPECT_FALSE(c(QString::fromUtf8(theory::moduleButtons()[i].button))->isEnabled());
    EXPECT_FALSE(shown(QStringLiteral("开始练习")));
    EXPECT_TRUE(shown(QStringLiteral("模块名")));
    EXPECT_EQ(text(QStringLiteral("模块名")), kModule1);
    EXPECT_TRUE(shown(QStringLiteral("选择题区1")));
    EXPECT_EQ(forms::heightTw(c(QStringLiteral("选择题区1"))), theory_test::snapped(theory::kAreaIdle));
    for (int n = 1; n <= 20; ++n) {
        EXPECT_TRUE(shown(QStringLiteral("Command%1").arg(n)));
        EXPECT_TRUE(shown(QStringLiteral("Text%1").arg(n)));
        EXPECT_FALSE(shown(QStringLiteral("Command%1").arg(20 + n)));
        EXPECT_FALSE(shown(QStringLiteral("Text%1").arg(20 + n)));
        EXPECT_FALSE(shown(QStringLiteral("Command%1").arg(40 + n)));
    }
    EXPECT_TRUE(shown(QStringLiteral("题")));
    EXPECT_EQ(text(QStringLiteral("题")), QString());
    EXPECT_TRUE(theory_test::controlsOutsideTheirFrame(w).isEmpty()) << theory_test::controlsOutsideTheirFrame(w).join(' ').toStdString();
}

TEST_F(ModuleDrillTest, AQuestionButtonShowsItsQuestionAndItsKeyButton)
{
    open();
    practise(0);
    click(w, QStringLiteral("Command7"));
    EXPECT_EQ(forms::heightTw(c(QStringLiteral("选择题区1"))), theory_test::snapped(theory::kAreaOpen));
    EXPECT_EQ(text(QStringLiteral("题")), line(kModule1, QStringLiteral("7.txt"), 1));
    const char* opts[] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(text(QString::fromUtf8(opts[i])), line(kModule1, QStringLiteral("7.txt"), i + 2));
    QWidget* stem = c(QStringLiteral("题"));
    const int topA = forms::topTw(stem) + forms::heightTw(stem) + 120;
    EXPECT_EQ(forms::topTw(c(QStringLiteral("A"))), theory_test::snapped(topA));
    EXPECT_EQ(forms::topTw(c(QStringLiteral("D"))), theory_test::snapped(topA + 3 * 480));
    EXPECT_TRUE(shown(QStringLiteral("Command27")));
    EXPECT_FALSE(shown(QStringLiteral("Command28")));
    EXPECT_TRUE(theory_test::controlsOutsideTheirFrame(w).isEmpty()) << theory_test::controlsOutsideTheirFrame(w).join(' ').toStdString();
}

TEST_F(ModuleDrillTest, KeysNeedAnAnswerAndBringTheExplanationButton)
{
    open();
    practise(0);
    click(w, QStringLiteral("Command3"));
    boxes.expectOk(theory::msg::kNoPeeking);
    click(w, QStringLiteral("Command23"));
    EXPECT_TRUE(shown(QStringLiteral("Command23")));
    EXPECT_FALSE(shown(QStringLiteral("Text23")));

    type(3, QStringLiteral(" "));  // a blank is an answer
    click(w, QStringLiteral("Command23"));
    EXPECT_FALSE(shown(QStringLiteral("Command23")));
    EXPECT_TRUE(shown(QStringLiteral("Text23")));
    EXPECT_EQ(text(QStringLiteral("Text23")), line(kModule1, QStringLiteral("答案.txt"), 3));
    EXPECT_TRUE(shown(QStringLiteral("Command43")));
    // The explanation row lies inside the open question area: it can be seen
    // and clicked.
    QWidget* area = c(QStringLiteral("选择题区1"));
    EXPECT_TRUE(area->rect().contains(c(QStringLiteral("Command43"))->geometry()));
    EXPECT_TRUE(theory_test::controlsOutsideTheirFrame(w).isEmpty()) << theory_test::controlsOutsideTheirFrame(w).join(' ').toStdString();
    // Only question 3's spot changed.
    EXPECT_FALSE(shown(QStringLiteral("Text27")));
    EXPECT_FALSE(shown(QStringLiteral("Command47")));
}

TEST_F(ModuleDrillTest, KeyLineIsShownAsStored)
{
    open();
    click(w, QStringLiteral("Command61"));
    writeBytes(kWork + QStringLiteral("/答案.txt"), "A\r\nB\r\nC\r\n  B  \r\n");
    click(w, QStringLiteral("开始练习"));
    click(w, QStringLiteral("Command4"));
    type(4, QStringLiteral("B"));
    click(w, QStringLiteral("Command24"));
    EXPECT_EQ(text(QStringLiteral("Text24")), QStringLiteral("  B  "));
}

TEST_F(ModuleDrillTest, AShortKeyFileNeverShowsAnotherModulesKey)
{
    open();
    practise(0);
    click(w, QStringLiteral("Command20"));
    type(20, QStringLiteral("A"));
    click(w, QStringLiteral("Command40"));
    ASSERT_EQ(text(QStringLiteral("Text40")), line(kModule1, QStringLiteral("答案.txt"), 20));
    boxes.expectYesNo(theory::msg::kAskLeaveModule, true);
    click(w, QStringLiteral("退出模块"));
    // The next module's key file lacks line 20.
    QByteArray keys;
    for (int i = 0; i < 19; ++i) keys += "A\r\n";
    writeBytes(kSources + kModule2 + QStringLiteral("/答案.txt"), keys);
    practise(1);
    click(w, QStringLiteral("Command20"));
    type(20, QStringLiteral("A"));
    boxes.expectOk(theory::msg::keyMissing(20));
    click(w, QStringLiteral("Command40"));
    EXPECT_TRUE(shown(QStringLiteral("Text40")));
    EXPECT_EQ(text(QStringLiteral("Text40")), QString());
    EXPECT_TRUE(shown(QStringLiteral("Command60")));
}

TEST_F(ModuleDrillTest, AnExplanationShowsItsQuestionWithoutMovingTheOptions)
{
    open();
    practise(0);
    click(w, QStringLiteral("Command5"));
    const int topA = forms::topTw(c(QStringLiteral("A")));
    type(3, QStringLiteral("B"));
    click(w, QStringLiteral("Command3"));
    click(w, QStringLiteral("Command23"));
    click(w, QStringLiteral("Command5"));  // question 5 on display again
    type(5, QStringLiteral("C"));
    click(w, QStringLiteral("Command43"));
    EXPECT_EQ(text(QStringLiteral("题")), line(kModule1, QStringLiteral("3.txt"), 1));
    EXPECT_EQ(text(QStringLiteral("D")), line(kModule1, QStringLiteral("3.txt"), 5));
    EXPECT_EQ(forms::topTw(c(QStringLiteral("A"))), topA);
    EXPECT_TRUE(shown(QStringLiteral("解析")));
    EXPECT_TRUE(shown(QStringLiteral("Tips")));
    EXPECT_EQ(text(QStringLiteral("Tips")), line(kModule1, QStringLiteral("解3.txt"), 1));
    EXPECT_EQ(text(QStringLiteral("Text5")), QStringLiteral("C"));
    EXPECT_EQ(forms::heightTw(c(QStringLiteral("选择题区1"))), theory_test::snapped(theory::kAreaOpen));
    EXPECT_TRUE(theory_test::controlsOutsideTheirFrame(w).isEmpty()) << theory_test::controlsOutsideTheirFrame(w).join(' ').toStdString();
    // A question button closes the panel.
    click(w, QStringLiteral("Command6"));
    EXPECT_FALSE(shown(QStringLiteral("解析")));
}

struct ExplanationCase {
    const char* name;
    QByteArray bytes;
    const char* tips;
};
void PrintTo(const ExplanationCase& c, std::ostream* os) { *os << c.name; }

class DrillExplanation : public ModuleDrillTest, public ::testing::WithParamInterface<ExplanationCase> {};

TEST_P(DrillExplanation, ShowsTheFirstFieldAndNothingOfAnEarlierOne)
{
    const ExplanationCase& p = GetParam();
    open();
    practise(0);
    type(1, QStringLiteral("A"));
    type(2, QStringLiteral("A"));
    click(w, QStringLiteral("Command1"));
    click(w, QStringLiteral("Command21"));
    click(w, QStringLiteral("Command41"));  // question 1's explanation first
    writeBytes(kWork + QStringLiteral("/解2.txt"), p.bytes);
    click(w, QStringLiteral("Command2"));
    click(w, QStringLiteral("Command22"));
    click(w, QStringLiteral("Command42"));
    EXPECT_EQ(text(QStringLiteral("Tips")), QString::fromUtf8(p.tips));
}

INSTANTIATE_TEST_SUITE_P(Cases, DrillExplanation,
                         ::testing::Values(ExplanationCase{"AsciiComma", gbk(QStringLiteral("甲,乙\r\n")), "甲"},
                                           ExplanationCase{"FullWidthComma", gbk(QStringLiteral("甲，乙\r\n")), "甲，乙"},
                                           ExplanationCase{"Quoted", gbk(QStringLiteral("\"甲,乙\"\r\n")), "甲,乙"},
                                           ExplanationCase{"EmptyLineOne", gbk(QStringLiteral("\r\n丙\r\n")), ""},
                                           ExplanationCase{"EmptyFile", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModuleDrillTest, AMissingQuestionFileIsReportedAndLeavesNoOldText)
{
    open();
    practise(0);
    click(w, QStringLiteral("Command1"));
    ASSERT_FALSE(text(QStringLiteral("A")).isEmpty());
    QFile::remove(hostPath(kWork + QStringLiteral("/9.txt")));
    boxes.expectOk(QStringLiteral("找不到题目文件“9.txt”，请检查素材文件夹"));
    click(w, QStringLiteral("Command9"));
    for (const char* l : {"题", "A", "B", "C", "D"}) EXPECT_EQ(text(QString::fromUtf8(l)), QString()) << l;
    writeBytes(kWork + QStringLiteral("/9.txt"), gbk(QStringLiteral("题干\r\nA．一\r\n")));
    click(w, QStringLiteral("Command1"));
    boxes.expectOk(QStringLiteral("题目文件“9.txt”不完整：应有5行，只有2行"));
    click(w, QStringLiteral("Command9"));
    EXPECT_EQ(text(QStringLiteral("A")), QStringLiteral("A．一"));
    EXPECT_EQ(text(QStringLiteral("B")), QString());
    EXPECT_EQ(text(QStringLiteral("D")), QString());
}

TEST_F(ModuleDrillTest, RedoEmptiesTheAnswersAndHidesTheKeys)
{
    open();
    practise(0);
    click(w, QStringLiteral("Command2"));
    type(2, QStringLiteral("B"));
    click(w, QStringLiteral("Command22"));
    click(w, QStringLiteral("Command42"));
    click(w, QStringLiteral("重做"));
    EXPECT_EQ(text(QStringLiteral("Text2")), QString());
    EXPECT_EQ(text(QStringLiteral("题")), QString());
    EXPECT_FALSE(shown(QStringLiteral("Text22")));
    EXPECT_FALSE(shown(QStringLiteral("Command22")));
    EXPECT_FALSE(shown(QStringLiteral("Command42")));
    EXPECT_FALSE(shown(QStringLiteral("解析")));
    EXPECT_EQ(forms::heightTw(c(QStringLiteral("选择题区1"))), theory_test::snapped(theory::kAreaIdle));
    EXPECT_TRUE(shown(QStringLiteral("模块名")));
    EXPECT_TRUE(shown(QStringLiteral("题")));
    EXPECT_FALSE(c(QStringLiteral("Command61"))->isEnabled());
    EXPECT_FALSE(workFiles().contains(QStringLiteral("temp.txt")));
}

TEST_F(ModuleDrillTest, LeavingAsksAndNoChangesNothing)
{
    open();
    practise(0);
    click(w, QStringLiteral("Command4"));
    type(4, QStringLiteral("D"));
    boxes.expectYesNo(theory::msg::kAskLeaveModule, false);
    click(w, QStringLiteral("退出模块"));
    EXPECT_EQ(text(QStringLiteral("Text4")), QStringLiteral("D"));
    EXPECT_EQ(text(QStringLiteral("题")), line(kModule1, QStringLiteral("4.txt"), 1));
    EXPECT_TRUE(shown(QStringLiteral("选择题区1")));
}

TEST_F(ModuleDrillTest, LeavingWithYesGoesBackToNoModule)
{
    open();
    practise(1);
    click(w, QStringLiteral("Command4"));
    type(4, QStringLiteral("D"));
    w->setOuterSizeTw(9000, 9000);
    writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), gbk(QStringLiteral("2024002李四\r\n")));
    boxes.expectYesNo(theory::msg::kAskLeaveModule, true);
    click(w, QStringLiteral("退出模块"));
    EXPECT_EQ(workFiles(), QStringList{QStringLiteral("temp.txt")});
    EXPECT_EQ(text(QStringLiteral("简述")), QStringLiteral("未选择模块"));
    EXPECT_TRUE(shown(QStringLiteral("开始练习")));
    EXPECT_FALSE(shown(QStringLiteral("选择题区1")));
    EXPECT_FALSE(shown(QStringLiteral("题")));
    EXPECT_EQ(text(QStringLiteral("Text4")), QString());
    EXPECT_EQ(text(QStringLiteral("题")), QString());
    for (int i = 0; i < theory::kModules; ++i) EXPECT_TRUE(c(QString::fromUtf8(theory::moduleButtons()[i].button))->isEnabled());
    EXPECT_EQ(w->outerWidthTw(), theory::kDrillWidth);
    EXPECT_EQ(w->outerHeightTw(), theory::kDrillHeight);
    EXPECT_TRUE(w->windowTitle().contains(QStringLiteral("【2024002李四】")));
    // And another module can be practised.
    practise(0);
    EXPECT_TRUE(shown(QStringLiteral("选择题区1")));
}

TEST_F(ModuleDrillTest, AMissingFillerIsReportedAndTheFolderKept)
{
    writeBytes(kWork + QStringLiteral("/1.txt"), "old");
    QFile::remove(hostPath(QStringLiteral("素材/bk/选择题题目/占位.txt")));
    boxes.expectOk();
    open();
    EXPECT_TRUE(workFiles().contains(QStringLiteral("1.txt")));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("基础理论")));
}

}  // namespace
