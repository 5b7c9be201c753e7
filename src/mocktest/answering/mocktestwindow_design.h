#pragma once
// Design of 模拟测试窗格: the level strip, the page strip, the choice page,
// the operation page with its slots and the style panel, and the
// paper-generation notice over them all.
#include "forms/design.h"
#include "forms/form.h"

namespace mocktest {

extern const forms::WindowSpec kMockTestWindowSpec;
forms::Design mockTestWindowDesign();

// Design sizes the layouts add up (twips).
inline constexpr int kLevelFrameHeight = 1575;
inline constexpr int kChoiceFrameWidth = 13335;

}  // namespace mocktest
