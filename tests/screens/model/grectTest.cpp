#include "screens/model/grect.h"
#include "screens/model/gbezier.h"
#include "screens/model/gtransform.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(grect, OffsetKeepsTheEmptyRectangleEmpty)
{
    EXPECT_TRUE(grect{}.isEmpty());
    EXPECT_TRUE(grect{}.offset(5, 5).isEmpty());
    EXPECT_EQ((grect{1, 2, 3, 4}.offset(10, -10)), (grect{11, -8, 13, -6}));
    EXPECT_EQ((grect{30, 40, 10, 5}.width()), 20);
    EXPECT_EQ((grect{30, 40, 10, 5}.height()), 35);
}

TEST(grect, InsetShrinksGrowsAndEmptiesWhenTurningInsideOut)
{
    EXPECT_TRUE((grect{0, 0, 3, 10}.inset(2)).isEmpty());
    EXPECT_EQ((grect{0, 0, 4, 10}.inset(2)), (grect{2, 2, 2, 8}));
    EXPECT_EQ((grect{0, 0, 3, 10}.inset(-2)), (grect{-2, -2, 5, 12}));
    // In the rectangle's own orientation.
    EXPECT_EQ((grect{10, 10, 0, 0}.inset(1)), (grect{9, 9, 1, 1}));
    EXPECT_TRUE(grect{}.inset(-5).isEmpty());
    EXPECT_EQ((grect{0, 0, 9, 9}.penBounds(3)), (grect{-1, -1, 10, 10}));
    EXPECT_EQ((grect{9, 9, 0, 0}.penBounds(2)), (grect{-1, -1, 9, 9}));
}

TEST(grect, ContainsOverlapsAndInsideTakeEitherOrientation)
{
    grect r{10, 10, 0, 0};
    EXPECT_TRUE(r.contains(0, 10));
    EXPECT_FALSE(r.contains(11, 5));
    EXPECT_FALSE(grect{}.contains(INT_MAX, INT_MAX));
    EXPECT_TRUE((grect{0, 0, 10, 10}.overlaps(grect{10, 0, 20, 10})));
    EXPECT_FALSE((grect{0, 0, 10, 10}.overlaps(grect{11, 0, 20, 10})));
    EXPECT_FALSE((grect{0, 0, 10, 10}.overlaps(grect{})));
    EXPECT_TRUE((grect{2, 2, 5, 5}.isInside(grect{10, 10, 0, 0})));
    EXPECT_FALSE((grect{2, 2, 15, 5}.isInside(grect{0, 0, 10, 10})));
    EXPECT_TRUE((grect{0, 0, 10, 6}.ellipseContains(5, 3)));
    EXPECT_FALSE((grect{0, 0, 10, 6}.ellipseContains(0, 0)));
    EXPECT_TRUE((grect{0, 0, 10, 0}.ellipseContains(10, 0)));
}

TEST(grect, CenterUniteAndHandles)
{
    int32_t x = 0, y = 0;
    grect{0, 0, 9, 9}.center(x, y);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 4);
    grect{}.center(x, y);
    EXPECT_EQ(x, INT_MAX);
    EXPECT_EQ((grect::unite(grect{5, 5, 0, 0}, grect{3, 8, 4, 9})), (grect{0, 0, 5, 9}));
    EXPECT_EQ((grect::unite(grect{}, grect{5, 5, 0, 0})), (grect{5, 5, 0, 0}));
    grect r{0, 0, 10, 10};
    r.moveHandle(4, 2, 3);
    EXPECT_EQ(r, (grect{2, 0, 10, 13}));
    r.moveHandle(7, 2, 3);
    EXPECT_EQ(r, (grect{2, 0, 10, 13}));
}

TEST(grect, QuarterTurnsAndFlipsAboutADoubledCentre)
{
    grect left{0, 0, 10, 4};
    left.transform(INT_MAX, INT_MAX, 1, false, false);
    EXPECT_EQ(left, (grect{3, 7, 7, -3}));
    EXPECT_EQ(left.normalized(), (grect{3, -3, 7, 7}));
    grect right{0, 0, 10, 4};
    right.transform(INT_MAX, INT_MAX, -1, false, false);
    EXPECT_EQ(right, (grect{7, -3, 3, 7}));
    right.transform(10, 4, 1, false, false);
    EXPECT_EQ(right, (grect{0, 0, 10, 4}));
    grect flipped{0, 0, 10, 4};
    flipped.transform(30, 2, 0, true, true);
    EXPECT_EQ(flipped, (grect{30, 2, 20, -2}));

    // A box that does not turn moves its centre with the turn.
    grect box{0, 0, 10, 4};
    box.transformPosition(INT_MAX, 0, 1, false, false);
    EXPECT_EQ(box, (grect{0, 0, 10, 4}));
    box.transformPosition(0, 0, 1, false, false);
    EXPECT_EQ(box, (grect{-3, -7, 7, -3}));
    int32_t px = 10, py = 0;
    transformPoint(px, py, 0, 0, 1, false, false);
    EXPECT_EQ(px, 0);
    EXPECT_EQ(py, -10);
    transformPoint(px, py, 0, 0, -1, false, false);
    EXPECT_EQ(px, 10);
    EXPECT_EQ(py, 0);
}

