#include "foundation/rectCorner.h"

namespace {

bool near(int32_t a, int32_t b)
{
    int64_t d = int64_t(a) - b;
    return d > -2 && d < 2;
}

} // namespace

int hitTestRectCorner(const grect& rect, int32_t x, int32_t y, bool mainDiagonal, bool otherDiagonal)
{
    struct candidate {
        int code;
        bool allowed;
    } order[] = {
        {rectCorner::topLeft, mainDiagonal},
        {rectCorner::topRight, otherDiagonal},
        {rectCorner::bottomLeft, otherDiagonal},
        {rectCorner::bottomRight, mainDiagonal},
    };
    for (const auto& c : order) {
        if (!c.allowed)
            continue;
        int32_t cx = 0;
        int32_t cy = 0;
        getRectCorner(rect, c.code, cx, cy);
        if (near(x, cx) && near(y, cy))
            return c.code;
    }
    return rectCorner::none;
}

void getRectCorner(const grect& rect, int code, int32_t& x, int32_t& y)
{
    switch (code) {
    case rectCorner::topRight:
        x = rect.right;
        y = rect.top;
        return;
    case rectCorner::bottomLeft:
        x = rect.left;
        y = rect.bottom;
        return;
    case rectCorner::bottomRight:
        x = rect.right;
        y = rect.bottom;
        return;
    default:
        x = rect.left;
        y = rect.top;
        return;
    }
}
