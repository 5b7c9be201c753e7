#pragma once
// Texts the start-up windows (login, main window, video window) show to the
// student. Texts that other areas show as well are in common/messages.h.
#include <QString>

namespace startup::msg {

// Login.
inline const QString kIdentityNotSaved = QStringLiteral("无法保存学生信息，请检查素材文件夹是否完整。");

// Main window: an identity file that could not be used (its problem first).
inline QString identityUnusable(const QString& problem) { return problem + QStringLiteral("\n请点击“更改”重新登录。"); }

// Change of user (更改) and leaving the platform; the first question of
// leaving is common::msg::kAskExit.
inline const QString kAskChangeUser = QStringLiteral("是否更改当前用户？");
inline const QString kConfirmChangeUser = QStringLiteral("更改后所做答案将会清空，确定更改吗？");
inline const QString kConfirmExit = QStringLiteral("退出后所做答案将会清空，确定退出吗？");

// The workspace clean-up stops at a folder of its list.
inline QString cleanupFolderShown(const QString& folderName)
{
    return QStringLiteral("“") + folderName + QStringLiteral("”文件夹已经打开，请关闭后再进行恢复操作");
}
inline QString cleanupFolderInUse(const QString& folderName)
{
    return QStringLiteral("“") + folderName + QStringLiteral("”文件夹中的文件已经打开，请关闭后再进行操作");
}

// Video window.
inline const QString kBrowserNotStarted =
    QStringLiteral("无法打开网页浏览器，请在浏览器中输入窗口中显示的网址观看操作视频。");

}  // namespace startup::msg
