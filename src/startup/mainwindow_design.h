#pragma once
#include "forms/design.h"

namespace startup {
extern const forms::Design kMainWindowDesignSpan;
}
