#include "platform/profile.h"

#include "platform/paths.h"
#include "platform/textfile.h"

#include <QFile>

#include <optional>

namespace plat {
namespace {

struct Line {
    QByteArray text;  // without its line end
    QByteArray end;   // "\r\n", "\n", "\r" or "" (last line without an end)
};

QList<Line> splitKeepingEnds(const QByteArray& bytes)
{
    QList<Line> lines;
    int start = 0;
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        int endLen = (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        lines.append({bytes.mid(start, i - start), bytes.mid(i, endLen)});
        i += endLen - 1;
        start = i + 1;
    }
    if (start < bytes.size()) lines.append({bytes.mid(start), QByteArray()});
    return lines;
}

// The section name of a header line "[name]", or nullopt.
std::optional<QByteArray> sectionOf(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (!t.startsWith('[')) return std::nullopt;
    const int close = t.indexOf(']');
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

// The key of a "key=value" line, or nullopt for other lines.
std::optional<QByteArray> keyOf(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (t.startsWith(';')) return std::nullopt;
    const int eq = t.indexOf('=');
    if (eq < 0) return std::nullopt;
    return t.left(eq).trimmed();
}

// Names compare with ASCII letters folded only: other bytes are parts of
// double-byte characters and must match exactly.
bool sameName(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size()) return false;
    for (int i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

namespace {

int gFileWrites = 0;

// Applies one entry to the lines of the file.
void apply(QList<Line>& lines, const QByteArray& sec, const QByteArray& k, const QByteArray& v)
{
    const QByteArray entry = k.trimmed() + '=' + v;
    const QByteArray crlf("\r\n");
    int header = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const auto s = sectionOf(lines[i].text);
        if (s && sameName(*s, sec.trimmed())) {
            header = i;
            break;
        }
    }
    if (header < 0) {
        if (!lines.isEmpty() && lines.last().end.isEmpty()) lines.last().end = crlf;
        lines.append({'[' + sec + ']', crlf});
        lines.append({entry, crlf});
        return;
    }
    int lastEntry = header;  // the section's last non-blank line
    for (int i = header + 1; i < lines.size(); ++i) {
        if (sectionOf(lines[i].text)) break;
        if (!lines[i].text.trimmed().isEmpty()) lastEntry = i;
        const auto existing = keyOf(lines[i].text);
        if (existing && sameName(*existing, k.trimmed())) {
            lines[i].text = entry;
            return;
        }
    }
    if (lines[lastEntry].end.isEmpty()) lines[lastEntry].end = crlf;
    lines.insert(lastEntry + 1, {entry, crlf});
}

}  // namespace

bool writeProfileStrings(const QList<ProfileString>& entries, const QString& path, Durability durability)
{
    struct Encoded {
        QByteArray section, key, value;
    };
    QList<Encoded> encoded;
    bool all = true;
    for (const ProfileString& e : entries) {
        const auto sec = encode936(e.section);
        const auto k = encode936(e.key);
        const auto v = encode936(e.value);
        if (sec && k && v) encoded.append({*sec, *k, *v});
        else all = false;
    }
    if (encoded.isEmpty()) return all;
    QByteArray bytes;
    if (QFile::exists(toHost(path)) && !readWholeFile(path, &bytes)) return false;

    QList<Line> lines = splitKeepingEnds(bytes);
    for (const Encoded& e : encoded) apply(lines, e.section, e.key, e.value);
    QByteArray out;
    out.reserve(bytes.size() + 4096);
    for (const Line& l : lines) out += l.text + l.end;
    ++gFileWrites;
    return writeWholeFileAtomic(path, out, durability) && all;
}

bool writeProfileString(const QString& section, const QString& key, const QString& value, const QString& path)
{
    return writeProfileStrings({{section, key, value}}, path);
}

std::optional<QString> readProfileString(const QString& section, const QString& key, const QString& path)
{
    QByteArray bytes;
    const auto sec = encode936(section);
    const auto k = encode936(key);
    if (!sec || !k || !readWholeFile(path, &bytes)) return std::nullopt;
    bool inSection = false;
    for (const Line& l : splitKeepingEnds(bytes)) {
        if (const auto s = sectionOf(l.text)) {
            inSection = sameName(*s, sec->trimmed());
            continue;
        }
        if (!inSection) continue;
        if (const auto found = keyOf(l.text); found && sameName(*found, k->trimmed())) {
            const QByteArray t = l.text.trimmed();
            return decode936(t.mid(t.indexOf('=') + 1).trimmed());
        }
    }
    return std::nullopt;
}

int profileFileWrites() { return gFileWrites; }

}  // namespace plat
