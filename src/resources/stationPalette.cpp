#include "resources/stationPalette.h"

namespace {

using palette = std::array<paletteColour, stationPaletteSize>;

// The value sets of groups 2 to 36, as component levels 0 to 5 (x 51); a
// set of two has its third level at -1.
constexpr int valueSets[35][3] = {
    {0, 1, -1}, {0, 2, -1}, {0, 3, -1}, {0, 4, -1}, {0, 5, -1}, {1, 5, -1}, {2, 5, -1}, {3, 5, -1},
    {4, 5, -1}, {0, 1, 2},  {0, 2, 3},  {0, 3, 4},  {0, 4, 5},  {1, 4, 5},  {2, 4, 5},  {3, 4, 5},
    {0, 1, 3},  {0, 2, 4},  {0, 3, 5},  {1, 3, 5},  {2, 3, 5},  {1, 2, -1}, {1, 3, -1}, {1, 4, -1},
    {2, 4, -1}, {3, 4, -1}, {0, 1, 4},  {0, 1, 5},  {0, 2, 5},  {1, 2, 5},  {1, 2, 4},  {1, 3, 4},
    {2, 3, 4},  {2, 3, -1}, {1, 2, 3},
};

paletteColour level(int r, int g, int b)
{
    return {static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51), static_cast<uint8_t>(b * 51)};
}

palette build()
{
    palette p{};
    int n = 0;
    for (int v = 0; v < 6; ++v)
        p[n++] = level(v, v, v);
    for (const auto& set : valueSets) {
        int lo = set[0];
        if (set[2] < 0) {
            int hi = set[1];
            for (auto c : {level(lo, lo, hi), level(lo, hi, hi), level(lo, hi, lo), level(hi, hi, lo),
                           level(hi, lo, lo), level(hi, lo, hi)})
                p[n++] = c;
        } else {
            int mid = set[1], hi = set[2];
            for (auto c : {level(lo, mid, hi), level(lo, hi, mid), level(mid, hi, lo), level(hi, mid, lo),
                           level(hi, lo, mid), level(mid, lo, hi)})
                p[n++] = c;
        }
    }
    return p;
}

} // namespace

const std::array<paletteColour, stationPaletteSize>& stationPalette()
{
    static const palette p = build();
    return p;
}
