#include "platform/proclist.h"

#include "platform/procscan.h"

#include <QAbstractEventDispatcher>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <string>
#include <vector>
#include <unistd.h>

namespace plat {
namespace {
QString fromBytes(std::string_view s) { return QFile::decodeName(QByteArray(s.data(), static_cast<qsizetype>(s.size()))); }
}  // namespace

bool forEachProcess(const std::function<bool(const RunningProcess&)>& visit)
{
    return procscan::forEachProcess([&](const procscan::Process& p) {
        RunningProcess r;
        r.pid = p.pid;
        r.name = fromBytes(p.name);
        r.exePath = fromBytes(p.exe);
        return visit(r);
    });
}

bool forEachProcessName(const std::function<bool(std::string_view name)>& visit)
{
    return procscan::forEachProcess([&](const procscan::Process& p) { return visit(p.name); });
}

QList<RunningProcess> runningProcesses()
{
    QList<RunningProcess> out;
    forEachProcess([&](const RunningProcess& p) {
        out << p;
        return true;
    });
    return out;
}

namespace {

// A plain file: the kernel knows whether anyone has it open. A write lease is
// granted only while no other descriptor of the file is open (or mapped)
// anywhere, so taking one and letting it go at once answers without reading
// every process's descriptors. nullopt when a lease cannot tell (not a plain
// file, not ours to lease, leases not supported here).
std::optional<bool> plainFileHeldOpen(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) return std::nullopt;
    std::optional<bool> held;
    // Someone opening the file in the moment the lease is held would signal
    // this process: with a signal that does nothing by default.
    if (::fcntl(fd, F_SETSIG, SIGURG) == 0) {
        if (::fcntl(fd, F_SETLEASE, F_WRLCK) == 0) {
            ::fcntl(fd, F_SETLEASE, F_UNLCK);
            held = false;
        } else if (errno == EAGAIN) {
            held = true;
        }
    }
    ::close(fd);
    return held;
}

}  // namespace

struct OpenFilesReading::Data {
    bool read = false;
    std::vector<std::string> targets;  // every open file's path
    QMetaObject::Connection waiting;   // drops the reading when the event loop waits
};

namespace {
thread_local OpenFilesReading::Data* currentReading = nullptr;

bool heldOpenUnder(std::string_view path)
{
    OpenFilesReading::Data* r = currentReading;
    if (!r) return procscan::heldOpenUnder(path);
    if (!r->read) {
        procscan::forEachOpenFile([&](std::string_view t) {
            r->targets.emplace_back(t);
            return true;
        });
        r->read = true;
    }
    for (const std::string& t : r->targets)
        if (procscan::isAtOrBelow(t, path)) return true;
    return false;
}
}  // namespace

OpenFilesReading::OpenFilesReading()
{
    if (currentReading) return;
    data_ = std::make_unique<Data>();
    currentReading = data_.get();
    if (QAbstractEventDispatcher* events = QAbstractEventDispatcher::instance()) {
        Data* d = data_.get();
        data_->waiting = QObject::connect(events, &QAbstractEventDispatcher::aboutToBlock, [d] {
            d->read = false;
            d->targets.clear();
        });
    }
}

OpenFilesReading::~OpenFilesReading()
{
    if (!data_) return;
    QObject::disconnect(data_->waiting);
    currentReading = nullptr;
}

bool hostPathHeldOpen(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty()) return false;  // absent
    const QByteArray bytes = QFile::encodeName(canonical);
    if (info.isFile())
        if (const std::optional<bool> held = plainFileHeldOpen(bytes)) return *held;
    return heldOpenUnder(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace plat
