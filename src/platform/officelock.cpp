#include "platform/officelock.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {
const QString kLockPrefix = QStringLiteral(".~lock.");

// ".~lock.<anything>#", letter case aside.
bool isLockName(const char* name)
{
    const size_t n = std::strlen(name);
    return n >= 8 && ::strncasecmp(name, ".~lock.", 7) == 0 && name[n - 1] == '#';
}

// Whether a lock file (anything but a folder, a link followed) lies in the
// open folder or in one of its folders below (links to folders are not
// followed). One pass over each listing, the types taken from it.
bool lockUnder(int dirFd)
{
    DIR* d = ::fdopendir(dirFd);
    if (!d) {
        ::close(dirFd);
        return false;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> guard(d, &::closedir);
    const int at = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        const char* name = e->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
        unsigned char type = e->d_type;
        struct stat st {};
        if (type == DT_UNKNOWN && ::fstatat(at, name, &st, AT_SYMLINK_NOFOLLOW) == 0)
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
        if (type == DT_DIR) {
            const int sub = ::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0 && lockUnder(sub)) return true;
            continue;
        }
        if (!isLockName(name)) continue;
        // A link counts unless it leads to a folder.
        if (type == DT_LNK && ::fstatat(at, name, &st, 0) == 0 && S_ISDIR(st.st_mode)) continue;
        return true;
    }
    return false;
}
}  // namespace

QString officeLockName(const QString& fileName) { return kLockPrefix + fileName + QLatin1Char('#'); }

bool officeLockHeld(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (info.isFile()) return QFileInfo::exists(info.absolutePath() + QLatin1Char('/') + officeLockName(info.fileName()));
    if (!info.isDir()) return false;
    const int fd = ::open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 && lockUnder(fd);
}

}  // namespace plat
