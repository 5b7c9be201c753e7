#include "platform/archive.h"

#include "platform/filesystem.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <unistd.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace plat {

namespace fs = plat::fs;

ToolRun runToolAndWait(const QString& program, const QStringList& args, int timeoutMs)
{
    ToolRun run;
    const QString host = toHost(program);
    const QFileInfo fi(host);
    if (!fi.isFile() || !fi.isExecutable()) return run;

    QProcess p;
    p.setProgram(host);
    p.setArguments(args);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) loop.quit();
    });
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    p.start();
    if (!p.waitForStarted(10000)) return run;
    if (timeoutMs >= 0) limit.start(timeoutMs);
    if (p.state() != QProcess::NotRunning) loop.exec();
    if (timedOut && p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(5000);
        run.status = ToolRun::Status::TimedOut;
        return run;
    }
    if (p.state() != QProcess::NotRunning) p.waitForFinished(-1);
    if (p.exitStatus() == QProcess::CrashExit) {
        run.status = ToolRun::Status::Crashed;
        return run;
    }
    run.status = ToolRun::Status::Ended;
    run.exitCode = p.exitCode();
    return run;
}

namespace {

// libarchive turns entry names into the character set of the calling
// thread's locale. Started without a UTF-8 locale (LANG unset, "C"), names
// such as "空.txt" would not convert and a sound archive would read as
// lacking them; the reading therefore runs under a UTF-8 character type.
class Utf8CharacterType {
public:
    Utf8CharacterType() : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr))
    {
        if (utf8_) previous_ = uselocale(utf8_);
    }
    ~Utf8CharacterType()
    {
        if (!utf8_) return;
        uselocale(previous_);
        freelocale(utf8_);
    }
    Utf8CharacterType(const Utf8CharacterType&) = delete;
    Utf8CharacterType& operator=(const Utf8CharacterType&) = delete;

private:
    locale_t utf8_;
    locale_t previous_ = nullptr;
};

QString entryName(archive_entry* e)
{
    const char* n8 = archive_entry_pathname_utf8(e);
    QString name = n8 ? QString::fromUtf8(n8) : QString::fromLocal8Bit(archive_entry_pathname(e));
    // Archivers on Windows may separate with "\"; where "/" separates, a
    // "\" is part of a file name and stays.
    if (!name.contains('/')) name.replace('\\', '/');
    return name;
}

}  // namespace

namespace {

// Every format libarchive reads, except the streaming ZIP reader: it takes
// a ZIP without its central directory (cut short at its end), which
// ordinary ZIP tools cannot open. The seekable reader works from the
// central directory and refuses such an archive.
void supportWholeArchives(archive* a)
{
    archive_read_support_format_zip_seekable(a);
    archive_read_support_format_7zip(a);
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    archive_read_support_format_tar(a);
    archive_read_support_format_cpio(a);
    archive_read_support_format_cab(a);
    archive_read_support_format_lha(a);
    archive_read_support_format_iso9660(a);
    archive_read_support_format_xar(a);
    archive_read_support_filter_all(a);
}

// Reads one entry's data to its end; compares it with `source` when that is
// open. Returns the libarchive status of the last read.
int readEntryData(archive* a, QFile* source, qint64* total, bool* same)
{
    static thread_local QByteArray theirs;
    const void* buf = nullptr;
    size_t len = 0;
    la_int64_t off = 0;
    int d;
    *same = true;
    while ((d = archive_read_data_block(a, &buf, &len, &off)) == ARCHIVE_OK) {
        if (source && *same) {
            // Sparse entries leave holes: the offsets must follow on.
            if (off != *total) *same = false;
            if (theirs.size() < qsizetype(len)) theirs.resize(qsizetype(len));
            if (*same && source->read(theirs.data(), qint64(len)) != qint64(len)) *same = false;
            if (*same && std::memcmp(theirs.constData(), buf, len) != 0) *same = false;
        }
        *total = qMax<qint64>(*total, off + qint64(len));
    }
    if (source && *same && !source->atEnd()) *same = false;
    return d;
}

}  // namespace

