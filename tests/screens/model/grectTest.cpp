#include "screens/model/grect.h"

#include <gtest/gtest.h>

namespace {

TEST(grect, OffsetKeepsTheEmptyRectangleEmpty)
{
    EXPECT_TRUE(grect{}.isEmpty());
    EXPECT_TRUE(grect{}.offset(5, 5).isEmpty());
    EXPECT_EQ((grect{1, 2, 3, 4}.offset(10, -10)), (grect{11, -8, 13, -6}));
    EXPECT_EQ((grect{30, 40, 10, 5}.width()), 20);
    EXPECT_EQ((grect{30, 40, 10, 5}.height()), 35);
}

} // namespace
