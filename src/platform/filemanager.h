#pragma once
// File-manager windows on the desktop.
#include <QString>
#include <QStringList>

namespace plat {

// Whether a top-level window of a known file manager (Nautilus, Thunar,
// PCManFM, Dolphin, Caja, Nemo, ...) is titled exactly `title`, letter case
// aside. Windows are read from the window manager's client list; without one,
// from the top-level windows of the screen. Without an X display: false.
bool fileManagerWindowTitled(const QString& title);

// The window classes taken for file managers (lower case).
QStringList fileManagerClasses();

}  // namespace plat
