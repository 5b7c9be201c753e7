#pragma once
// Texts the practice windows show to the student in message boxes. Texts
// that other areas show as well are in common/messages.h.
#include <QString>
#include <QStringList>

namespace practice::msg {

// ---- 操作题随机练习窗格 ------------------------------------------------------

// A file of "D:\实训素材" is open: at the restore, and at the close.
inline const QString kWorkFilesOpenAtRestore = QStringLiteral("已经打开的实训素材文件 >_<");
inline const QString kWorkFilesOpenAtClose = QStringLiteral("请关闭已经打开的实训素材 >_<");
// A file-manager window shows "winsys": before a question is prepared or
// restored (the close names the folder as every other window does).
inline const QString kWinsysWindowOpen = QStringLiteral("请winsys文件夹及其子文件夹 >_<");
// 打开题目 before a question of this student was prepared.
inline const QString kQuestionNotPrepared = QStringLiteral("题目尚未准备好，请按提示处理后点击“Next”抽题。");

// ---- 高级应用练习窗格 ---------------------------------------------------------

// The guards of the Load, the restore and the close.
inline const QString kCloseDocumentAndFolder = QStringLiteral("请关闭题目文档和考生文件夹");
inline const QString kDocumentOpenAtRestore = QStringLiteral("题目文档已经打开，请关闭后再进行恢复操作");
inline const QString kFilesOpenAtRestore = QStringLiteral("请关闭已经打开的文件（夹）>_<");
inline const QString kDocumentOpenAtExit = QStringLiteral("题目文档已经打开，请关闭后再退出");
inline const QString kFilesOpenAtExit = QStringLiteral("请关闭题目文档和已经打开的文件（夹）");

// The second question of the close (the first is common::msg::kAskExit).
inline const QString kAskExitClearsWork = QStringLiteral("【退出后已完成操作将会清空】，确定退出吗？");

// The Load found no usable request; the buttons of a window without one.
inline const QString kNoRequest =
    QStringLiteral("没有读到要练习的题目（高级应用\\题号.txt 缺失或内容不对）。\n请关闭本窗口，回到主窗口重新选择题目。");
inline const QString kNotReady =
    QStringLiteral("本题尚未准备好：请关闭已经打开的题目文档和考生文件夹，然后关闭本窗口，重新打开本题。");

// What cannot be done for want of sources (the task of sourcesMissing).
inline const QString kTaskPrepare = QStringLiteral("准备练习");
inline const QString kTaskRestore = QStringLiteral("恢复本题");

// A path as the student sees it, in quotation marks.
inline QString quoted(const QString& shownPath) { return QStringLiteral("“") + shownPath + QStringLiteral("”"); }

// One line of sourcesMissing each: the pristine question document or the
// material folder that is not there (paths as the student sees them).
inline QString missingDocument(const QString& shownPath) { return QStringLiteral("原始题目文档") + quoted(shownPath); }
inline QString missingMaterial(const QString& shownPath) { return QStringLiteral("素材文件夹") + quoted(shownPath); }

// The refusal naming the missing sources; nothing was changed.
inline QString sourcesMissing(const QString& task, const QStringList& lines)
{
    return QStringLiteral("本题的素材不全，无法") + task + QStringLiteral("，缺少：\n") + lines.join(u'\n') +
           QStringLiteral("\n考生文件夹和题目文档都没有改动。请联系老师检查素材文件夹。");
}

// Laying the exercise out failed (what failed, as the copy report says it).
inline QString preparationFailed(const QString& what)
{
    return QStringLiteral("准备练习时出错：") + what + QStringLiteral("\n请点击“恢复本题”再试一次。");
}
inline QString restoreFailed(const QString& what)
{
    return QStringLiteral("恢复本题时出错：") + what + QStringLiteral("\n本题没有完全恢复，请再试一次。");
}

// 打开题目 finds no question document.
inline QString documentMissing(const QString& shownPath)
{
    return QStringLiteral("找不到题目文档") + quoted(shownPath) + QStringLiteral("，请点击“恢复本题”重新生成。");
}

}  // namespace practice::msg
