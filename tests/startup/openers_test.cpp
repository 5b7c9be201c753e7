// The openers of the main window's rows: request bytes, hide and show, and
// the call marker written only after the target's Load.
#include "common/handover.h"
#include "common/messages.h"
#include "common/navigation.h"
#include "faults.h"
#include "forms/runtime.h"
#include "platform_fixture.h"
#include "practice/messages.h"
#include "practice/randompractice.h"
#include "scripted_msgbox.h"
#include "startup/mainwindow.h"
#include "startup_support.h"

#include <QAbstractButton>
#include <QDir>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

const QString kRandom = QStringLiteral("素材/bk/题库/随机抽题练习.txt");
const QString kAdvanced = QStringLiteral("素材/bk/高级应用/题号.txt");

// The parts of the demo tree that a target window reads at its Load; the
// other targets open on the few files SetUp writes.
const QString kAdvancedBank = QStringLiteral("素材/bk/高级应用");

QStringList demoPartsFor(const QString& target)
{
    if (target == QStringLiteral("基础理论"))
        return {QStringLiteral("素材/bk/选择题题目/基础理论"), QStringLiteral("素材/bk/选择题题目/占位.txt")};
    if (target == QStringLiteral("理论题随机练习窗格"))
        return {QStringLiteral("素材/bk/题库/理论题"), QStringLiteral("素材/bk/理论题随机抽题测试")};
    if (target == QStringLiteral("高级应用练习窗格")) return {kAdvancedBank};
    return {};
}

