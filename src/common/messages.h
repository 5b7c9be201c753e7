#pragma once
// Texts shown to the student by more than one area, written once. Each area
// keeps the texts only it shows in its own "messages.h" (namespace
// <area>::msg); code and tests use these names, never a copy of the text.
#include <QString>
#include <QStringList>

namespace common::msg {

// A question document (or its folder) is still open in another program.
inline const QString kCloseOpenDocuments = QStringLiteral("请关闭已经打开的题目文档 >_<");
inline const QString kCloseDocument = QStringLiteral("请关闭题目文档 >_<");

// Restoring a question to its starting state.
inline const QString kAskRestore = QStringLiteral("是否恢复?");
inline const QString kRestored = QStringLiteral("题目已恢复");

// Leaving a window.
inline const QString kAskExit = QStringLiteral("是否退出？");

// Files of a working folder held open by another program.
inline const QString kCloseOpenFiles = QStringLiteral("请关闭已经打开的文件 >_<");
inline const QString kCloseOpenFilesBeforeReset = QStringLiteral("请关闭已经打开的文件后再进行初始化操作 >_<");

// Handing in.
inline const QString kHandInFolderWarning = QStringLiteral("为防止出错，请不要选择与任务相关的文件夹！！");
inline const QString kHandInPacked = QStringLiteral("打包成功，请把文件上传给教师！ ");

// Choosing the folder a hand-in goes to.
inline const QString kChooseSaveFolder = QStringLiteral("请选择保存路径");

// The end of a message about a practice server that could not be set up.
inline const QString kServerNotStarted = QStringLiteral("\n服务器没有启动，请联系老师检查素材文件夹。");

// A file of the working folder "D:\实训素材" or of "D:\winsys" is open.
inline const QString kCloseOpenWorkFiles = QStringLiteral("请关闭已经打开的实训素材文件 >_<");
inline const QString kCloseOpenWinsysFiles = QStringLiteral("请关闭已经打开的winsys文件 >_<");

// A restore while the mail client runs (it holds the mailboxes).
inline const QString kCloseMailClientFirst = QStringLiteral("请关闭邮件管理器后再进行恢复操作！");

// A hand-in while some of its documents are open in an office program.
inline QString handInWithOpenDocuments(const QStringList& open)
{
    return QStringLiteral("以下文档仍在办公软件中打开，没有保存的修改不会被提交：\n") + open.join(QChar('\n')) +
           QStringLiteral("\n请先保存并关闭这些文档。仍要现在提交吗？");
}

// Why a student key (number and name) is refused: at login, and by the final
// exam for a key it cannot use.
inline const QString kStudentKeyEmpty = QStringLiteral("学号和姓名不能为空！！");
inline const QString kStudentKeyForbiddenCharacter =
    QStringLiteral("学号和姓名中不能含有 \\ / : * ? \" < > | 等字符，请重新输入！");
inline const QString kStudentKeyBadEdge =
    QStringLiteral("学号不能以空格或“.”开头，姓名不能以空格或“.”结尾，请重新输入！");
inline const QString kStudentKeyTooLong = QStringLiteral("学号和姓名太长，请重新输入！");
inline const QString kStudentKeyNotCodePage936 = QStringLiteral("学号或姓名中含有无法保存的字符，请重新输入！");

}  // namespace common::msg