std::optional<QList<ArchiveEntry>> listArchive(const QString& path, QString* error,
                                               const std::function<QByteArray(const QString& name)>& sourceOf)
{
    const Utf8CharacterType utf8;
    const QString host = path.contains('\\') ? toHost(path) : path;
    auto failWith = [&](const QString& why) -> std::optional<QList<ArchiveEntry>> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (!QFileInfo(host).isFile()) return failWith(QStringLiteral("archive missing"));

    archive* a = archive_read_new();
    supportWholeArchives(a);
    archive_read_set_options(a, "hdrcharset=UTF-8");
    const QByteArray local = QFile::encodeName(host);
    if (archive_read_open_filename(a, local.constData(), 1 << 16) != ARCHIVE_OK) {
        const QString why = QString::fromUtf8(archive_error_string(a));
        archive_read_free(a);
        return failWith(why);
    }
    QList<ArchiveEntry> out;
    archive_entry* e = nullptr;
    int r;
    QString why;
    while ((r = archive_read_next_header(a, &e)) == ARCHIVE_OK || r == ARCHIVE_WARN) {
        ArchiveEntry entry;
        entry.name = entryName(e);
        entry.folder = archive_entry_filetype(e) == AE_IFDIR || entry.name.endsWith('/');
        const qint64 declared = archive_entry_size_is_set(e) ? archive_entry_size(e) : -1;
        const QByteArray sourcePath = entry.folder || !sourceOf ? QByteArray() : sourceOf(entry.name);
        const bool compare = !sourcePath.isEmpty();
        QFile source;
        const int fd = compare ? ::open(sourcePath.constData(), O_RDONLY | O_CLOEXEC) : -1;
        const bool opened = fd >= 0 && source.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        if (fd >= 0 && !opened) ::close(fd);
        qint64 total = 0;
        bool same = true;
        // Every entry's data is read: the reader checks it against the
        // checksum the archive holds for it.
        const int d = readEntryData(a, opened ? &source : nullptr, &total, &same);
        if (d != ARCHIVE_EOF) {
            why = entry.name + QStringLiteral(": ") + QString::fromUtf8(archive_error_string(a));
            r = ARCHIVE_FATAL;
            break;
        }
        if (declared >= 0 && declared != total && !entry.folder) {
            why = entry.name + QStringLiteral(": size in the header differs from its data");
            r = ARCHIVE_FATAL;
            break;
        }
        entry.size = total;
        if (compare)
            entry.content = !opened ? ArchiveEntry::Content::SourceUnreadable
                            : same  ? ArchiveEntry::Content::Same
                                    : ArchiveEntry::Content::Differs;
        out << entry;
    }
    if (r != ARCHIVE_EOF && why.isEmpty()) why = QString::fromUtf8(archive_error_string(a));
    archive_read_free(a);
    if (r != ARCHIVE_EOF) return failWith(why.isEmpty() ? QStringLiteral("archive damaged") : why);
    return out;
}

bool copyArchiveWithout(const QString& from, const QString& to, const QStringList& dropped, QString* error)
{
    const Utf8CharacterType utf8;
    archive* in = archive_read_new();
    supportWholeArchives(in);
    archive_read_set_options(in, "hdrcharset=UTF-8");
    archive* out = archive_write_new();
    archive_write_set_format_zip(out);
    archive_write_set_options(out, "zip:hdrcharset=UTF-8");
    QString why;
    if (archive_read_open_filename(in, QFile::encodeName(from).constData(), 1 << 16) != ARCHIVE_OK)
        why = from + QStringLiteral(": ") + QString::fromUtf8(archive_error_string(in));
    else if (archive_write_open_filename(out, QFile::encodeName(to).constData()) != ARCHIVE_OK)
        why = to + QStringLiteral(": ") + QString::fromUtf8(archive_error_string(out));
    QByteArray buf(1 << 16, Qt::Uninitialized);
    archive_entry* e = nullptr;
    int r = ARCHIVE_FATAL;
    while (why.isEmpty() && (r = archive_read_next_header(in, &e)) == ARCHIVE_OK) {
        const QString name = entryName(e);
        if (std::any_of(dropped.begin(), dropped.end(), [&](const QString& d) { return name.startsWith(d); })) continue;
        if (archive_write_header(out, e) != ARCHIVE_OK) {
            why = name + QStringLiteral(": ") + QString::fromUtf8(archive_error_string(out));
            break;
        }
        la_ssize_t n;
        while ((n = archive_read_data(in, buf.data(), size_t(buf.size()))) > 0)
            if (archive_write_data(out, buf.constData(), size_t(n)) != n) {
                why = name + QStringLiteral(": ") + QString::fromUtf8(archive_error_string(out));
                break;
            }
        if (why.isEmpty() && n < 0) why = name + QStringLiteral(": ") + QString::fromUtf8(archive_error_string(in));
    }
    if (why.isEmpty() && r != ARCHIVE_EOF) why = from + QStringLiteral(": ") + QString::fromUtf8(archive_error_string(in));
    if (archive_write_close(out) != ARCHIVE_OK && why.isEmpty())
        why = to + QStringLiteral(": ") + QString::fromUtf8(archive_error_string(out));
    archive_write_free(out);
    archive_read_free(in);
    if (why.isEmpty()) return true;
    if (error) *error = why;
    QFile::remove(to);
    return false;
}

