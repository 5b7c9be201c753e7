#pragma once
// Texts the task projects show to the student in message boxes, written
// once; code and tests use these names. Texts other areas show as well are
// in common/messages.h.
#include "common/handin.h"
#include "common/messages.h"

#include <QString>
#include <QStringList>

namespace tasks::msg {

// ---- entry and the window's Load -------------------------------------------
inline const QString kArchiveCreated = QStringLiteral("项目档案创建成功");
inline const QString kArchiveReplaced = QStringLiteral("项目档案重置成功");
inline QString archiveNotMade(const QString& why)
{
    return QStringLiteral("项目档案没有创建成功：") + why + QStringLiteral("\n请联系老师处理后再进入任务项目。");
}
inline QString askReplaceArchive(const QString& otherKey) { return otherKey + QChar(10) + QStringLiteral("正在任务中，是否替换"); }
inline QString alreadyHandedIn(const QString& key)
{
    return QStringLiteral("【") + key + QStringLiteral("】\r\n请注意：已提交的任务结果无法再次提交！");
}
inline QString badKey(const QString& shownKey)
{
    return QStringLiteral("当前学生信息【") + shownKey +
           QStringLiteral("】不能用作项目档案的名称（不能为空，不能以空格或“.”开头或结尾，不能太长，也不能含有 \\ / : * ? \" < > | 等字符）。\n请点击“更改”重新登录。");
}
inline QString missionAreaInvalid(const QString& area)
{
    return QStringLiteral("任务项目区域“") + area + QStringLiteral("”无效，请重新登录并选择任务项目。");
}
inline QString areaInvalid(const QString& area)
{
    return QStringLiteral("任务项目区域“") + area + QStringLiteral("”无效，请关闭本窗口后从主界面重新选择任务项目。");
}
inline QString taskListMissing(const QString& shownPath)
{
    return QStringLiteral("找不到本区域的任务列表：") + shownPath + QStringLiteral("\n请联系老师检查任务题库。");
}
inline QString ftpTemplateMissing(const QString& shownPath)
{
    return QStringLiteral("找不到FTP服务器的用户模板：") + shownPath + common::msg::kServerNotStarted;
}

// ---- closing the window ----------------------------------------------------
inline const QString kAskExitSure = QStringLiteral("【未提交的答案将会清空】，确定退出吗？");
inline const QString kBackToStart = QStringLiteral("即将返回首页！");

// ---- task start ------------------------------------------------------------
inline QString taskFileMissing(const QString& task, const QString& shownPath)
{
    return QStringLiteral("任务【") + task + QStringLiteral("】的文件缺失，无法开始任务：\n") + shownPath +
           QStringLiteral("\n请联系老师检查任务题库。");
}
inline QString earlierAnswerKept(const QString& task)
{
    return QStringLiteral("任务【") + task + QStringLiteral("】上次的提交没有完成，已保留上次的作答，可以继续完成后再提交。");
}
inline QString startCopiesFailed(const QStringList& failed)
{
    return QStringLiteral("开始任务时有文件没有复制成功：\n") + failed.join('\n') +
           QStringLiteral("\n请关闭正在使用的文件后点击“初始化当前任务”，或联系老师。");
}

// ---- re-initialisation -----------------------------------------------------
inline const QString kAskReinitialise = QStringLiteral("是否初始化当前任务?");
inline QString reinitSourcesMissing(const QStringList& shownPaths)
{
    return QStringLiteral("初始化所需的原始文件缺失，当前任务没有改动：\n") + shownPaths.join('\n') +
           QStringLiteral("\n请点击“←”后重新开始任务，或联系老师检查任务题库。");
}
inline QString reinitNotDone(const QString& shownFolder)
{
    return QStringLiteral("初始化没有完成：") + shownFolder +
           QStringLiteral(" 或题目文档中有文件无法删除或复制（可能是只读或正在使用）。请关闭相关文件后再试。");
}
inline QString serverNotStopped(const QString& process)
{
    return QStringLiteral("无法停止任务服务器“") + process + QStringLiteral("”，初始化没有完成，请稍后再试。");
}
inline QString serverFoldersIncomplete(const QString& what)
{
    return QStringLiteral("服务器文件夹没有恢复完整：") + what + QStringLiteral("\n请稍后再试。");
}

// ---- hand-ins --------------------------------------------------------------
inline const QString kAskHandIn = QStringLiteral("是否提交？");
inline const QString kAskHandInSure = QStringLiteral("提交后不能再次提交，确定提交吗？");
inline const QString kTickATask = QStringLiteral("温馨提示：请选择需要提交的任务！！");
inline const QString kSheetAnswersKept =
    QStringLiteral("上次的提交没有完成，已恢复上次填写的答案和截图，请检查后再提交。");
inline const QString kSheetHandedIn = QStringLiteral("提交成功，已完成【Windows7操作系统】任务 ^_^ ");
inline QString answerMissing(const QString& task, const QString& shownPath)
{
    return QStringLiteral("任务【") + task + QStringLiteral("】的作答找不到：") + shownPath +
           QStringLiteral("\n请先开始该任务，或取消勾选后再提交。");
}
inline QString archiveMissing(const QString& shownPath)
{
    return QStringLiteral("找不到项目档案：") + shownPath + QStringLiteral("\n请关闭窗口后从主界面重新进入。");
}
inline QString answerNotStaged(const QString& task, const QString& shownArchive)
{
    return QStringLiteral("任务【") + task + QStringLiteral("】的作答无法放入项目档案：") + shownArchive + '\n' +
           common::kWorkKeptNote;
}
inline QString staleTaskCopyStays(const QString& task, const QString& shownPath)
{
    return QStringLiteral("无法从项目档案中去掉任务【") + task + QStringLiteral("】上次提交留下的副本：") + shownPath + '\n' +
           common::kWorkKeptNote;
}
inline QString screenshotGone(const QString& path, const QString& box)
{
    return QStringLiteral("截图文件已不存在：") + path + QStringLiteral("\n（") + box + QStringLiteral("）请重新选择截图后再提交。");
}
// The Windows sheet's staging failures; the hand-in adds kWorkKeptNote.
inline QString answersNotWritten(const QString& shownPath) { return QStringLiteral("无法写入答案文件：") + shownPath; }
inline QString folderNotStaged(const QString& shownFolder, const QString& shownArchive)
{
    return QStringLiteral("无法把") + shownFolder + QStringLiteral("放入项目档案：") + shownArchive;
}
inline QString staleScreenshotStays(const QString& shownPath) { return QStringLiteral("无法从项目档案中去掉旧的截图：") + shownPath; }
inline QString screenshotNotStaged(const QString& path, const QString& why)
{
    return QStringLiteral("截图无法放入项目档案：") + path + QStringLiteral("（") + why + QStringLiteral("）");
}

// ---- reset of a handed-in task ---------------------------------------------
inline QString askReset(const QString& task) { return QStringLiteral("是否重置【") + task + QStringLiteral("】？"); }
inline QString askResetSure(const QString& task)
{
    return QStringLiteral("【") + task + QStringLiteral("】原有作答将被清空，确定重置吗？");
}
inline QString recordNotWritten(const QString& what) { return QStringLiteral("无法写入提交记录：") + what; }
inline QString resetNotDone(const QString& why) { return why + QStringLiteral("\n重置没有完成。"); }
inline QString resetDone(const QString& task) { return QStringLiteral("【") + task + QStringLiteral("】重置完成，可重新提交！！"); }

// ---- Windows sheet restore -------------------------------------------------
inline QString sheetMaterialMissing(const QString& shownSource, const QString& shownFolder)
{
    return QStringLiteral("本题的素材缺失，无法恢复：") + shownSource + QStringLiteral("\n请先点击“→”重新打开任务二；") + shownFolder +
           QStringLiteral(" 没有改动。");
}
inline QString sheetRestoreNotDone(const QString& shownFolder)
{
    return QStringLiteral("恢复没有完成：") + shownFolder + QStringLiteral("中有文件无法删除或复制，请关闭正在使用的文件后再试。");
}

}  // namespace tasks::msg
