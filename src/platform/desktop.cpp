#include "platform/desktop.h"

#include "platform/paths.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace plat {
namespace {

DesktopHook& desktopHook()
{
    static DesktopHook h;
    return h;
}

bool openLocal(DesktopAction action, const QString& path)
{
    const QString host = toHost(path);
    if (desktopHook()) return desktopHook()(action, host);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(host))) return true;
    return QProcess::startDetached(QStringLiteral("xdg-open"), {host});
}

}  // namespace

void setDesktopHookForTests(DesktopHook h) { desktopHook() = std::move(h); }

bool openDocument(const QString& path) { return openLocal(DesktopAction::OpenDocument, path); }
bool openFolder(const QString& path) { return openLocal(DesktopAction::OpenFolder, path); }

bool openInBrowser(const QUrl& url)
{
    if (desktopHook()) return desktopHook()(DesktopAction::OpenPage, url.toString());
    return QDesktopServices::openUrl(url);
}

bool runCommandDetached(const QString& commandLine)
{
    if (desktopHook()) return desktopHook()(DesktopAction::RunCommand, commandLine);
    if (commandLine.trimmed().isEmpty()) return false;
    // Like the classic scripting shell, the command runs in the program's
    // folder, so that a command may name files of the materials tree.
    return QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine}, programFolder());
}

}  // namespace plat
