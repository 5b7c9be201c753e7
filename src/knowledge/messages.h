#pragma once
// Texts the knowledge-point windows show to the student. Texts shown by more
// than one area are in common/messages.h.
#include <QString>

namespace knowledge::msg {

// 打开题目 before the Load could prepare the exercise: what stopped it.
inline QString notPrepared(const QString& why)
{
    return QStringLiteral("题目尚未准备好，暂时无法打开题目文档：\n") + why + QStringLiteral("\n处理好后请点击“恢复本题”。");
}

}  // namespace knowledge::msg
