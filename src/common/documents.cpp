#include "common/documents.h"

#include "forms/runtime.h"
#include "platform/desktop.h"
#include "platform/textfile.h"

namespace common {

// The program's windows that stay on top would cover the editor or the
// file manager the student has just asked for (a small dialog of the office
// program completely): they make way until the student comes back to them.
void uOpenDocument(const QString& path)
{
    if (plat::openDocument(path)) forms::yieldTopmostWindows();
}

void uOpenFolder(const QString& path)
{
    if (plat::openFolder(path)) forms::yieldTopmostWindows();
}

bool uRunVideoCommand(const QString& commandFile)
{
    const auto lines = plat::readLines936(commandFile);
    if (!lines || lines->isEmpty() || lines->first().trimmed().isEmpty()) return false;
    return plat::runCommandDetached(lines->first());
}

}  // namespace common
