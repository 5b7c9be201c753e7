#pragma once
// File-manager windows on the desktop.
#include <QString>
#include <QStringList>

#include <memory>

namespace plat {

// Whether a top-level window of a known file manager (Nautilus, Thunar,
// PCManFM, Dolphin, Caja, Nemo, ...) shows a folder named `title`: see
// fileManagerTitleShows. Windows are read from the window manager's client
// list; without one, from the top-level windows of the X tree (the client
// inside a frame included). Without an X display: false.
bool fileManagerWindowTitled(const QString& title);
// The same for several names at once: whether such a window shows a folder
// of any of these names.
bool fileManagerWindowShowsAny(const QStringList& folderNames);
// The same for several lists of names at once: the index of the first list
// (in order) of which such a window shows a folder, -1 when none. The
// windows are read once for all the lists.
int fileManagerWindowShowsFirstOf(const QList<QStringList>& folderNameLists);

// For a series of window checks that belong together (a guard list): while
// one of these lives, fileManagerWindowTitled on this thread asks the X
// server through one connection, opened at the first check, instead of
// opening and closing one per check. Every check still reads the windows
// afresh. Nested scopes share the outermost one's connection.
class FileManagerWindowChecks {
public:
    FileManagerWindowChecks();
    ~FileManagerWindowChecks();
    FileManagerWindowChecks(const FileManagerWindowChecks&) = delete;
    FileManagerWindowChecks& operator=(const FileManagerWindowChecks&) = delete;

    struct Connection;

private:
    std::unique_ptr<Connection> connection_;  // null in a nested scope
};

// The window classes taken for file managers (lower case).
QStringList fileManagerClasses();

// Whether a window of these classes with this title shows a folder of that
// bare name, letter case aside: a known file manager's window titled with
// the name alone, or with the name followed by that file manager's own
// suffix ("WWW - Thunar", "WWW — Dolphin"). A title that merely contains the
// name ("WWW2", "/srv/WWW") does not count.
bool fileManagerTitleShows(const QStringList& windowClasses, const QString& title, const QString& folderName);

}  // namespace plat