TEST(grect, BandTestsOfThreeDimensionalAreas)
{
    grect r{0, 0, 20, 20};
    EXPECT_TRUE(r.hitBand(1, 5, 10));
    EXPECT_TRUE(r.hitBand(1, 5, 8));
    EXPECT_FALSE(r.hitBand(1, 5, 11));
    EXPECT_TRUE(r.hitBand(2, 9, 2));
    EXPECT_FALSE(r.hitBand(2, 12, 2));
    EXPECT_TRUE(r.hitBand(3, 1, 10));
    EXPECT_FALSE(r.hitBand(3, 10, 10));
    EXPECT_TRUE((grect{0, 0, 4, 4}.hitBand(3, 2, 2)));
}

TEST(grect, ParsedAndWrittenAsFourIntegers)
{
    grect r;
    EXPECT_EQ(r.parse("1, -2, 3, 4"), 1);
    EXPECT_EQ(r, (grect{1, -2, 3, 4}));
    EXPECT_EQ(r.parse("5, 6, 7, 8, 9"), 2);
    EXPECT_EQ(r.parse("5, 6, 7"), 0);
    EXPECT_EQ(r.parse("5, x, 7, 8"), 0);
    EXPECT_EQ(r, (grect{5, 6, 7, 8}));
    EXPECT_EQ(writtenText([&](CObjectFile& f) { r.write(f, 1); }), "5, 6, 7, 8\n");
}

TEST(grect, CoordinatesAtTheLimitsWrapInsteadOfOverflowing)
{
    grect r{INT_MAX - 1, INT_MIN, INT_MAX - 1, 0};
    grect moved = r.offset(5, -5);
    EXPECT_EQ(moved.left, INT_MIN + 3);
    EXPECT_EQ(r.width(), 0);
    int32_t x = 0, y = 0;
    r.center(x, y);
    EXPECT_EQ(y, INT_MIN / 2);
    r.transform(INT_MAX - 1, INT_MAX - 1, 1, false, false);
    EXPECT_FALSE(r.isEmpty());
}

TEST(gtransform, ScalesAboutItsOriginAndRoundsDown)
{
    gtransform t;
    EXPECT_EQ(t.x(7), 7);
    t.originX = 10;
    t.scaleX = 2.0;
    t.originY = 0;
    t.scaleY = -0.5;
    EXPECT_EQ(t.x(15), 20);
    EXPECT_EQ(t.x(5), 0);
    EXPECT_EQ(t.y(3), -1);
    EXPECT_EQ(t.length(3), 6);
    t.reset();
    EXPECT_TRUE(t.isIdentity());
    EXPECT_EQ(t.originX, 10);
}

TEST(bezier, EndPointsExactSamplesRoundedAndHitWithinThePen)
{
    // A straight segment at even speed: control points at the thirds.
    grect a{0, 0, 30, 0};
    grect b{90, 0, 60, 0};
    int32_t x = 0, y = 0;
    bezierPoint(a, b, 1, x, y);
    EXPECT_EQ(x, 90);
    bezierPoint(a, b, 0.5, x, y);
    EXPECT_EQ(x, 45);
    EXPECT_TRUE(bezierHit(a, b, 1, 45, 0));
    EXPECT_FALSE(bezierHit(a, b, 1, 45, 2));
    // The last sample lies short of the far end point.
    EXPECT_FALSE(bezierHit(a, b, 1, 90, 0));
    EXPECT_TRUE(bezierHit(a, b, 5, 90, 0));
    grect curve = bezierBounds(grect{0, 0, 0, 50}, grect{100, 0, 100, 50});
    EXPECT_EQ(curve.left, 0);
    EXPECT_GT(curve.bottom, 30);
    EXPECT_LT(curve.bottom, 50);
}

} // namespace
