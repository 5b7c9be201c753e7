#pragma once
// Texts shown to the student by more than one area, written once. Each area
// keeps the texts only it shows in its own "messages.h" (namespace
// <area>::msg); code and tests use these names, never a copy of the text.
#include <QString>

namespace common::msg {

// A question document (or its folder) is still open in another program.
inline const QString kCloseOpenDocuments = QStringLiteral("请关闭已经打开的题目文档 >_<");
inline const QString kCloseDocument = QStringLiteral("请关闭题目文档 >_<");

// Restoring a question to its starting state.
inline const QString kAskRestore = QStringLiteral("是否恢复?");
inline const QString kRestored = QStringLiteral("题目已恢复");

// Leaving a window.
inline const QString kAskExit = QStringLiteral("是否退出？");

// A file of the working folder "D:\实训素材" or of "D:\winsys" is open.
inline const QString kCloseOpenWorkFiles = QStringLiteral("请关闭已经打开的实训素材文件 >_<");
inline const QString kCloseOpenWinsysFiles = QStringLiteral("请关闭已经打开的winsys文件 >_<");

}  // namespace common::msg
