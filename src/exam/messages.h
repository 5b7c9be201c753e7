#pragma once
// Texts the final-exam window shows to the student. Texts that other areas
// show as well are in common/messages.h. Paths passed in are as the student
// sees them (plat::displayPath).
#include "common/guards.h"
#include "common/handin.h"

#include <QString>

namespace exam::msg {

// ---- loading and the exam start --------------------------------------------

inline QString handedIn(const QString& key) { return QStringLiteral("【") + key + QStringLiteral("】已交卷，无法再次考试！"); }
inline QString keyUnusable(const QString& key, const QString& why)
{
    return QStringLiteral("当前学生信息【") + key + QStringLiteral("】不能用作考生档案的名称：") + why +
           QStringLiteral("\n请返回主界面点击“更改”重新登录。");
}

inline const QString kArchiveMade = QStringLiteral("考生档案创建成功");
inline const QString kArchiveReset = QStringLiteral("考生档案重置成功");
inline const QString kGoOn = QStringLiteral("点【确定】后可以继续答题");
inline QString askReplace(const QString& otherKey)
{
    return QStringLiteral("考生【") + otherKey + QStringLiteral("】\n正在做题，是否重置与替换");
}
inline const QString kAskReplaceAgain = QStringLiteral("替换考生后试卷也会重置，确认替换吗？？");

// What the teacher is asked to do when the exam's material is not whole.
inline const QString kAskTeacher = QStringLiteral("\n请联系老师检查期末考查素材。");
inline QString noPaperInBank(const QString& bank)
{
    return QStringLiteral("期末考查题库中没有试卷，无法开始考试：") + bank + kAskTeacher;
}
inline QString paperMissingInBank(int missing, int papers, const QString& bank)
{
    return QStringLiteral("期末考查题库中缺少试卷%1（试卷应为1到%2），无法开始考试：").arg(missing).arg(papers) + bank + kAskTeacher;
}
// `missing`: one path a line.
inline QString paperIncomplete(int paper, const QString& missing)
{
    return QStringLiteral("试卷%1不完整，无法开始考试。缺少：\n").arg(paper) + missing + kAskTeacher;
}
inline QString archiveNotMade(const QString& why) { return QStringLiteral("考生档案没有创建成功：") + why + kAskTeacher; }
inline QString resumeWithoutPaper(const QString& numberFile)
{
    return QStringLiteral("找不到本场考试的试卷号或试卷（") + numberFile +
           QStringLiteral("），无法继续答题。\n已做的作答仍保留在考生文件夹中，请联系老师处理。");
}

inline const QString kNoAddress = QStringLiteral(
    "没有找到本机的IPv4地址，网络操作题中的地址将为空。\n请检查网络连接后关闭本窗口，再点击“开始考试”继续答题（已做的作答不会丢失）。");

inline QString paperNotMade(const QString& failed)
{
    return QStringLiteral("试卷没有生成成功：\n") + failed + QStringLiteral("\n请关闭正在使用的文件后再点击“开始考试”，或联系老师。");
}
inline const QString kPaperMade = QStringLiteral("试卷已生成！！");

inline QString previousFtpFolderStays(const QString& why)
{
    return QStringLiteral("上一位考生的FTP文件夹无法删除：") + why + QStringLiteral("\n请关闭正在使用的文件后重新开始考试。");
}
inline QString ftpFolderIncomplete(const QString& failed)
{
    return QStringLiteral("FTP文件夹没有准备完整：\n") + failed + QStringLiteral("\n请关闭正在使用的文件后重新开始考试。");
}

// ---- operation pages and the restore ---------------------------------------

inline QString questionTextUnreadable(const QString& text)
{
    return QStringLiteral("本题的题目内容无法读取：") + text + QStringLiteral("\n请联系老师检查试卷。");
}
inline QString restoreSourcesMissing(const QString& missing)
{
    return QStringLiteral("本题的素材或原始题目文档缺失，无法恢复本题，作答没有改动：\n") + missing +
           QStringLiteral("\n请联系老师检查期末考查题库。");
}
inline QString restoreIncomplete(const QString& failed)
{
    return QStringLiteral("本题没有完全恢复：\n") + failed + QStringLiteral("\n请关闭只读或正在使用的文件后再点击“恢复本题”。");
}

// ---- the choice page ---------------------------------------------------------

inline QString unsavableCharacter(const QString& typed)
{
    return QStringLiteral("答案中含有无法保存的字符“") + typed + QStringLiteral("”，请输入字母A、B、C、D等。");
}
inline QString answersNotSaved(const QString& answerFile)
{
    return QStringLiteral("选择题答案没有保存成功：") + answerFile + QStringLiteral("\n请不要关闭窗口，检查磁盘后再修改一次答案。");
}

// ---- the hand-in ---------------------------------------------------------------

inline const QString kAskHandIn = QStringLiteral("是否交卷？");
inline const QString kAskHandInAgain = QStringLiteral("交卷后不能继续作答，确定交卷吗？");
inline const QString kChooseHandInFolder = QStringLiteral("请选择交卷路径");
// `missing`: one path a line.
inline QString handInContentMissing(const QString& missing)
{
    return QStringLiteral("找不到要交卷的内容：\n") + missing + QStringLiteral("\n请关闭窗口后重新开始考试，或联系老师。");
}
inline QString archiveNotCleared(const QString& why)
{
    return QStringLiteral("考生档案中上次的内容无法清除：") + why + '\n' + common::kWorkKeptNote;
}
inline QString answersNotArchived(const QString& why)
{
    return QStringLiteral("作答无法放入考生档案：") + why + '\n' + common::kWorkKeptNote;
}
inline QString packingNotRemoved(const QString& why)
{
    return QStringLiteral("上次未完成的打包文件无法删除：") + why + '\n' + common::kWorkKeptNote;
}
inline QString recordNotWritten(const QString& what) { return QStringLiteral("交卷记录无法写入：") + what; }

// ---- closing -------------------------------------------------------------------

inline const QString kAskLeaveUnfinished = QStringLiteral("该操作不会完成交卷，请确认是否退出？");

// The close after a verified hand-in found a file-manager window on a
// working folder it deletes: the hand-in stands, the student closes that
// window and then this one.
inline QString closeFolderWindowAfterHandIn(const QString& folderName)
{
    return common::explorerOpenMessage(folderName) +
           QStringLiteral("\n交卷已经成功完成。关闭这个文件夹窗口后，再关闭本窗口即可返回首页。");
}

}  // namespace exam::msg
