// The login: refusals write nothing; a login writes the identity and the
// launch mode and opens a new main window with the new student.
#include "common/messages.h"
#include "common/navigation.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "faults.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "startup/loginwindow.h"
#include "startup/mainwindow.h"
#include "startup/messages.h"
#include "test_hooks.h"
#include "startup_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

const QString kLaunch = QStringLiteral("素材/bk/one_or_more.txt");
const QString kMission = QStringLiteral("素材/bk/xz.txt");

const QString& kEmpty = common::msg::kStudentKeyEmpty;
const QString& kBadChar = common::msg::kStudentKeyForbiddenCharacter;
const QString& kBadCodePage = common::msg::kStudentKeyNotCodePage936;
const QString& kBadEdge = common::msg::kStudentKeyBadEdge;
const QString& kTooLong = common::msg::kStudentKeyTooLong;

class LoginTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks.screenDpi(96);
        writeBytes(kIdentity, gbk(QStringLiteral("1张三\r\n1\r\n张三\r\n")));
        writeBytes(kLaunch, "mission\r\n");
        writeBytes(kMission, "excel\r\n");
        login = forms::show(kLogin);
        ASSERT_NE(login, nullptr);
    }
    void type(const QString& number, const QString& name)
    {
        login->ctl<QLineEdit>(QStringLiteral("学号"))->setText(number);
        login->ctl<QLineEdit>(QStringLiteral("姓名"))->setText(name);
    }
    void press()
    {
        login->ctl<QPushButton>(QStringLiteral("登陆"))->click();
        processEvents();
    }
    void expectNothingWritten()
    {
        EXPECT_EQ(bytes(kIdentity), gbk(QStringLiteral("1张三\r\n1\r\n张三\r\n")));
        EXPECT_EQ(bytes(kLaunch), "mission\r\n");
        EXPECT_TRUE(forms::isLoaded(kLogin));
        EXPECT_FALSE(forms::isLoaded(common::kMainWindowName));
        EXPECT_FALSE(ended_);
    }

    testing_support::TestHooks hooks;
    testing_support::ScriptedMessageBoxes boxes;
    forms::Form* login = nullptr;
};

TEST_F(LoginTest, DesignSizeAndKeyboardOrder)
{
    EXPECT_EQ(login->caption(), QStringLiteral("认证登陆"));
    EXPECT_EQ(login->outerWidthTw(), 6780);
    EXPECT_EQ(login->outerHeightTw(), 5820);
    EXPECT_EQ(login->palette().color(QPalette::Window), QColor(224, 224, 224));
    struct {
        const char* name;
        const char* parent;
        int left, top, width, height;
        const char* caption;
    } const controls[] = {
        {"Frame2", "认证登陆窗格", 1343, 2160, 3855, 2175, ""},
        {"Frame1", "Frame2", 0, -120, 3855, 1335, ""},
        {"Label1", "Frame1", 120, 240, 1335, 375, "学           号："},
        {"学号", "Frame1", 1440, 240, 2295, 375, ""},
        {"Label2", "Frame1", 120, 840, 1335, 375, "姓           名："},
        {"姓名", "Frame1", 1440, 840, 2295, 375, ""},
        {"登陆", "Frame2", 1080, 1605, 1695, 540, "登陆"},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = login->ctl(QString::fromUtf8(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromUtf8(c.parent));
        EXPECT_EQ(w->geometry(), QRect(forms::tw(c.left), forms::tw(c.top), forms::tw(c.width), forms::tw(c.height)));
        EXPECT_EQ(forms::caption(w), QString::fromUtf8(c.caption));
        EXPECT_TRUE(w->isVisible());
    }
    EXPECT_EQ(forms::caption(login->ctl(QStringLiteral("Label3"))), QStringLiteral("《Corvanth》实训平台"));
    EXPECT_EQ(forms::topTw(login->ctl(QStringLiteral("Label3"))), 1200);
    for (const char* l : {"Line7", "Line1"}) EXPECT_NE(login->ctl(QString::fromUtf8(l)), nullptr) << l;
    // The Tab key goes 学号, 姓名, 登陆 and round again.
    auto nextTabStop = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
        return w->objectName();
    };
    QWidget* number = login->ctl(QStringLiteral("学号"));
    EXPECT_EQ(nextTabStop(number), QStringLiteral("姓名"));
    EXPECT_EQ(nextTabStop(login->ctl(QStringLiteral("姓名"))), QStringLiteral("登陆"));
    EXPECT_EQ(nextTabStop(login->ctl(QStringLiteral("登陆"))), QStringLiteral("学号"));
    auto* button = login->ctl<QPushButton>(QStringLiteral("登陆"));
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
}

