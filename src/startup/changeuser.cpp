// Change of user (更改) and leaving the platform (the main window's Unload).
#include "common/messages.h"
#include "forms/runtime.h"
#include "platform/msgbox.h"
#include "startup/cleanup.h"
#include "startup/loginwindow.h"
#include "startup/mainwindow.h"
#include "startup/messages.h"

namespace startup {

namespace {
const QString kChangeFlag = QStringLiteral("更换");

// Both questions answered Yes.
bool confirmedTwice(const QString& first, const QString& second, QWidget* owner)
{
    return msgYesNo(first, owner) && msgYesNo(second, owner);
}
}  // namespace

void MainWindow::connectChangeUser()
{
    onClick(QStringLiteral("Command26"), [this] { onChangeUser(); });
}

void MainWindow::onChangeUser()
{
    if (!confirmedTwice(msg::kAskChangeUser, msg::kConfirmChangeUser, this)) return;
    if (!uCleanWorkspace(this).completed) return;
    state.changeOrExit = kChangeFlag;
    forms::show(QString::fromUtf8(LoginWindow::kName));
    forms::unload(this);
}

void MainWindow::onUnload(bool& cancel)
{
    // The change of user unloads the window itself after its own questions.
    if (state.changeOrExit == kChangeFlag) return;
    if (!confirmedTwice(common::msg::kAskExit, msg::kConfirmExit, this) || !uCleanWorkspace(this).completed) {
        cancel = true;
        return;
    }
    forms::endProgram();
}

}  // namespace startup
