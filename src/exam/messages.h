#pragma once
// Texts the final-exam window shows to the student. Texts that other areas
// show as well are in common/messages.h.
#include "common/guards.h"

#include <QString>

namespace exam::msg {

// The close after a verified hand-in found a file-manager window on a
// working folder it deletes: the hand-in stands, the student closes that
// window and then this one.
inline QString closeFolderWindowAfterHandIn(const QString& folderName)
{
    return common::explorerOpenMessage(folderName) +
           QStringLiteral("\n交卷已经成功完成。关闭这个文件夹窗口后，再关闭本窗口即可返回首页。");
}

}  // namespace exam::msg
