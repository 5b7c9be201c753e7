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

void uListBaseNames(QStringList& list, const QString& folder, const QString& pattern, ListAttr attr,
                    ListClear clear)
{
    if (clear == ListClear::Clear) list.clear();
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
    for (const QString& n : names) list << n.section(QLatin1Char('.'), 0, 0);
}

void uListSubfolders(QStringList& list, const QString& folder, ListClear clear)
{
    if (clear == ListClear::Clear) list.clear();
    list << fs::listSubFolders(withoutSlash(folder));
}

}  // namespace common
