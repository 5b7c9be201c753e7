#pragma once
// Design of 基础理论, the module drill.
#include "forms/design.h"
#include "forms/form.h"

namespace theory {

extern const forms::WindowSpec kModuleDrillSpec;
forms::Design moduleDrillDesign();

inline constexpr int kDrillWidth = 15435;  // outer size set by the Load
inline constexpr int kDrillHeight = 11520;
inline constexpr int kQuestions = 20;

// Heights of the question area: idle (question buttons and answer boxes),
// and with a question shown (key row and explanation row as well).
inline constexpr int kAreaIdle = 1400;
inline constexpr int kAreaOpen = 2640;

// Left of column N (1 to 20) inside the question area.
int drillColumnLeft(int n);

}  // namespace theory
