#pragma once

#include "screens/model/grect.h"

#include <cmath>
#include <cstdint>

// The pending scale of a graphic object while a group around it is resized:
// an origin and two factors. Objects draw and hit-test their geometry through
// it until the drag ends and the object folds it into its geometry.
struct gtransform {
    int32_t originX = 0;
    int32_t originY = 0;
    double scaleX = 1.0;
    double scaleY = 1.0;

    // Both factors back to 1; the origin stays.
    void reset() noexcept
    {
        scaleX = 1.0;
        scaleY = 1.0;
    }
    bool isIdentity() const noexcept { return scaleX == 1.0 && scaleY == 1.0; }

    int32_t x(int32_t v) const noexcept { return apply(originX, v, scaleX); }
    int32_t y(int32_t v) const noexcept { return apply(originY, v, scaleY); }
    grect rect(const grect& r) const noexcept
    {
        if (r.isEmpty())
            return r;
        return grect{x(r.left), y(r.top), x(r.right), y(r.bottom)};
    }
    // Widths and sizes that scale with the object.
    int32_t length(int32_t n) const noexcept { return toCoordinate(std::floor(n * std::fabs(scaleX) + 0.5)); }

private:
    static int32_t apply(int32_t origin, int32_t v, double scale) noexcept
    {
        if (scale == 1.0)
            return v;
        return toCoordinate(std::floor(origin + (double(v) - origin) * scale + 0.5));
    }
    // Out-of-range results (an absurd factor) saturate instead of being
    // undefined.
    static int32_t toCoordinate(double v) noexcept
    {
        if (!(v > -2147483648.0))
            return INT32_MIN;
        if (!(v < 2147483647.0))
            return INT32_MAX;
        return static_cast<int32_t>(v);
    }
};
