#pragma once
// The system's font configuration and the toolkit's list of fonts.
#include <thread>

namespace plat {

// Starts reading the system's font configuration (its files and the font
// cache) on a helper thread. The first text a window measures or draws needs
// it, and reading it is the largest part of that first text; begun before
// the application object connects to the display, it is mostly done by then.
// Join the thread before the toolkit's font database is first used (by
// fillFontDatabaseAhead, or the first window): what it has not finished by
// then would otherwise be read twice.
std::jthread readFontConfigurationAhead();

// Fills the toolkit's font database, the list of the system's fonts, on a
// helper thread; call it once the application object exists and the
// configuration has been read. The list is kept for the whole process and is
// a large part of the first text a window measures: filled while the main
// window's controls are made, it is ready (or being finished, and then
// waited for) when the window measures its first text. Only the list is
// filled: the fonts themselves are opened per thread, so opening one here
// would cost time and memory without serving the windows.
std::jthread fillFontDatabaseAhead();

}  // namespace plat
