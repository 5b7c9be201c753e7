#include "tasks/taskkey.h"

#include "common/studentkey.h"

namespace tasks {

bool keyNamesFolder(const QString& key) { return common::isSafeStudentKey(key); }

QString badKeyMessage(const QString& key)
{
    // An identity file from elsewhere may hold any length of text.
    const QString shown = key.size() > 60 ? key.left(60) + QStringLiteral("…") : key;
    return QStringLiteral("当前学生信息【") + shown +
           QStringLiteral("】不能用作项目档案的名称（不能为空，不能以空格或“.”开头或结尾，不能太长，也不能含有 \\ / : * ? \" < > | 等字符）。\n请点击“更改”重新登录。");
}

}  // namespace tasks
