#include "tasks/taskkey.h"

#include "platform/textfile.h"

namespace tasks {

bool keyNamesFolder(const QString& key)
{
    if (key.trimmed().isEmpty() || key == QLatin1String(".") || key == QLatin1String("..")) return false;
    for (const QChar c : key)
        if (c.unicode() < 0x20 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|')
            return false;
    return plat::fitsCodePage936(key);
}

QString badKeyMessage(const QString& key)
{
    return QStringLiteral("当前学生信息【") + key +
           QStringLiteral("】不能用作项目档案的名称（不能为空，也不能含有 \\ / : * ? \" < > | 等字符）。\n请点击“更改”重新登录。");
}

}  // namespace tasks
