#include "common/handover.h"

#include "platform/paths.h"

#include <QStringList>

namespace common {

void readLineInto(QString& label, const QString& rel, int n)
{
    if (const auto line = uReadTextLine(rel, n)) label = *line;
}

QString handOverProblem(const QString& rel)
{
    if (!plat::fileLargerThan(plat::appPath(rel), plat::kHandOverMaxBytes)) return QString();
    QString shown = rel;
    if (shown.startsWith('\\')) shown.remove(0, 1);
    return QStringLiteral("“") + shown + QStringLiteral("”不是应有的内容（大于 64 KB），已忽略。");
}

QString shownPart(const QString& text, int max)
{
    return text.size() > max ? text.left(max) + QStringLiteral("…") : text;
}

QString joinLines(const QStringList& values) { return values.join(QStringLiteral("\r\n")); }

QString userInfoCaption(const QString& modeTitle, const QString& studentKey)
{
    return modeTitle + kUserInfoCaption + shownPart(studentKey) + QStringLiteral("】");
}

QString extensionOf(const QString& kind)
{
    if (kind == QStringLiteral("word")) return QStringLiteral("docx");
    if (kind == QStringLiteral("excel")) return QStringLiteral("xlsx");
    if (kind == QStringLiteral("ppt")) return QStringLiteral("pptx");
    if (kind == QStringLiteral("windows")) return QStringLiteral("win");
    if (kind == QStringLiteral("network")) return QStringLiteral("net");
    return QString();
}

}  // namespace common
