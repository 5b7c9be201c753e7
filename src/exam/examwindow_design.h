#pragma once
#include "forms/design.h"
#include "forms/form.h"

namespace exam {

extern const forms::WindowSpec kExamWindowSpec;
forms::Design examWindowDesign();

// Outer size of the window around a panel (twips).
inline constexpr int kPanelWidthMargin = 150;
inline constexpr int kPanelHeightMargin = 250;
// The operation page's height below its question frame (twips).
inline constexpr int kPageHeightMargin = 450;

}  // namespace exam
