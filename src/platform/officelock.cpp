#include "platform/officelock.h"

#include "platform/proclist.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUrl>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace plat {

namespace {

const QString kLockPrefix = QStringLiteral(".~lock.");

std::optional<QList<OfficeProcess>> fakeProcesses;

// The office suite's own processes (the launcher and the program proper).
bool isOfficeProgram(const QString& name)
{
    static const QStringList kNames = {QStringLiteral("soffice.bin"), QStringLiteral("soffice"),
                                       QStringLiteral("soffice.exe"), QStringLiteral("oosplash"),
                                       QStringLiteral("libreoffice")};
    return kNames.contains(name, Qt::CaseInsensitive);
}

QString profileArgument(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray prefix = "-env:UserInstallation=";
    for (const QByteArray& arg : f.readAll().split('\0')) {
        const QByteArray a = arg.startsWith("--") ? arg.mid(1) : arg;
        if (a.startsWith(prefix)) return QString::fromUtf8(a.mid(prefix.size()));
    }
    return {};
}

// The fields of a lock file: separated by ',', ended by ';', with '\'
// escaping the next character.
QStringList lockFields(const QString& text)
{
    QStringList fields{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size()) fields.last() += text.at(++i);
        else if (c == QLatin1Char(',')) fields << QString();
        else if (c == QLatin1Char(';')) return fields;
        else fields.last() += c;
    }
    return {};  // never ended: written half, or not a lock file
}

QString shortHost(const QString& host) { return host.section(QLatin1Char('.'), 0, 0).toLower(); }

bool sameProfile(const QString& a, const QString& b)
{
    const auto norm = [](const QString& u) {
        const QUrl url(u);
        if (url.isLocalFile()) return QDir::cleanPath(url.toLocalFile());
        return url.adjusted(QUrl::StripTrailingSlash | QUrl::NormalizePathSegments).toString();
    };
    return norm(a) == norm(b);
}

std::optional<uint> uidOf(const QString& user)
{
    if (user.isEmpty()) return std::nullopt;
    const QByteArray name = user.toLocal8Bit();
    struct passwd pw {};
    struct passwd* found = nullptr;
    std::vector<char> buf(16384);
    if (::getpwnam_r(name.constData(), &pw, buf.data(), buf.size(), &found) != 0 || !found) return std::nullopt;
    return found->pw_uid;
}

bool liveAgainst(const QString& lockHostPath, const QList<OfficeProcess>& running)
{
    if (running.isEmpty()) return false;  // nobody left who could hold it
    const std::optional<OfficeLockOwner> owner = readOfficeLock(lockHostPath);
    if (!owner) return true;  // unreadable: any office program may hold it
    if (!owner->host.isEmpty() && shortHost(owner->host) != shortHost(QSysInfo::machineHostName())) return true;
    const std::optional<uint> uid = uidOf(owner->user);
    for (const OfficeProcess& p : running) {
        if (uid && p.uid != *uid) continue;
        // A program started with a profile of its own holds only the locks of
        // that profile; one on the default profile (or a profile given with
        // a path variable) may hold any lock of its user.
        if (p.profileUrl.isEmpty() || p.profileUrl.contains(QLatin1Char('$')) || owner->profileUrl.isEmpty() ||
            sameProfile(p.profileUrl, owner->profileUrl))
            return true;
    }
    return false;
}

// The lock files beside the file, or under the folder.
QStringList locksAt(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (info.isFile()) {
        const QString lock = info.absolutePath() + QLatin1Char('/') + officeLockName(info.fileName());
        return QFileInfo::exists(lock) ? QStringList{lock} : QStringList{};
    }
    QStringList out;
    if (!info.isDir()) return out;
    QDirIterator it(hostPath, {kLockPrefix + QStringLiteral("*#")}, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) out << it.next();
    return out;
}

}  // namespace

QString officeLockName(const QString& fileName) { return kLockPrefix + fileName + QLatin1Char('#'); }

std::optional<OfficeLockOwner> readOfficeLock(const QString& lockHostPath)
{
    QFile f(lockHostPath);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QStringList fields = lockFields(QString::fromUtf8(f.read(64 * 1024)));
    if (fields.size() < 5) return std::nullopt;
    return OfficeLockOwner{fields[1], fields[2], fields[4]};
}

QList<OfficeProcess> runningOfficeProcesses()
{
    if (fakeProcesses) return *fakeProcesses;
    QList<OfficeProcess> out;
    forEachProcess([&](const RunningProcess& p) {
        if (!isOfficeProgram(p.name)) return true;
        struct stat st {};
        if (::stat(QStringLiteral("/proc/%1").arg(p.pid).toLocal8Bit().constData(), &st) != 0) return true;  // gone
        out << OfficeProcess{st.st_uid, profileArgument(p.pid)};
        return true;
    });
    return out;
}

void setOfficeProcessesForTests(std::optional<QList<OfficeProcess>> processes) { fakeProcesses = std::move(processes); }

bool officeLockLive(const QString& lockHostPath) { return liveAgainst(lockHostPath, runningOfficeProcesses()); }

namespace {

// The lock files beside the file or under the folder, parted into those that
// count (their program still runs) and the stale ones.
struct LockSplit {
    QStringList live, stale;
};

LockSplit splitLocks(const QString& hostPath)
{
    LockSplit out;
    const QStringList locks = locksAt(hostPath);
    if (locks.isEmpty()) return out;
    const QList<OfficeProcess> running = runningOfficeProcesses();
    for (const QString& lock : locks) (liveAgainst(lock, running) ? out.live : out.stale) << lock;
    return out;
}

}  // namespace

bool officeLockHeld(const QString& hostPath) { return !splitLocks(hostPath).live.isEmpty(); }

QStringList staleOfficeLocks(const QString& hostPath) { return splitLocks(hostPath).stale; }

OfficeLockSweep removeStaleOfficeLocks(const QString& hostPath)
{
    const LockSplit locks = splitLocks(hostPath);
    OfficeLockSweep out;
    out.held = !locks.live.isEmpty();
    for (const QString& lock : locks.stale)
        if (!QFile::remove(lock)) out.kept << lock;
    return out;
}

}  // namespace plat
