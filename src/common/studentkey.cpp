#include "common/studentkey.h"

#include "common/messages.h"
#include "platform/textfile.h"

namespace common {
namespace {

bool forbiddenChar(QChar c)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c);
}

bool edgeChar(QChar c) { return c == '.' || c.isSpace(); }

// The shared part of the two checks: a name made of safe characters that
// ends and starts well.
bool safeName(const QString& name)
{
    if (name.isEmpty() || edgeChar(name.front()) || edgeChar(name.back())) return false;
    for (const QChar c : name)
        if (forbiddenChar(c)) return false;
    return name.toUtf8().size() <= kMaxStudentKeyBytes + 64 && plat::fitsCodePage936(name);
}

}  // namespace

QString studentKeyRefusal(const QString& key)
{
    if (key.trimmed().isEmpty()) return msg::kStudentKeyEmpty;
    for (const QChar c : key)
        if (forbiddenChar(c)) return msg::kStudentKeyForbiddenCharacter;
    if (edgeChar(key.front()) || edgeChar(key.back())) return msg::kStudentKeyBadEdge;
    if (key.toUtf8().size() > kMaxStudentKeyBytes) return msg::kStudentKeyTooLong;
    if (!plat::fitsCodePage936(key)) return msg::kStudentKeyNotCodePage936;
    return QString();
}

bool isSafeStudentKey(const QString& key) { return studentKeyRefusal(key).isEmpty(); }

std::optional<QString> pathUnderFolder(const QString& folder, const QString& key, const QString& suffix)
{
    if (!isSafeStudentKey(key) || folder.isEmpty()) return std::nullopt;
    const QString name = key + suffix;
    // The suffix ("_成绩.txt", ".rar") may not add a separator or end badly.
    if (!safeName(name)) return std::nullopt;
    QString f = folder;
    while (f.endsWith('\\') || f.endsWith('/')) f.chop(1);
    return f + '\\' + name;
}

}  // namespace common
