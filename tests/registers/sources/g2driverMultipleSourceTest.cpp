#include "registers/sources/g2driverMultipleSource.h"

#include <gtest/gtest.h>

namespace {

TEST(g2driverMultipleSource, ServesAnyType)
{
    g2driverMultipleSource source;
    const g2driverDataSource& asSource = source;
    for (int type : {1, 2, 3, 4, 0, 5, -1})
        EXPECT_EQ(asSource.acceptsObjectType(type), 1) << type;
}

} // namespace
