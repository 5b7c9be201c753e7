#include "platform/filesystem.h"

#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace plat::fs {
namespace {

bool endsWithSep(const QString& p) { return p.endsWith('\\') || p.endsWith('/'); }

QString host(const QString& p)
{
    QString h = toHost(p);
    while (h.size() > 1 && h.endsWith('/')) h.chop(1);
    return h;
}

bool hostIsDir(const QString& h)
{
    const QFileInfo fi(h);
    return fi.exists() && fi.isDir() && !fi.isSymLink();
}

bool readOnlyHost(const QString& h)
{
    const QFileInfo fi(h);
    return fi.exists() && !(fi.permissions() & QFileDevice::WriteOwner);
}

Status copyFileHost(const QString& from, const QString& to)
{
    const QFileInfo src(from);
    if (!src.exists() || src.isDir()) return Status::NotFound;
    if (QFileInfo(to).isDir()) return Status::Failed;
    if (QFileInfo::exists(to)) {
        if (readOnlyHost(to)) return Status::Failed;
        if (!QFile::remove(to)) return Status::Failed;
    }
    if (!QFile::copy(from, to)) return Status::Failed;
    // A copy is writable, whatever the source was (the original is kept).
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    return Status::Ok;
}

Status copyTree(const QString& from, const QString& to)
{
    if (!QFileInfo(to).exists()) {
        if (!QDir().mkdir(to)) return Status::Failed;
    } else if (!hostIsDir(to)) {
        return Status::Failed;
    }
    Status result = Status::Ok;
    QDir src(from);
    const auto entries = src.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& e : entries) {
        const QString target = to + '/' + e.fileName();
        const Status s = e.isDir() && !e.isSymLink() ? copyTree(e.filePath(), target)
                                                      : copyFileHost(e.filePath(), target);
        if (s != Status::Ok) result = Status::Failed;
    }
    return result;
}

Status deleteTree(const QString& h, bool force)
{
    Status result = Status::Ok;
    QDir d(h);
    const auto entries = d.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& e : entries) {
        if (e.isDir() && !e.isSymLink()) {
            if (deleteTree(e.filePath(), force) != Status::Ok) result = Status::Failed;
        } else {
            if (!force && readOnlyHost(e.filePath())) {
                result = Status::Failed;
                continue;
            }
            if (!QFile::remove(e.filePath())) result = Status::Failed;
        }
    }
    if (result == Status::Ok && !QDir().rmdir(h)) result = Status::Failed;
    return result;
}

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
    const QFileInfo fi(host(path));
    return fi.exists() && !fi.isDir();
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
    if (QFileInfo::exists(h)) return Status::Failed;
    return QDir().mkdir(h) ? Status::Ok : Status::Failed;
}

Status copyFolder(const QString& from, const QString& to)
{
    const QString src = host(from);
    if (!hostIsDir(src)) return Status::NotFound;
    QString dst = host(to);
    if (endsWithSep(to)) {
        if (!hostIsDir(dst)) return Status::NotFound;
        dst += '/' + QFileInfo(src).fileName();
    }
    if (QFileInfo(dst).absoluteFilePath().startsWith(QFileInfo(src).absoluteFilePath() + '/'))
        return Status::Failed;  // a copy into itself would never end
    return copyTree(src, dst);
}

Status copyFile(const QString& from, const QString& to)
{
    const QString src = host(from);
    QString dst = host(to);
    if (endsWithSep(to)) {
        if (!hostIsDir(dst)) return Status::NotFound;
        dst += '/' + QFileInfo(src).fileName();
    }
    return copyFileHost(src, dst);
}

Status deleteFolder(const QString& path, bool force)
{
    const QString h = host(path);
    if (!hostIsDir(h)) return Status::NotFound;
    return deleteTree(h, force);
}

Status deleteFile(const QString& path, bool force)
{
    const QString h = host(path);
    const QFileInfo fi(h);
    if (!fi.exists() || (fi.isDir() && !fi.isSymLink())) return Status::NotFound;
    if (!force && readOnlyHost(h)) return Status::Failed;
    return QFile::remove(h) ? Status::Ok : Status::Failed;
}

Status deleteFiles(const QString& folder, const QString& pattern, bool force)
{
    const QString h = host(folder);
    if (!hostIsDir(h)) return Status::NotFound;
    Status result = Status::NotFound;
    QDir d(h);
    for (const QFileInfo& e : d.entryInfoList(nameFilters(pattern), QDir::Files | QDir::Hidden | QDir::System,
                                              QDir::Name | QDir::IgnoreCase)) {
        if (!force && readOnlyHost(e.filePath())) {
            result = Status::Failed;
            continue;
        }
        if (!QFile::remove(e.filePath())) result = Status::Failed;
        else if (result == Status::NotFound) result = Status::Ok;
    }
    return result;
}

Status rename(const QString& from, const QString& to)
{
    const QString a = host(from);
    const QString b = host(to);
    if (!QFileInfo::exists(a) && !QFileInfo(a).isSymLink()) return Status::NotFound;
    if (QFileInfo::exists(b) || QFileInfo(b).isSymLink()) return Status::Failed;
    return std::rename(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0 ? Status::Ok
                                                                                                 : Status::Failed;
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

}  // namespace plat::fs
