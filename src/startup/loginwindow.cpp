#include "startup/loginwindow.h"

#include "common/handover.h"
#include "common/messages.h"
#include "common/navigation.h"
#include "common/studentkey.h"
#include "forms/runtime.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "startup/messages.h"

#include <QLineEdit>
#include <QPushButton>

namespace startup {

using forms::Control;
using forms::Kind;
namespace F = forms;

namespace {

const forms::WindowSpec kLoginSpec{LoginWindow::kName, "认证登陆", 6780, 5820,
                              F::FixedSingle | F::NoMinMax | F::CenterOwner, 0xFFE0E0E0};

const Control kLoginDesign[] = {
    {.name = "Label3", .kind = Kind::Label, .left = 923, .top = 1200, .width = 4695, .height = 465, .caption = "《Corvanth》实训平台", .flags = F::Centered | F::AutoSize, .font = {"微软雅黑", 18}},
    {.name = "Frame2", .kind = Kind::Frame, .left = 1343, .top = 2160, .width = 3855, .height = 2175, .flags = F::GreyBack | F::NoBorder},
    {.name = "Frame1", .kind = Kind::Frame, .parent = "Frame2", .left = 0, .top = -120, .width = 3855, .height = 1335, .flags = F::GreyBack | F::NoBorder},
    {.name = "Label1", .kind = Kind::Label, .parent = "Frame1", .left = 120, .top = 240, .width = 1335, .height = 375, .caption = "学           号："},
    {.name = "学号", .kind = Kind::TextBox, .parent = "Frame1", .left = 1440, .top = 240, .width = 2295, .height = 375, .flags = F::GreyBack | F::NoBorder},
    {.name = "Line7", .kind = Kind::Line, .parent = "Frame1", .x1 = 1440, .y1 = 630, .x2 = 3740, .y2 = 630, .lineWidth = 2},
    {.name = "Label2", .kind = Kind::Label, .parent = "Frame1", .left = 120, .top = 840, .width = 1335, .height = 375, .caption = "姓           名："},
    {.name = "姓名", .kind = Kind::TextBox, .parent = "Frame1", .left = 1440, .top = 840, .width = 2295, .height = 375, .flags = F::GreyBack | F::NoBorder},
    {.name = "Line1", .kind = Kind::Line, .parent = "Frame1", .x1 = 1440, .y1 = 1230, .x2 = 3740, .y2 = 1230, .lineWidth = 2},
    {.name = "登陆", .kind = Kind::Button, .parent = "Frame2", .left = 1080, .top = 1605, .width = 1695, .height = 540, .caption = "登陆"},
};

bool blank(const QString& s) { return s.trimmed().isEmpty(); }

}  // namespace

LoginWindow::LoginWindow() : forms::Form(kLoginSpec, kLoginDesign)
{
    auto* number = ctl<QLineEdit>(QStringLiteral("学号"));
    auto* name = ctl<QLineEdit>(QStringLiteral("姓名"));
    auto* button = ctl<QPushButton>(QStringLiteral("登陆"));
    setTabOrder(number, name);
    setTabOrder(name, button);
    button->setAutoDefault(false);
    button->setDefault(false);
    onClick(QStringLiteral("登陆"), [this] { login(); });
}

void LoginWindow::onLoad()
{
    setOuterSizeTw(6780, 5820);
    // The sized title label stays centred over its design place.
    QWidget* title = ctl(QStringLiteral("Label3"));
    forms::moveTw(title, 923 + (4695 - forms::widthTw(title)) / 2, 1200);
}

QString LoginWindow::refusal(const QString& number, const QString& name)
{
    if (blank(number) || blank(name)) return common::msg::kStudentKeyEmpty;
    // Number and name make the student key, which later names folders and
    // files.
    return common::studentKeyRefusal(number + name);
}

void LoginWindow::login()
{
    const QString number = ctl<QLineEdit>(QStringLiteral("学号"))->text();
    const QString name = ctl<QLineEdit>(QStringLiteral("姓名"))->text();
    if (const QString why = refusal(number, name); !why.isEmpty()) {
        msgOk(why, this);
        return;
    }
    const QString identity = number + name + QStringLiteral("\r\n") + number + QStringLiteral("\r\n") + name;
    if (!uWriteTextFile(common::kIdentityFile, identity) || !uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more"))) {
        msgOk(msg::kIdentityNotSaved, this);
        return;
    }
    forms::unload(this);
    forms::show(common::kMainWindowName);
}

}  // namespace startup
