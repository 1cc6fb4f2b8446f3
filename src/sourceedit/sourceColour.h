#pragma once

#include <cstdint>

// Colour references of the source editor: red in the low byte, green in the
// next, blue in the third; a value with the top bit set names a system colour
// by its index instead.
constexpr uint32_t systemColourFlag = 0x80000000u;

// The system colour indexes the editor uses.
constexpr int sysColourIndexScrollBar = 0;
constexpr int sysColourIndexWindow = 5;
constexpr int sysColourIndexWindowText = 8;
constexpr int sysColourIndexHighlight = 13;
constexpr int sysColourIndexHighlightText = 14;

constexpr uint32_t rgbColour(int red, int green, int blue)
{
    return static_cast<uint32_t>(red & 0xFF) | static_cast<uint32_t>(green & 0xFF) << 8
        | static_cast<uint32_t>(blue & 0xFF) << 16;
}

constexpr uint32_t systemColourRef(int index) { return systemColourFlag | static_cast<uint32_t>(index); }
constexpr bool isSystemColour(uint32_t colour) { return (colour & systemColourFlag) != 0; }
constexpr int systemColourIndex(uint32_t colour) { return static_cast<int>(colour & 0xFF); }
