#pragma once

#include "screens/model/grect.h"

#include <cstdint>

// One cubic Bezier segment between two nodes: node A holds the first end
// point and its control point, node B the second end point and its control
// point, each as (point x, point y, control x, control y).

// The point at t; t = 0 and t = 1 give the end points exactly.
void bezierPoint(const grect& a, const grect& b, double t, int32_t& x, int32_t& y) noexcept;
// Whether (x, y) lies in the pen band of width w around the curve, sampled
// from t = 0.01 in steps of 0.01.
bool bezierHit(const grect& a, const grect& b, int32_t w, int32_t x, int32_t y) noexcept;
// The box of the first end point and every sample of the same sequence.
grect bezierBounds(const grect& a, const grect& b) noexcept;
