#include "foundation/gcolor.h"

#include <gtest/gtest.h>

namespace {

TEST(gcolorGather, SameColoursStaySetDifferentOnesAreMixed)
{
    gcolor none;
    EXPECT_FALSE(none.hasValue());
    EXPECT_FALSE(none.isMixed());

    gcolor red;
    red.gather(gcolor(255, 0, 0));
    red.gather(gcolor(255, 0, 0));
    EXPECT_TRUE(red.hasValue());
    EXPECT_TRUE(red.isSet());
    EXPECT_FALSE(red.isMixed());
    EXPECT_EQ(red, gcolor(255, 0, 0));

    gcolor mixed;
    mixed.gather(gcolor(255, 0, 0));
    mixed.gather(gcolor(0, 0, 255));
    mixed.gather(gcolor(255, 0, 0));
    EXPECT_TRUE(mixed.isMixed());
    EXPECT_TRUE(mixed.hasValue());
    EXPECT_EQ(mixed.red(), 255);
    EXPECT_EQ(mixed.blue(), 0);
}

} // namespace
