#include "common/processes.h"

#include "platform/proclist.h"

#include <QFile>

namespace common {
namespace {
std::function<QStringList()>& lister()
{
    static std::function<QStringList()> l;
    return l;
}

// A program's name as compared: the file name without a folder in front and
// without ".exe" at its end, in capitals.
QString stemOf(const QString& name)
{
    QString s = name.mid(qMax(name.lastIndexOf('\\'), name.lastIndexOf('/')) + 1).toUpper();
    if (s.endsWith(QLatin1String(".EXE"))) s.chop(4);
    return s;
}

bool isAscii(std::string_view s)
{
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// The rule of sameProgramName for a running program's name as the system
// gives it, compared with an asked stem already made (capitals, no folder,
// no ".exe"). Plain ASCII names, nearly all of them, are compared as bytes;
// any other name goes through the rule itself.
bool sameStem(std::string_view running, const QString& askedStem, const QByteArray& askedAscii)
{
    if (!isAscii(running)) return stemOf(QFile::decodeName(QByteArray(running.data(), qsizetype(running.size())))) == askedStem;
    if (askedAscii.isEmpty()) return false;  // an ASCII name has an ASCII stem
    const auto sep = running.find_last_of("\\/");
    if (sep != std::string_view::npos) running.remove_prefix(sep + 1);
    if (running.size() >= 4) {
        const std::string_view ext = running.substr(running.size() - 4);
        if (ext[0] == '.' && upperAscii(ext[1]) == 'E' && upperAscii(ext[2]) == 'X' && upperAscii(ext[3]) == 'E')
            running.remove_suffix(4);
    }
    if (qsizetype(running.size()) != askedAscii.size()) return false;
    for (size_t i = 0; i < running.size(); ++i)
        if (upperAscii(running[i]) != askedAscii[qsizetype(i)]) return false;
    return true;
}
}  // namespace

void setProcessListForTests(std::function<QStringList()> l) { lister() = std::move(l); }

bool sameProgramName(const QString& running, const QString& asked)
{
    const QString a = stemOf(asked);
    // A name of one or two letters ("X", "sh") says too little to be one of
    // ours.
    return a.size() > 2 && stemOf(running) == a;
}
}  // namespace common

bool uIsProcessRunning(const QString& name)
{
    const QString asked = common::stemOf(name);
    if (asked.size() <= 2) return false;  // see sameProgramName
    bool ascii = true;
    for (const QChar c : asked) ascii = ascii && c.unicode() < 0x80;
    const QByteArray askedAscii = ascii ? asked.toLatin1() : QByteArray();
    const auto matches = [&](std::string_view running) { return common::sameStem(running, asked, askedAscii); };
    if (common::lister()) {
        for (const QString& d : common::lister()()) {
            const QByteArray bytes = QFile::encodeName(d);
            if (matches(std::string_view(bytes.constData(), size_t(bytes.size())))) return true;
        }
        return false;
    }
    bool found = false;
    plat::forEachProcessName([&](std::string_view running) {
        found = matches(running);
        return !found;
    });
    return found;
}