namespace {
void walk(const QByteArray& root, const QByteArray& relative, QList<QByteArray>& out)
{
    DIR* d = ::opendir((relative.isEmpty() ? root : root + '/' + relative).constData());
    if (!d) return;
    while (dirent* e = ::readdir(d)) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..") continue;
        const QByteArray rel = relative.isEmpty() ? name : relative + '/' + name;
        struct stat st{};
        if (::lstat((root + '/' + rel).constData(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode))
            walk(root, rel, out);
        else if (S_ISREG(st.st_mode))
            out << rel;
    }
    ::closedir(d);
}
}  // namespace

QList<QByteArray> filesBelow(const QString& hostFolder)
{
    QList<QByteArray> out;
    walk(QFile::encodeName(hostFolder), QByteArray(), out);
    return out;
}

namespace {
constexpr qint64 kPiece = 1 << 20;

QString why(const QFile& f) { return f.errorString(); }
}  // namespace

bool copyFileVerified(const QString& source, const QString& target, const std::function<void(int)>& progress,
                      QString* error)
{
    auto failWith = [&](const QString& text) {
        if (error) *error = text;
        QFile::remove(target);
        return false;
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error) *error = why(in);
        return false;  // the target was never touched
    }
    const qint64 total = in.size();
    QFile::remove(target);
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return failWith(why(out));

    // The bytes go through the file service's own copy (the kernel's copy
    // where it can); what reached the disk is then compared with the source.
    auto percent = [&](qint64 done) {
        if (progress) progress(total > 0 ? int(100 - ((total - done) * 100) / total) : 100);
    };
    bool sourceFailed = false;
    if (const int e = fs::copyOpenFile(in.handle(), out.handle(), total, &sourceFailed, percent); e != 0) {
        const QString reason = fs::reasonForError(e);
        return failWith(sourceFailed ? source + QStringLiteral(": ") + reason : reason);
    }
    if (total == 0 && progress) progress(100);
    if (::fsync(out.handle()) != 0) return failWith(fs::reasonForError(errno));
    out.close();
    if (out.error() != QFileDevice::NoError) return failWith(why(out));

    // Read back piece by piece beside the source: every byte compared.
    QFile again(source);
    QFile back(target);
    if (!again.open(QIODevice::ReadOnly)) return failWith(why(again));
    if (!back.open(QIODevice::ReadOnly)) return failWith(why(back));
    if (again.size() != total) return failWith(QStringLiteral("source changed while copying"));
    if (back.size() != total) return failWith(QStringLiteral("size differs after copying"));
    QByteArray sent(kPiece, Qt::Uninitialized);
    QByteArray got(kPiece, Qt::Uninitialized);
    for (qint64 done = 0; done < total;) {
        const qint64 want = qMin(kPiece, total - done);
        const qint64 a = again.read(sent.data(), want);
        if (a < 0) return failWith(why(again));
        if (a != want) return failWith(QStringLiteral("source changed while copying"));
        const qint64 b = back.read(got.data(), want);
        if (b < 0) return failWith(why(back));
        if (b != want) return failWith(QStringLiteral("size differs after copying"));
        if (std::memcmp(sent.constData(), got.constData(), size_t(want)) != 0)
            return failWith(QStringLiteral("content differs after copying"));
        done += want;
    }
    return true;
}

bool folderWritable(const QString& folder)
{
    const QFileInfo fi(folder);
    if (!fi.isDir() || !(fi.permissions() & QFileDevice::WriteOwner)) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".corvanth-probe-XXXXXX")));
    return probe.open();
}

bool renameOver(const QString& from, const QString& to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace plat
