#include "foundation/rectCorner.h"

#include <gtest/gtest.h>

namespace {

const grect box{10, 20, 110, 220};

TEST(rectCorner, HitTestLooksWithinOneUnitOfTheAllowedCorners)
{
    struct {
        int32_t x, y;
        bool mainDiagonal, otherDiagonal;
        int code;
    } cases[] = {
        {11, 20, true, false, rectCorner::topLeft},
        {11, 20, false, true, rectCorner::none},
        {9, 21, true, true, rectCorner::topLeft},
        {12, 20, true, true, rectCorner::none},
        {10, 18, true, true, rectCorner::none},
        {110, 20, false, true, rectCorner::topRight},
        {110, 20, true, false, rectCorner::none},
        {10, 219, false, true, rectCorner::bottomLeft},
        {111, 221, true, false, rectCorner::bottomRight},
        {111, 221, false, true, rectCorner::none},
        {60, 120, true, true, rectCorner::none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hitTestRectCorner(box, c.x, c.y, c.mainDiagonal, c.otherDiagonal), c.code) << c.x << "," << c.y;
}

TEST(rectCorner, OrderDecidesOnTinyRectangles)
{
    grect dot{5, 5, 6, 6};
    EXPECT_EQ(hitTestRectCorner(dot, 6, 6, true, true), rectCorner::topLeft);
    EXPECT_EQ(hitTestRectCorner(dot, 6, 6, false, true), rectCorner::topRight);
    // Far coordinates do not overflow the distance.
    EXPECT_EQ(hitTestRectCorner(grect{}, -2147483647 - 1, 0, true, true), rectCorner::none);
}

TEST(rectCorner, CornerCoordinates)
{
    struct {
        int code;
        int32_t x, y;
    } cases[] = {
        {rectCorner::topLeft, 10, 20}, {rectCorner::topRight, 110, 20}, {rectCorner::bottomLeft, 10, 220},
        {rectCorner::bottomRight, 110, 220}, {rectCorner::none, 10, 20}, {9, 10, 20},
    };
    for (const auto& c : cases) {
        int32_t x = 0;
        int32_t y = 0;
        getRectCorner(box, c.code, x, y);
        EXPECT_EQ(x, c.x) << c.code;
        EXPECT_EQ(y, c.y) << c.code;
    }
}

} // namespace
