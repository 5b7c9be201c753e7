#pragma once
// The system's font configuration.
#include <thread>

namespace plat {

// Starts reading the system's font configuration (its files and the font
// cache) on a helper thread. The first text a window measures or draws needs
// it, and reading it is the largest part of that first text; begun before
// the application object connects to the display, it is mostly done by the
// time a window is built. Join the thread before the first window is made:
// what it has not finished by then would otherwise be read twice.
std::jthread readFontConfigurationAhead();

}  // namespace plat
