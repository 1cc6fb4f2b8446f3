#pragma once

#include "screens/model/grect.h"

#include <cstdint>

// The corner handles of a rectangle, by which the screen editor resizes
// objects.
namespace rectCorner {
constexpr int none = 0;
constexpr int topLeft = 2;
constexpr int topRight = 3;
constexpr int bottomLeft = 4;
constexpr int bottomRight = 5;
} // namespace rectCorner

// The corner within one unit of (x, y) in both directions, among those
// allowed: top-left and bottom-right with mainDiagonal, top-right and
// bottom-left with otherDiagonal. Tested top-left, top-right, bottom-left,
// bottom-right; none gives 0.
int hitTestRectCorner(const grect& rect, int32_t x, int32_t y, bool mainDiagonal, bool otherDiagonal);

// The corner's coordinates; a code that is no corner gives the top-left one.
void getRectCorner(const grect& rect, int code, int32_t& x, int32_t& y);
