#include "platform/instancelock.h"

#include "platform/paths.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace plat {

InstanceLock::InstanceLock(const QString& path)
{
    fd_ = ::open(QFile::encodeName(toHost(path)).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Held;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
    ::close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace plat
