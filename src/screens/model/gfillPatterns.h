#pragma once

#include "foundation/gcolor.h"

#include <cstdint>

// The fill patterns of screen areas. A hatch (fill kind PATTERN) is 8 x 8
// pixels: rows from top to bottom, bit 7 the leftmost pixel, a 1 bit shows
// the fill's background and a 0 bit its foreground. A colour pattern (fill
// kind COLOR PATTERN) has colours of its own.
namespace fillPatterns {

constexpr int hatchCount = 22;
constexpr int colourCount = 5;

const uint8_t* hatchRows(int pattern);
// Whether the hatch shows its foreground at (x, y), any coordinates.
bool hatchShowsForeground(int pattern, int x, int y);

// The side of a colour pattern's square: 8, or 10 for pattern 2.
int colourPatternSize(int pattern);
gcolor colourPatternPixel(int pattern, int x, int y);

} // namespace fillPatterns
