#include "platform/filesystem.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <atomic>
#include <functional>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcFs, "corvanth.fs", QtWarningMsg)

namespace plat::fs {

QString Status::describe() const
{
    if (path_.isEmpty()) return reason_;
    const QString where = plat::displayPath(path_);
    return reason_.isEmpty() ? where : where + QStringLiteral("（") + reason_ + QStringLiteral("）");
}

void ignoreFailure(const Status& s, const char* why)
{
    if (!s.ok()) qCInfo(lcFs) << "going on after" << s.describe() << "failures:" << s.failures() << "-" << why;
}

void PrintTo(const Status& s, std::ostream* os)
{
    static const char* const names[] = {"Ok", "NotFound", "Failed"};
    *os << names[s.code()];
    if (!s.path().isEmpty() || !s.reason().isEmpty())
        *os << " (" << s.path().toStdString() << ": " << s.reason().toStdString() << ", " << s.failures() << ")";
}

namespace {

// Reasons in the student's words.
const QString kReadOnly = QStringLiteral("文件只读");
const QString kIsFolder = QStringLiteral("同名文件夹已存在");
const QString kNotFolder = QStringLiteral("同名文件已存在");
const QString kIntoItself = QStringLiteral("不能复制到自身之中");
const QString kExists = QStringLiteral("已存在");
const QString kMissing = QStringLiteral("找不到");
const QString kNotPlain = QStringLiteral("不是普通文件");

QString reasonFor(int err)
{
    switch (err) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("磁盘空间不足");
    case EACCES:
    case EPERM: return QStringLiteral("没有权限");
    case EROFS: return QStringLiteral("磁盘只读");
    case ENOENT:
    case ENOTDIR: return kMissing;
    case EBUSY:
    case ETXTBSY: return QStringLiteral("正在使用");
    case EIO: return QStringLiteral("读写错误");
    case ENAMETOOLONG: return QStringLiteral("名称太长");
    case EEXIST: return kExists;
    case EISDIR: return kIsFolder;
    case EFBIG: return QStringLiteral("文件太大");
    default: return QStringLiteral("系统错误 %1（%2）").arg(err).arg(QString::fromLocal8Bit(std::strerror(err)));
    }
}

// What a walk over many entries gathers: the first failure and how many.
struct Outcome {
    Status::Code code = Status::Ok;
    QString path;
    QString reason;
    int failures = 0;

