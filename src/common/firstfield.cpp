#include "common/firstfield.h"

#include "platform/textfile.h"

namespace common {

QString firstFieldOf(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const auto lineEnd = [&](qsizetype from) {
        qsizetype e = from;
        while (e < text.size() && text[e] != '\r' && text[e] != '\n') ++e;
        return e;
    };
    if (i < text.size() && text[i] == '"') {
        const qsizetype close = text.indexOf('"', i + 1);
        if (close >= 0) return text.mid(i + 1, close - i - 1);
        return text.mid(i + 1, lineEnd(i + 1) - i - 1);  // unclosed: the rest of the line
    }
    qsizetype e = i;
    while (e < text.size() && text[e] != ',' && text[e] != '\r' && text[e] != '\n') ++e;
    return text.mid(i, e - i);
}

std::optional<QString> readFirstField(const QString& path)
{
    QByteArray bytes;
    if (!plat::readWholeFile(path, &bytes) || bytes.isEmpty()) return std::nullopt;
    return firstFieldOf(plat::decode936(bytes));
}

}  // namespace common
