#pragma once

#include "foundation/gstr.h"

// The face names behind the eight symbolic font names of screens, filled at
// start-up in this order: the system font, the default GUI font, the fixed
// font, then "MS Serif", "MS Sans Serif", "Arial", "Times New Roman",
// "Courier New".
constexpr int fontFaceNameCount = 8;
gstr& fontFaceName(int index);
