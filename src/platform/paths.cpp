#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace plat {
namespace {
QString& programFolderOverride()
{
    static QString s;
    return s;
}
QString& driveDOverride()
{
    static QString s;
    return s;
}
QString stripTrailing(QString p)
{
    while (p.size() > 1 && (p.endsWith('/') || p.endsWith('\\'))) p.chop(1);
    return p;
}
}  // namespace

QString programFolder()
{
    if (!programFolderOverride().isEmpty()) return programFolderOverride();
    if (QCoreApplication::instance()) return stripTrailing(QCoreApplication::applicationDirPath());
    return stripTrailing(QDir::currentPath());
}

void setProgramFolder(const QString& hostFolder) { programFolderOverride() = stripTrailing(hostFolder); }

QString appPath(const QString& rel) { return programFolder() + rel; }

QString driveD()
{
    QString folder;
    if (!driveDOverride().isEmpty()) folder = driveDOverride();
    else if (const QString env = qEnvironmentVariable("CORVANTH_DRIVE_D"); !env.isEmpty()) folder = stripTrailing(env);
    else folder = programFolder() + "/D";
    // The platform takes drive D: for granted: the folder standing for it is
    // made the first time it is needed.
    static QString made;
    if (made != folder) {
        QDir().mkpath(folder);
        made = folder;
    }
    return folder;
}

void setDriveD(const QString& hostFolder) { driveDOverride() = stripTrailing(hostFolder); }

QString toHost(const QString& path)
{
    // "D:" alone, or followed by a separator (either kind), in either case.
    const bool onDriveD = path.size() >= 2 && (path[0] == u'D' || path[0] == u'd') && path[1] == u':' &&
                          (path.size() == 2 || path[2] == u'\\' || path[2] == u'/');
    if (onDriveD) {
        QString rest = path.mid(path.size() == 2 ? 2 : 3);
        rest.replace('\\', '/');
        while (rest.startsWith('/')) rest.remove(0, 1);
        return rest.isEmpty() ? driveD() : driveD() + '/' + rest;
    }
    QString p = path;
    p.replace('\\', '/');
    return p;
}

QString displayPath(const QString& path) { return QDir::toNativeSeparators(toHost(path)); }

QString displayPathsIn(const QString& text)
{
    static const QRegularExpression onDriveD(
        QStringLiteral("(?<![A-Za-z0-9])[Dd]:\\\\[^\\s\"'“”‘’，。、；：！？（）《》【】]*"));
    QString out;
    qsizetype from = 0;
    for (auto it = onDriveD.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += text.mid(from, m.capturedStart() - from) + displayPath(m.captured());
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}

QString baseName(const QString& path)
{
    QString p = path;
    p.replace('\\', '/');
    p = stripTrailing(p);
    const int i = p.lastIndexOf('/');
    return i < 0 ? p : p.mid(i + 1);
}

}  // namespace plat
