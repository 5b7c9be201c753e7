#pragma once
// Handing things to the desktop: a document to its default application, a
// folder to the file manager, a web page to the browser, a command line to
// run on its own. None of them waits or blocks.
#include <QString>
#include <QUrl>
#include <functional>

namespace plat {

enum class DesktopAction { OpenDocument, OpenFolder, OpenPage, RunCommand };

// Opens a document (platform path) with the desktop's default application;
// falls back to a detached xdg-open. False when neither could be asked.
bool openDocument(const QString& path);
// Shows a folder (platform path) in the desktop's file manager.
bool openFolder(const QString& path);
// Hands a web address to the desktop's browser; false when none could be
// started.
bool openInBrowser(const QUrl& url);
// Runs a command line detached through the shell ("sh -c"), unchanged.
bool runCommandDetached(const QString& commandLine);

// Tests: every call goes to the hook instead of the desktop (the text is the
// host path, the address, or the command line unchanged); nullptr: the real
// desktop.
using DesktopHook = std::function<bool(DesktopAction action, const QString& text)>;
void setDesktopHookForTests(DesktopHook hook);

}  // namespace plat
