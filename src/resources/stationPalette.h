#pragma once

#include <array>
#include <cstdint>

// The program's 216 colours: every colour whose red, green and blue are each
// one of 0, 51, 102, 153, 204, 255, exactly once, in 36 groups of six (the
// grey ramp first, then each set of component values in hue order). Screen
// images are 8-bit pictures on this palette.
struct paletteColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    bool operator==(const paletteColour&) const = default;
};

constexpr int stationPaletteSize = 216;

const std::array<paletteColour, stationPaletteSize>& stationPalette();
