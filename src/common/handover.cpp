#include "common/handover.h"

#include <QStringList>

namespace common {

void readLineInto(QString& label, const QString& rel, int n)
{
    if (const auto line = uReadTextLine(rel, n)) label = *line;
}

QString joinLines(const QStringList& values) { return values.join(QStringLiteral("\r\n")); }

QString userInfoCaption(const QString& modeTitle, const QString& studentKey)
{
    return modeTitle + kUserInfoCaption + studentKey + QStringLiteral("】");
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
