#include "platform/textfile.h"

#include "platform/gbktable.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

std::optional<QByteArray> encode936(const QString& text)
{
    QStringEncoder enc("GBK", QStringConverter::Flag::Stateless);
    if (!enc.isValid()) return std::nullopt;
    QByteArray out = enc.encode(text);
    if (enc.hasError()) return std::nullopt;
    // ICU substitutes unmappable characters instead of flagging them: the
    // round trip tells.
    QStringDecoder dec("GBK", QStringConverter::Flag::Stateless);
    if (QString(dec.decode(out)) != text) return std::nullopt;
    return out;
}

namespace {

// ASCII and the table's two-byte characters, decoded as the converter
// decodes them; nothing when the text holds anything else (the converter
// then decides, with its rules for broken sequences).
std::optional<QString> decodeCommon936(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out[n++] = QChar(c);
            continue;
        }
        if (i + 1 >= bytes.size()) return std::nullopt;
        const char16_t u = detail::gbkPair(c, static_cast<unsigned char>(bytes[i + 1]));
        if (!u) return std::nullopt;
        out[n++] = QChar(u);
        ++i;
    }
    out.truncate(n);
    return out;
}

}  // namespace

QString decode936(const QByteArray& bytes)
{
    if (auto common = decodeCommon936(bytes)) return *std::move(common);
    QStringDecoder dec("GBK", QStringConverter::Flag::Stateless);
    if (!dec.isValid()) return QString::fromLatin1(bytes);
    QByteArray body = bytes;
    bool truncated = false;
    // A lead byte (0x81..0xFE) at the very end has lost its trail byte.
    int lead = 0;
    for (int i = 0; i < body.size(); ++i) {
        const auto c = static_cast<unsigned char>(body[i]);
        if (c >= 0x81 && c <= 0xFE) {
            ++i;  // skip the trail byte
            if (i >= body.size()) lead = 1;
        }
    }
    if (lead) {
        body.chop(1);
        truncated = true;
    }
    QString s = dec.decode(body);
    if (truncated) s += QChar(QChar::ReplacementCharacter);
    return s;
}

bool fitsCodePage936(const QString& text) { return encode936(text).has_value(); }

QList<QByteArray> splitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    QByteArray cur;
    bool open = false;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            lines.append(cur);
            cur.clear();
            open = false;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            cur.append(c);
            open = true;
        }
    }
    if (open) lines.append(cur);
    return lines;
}

bool readWholeFile(const QString& path, QByteArray* out, qint64 maxBytes)
{
    QFile f(toHost(path));
    if (!f.open(QIODevice::ReadOnly)) return false;
    if (maxBytes < 0) {
        *out = f.readAll();
        return f.error() == QFile::NoError;
    }
    // One byte more than allowed tells a file that is too large, whatever
    // its size claims (a pipe, a file still growing).
    QByteArray bytes = f.read(maxBytes + 1);
    if (f.error() != QFile::NoError || bytes.size() > maxBytes) return false;
    *out = std::move(bytes);
    return true;
}

bool fileLargerThan(const QString& path, qint64 maxBytes)
{
    QFile f(toHost(path));
    if (!f.open(QIODevice::ReadOnly)) return false;
    return f.read(maxBytes + 1).size() > maxBytes;
}

bool writeWholeFileAtomic(const QString& path, const QByteArray& bytes, Durability durability)
{
    // By hand rather than with QSaveFile, which can report a commit as done
    // after its last buffered write failed on a full volume. Every write, the
    // flush to the disk and the size are checked before the new file takes
    // the old one's place; on any failure the old file stays as it was.
    const QString host = toHost(path);
    const QFileInfo target(host);
    const QByteArray finalName = QFile::encodeName(host);
    QByteArray temp = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName()) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = true;
    struct stat old {};
    ::fchmod(fd, ::stat(finalName.constData(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) done += n;
        else if (n < 0 && errno == EINTR) continue;
        else ok = false;
    }
    const bool durable = durability == Durability::Durable;
    struct stat written {};
    ok = ok && (!durable || ::fsync(fd) == 0) && ::fstat(fd, &written) == 0 && written.st_size == bytes.size();
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), finalName.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    if (!durable) return true;
    // The rename itself reaches the disk with its folder.
    const int dir = ::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

std::optional<QStringList> readLines936(const QString& path, qint64 maxBytes)
{
    QByteArray bytes;
    if (!readWholeFile(path, &bytes, maxBytes)) return std::nullopt;
    QStringList out;
    for (const QByteArray& l : splitLines(bytes)) out << decode936(l);
    return out;
}

bool writeText936(const QString& path, const QString& text, Durability durability)
{
    auto bytes = encode936(text);
    if (!bytes) return false;
    bytes->append("\r\n");
    return writeWholeFileAtomic(path, *bytes, durability);
}

}  // namespace plat

bool uWriteTextFile(const QString& rel, const QString& text)
{
    return plat::writeText936(plat::appPath(rel), text);
}

std::optional<QString> uReadTextLine(const QString& rel, int n)
{
    const auto lines = plat::readLines936(plat::appPath(rel), plat::kHandOverMaxBytes);
    if (!lines || n < 1 || n > lines->size()) return std::nullopt;
    return lines->at(n - 1);
}

QString uReadLastLine(const QString& rel)
{
    const auto lines = plat::readLines936(plat::appPath(rel), plat::kHandOverMaxBytes);
    if (!lines || lines->isEmpty()) return QString();
    return lines->last();
}