struct Refusal {
    const char* name;
    QString number;
    QString student;
    QString message;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class LoginRefusal : public LoginTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(LoginRefusal, ShowsItsMessageAndWritesNothing)
{
    type(GetParam().number, GetParam().student);
    boxes.expectOk(GetParam().message);
    press();
    expectNothingWritten();
    // The texts stay as typed.
    EXPECT_EQ(login->ctl<QLineEdit>(QStringLiteral("学号"))->text(), GetParam().number);
}

// Every refused number and name, with its message.
const Refusal kRefusals[] = {
    Refusal{"both_empty", "", "", kEmpty}, Refusal{"name_empty", "2024", "", kEmpty},
    Refusal{"number_empty", "", QStringLiteral("张三"), kEmpty},
    Refusal{"number_blanks", "   ", QStringLiteral("张三"), kEmpty},
    Refusal{"name_blanks", "2024", QStringLiteral("　 "), kEmpty},
    Refusal{"backslash", "20\\24", QStringLiteral("张三"), kBadChar},
    Refusal{"slash", "2024", QStringLiteral("张/三"), kBadChar},
    Refusal{"colon", "D:2024", QStringLiteral("张三"), kBadChar},
    Refusal{"star", "2024", QStringLiteral("张*"), kBadChar},
    Refusal{"question", "2024?", QStringLiteral("张三"), kBadChar},
    Refusal{"quote", "2024", QStringLiteral("张\"三"), kBadChar},
    Refusal{"less", "<2024", QStringLiteral("张三"), kBadChar},
    Refusal{"greater", "2024", QStringLiteral("张三>"), kBadChar},
    Refusal{"bar", "2024", QStringLiteral("张|三"), kBadChar},
    Refusal{"tab", "2024", QStringLiteral("张\t三"), kBadChar},
    Refusal{"emoji", "2024", QStringLiteral("张三\U0001F600"), kBadCodePage},
    Refusal{"hangul", QStringLiteral("2024한"), QStringLiteral("张三"), kBadCodePage},
    // The key (number and name) names folders: never "." or
    // "..", no dot or blank at its ends, not too long.
    Refusal{"dot_dot", ".", ".", kBadEdge},
    Refusal{"dots_then_name", "..", QStringLiteral("张三"), kBadEdge},
    Refusal{"leading_blank", " 2024", QStringLiteral("张三"), kBadEdge},
    Refusal{"trailing_blank", "2024", QStringLiteral("张三 "), kBadEdge},
    Refusal{"trailing_wide_blank", "2024", QStringLiteral("张三　"), kBadEdge},
    Refusal{"trailing_dot", "2024", QStringLiteral("张三."), kBadEdge},
    Refusal{"too_long", "2024", QString(50, QChar(0x5F20)), kTooLong},
};

TEST_F(LoginTest, EachRefusedInputHasItsMessage)
{
    for (const Refusal& c : kRefusals)
        EXPECT_EQ(startup::LoginWindow::refusal(c.number, c.student), c.message) << c.name;
}

// In the window, one refusal of each message.
INSTANTIATE_TEST_SUITE_P(
    Cases, LoginRefusal,
    ::testing::Values(kRefusals[0], kRefusals[5], kRefusals[15], kRefusals[17], kRefusals[23]),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoginTest, WritesIdentityAndLaunchModeAndOpensANewMainWindow)
{
    type(QStringLiteral("20240517"), QStringLiteral("欧阳 修"));
    press();
    EXPECT_EQ(bytes(kIdentity), gbk(QStringLiteral("20240517欧阳 修\r\n20240517\r\n欧阳 修\r\n")));
    EXPECT_EQ(bytes(kLaunch), "more\r\n");
    EXPECT_EQ(bytes(kMission), "excel\r\n");
    EXPECT_FALSE(forms::isLoaded(kLogin));
    auto* main = qobject_cast<startup::MainWindow*>(forms::loaded(common::kMainWindowName));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->state.studentKey, QStringLiteral("20240517欧阳 修"));
    EXPECT_EQ(forms::caption(main->ctl(QStringLiteral("学号内容"))), QStringLiteral("【学号：20240517】"));
    EXPECT_EQ(forms::caption(main->ctl(QStringLiteral("姓名内容"))), QStringLiteral("【姓名：欧阳 修】"));
    EXPECT_FALSE(ended_);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(LoginTest, ASecondPressAfterARefusalLogsIn)
{
    type(QStringLiteral("2024"), QString());
    boxes.expectOk(kEmpty);
    press();
    type(QStringLiteral("2024"), QStringLiteral("李四"));
    press();
    EXPECT_EQ(bytes(kIdentity), gbk(QStringLiteral("2024李四\r\n2024\r\n李四\r\n")));
    EXPECT_TRUE(forms::isLoaded(common::kMainWindowName));
    EXPECT_FALSE(forms::isLoaded(kLogin));
}

TEST_F(LoginTest, ClosingTheLoginAloneEndsTheProgramAndWritesNothing)
{
    login->close();
    processEvents();
    EXPECT_TRUE(ended_);
    EXPECT_EQ(bytes(kLaunch), "mission\r\n");
}

TEST_F(LoginTest, AnUnwritableIdentityFileIsReportedAndTheLoginStays)
{
    QDir(hostPath(QStringLiteral("素材/bk"))).removeRecursively();
    type(QStringLiteral("2024"), QStringLiteral("李四"));
    boxes.expectOk(startup::msg::kIdentityNotSaved);
    press();
    EXPECT_TRUE(forms::isLoaded(kLogin));
    EXPECT_FALSE(forms::isLoaded(common::kMainWindowName));
}

TEST_F(LoginTest, AFullVolumeKeepsTheOldIdentityWholeAndTellsTheStudent)
{
    type(QStringLiteral("20240517"), QStringLiteral("欧阳修"));
    boxes.expectOk(startup::msg::kIdentityNotSaved);
    ASSERT_TRUE(testing_support::withFileSizeLimit(8, [&] { press(); }));
    expectNothingWritten();
}

}  // namespace
