#include "common/documents.h"

#include "platform/desktop.h"
#include "platform/textfile.h"

namespace common {

void uOpenDocument(const QString& path) { plat::openDocument(path); }

void uOpenFolder(const QString& path) { plat::openFolder(path); }

bool uRunVideoCommand(const QString& commandFile)
{
    const auto lines = plat::readLines936(commandFile);
    if (!lines || lines->isEmpty() || lines->first().trimmed().isEmpty()) return false;
    return plat::runCommandDetached(lines->first());
}

}  // namespace common
