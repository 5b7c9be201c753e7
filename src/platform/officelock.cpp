#include "platform/officelock.h"

#include <QDirIterator>
#include <QFileInfo>

namespace plat {

namespace {
const QString kLockPrefix = QStringLiteral(".~lock.");
}

QString officeLockName(const QString& fileName) { return kLockPrefix + fileName + QLatin1Char('#'); }

bool officeLockHeld(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (info.isFile()) return QFileInfo::exists(info.absolutePath() + QLatin1Char('/') + officeLockName(info.fileName()));
    if (!info.isDir()) return false;
    QDirIterator it(hostPath, {kLockPrefix + QStringLiteral("*#")}, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    return it.hasNext();
}

}  // namespace plat
