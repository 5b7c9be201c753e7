#pragma once
// Design of 高级应用练习窗格.
#include "forms/design.h"
#include "forms/form.h"

namespace practice {

extern const forms::WindowSpec kAdvancedExerciseSpec;
forms::Design advancedExerciseDesign();

// Outer sizes the window takes (twips): folded, and the width in every state.
inline constexpr int kAdvancedWidth = 8715;
inline constexpr int kAdvancedFoldedHeight = 3780;
// Below the picture when the reference effects are unfolded.
inline constexpr int kAdvancedPictureMargin = 600;

}  // namespace practice
