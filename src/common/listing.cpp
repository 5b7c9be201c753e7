#include "common/listing.h"

#include "platform/filesystem.h"

#include <QDir>

namespace common {

namespace fs = plat::fs;

namespace {

QString withoutSlash(QString folder)
{
    while (folder.endsWith(QLatin1Char('\\'))) folder.chop(1);
    return folder;
}

}  // namespace

QStringList uListBaseNames(const QString& folder, const QString& pattern, ListAttr attr)
{
    const QString f = withoutSlash(folder);
    QStringList names = fs::listFiles(f, pattern);
    if (attr == ListAttr::FilesAndFolders) {
        const QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& d : fs::listSubFolders(f))
            for (const QString& p : patterns)
                if (QDir::match(p, d)) {
                    names << d;
                    break;
                }
    }
    QStringList list;
    for (const QString& n : names) list << n.section(QLatin1Char('.'), 0, 0);
    return list;
}

QStringList uListSubfolders(const QString& folder) { return fs::listSubFolders(withoutSlash(folder)); }

}  // namespace common
