#include "screens/model/gbezier.h"

#include <cmath>

namespace {

int32_t sample(double t, double p0, double p1, double p2, double p3) noexcept
{
    double u = 1 - t;
    double v = std::floor(t * t * t * p3 + u * (3 * t * t * p2 + u * (u * p0 + 3 * t * p1)) + 0.5);
    if (!(v > -2147483648.0))
        return INT32_MIN;
    if (!(v < 2147483647.0))
        return INT32_MAX;
    return static_cast<int32_t>(v);
}

grect pointBox(int32_t x, int32_t y) noexcept { return grect{x, y, x, y}; }

} // namespace

void bezierPoint(const grect& a, const grect& b, double t, int32_t& x, int32_t& y) noexcept
{
    if (t == 0) {
        x = a.left;
        y = a.top;
        return;
    }
    if (t == 1) {
        x = b.left;
        y = b.top;
        return;
    }
    x = sample(t, a.left, a.right, b.right, b.left);
    y = sample(t, a.top, a.bottom, b.bottom, b.top);
}

bool bezierHit(const grect& a, const grect& b, int32_t w, int32_t x, int32_t y) noexcept
{
    int32_t px = a.left;
    int32_t py = a.top;
    for (double t = 0.01; t <= 1; t += 0.01) {
        int32_t qx = 0;
        int32_t qy = 0;
        bezierPoint(a, b, t, qx, qy);
        if (grect{px, py, qx, qy}.penBounds(w).contains(x, y))
            return true;
        px = qx;
        py = qy;
    }
    return false;
}

grect bezierBounds(const grect& a, const grect& b) noexcept
{
    grect box = pointBox(a.left, a.top);
    for (double t = 0.01; t <= 1; t += 0.01) {
        int32_t qx = 0;
        int32_t qy = 0;
        bezierPoint(a, b, t, qx, qy);
        box.uniteWith(pointBox(qx, qy));
    }
    return box;
}