class OpenersTest : public testing_support::PlatformTest {
protected:
    // The fixture's own tests open the advanced exercises.
    explicit OpenersTest(QStringList demoParts = {kAdvancedBank})
    {
        withDemoTree_ = !demoParts.isEmpty();
        demoParts_ = std::move(demoParts);
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), "more\r\n");
        writeBytes(kMarker, "OLD\r\n");
        writeBytes(kRandom, "untouched\r\n");
        writeBytes(kAdvanced, "untouched\r\n");
        main_ = qobject_cast<startup::MainWindow*>(forms::show(common::kMainWindowName));
        ASSERT_NE(main_, nullptr);
        for (const char* area : {"Command6", "Command10", "Command33", "Command11"}) click(area);
    }
    void click(const char* name)
    {
        auto* b = main_->ctl<QAbstractButton>(QString::fromUtf8(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }
    startup::MainWindow* main_ = nullptr;
    testing_support::ScriptedMessageBoxes boxes;
};

struct OpenerCase {
    const char* button;
    const char* requestFile;  // under the program folder, nullptr for none
    const char* request;      // its lines, joined by CR LF, final CR LF included
    const char* target;
    const char* marker;  // nullptr: the marker is left alone
};
void PrintTo(const OpenerCase& c, std::ostream* os) { *os << c.button; }

const char* const R = "素材/bk/题库/随机抽题练习.txt";
const char* const A = "素材/bk/高级应用/题号.txt";

const OpenerCase kOpeners[] = {
    {"基础理论0", nullptr, nullptr, "基础理论", "知识点"},
    {"Command1", nullptr, nullptr, "windows知识点窗格", "知识点"},
    {"Word0", nullptr, nullptr, "word知识点窗格", "知识点"},
    {"Excel0", nullptr, nullptr, "excel知识点窗格", "知识点"},
    {"Ppt0", nullptr, nullptr, "ppt知识点窗格", "知识点"},
    {"网络基础0", nullptr, nullptr, "network知识点窗格", "知识点"},
    {"Command3", nullptr, nullptr, "理论题随机练习窗格", "强化训练"},
    {"Command4", R, "windows\r\nwin\r\n", "操作题随机练习窗格", "强化训练"},
    {"Command5", R, "word\r\ndocx\r\n", "操作题随机练习窗格", "强化训练"},
    {"Command7", R, "excel\r\nxlsx\r\n", "操作题随机练习窗格", "强化训练"},
    {"Command8", R, "ppt\r\npptx\r\n", "操作题随机练习窗格", "强化训练"},
    {"Command9", R, "network\r\nnet\r\n", "操作题随机练习窗格", "强化训练"},
    {"Command13", A, "word\r\n01\r\ndocx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command14", A, "word\r\n02\r\ndocx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command15", A, "word\r\n03\r\ndocx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command16", A, "word\r\n04\r\ndocx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command17", A, "word\r\n05\r\ndocx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command18", A, "word\r\n06\r\ndocx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command25", A, "excel\r\n01\r\nxlsx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command24", A, "excel\r\n02\r\nxlsx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command23", A, "excel\r\n03\r\nxlsx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command22", A, "excel\r\n04\r\nxlsx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command21", A, "excel\r\n05\r\nxlsx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command20", A, "excel\r\n06\r\nxlsx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command27", A, "ppt\r\n01\r\npptx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command28", A, "ppt\r\n02\r\npptx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command29", A, "ppt\r\n03\r\npptx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command30", A, "ppt\r\n04\r\npptx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command31", A, "ppt\r\n05\r\npptx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command32", A, "ppt\r\n06\r\npptx\r\n", "高级应用练习窗格", "拓展训练"},
    {"Command12", nullptr, nullptr, "模拟测试窗格", nullptr},
    {"Command19", nullptr, nullptr, "期末考查窗格", nullptr},
};

class EveryOpener : public OpenersTest, public ::testing::WithParamInterface<OpenerCase> {
protected:
    EveryOpener() : OpenersTest(demoPartsFor(QString::fromUtf8(GetParam().target))) {}
};

TEST_P(EveryOpener, WritesItsRequestHidesTheMainWindowShowsItsTargetThenWritesTheMarker)
{
    const OpenerCase& c = GetParam();
    writeBytes(kMarker, "OLD\r\n");
    writeBytes(kRandom, "untouched\r\n");
    writeBytes(kAdvanced, "untouched\r\n");
    click(c.button);

    if (c.requestFile) {
        EXPECT_EQ(bytes(QString::fromUtf8(c.requestFile)), QByteArray(c.request));
    }
    for (const QString& other : {kRandom, kAdvanced}) {
        if (!c.requestFile || other != QString::fromUtf8(c.requestFile)) {
            EXPECT_EQ(bytes(other), QByteArray("untouched\r\n")) << "no other request is written";
        }
    }
    EXPECT_EQ(bytes(kMarker), c.marker ? gbk(QString::fromUtf8(c.marker) + QStringLiteral("\r\n")) : QByteArray("OLD\r\n"));
    const QString target = QString::fromUtf8(c.target);
    ASSERT_TRUE(forms::isLoaded(target));
    EXPECT_TRUE(forms::loaded(target)->isVisible());
    EXPECT_TRUE(forms::isLoaded(common::kMainWindowName)) << "the main window is only hidden";
    EXPECT_FALSE(main_->isVisible());
    EXPECT_FALSE(ended_);
}

INSTANTIATE_TEST_SUITE_P(All32, EveryOpener, ::testing::ValuesIn(kOpeners));

struct CaptionCase {
    const char* button;
    const char* caption;  // blanks exactly
    const char* tip;      // hover hint, "" for none
};
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.button; }

class OpenerCaption : public OpenersTest, public ::testing::WithParamInterface<CaptionCase> {
protected:
    OpenerCaption() : OpenersTest(QStringList()) {}
};

TEST_P(OpenerCaption, ShowsItsCaptionWithItsBlanksAndItsHint)
{
    const CaptionCase& c = GetParam();
    auto* b = main_->ctl<QAbstractButton>(QString::fromUtf8(c.button));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(c.tip));
    EXPECT_TRUE(b->isVisible()) << "its row is open";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OpenerCaption,
    ::testing::Values(CaptionCase{"基础理论0", "基础知识", "基础理论"},
                      CaptionCase{"Command1", "Windows", "Windows7操作系统"},
                      CaptionCase{"Word0", "Word", "Word"},
                      CaptionCase{"Excel0", "Excel", "Excel"},
                      CaptionCase{"Ppt0", "PPT", "PowerPoint"},
                      CaptionCase{"网络基础0", "网络", "网络"},
                      CaptionCase{"Command3", "   基础知识   强化训练", ""},
                      CaptionCase{"Command4", " Windows 强化训练", ""},
                      CaptionCase{"Command5", "       Word          强化训练", ""},
                      CaptionCase{"Command7", "         Excel           强化训练", ""},
                      CaptionCase{"Command8", "  PowerPoint     强化训练", ""},
                      CaptionCase{"Command9", "      网络应用        强化训练", ""},
                      CaptionCase{"Command12", "模 拟 测 试", ""},
                      CaptionCase{"Command19", "期 末 考 查", ""}));

