#include "resources/stationPalette.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(stationPalette, EveryCubeColourOnceInItsPlace)
{
    const auto& p = stationPalette();
    EXPECT_EQ(p[0], (paletteColour{0, 0, 0}));
    EXPECT_EQ(p[5], (paletteColour{255, 255, 255}));
    EXPECT_EQ(p[6], (paletteColour{0, 0, 51}));
    EXPECT_EQ(p[36], (paletteColour{51, 51, 255}));
    EXPECT_EQ(p[215], (paletteColour{102, 51, 153}));
    std::set<int> seen;
    for (const auto& c : p) {
        EXPECT_EQ(c.red % 51 + c.green % 51 + c.blue % 51, 0);
        seen.insert(c.red << 16 | c.green << 8 | c.blue);
    }
    EXPECT_EQ(seen.size(), 216u);
}

} // namespace
