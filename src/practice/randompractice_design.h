#pragma once
// Design of 操作题随机练习窗格.
#include "forms/design.h"
#include "forms/form.h"

namespace practice {

extern const forms::WindowSpec kRandomPracticeSpec;
forms::Design randomPracticeDesign();

// Outer sizes the window takes (twips): the width in every state, the
// height while the reference pictures are folded, and the margin below an
// unfolded picture.
inline constexpr int kRandomPracticeWidth = 8700;
inline constexpr int kRandomPracticeFoldedHeight = 3660;
inline constexpr int kRandomPracticePictureMargin = 600;

}  // namespace practice