TEST_F(OpenersTest, TheTargetsLoadSeesTheMarkerOfTheLastRowOpenedItsUnloadTheOpenersOwn)
{
    // The 拓展训练 row was opened last, so its marker stands in the file.
    click("Command5");
    auto* w = qobject_cast<practice::RandomPracticeWindow*>(forms::loaded(QStringLiteral("操作题随机练习窗格")));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->state.markerAtLoad, QStringLiteral("拓展训练"));
    EXPECT_EQ(w->caption(), QStringLiteral("知识点随机练习")) << "the design caption stays";
    EXPECT_EQ(bytes(kMarker), gbk(QStringLiteral("强化训练\r\n")));
    forms::unload(w);
    processEvents();
    EXPECT_TRUE(main_->isVisible()) << "its Unload found 强化训练 and returned to the main window";
    EXPECT_FALSE(ended_);
}

TEST_F(OpenersTest, MockTestButtonsLeaveTheMarkerAlone)
{
    for (const char* b : {"Command12", "Command19"}) {
        click(b);
        EXPECT_EQ(bytes(kMarker), gbk(QStringLiteral("拓展训练\r\n"))) << b;
        forms::show(common::kMainWindowName);
    }
}

TEST_F(OpenersTest, RowStaysOpenWhenTheMainWindowComesBack)
{
    click("Command14");
    boxes.expectYesNo(common::msg::kAskExit, true);
    boxes.expectYesNo(practice::msg::kAskExitClearsWork, true);
    forms::unload(QStringLiteral("高级应用练习窗格"));
    processEvents();
    ASSERT_TRUE(main_->isVisible());
    EXPECT_TRUE(main_->ctl(QStringLiteral("拓展word序号区"))->isVisible());
    EXPECT_FALSE(main_->ctl<QAbstractButton>(QStringLiteral("Command11"))->isEnabled());
}

TEST_F(OpenersTest, RequestThatCannotBeWrittenIsReportedAndTheMainWindowStays)
{
    ASSERT_TRUE(QDir(hostPath(QStringLiteral("素材/bk/高级应用"))).removeRecursively());
    boxes.expectOk(common::requestNotWrittenMessage(common::kAdvancedRequest));
    writeBytes(kMarker, "OLD\r\n");
    click("Command27");
    EXPECT_FALSE(forms::isLoaded(QStringLiteral("高级应用练习窗格")));
    EXPECT_TRUE(main_->isVisible());
    EXPECT_EQ(bytes(kMarker), QByteArray("OLD\r\n"));
}

TEST_F(OpenersTest, AFullVolumeKeepsTheOldRequestWholeAndOpensNothing)
{
    writeBytes(kRandom, "excel\r\nxlsx\r\n");
    boxes.expectOk(common::requestNotWrittenMessage(common::kRandomPracticeRequest));
    ASSERT_TRUE(testing_support::withFileSizeLimit(4, [&] { click("Command5"); }));
    EXPECT_EQ(bytes(kRandom), QByteArray("excel\r\nxlsx\r\n"));
    EXPECT_FALSE(forms::isLoaded(QStringLiteral("操作题随机练习窗格")));
    EXPECT_TRUE(main_->isVisible());
}

TEST_F(OpenersTest, ACallMarkerThatCannotBeSavedIsReported)
{
    writeBytes(kMarker, gbk(QStringLiteral("拓展训练\r\n")));
    boxes.expectOk(common::requestNotWrittenMessage(common::kCallMarkerFile));
    ASSERT_TRUE(testing_support::withFileSizeLimit(4, [&] { click("Command1"); }));
    EXPECT_EQ(bytes(kMarker), gbk(QStringLiteral("拓展训练\r\n"))) << "the old marker stays whole";
    EXPECT_TRUE(forms::isLoaded(QStringLiteral("windows知识点窗格")));
}

}  // namespace
