// Change of user (更改) and leaving the platform (the main window's Unload).
#include "forms/runtime.h"
#include "platform/msgbox.h"
#include "startup/cleanup.h"
#include "startup/loginwindow.h"
#include "startup/mainwindow.h"

namespace startup {

namespace {
const QString kChangeFlag = QStringLiteral("更换");

// Both questions answered Yes.
bool confirmedTwice(const char* first, const char* second, QWidget* owner)
{
    return uMsgYesNo(QString::fromUtf8(first), owner) && uMsgYesNo(QString::fromUtf8(second), owner);
}
}  // namespace

void MainWindow::connectChangeUser()
{
    onClick(QStringLiteral("Command26"), [this] { onChangeUser(); });
}

void MainWindow::onChangeUser()
{
    if (!confirmedTwice("是否更改当前用户？", "更改后所做答案将会清空，确定更改吗？", this)) return;
    if (!uCleanWorkspace(this).completed) return;
    更换或退出指令 = kChangeFlag;
    forms::show(QString::fromUtf8(LoginWindow::kName));
    forms::unload(this);
}

void MainWindow::onUnload(bool& cancel)
{
    // The change of user unloads the window itself after its own questions.
    if (更换或退出指令 == kChangeFlag) return;
    if (!confirmedTwice("是否退出？", "退出后所做答案将会清空，确定退出吗？", this) || !uCleanWorkspace(this).completed) {
        cancel = true;
        return;
    }
    forms::endProgram();
}

}  // namespace startup
