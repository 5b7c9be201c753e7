#include "common/filler.h"

#include "platform/filesystem.h"

namespace common {

bool uResetFolderWithFiller(const QString& folder, const QString& filler)
{
    namespace fs = plat::fs;
    if (!fs::fileExists(filler) || !fs::folderExists(folder)) return false;
    const fs::Status deleted = fs::deleteFiles(folder, QStringLiteral("*.*"));
    const fs::Status copied = fs::copyFile(filler, folder + QStringLiteral("\\temp.txt"));
    return deleted != fs::Status::Failed && fs::ok(copied);
}

}  // namespace common
