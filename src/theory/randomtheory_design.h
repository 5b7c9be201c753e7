#pragma once
// Design of 理论题随机练习窗格.
#include "forms/design.h"
#include "forms/form.h"

namespace theory {

extern const forms::WindowSpec kRandomTheorySpec;
forms::Design randomTheoryDesign();

}  // namespace theory
