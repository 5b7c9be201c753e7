#pragma once
// What the mock test tells the student, in one place: the message boxes of
// the paper, the questions, the restore and the close, and the notice of a
// refused paper. Texts other areas show too are in common/messages.h.
#include "platform/paths.h"

#include <QString>
#include <QStringList>

namespace mocktest::msg {

// The paper.
inline const QString kPaperMade = QStringLiteral("试卷已生成！！！");
// In the notice after the guard refused the paper.
inline const QString kPaperRefused =
    QStringLiteral("试卷没有生成。请按刚才的提示关闭文档或文件夹，然后关闭本窗口，重新进入模拟测试。");

// A bank that cannot make the paper: one line per problem under a heading.
inline QString incompleteBank(const QString& level, const QStringList& problems)
{
    return QStringLiteral("模拟题库不完整，无法生成【") + level + QStringLiteral("】试卷：\n") + problems.join(QChar('\n')) +
           QStringLiteral("\n请联系老师检查模拟测试题库。");
}
inline QString missingFolder(const QString& path)
{
    return QStringLiteral("缺少文件夹“") + plat::displayPath(path) + QStringLiteral("”");
}
inline QString missingFile(const QString& path) { return QStringLiteral("缺少“") + plat::displayPath(path) + QStringLiteral("”"); }
inline QString missingTypeIntroduction(const QString& path)
{
    return QStringLiteral("缺少题型介绍“") + plat::displayPath(path) + QStringLiteral("”");
}
inline QString missingTemplate(const QString& path)
{
    return QStringLiteral("缺少模板文件夹“") + plat::displayPath(path) + QStringLiteral("”");
}
inline QString tooFewQuestions(const QString& folder, int count, int needed)
{
    return QStringLiteral("“") + plat::displayPath(folder) + QStringLiteral("”中只有%1道题，本级别需要%2道").arg(count).arg(needed);
}
inline QString numberMissing(const QString& folder, int number)
{
    return QStringLiteral("“") + plat::displayPath(folder) + QStringLiteral("”中缺少第%1题（题号须从1起连续编号）").arg(number);
}

// A paper some of whose files could not be made: the entries, one a line.
inline QString incompletePaper(const QStringList& shown)
{
    return QStringLiteral("试卷未能完整生成，以下文件或文件夹处理失败：\n") + shown.join(QChar('\n')) +
           QStringLiteral("\n请关闭本窗口后重新进入模拟测试；如仍失败，请联系老师检查模拟测试题库。");
}
// The last line of a shortened list of failures.
inline QString moreFailures(int total) { return QStringLiteral("……（共%1处）").arg(total); }
// One line of that list: a folder of the bank that could not be emptied.
inline QString notEmptied(const QString& path) { return plat::displayPath(path) + QStringLiteral("（无法清空）"); }

// The questions.
inline const QString kQuestionTextNotReady = QStringLiteral("本题的题目内容未能准备好，请联系老师检查模拟测试题库。");
inline QString documentNotCopied(const QString& failure) { return QStringLiteral("本题的题目文档未能复制：") + failure; }
inline QString serverFolderMissing(const QString& path)
{
    return QStringLiteral("找不到本题的服务器文件夹“") + plat::displayPath(path) + QStringLiteral("”，请联系老师检查模拟测试题库。");
}
inline QString ftpFolderNotEmptied(const QString& path, const QString& failure)
{
    return QStringLiteral("无法清空“") + plat::displayPath(path) + QStringLiteral("”：") + failure;
}
inline QString ftpFilesNotCopied(const QString& failure) { return QStringLiteral("FTP服务器的文件未能全部复制：") + failure; }
inline const QString kWebServerStillRunning =
    QStringLiteral("网页服务器未能停止，仍在提供上一题的网站。请关闭本窗口后重新进入模拟测试。");

// 恢复本题.
inline const QString kRestoreSourceMissing =
    QStringLiteral("本题的原始题目文档或素材缺失，无法恢复本题！请关闭本窗口后重新进入模拟测试，或联系老师检查模拟测试题库。");
inline QString restoreIncomplete(const QStringList& failures)
{
    return QStringLiteral("本题未能完全恢复：\n") + failures.join(QChar('\n')) + QStringLiteral("\n请关闭占用这些文件的程序后再试一次。");
}

// The close.
inline const QString kAskExitClears = QStringLiteral("退出后题目与答案将会清空，确定退出吗？");
inline QString foldersKept(const QStringList& shown)
{
    return QStringLiteral("以下文件夹中有正在使用的文件，未能全部删除：\n") + shown.join(QChar('\n')) +
           QStringLiteral("\n请检查后手动删除。");
}

}  // namespace mocktest::msg
