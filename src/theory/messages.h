#pragma once
// Texts the theory windows show to the student (基础理论 and
// 理论题随机练习窗格). Texts shown by more than one area are in
// common/messages.h.
#include <QString>

namespace theory::msg {

// 基础理论: the working module folder and the module folders.
inline const QString kFolderResetFailed =
    QStringLiteral("基础理论的练习文件夹无法清空，请关闭其中打开的文件并检查素材文件夹");
inline QString moduleFolderMissing(const QString& module)
{
    return QStringLiteral("找不到模块“%1”的文件夹，请检查素材文件夹").arg(module);
}
inline QString moduleNotCopied(const QString& module)
{
    return QStringLiteral("模块“%1”的文件无法复制到练习文件夹，请关闭其中打开的文件并检查素材文件夹").arg(module);
}

// 基础理论: practising.
inline const QString kChooseModule = QStringLiteral("请选择模块");
inline const QString kAskLeaveModule = QStringLiteral("是否退出当前模块?");
inline const QString kNoPeeking = QStringLiteral("别偷看");
inline const QString kKeyFileMissing = QStringLiteral("找不到答案文件“答案.txt”，请检查素材文件夹");
inline QString keyMissing(int question) { return QStringLiteral("答案文件“答案.txt”中没有第%1题的答案").arg(question); }
inline QString explanationMissing(const QString& file)
{
    return QStringLiteral("找不到解析文件“%1”，请检查素材文件夹").arg(file);
}

// 理论题随机练习窗格.
inline QString batchNotCopied(const QString& positions)
{
    return QStringLiteral("第%1题无法复制到抽题文件夹，请检查素材文件夹").arg(positions);
}
inline const QString kNoBatch = QStringLiteral("本批题目未能抽取，请检查题库后重新打开本窗口");
inline const QString kAnswerAll = QStringLiteral("请完成全部作答后再核对答案>_<");

}  // namespace theory::msg
