#pragma once
// Design of 知识点与课本实训窗格.
#include "forms/design.h"
#include "forms/form.h"

namespace knowledge {

extern const forms::WindowSpec kExerciseWindowSpec;
forms::Design exerciseWindowDesign();

// Outer sizes the window takes (twips).
inline constexpr int kExerciseWidth = 8805;
inline constexpr int kExerciseFoldedHeight = 3660;

}  // namespace knowledge