    void fail(const QString& where, const QString& why, Status::Code c = Status::Failed)
    {
        if (failures++ == 0) {
            code = c;
            path = where;
            reason = why;
        }
    }
    Status status() const { return failures ? Status(code, path, reason, failures) : Status(Status::Ok); }
};

bool endsWithSep(const QString& p) { return p.endsWith('\\') || p.endsWith('/'); }

QString host(const QString& p)
{
    QString h = toHost(p);
    while (h.size() > 1 && h.endsWith('/')) h.chop(1);
    return h;
}

// A platform path without its trailing separators, for naming entries below.
QString plain(const QString& p)
{
    QString s = p;
    while (s.size() > 1 && endsWithSep(s)) s.chop(1);
    return s;
}

QString child(const QString& platFolder, const char* name) { return platFolder + '\\' + QFile::decodeName(name); }

// A folder itself, not a link to one: one look-up of the entry.
bool hostIsDir(const QString& h)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(h).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool readOnlyHost(const QString& h)
{
    const QFileInfo fi(h);
    return fi.exists() && !(fi.permissions() & QFileDevice::WriteOwner);
}

bool dotOrDotDot(const char* n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

// The type of a folder entry: as the listing gives it, else asked of the
// file system (a folder or not; DT_UNKNOWN when that fails too).
unsigned char entryType(int dirFd, const dirent* e)
{
    if (e->d_type != DT_UNKNOWN) return e->d_type;
    struct stat st {};
    if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return DT_UNKNOWN;
    return S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset()
    {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

int openDir(int at, const char* name) { return ::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC); }

// Calls visit(at, entry) for every entry of an open folder but "." and "..",
// in one pass over the listing (at: the folder, for the *at calls); takes
// over dirFd. Returns false, errno set, when the folder cannot be listed.
template <class Visit>
bool forEachEntryAt(int dirFd, Visit&& visit)
{
    DIR* d = ::fdopendir(dirFd);
    if (!d) {
        const int err = errno;
        ::close(dirFd);
        errno = err;
        return false;
    }
    std::unique_ptr<DIR, int (*)(DIR*)> guard(d, &::closedir);
    const int at = ::dirfd(d);
    while (const dirent* e = ::readdir(d))
        if (!dotOrDotDot(e->d_name)) visit(at, e);
    return true;
}

// The process's file-creation mask, read without changing it.
mode_t currentUmask()
{
    static const mode_t mask = [] {
        QFile f(QStringLiteral("/proc/self/status"));
        if (f.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : f.readAll().split('\n'))
                if (line.startsWith("Umask:")) return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
        return mode_t(07777);  // unknown: always set the mode explicitly
    }();
    return mask;
}

// Copies a file's bytes: the kernel's own copy first (the filesystem may
// clone or copy in place), large reads and writes where the kernel refuses
// (another filesystem, a source it cannot size). Returns 0 or an errno, with
// `readSide` telling whether the source was at fault.
class ByteCopier {
public:
    // `progress`, when given, hears the bytes copied so far after each piece
    // (the kernel copies in smaller pieces then, so that it moves).
    int copy(int in, int out, off_t size, bool* readSide, const std::function<void(qint64)>& progress = {})
    {
        *readSide = false;
        off_t done = 0;
        const size_t chunk = progress ? kProgressChunk : kKernelChunk;
        bool kernel = true;
        while (kernel) {
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, chunk, 0);
            if (n > 0) {
                done += n;
                if (progress) progress(done);
                continue;
            }
            if (n == 0) {
                if (done >= size && size > 0) return 0;
                break;  // nothing from the kernel: read on to the real end
            }
            if (errno == EINTR) continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL || errno == ETXTBSY ||
                errno == EBADF || errno == EPERM)
                break;
            return errno;
        }
        if (buffer_.empty()) buffer_.resize(kBuffer);
        for (;;) {
            const ssize_t n = ::read(in, buffer_.data(), buffer_.size());
            if (n == 0) return 0;
            if (n < 0) {
                if (errno == EINTR) continue;
                *readSide = true;
                return errno;
            }
            for (ssize_t off = 0; off < n;) {
                const ssize_t w = ::write(out, buffer_.data() + off, size_t(n - off));
                if (w < 0) {
                    if (errno == EINTR) continue;
                    return errno;
                }
                if (w == 0) return ENOSPC;
                off += w;
            }
            done += n;
            if (progress) progress(done);
        }
    }

    static constexpr size_t kKernelChunk = size_t(1) << 30;
    static constexpr size_t kProgressChunk = size_t(8) << 20;
    static constexpr size_t kBuffer = size_t(1) << 20;

private:
    std::vector<char> buffer_;
};

// A name beside the target that no listing shows and no other copy uses.
QByteArray temporaryName()
{
    static std::atomic<unsigned> counter{0};
    return ".~copy-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(counter++);
}

// Copies one file from (srcDir, srcName) to (dstDir, dstName). `targetMayExist`
// is false when the target folder was just made: no look-up is needed then.
// Failures are recorded in `out` under the platform paths given.
void copyFileAt(int srcDir, const char* srcName, int dstDir, const char* dstName, bool targetMayExist, ByteCopier& bytes,
                Outcome& out, const QString& srcPlat, const QString& dstPlat, bool missingIsNotFound)
{
    Fd in(::openat(srcDir, srcName, O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!in.valid()) {
        const int e = errno;
        out.fail(srcPlat, reasonFor(e), e == ENOENT && missingIsNotFound ? Status::NotFound : Status::Failed);
        return;
    }
    struct stat st {};
    if (::fstat(in.get(), &st) != 0) {
        out.fail(srcPlat, reasonFor(errno));
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        out.fail(srcPlat, kIsFolder, missingIsNotFound ? Status::NotFound : Status::Failed);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        out.fail(srcPlat, kNotPlain);
        return;
    }
    if (targetMayExist) {
        struct stat t {};
        if (::fstatat(dstDir, dstName, &t, 0) == 0) {
            if (S_ISDIR(t.st_mode)) return out.fail(dstPlat, kIsFolder);
            if (!(t.st_mode & S_IWUSR)) return out.fail(dstPlat, kReadOnly);
        }
    }
    // A copy is readable and writable for its owner, whatever the source was.
    const mode_t mode = (st.st_mode & 0777) | S_IRUSR | S_IWUSR;
    const QByteArray tmp = temporaryName();
    Fd o(::openat(dstDir, tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (!o.valid()) return out.fail(dstPlat, reasonFor(errno));
    bool readSide = false;
    int err = bytes.copy(in.get(), o.get(), st.st_size, &readSide);
    if (!err && (mode & currentUmask()) && ::fchmod(o.get(), mode) != 0) err = errno;
    if (::close(o.release()) != 0 && !err) err = errno;
    if (!err && ::renameat(dstDir, tmp.constData(), dstDir, dstName) != 0) err = errno;
    if (err) {
        ::unlinkat(dstDir, tmp.constData(), 0);
        out.fail(readSide ? srcPlat : dstPlat, reasonFor(err));
    }
}

// Copies everything in one open folder into another, in one pass over the
// listing; the entry types come from the listing itself.
void copyTreeAt(int srcFd, int dstFd, bool fresh, ByteCopier& bytes, Outcome& out, const QString& srcPlat,
                const QString& dstPlat)
{
    const bool listed = forEachEntryAt(srcFd, [&](int from, const dirent* e) {
        const char* name = e->d_name;
        const unsigned char type = entryType(from, e);
        if (type != DT_DIR) {
            copyFileAt(from, name, dstFd, name, !fresh, bytes, out, child(srcPlat, name), child(dstPlat, name), false);
            return;
        }
        bool made = ::mkdirat(dstFd, name, 0777) == 0;
        if (!made) {
            const int e2 = errno;
            struct stat t {};
            if (e2 != EEXIST || ::fstatat(dstFd, name, &t, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(t.st_mode)) {
                out.fail(child(dstPlat, name), e2 == EEXIST ? kNotFolder : reasonFor(e2));
                return;
            }
        }
        const int sub = openDir(from, name);
        if (sub < 0) {
            out.fail(child(srcPlat, name), reasonFor(errno));
            return;
        }
        Fd dsub(openDir(dstFd, name));
        if (!dsub.valid()) {
            out.fail(child(dstPlat, name), reasonFor(errno));
            ::close(sub);
            return;
        }
        copyTreeAt(sub, dsub.get(), made, bytes, out, child(srcPlat, name), child(dstPlat, name));
    });
    if (!listed) out.fail(srcPlat, reasonFor(errno));
}

// Deletes what an open folder holds, in one pass over the listing. Without
// force, read-only files stay (and so the folders that hold them). Returns
// whether everything went.
bool deleteContentsAt(int dirFd, bool force, Outcome& out, const QString& plat)
{
    // With force a write-protected folder gives up its protection too: what
    // it holds could not go otherwise.
    struct stat self {};
    if (force && ::fstat(dirFd, &self) == 0 && !(self.st_mode & S_IWUSR))
        ignoreFailure(::fchmod(dirFd, (self.st_mode | S_IWUSR) & 07777) == 0 ? Status() : Status(Status::Failed, plat, reasonFor(errno)),
                      "the deletes below say what stays");
    bool all = true;
    const bool listed = forEachEntryAt(dirFd, [&](int at, const dirent* e) {
        const char* name = e->d_name;
        const unsigned char type = entryType(at, e);
        if (type == DT_DIR) {
            const int sub = openDir(at, name);
            if (sub < 0) {
                out.fail(child(plat, name), reasonFor(errno));
                all = false;
                return;
            }
            if (!deleteContentsAt(sub, force, out, child(plat, name))) {
                all = false;
                return;
            }
            if (::unlinkat(at, name, AT_REMOVEDIR) != 0) {
                out.fail(child(plat, name), reasonFor(errno));
                all = false;
            }
            return;
        }
        if (!force) {
            // The read-only rule looks at what a link points to, as the
            // listing of the scripting object does.
            struct stat st {};
            if (::fstatat(at, name, &st, 0) == 0 && !(st.st_mode & S_IWUSR)) {
                out.fail(child(plat, name), kReadOnly);
                all = false;
                return;
            }
        }
        if (::unlinkat(at, name, 0) != 0) {
            out.fail(child(plat, name), reasonFor(errno));
            all = false;
        }
    });
    if (!listed) {
        out.fail(plat, reasonFor(errno));
        return false;
    }
    return all;
}

Status errnoStatus(const QString& plat) { return Status(Status::Failed, plain(plat), reasonFor(errno)); }

QDir::Filters visible(QDir::Filters f) { return f | QDir::NoDotAndDotDot; }

// Name patterns as the classic file dialogs read them: several separated by
// ";", and "*.*" for every file, with or without an extension.
QStringList nameFilters(const QString& pattern)
{
    QStringList out;
    for (QString p : pattern.split(';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
        if (!p.isEmpty()) out << p;
    }
    if (out.isEmpty()) out << QStringLiteral("*");
    return out;
}

}  // namespace

bool folderExists(const QString& path) { return hostIsDir(host(path)); }

bool fileExists(const QString& path)
{
    // A link counts as what it leads to.
    struct stat st {};
    return ::stat(QFile::encodeName(host(path)).constData(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool listedExists(const QString& path)
{
    const QString h = host(path);
    const QFileInfo fi(h);
    if (!fi.exists()) return false;
    return !fi.fileName().startsWith('.');
}

Status createFolder(const QString& path)
{
    const QString h = host(path);
    if (QFileInfo::exists(h)) return Status(Status::Failed, plain(path), kExists);
    return ::mkdir(QFile::encodeName(h).constData(), 0777) == 0 ? Status::Ok : errnoStatus(path);
}

Status makePath(const QString& path)
{
    const QString h = QFileInfo(host(path)).absoluteFilePath();
    if (hostIsDir(h)) return Status::Ok;
    // Walk down from the root: each missing folder is made in turn, so the
    // status names the one that could not be made.
    const QStringList parts = h.split('/', Qt::SkipEmptyParts);
    QString at;
    for (const QString& part : parts) {
        at += '/' + part;
        const QFileInfo fi(at);
        if (fi.isDir()) continue;
        if (fi.exists() || fi.isSymLink()) return Status(Status::Failed, at, kNotFolder);
        if (::mkdir(QFile::encodeName(at).constData(), 0777) == 0) continue;
        const int e = errno;
        if (e != EEXIST || !hostIsDir(at)) return Status(Status::Failed, at, reasonFor(e));
    }
    return Status::Ok;
}

// A target ending in a separator means "into this folder": the copy takes
// the source's name there. False (with the status) when that folder is missing.
static bool resolveTarget(const QString& src, const QString& to, QString& dst, QString& dstPlat, Status& missing)
{
    if (!endsWithSep(to)) return true;
    if (!hostIsDir(dst)) {
        missing = Status(Status::NotFound, dstPlat, kMissing);
        return false;
    }
    const QString name = QFileInfo(src).fileName();
    dst += '/' + name;
    dstPlat += '\\' + name;
    return true;
}

Status copyFolder(const QString& from, const QString& to)
{
    const QString src = host(from);
    if (!hostIsDir(src)) return Status(Status::NotFound, plain(from), kMissing);
    QString dst = host(to);
    QString dstPlat = plain(to);
    if (Status missing; !resolveTarget(src, to, dst, dstPlat, missing)) return missing;
    if (QFileInfo(dst).absoluteFilePath().startsWith(QFileInfo(src).absoluteFilePath() + '/'))
        return Status(Status::Failed, dstPlat, kIntoItself);  // a copy into itself would never end

    const QByteArray dstBytes = QFile::encodeName(dst);
    const bool made = ::mkdir(dstBytes.constData(), 0777) == 0;
    const int mkdirError = made ? 0 : errno;
    if (!made && (mkdirError != EEXIST || !hostIsDir(dst)))
        return Status(Status::Failed, dstPlat, mkdirError == EEXIST ? kNotFolder : reasonFor(mkdirError));
    const int srcFd = openDir(AT_FDCWD, QFile::encodeName(src).constData());
    if (srcFd < 0) return errnoStatus(from);
    Fd dstFd(openDir(AT_FDCWD, dstBytes.constData()));
    if (!dstFd.valid()) {
        const Status s = errnoStatus(dstPlat);
        ::close(srcFd);
        return s;
    }
    ByteCopier bytes;
    Outcome out;
    copyTreeAt(srcFd, dstFd.get(), made, bytes, out, plain(from), dstPlat);
    return out.status();
}

Status makeFolderFrom(const QString& from, const QString& to)
{
    const bool existed = folderExists(to);
    Status s = makePath(to);
    if (s.ok()) s = copyFolder(from, to);
    if (!s.ok() && !existed) ignoreFailure(deleteFolder(to, true), "the status names what failed");
    return s;
}

Status copyFile(const QString& from, const QString& to)
{
    const QString src = host(from);
    QString dst = host(to);
    QString dstPlat = plain(to);
    if (Status missing; !resolveTarget(src, to, dst, dstPlat, missing)) return missing;
    const QFileInfo target(dst);
    Fd dir(openDir(AT_FDCWD, QFile::encodeName(target.path()).constData()));
    if (!dir.valid()) {
        const int e = errno;
        // A source that is not there is what is missing, whatever the target.
        const QFileInfo s(src);
        if (!s.exists() || s.isDir()) return Status(Status::NotFound, plain(from), kMissing);
        return Status(Status::Failed, dstPlat, reasonFor(e));
    }
    ByteCopier bytes;
    Outcome out;
    copyFileAt(AT_FDCWD, QFile::encodeName(src).constData(), dir.get(), QFile::encodeName(target.fileName()).constData(),
               true, bytes, out, plain(from), dstPlat, true);
    return out.status();
}

Status deleteFolder(const QString& path, bool force)
{
    const QString h = host(path);
    if (!hostIsDir(h)) return Status(Status::NotFound, plain(path), kMissing);
    const QByteArray bytes = QFile::encodeName(h);
    const int fd = openDir(AT_FDCWD, bytes.constData());
    if (fd < 0) return errnoStatus(path);
    Outcome out;
    if (deleteContentsAt(fd, force, out, plain(path)) && ::rmdir(bytes.constData()) != 0)
        out.fail(plain(path), reasonFor(errno));
    return out.status();
}

Status deleteFile(const QString& path, bool force)
{
    const QString h = host(path);
    const QFileInfo fi(h);
    if (!fi.exists() || (fi.isDir() && !fi.isSymLink())) return Status(Status::NotFound, plain(path), kMissing);
    if (!force && readOnlyHost(h)) return Status(Status::Failed, plain(path), kReadOnly);
    return ::unlink(QFile::encodeName(h).constData()) == 0 ? Status::Ok : errnoStatus(path);
}

Status deleteFiles(const QString& folder, const QString& pattern, bool force)
{
    const QString h = host(folder);
    if (!hostIsDir(h)) return Status(Status::NotFound, plain(folder), kMissing);
    // Listed and deleted by the names' own bytes: a name that is no UTF-8
    // (unpacked from an archive made on Windows) goes as well.
    const int fd = openDir(AT_FDCWD, QFile::encodeName(h).constData());
    if (fd < 0) return errnoStatus(folder);
    std::vector<QByteArray> filters;
    for (const QString& f : nameFilters(pattern)) filters.push_back(f.toUtf8());
    const auto matches = [&filters](const char* name) {
        return std::any_of(filters.begin(), filters.end(),
                           [name](const QByteArray& f) { return ::fnmatch(f.constData(), name, FNM_CASEFOLD) == 0; });
    };
    Outcome out;
    bool any = false;
    const bool listed = forEachEntryAt(fd, [&](int at, const dirent* e) {
        const char* name = e->d_name;
        if (!matches(name)) return;
        // Files only, as a link leads (a link to a folder is no file).
        struct stat st {};
        const bool known = ::fstatat(at, name, &st, 0) == 0;
        if (known && S_ISDIR(st.st_mode)) return;
        const QString plat = child(plain(folder), name);
        if (!force && known && !(st.st_mode & S_IWUSR)) {
            out.fail(plat, kReadOnly);
            return;
        }
        if (::unlinkat(at, name, 0) != 0) out.fail(plat, reasonFor(errno));
        else any = true;
    });
    if (!listed) return errnoStatus(folder);
    if (out.failures) return out.status();
    return any ? Status(Status::Ok) : Status(Status::NotFound, plain(folder), kMissing);
}

Status rename(const QString& from, const QString& to)
{
    const QString a = host(from);
    const QString b = host(to);
    if (!QFileInfo::exists(a) && !QFileInfo(a).isSymLink()) return Status(Status::NotFound, plain(from), kMissing);
    if (QFileInfo::exists(b) || QFileInfo(b).isSymLink()) return Status(Status::Failed, plain(to), kExists);
    return std::rename(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0 ? Status::Ok
                                                                                                 : errnoStatus(from);
}

QStringList listFiles(const QString& folder, const QString& pattern)
{
    return QDir(host(folder)).entryList(nameFilters(pattern), visible(QDir::Files), QDir::Name | QDir::IgnoreCase);
}

QStringList listSubFolders(const QString& folder)
{
    QDir d(host(folder), QString(), QDir::Name | QDir::IgnoreCase, visible(QDir::Dirs));
    return d.entryList();
}

bool setReadOnly(const QString& path, bool readOnly)
{
    const QString h = host(path);
    auto p = QFile::permissions(h);
    const auto w = QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    p = readOnly ? (p & ~w) : (p | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return QFile::setPermissions(h, p);
}

bool isReadOnly(const QString& path) { return readOnlyHost(host(path)); }

QString reasonForError(int err) { return reasonFor(err); }

int copyOpenFile(int in, int out, qint64 size, bool* readSide, const std::function<void(qint64)>& progress)
{
    bool sourceFailed = false;
    const int e = ByteCopier().copy(in, out, off_t(size), &sourceFailed, progress);
    if (readSide) *readSide = sourceFailed;
    return e;
}

}  // namespace plat::fs
