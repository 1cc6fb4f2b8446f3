#include "foundation/textEncodings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A path inside model text reads as its characters where Windows-1252 has
// them; anything else, a byte that is not UTF-8 included, is a '?'.
TEST(textEncodings, PathsReadAsTextWhereTheCodePageHoldsThem)
{
    struct {
        std::string path;
        std::string text;
    } cases[] = {
        {"/data/plant.stn", "/data/plant.stn"},
        {"caf\xC3\xA9/\xC3\x81rea.korvel-station", "caf\xE9/\xC1rea.korvel-station"},
        {"\xE2\x82\xAC \xC5\x93", "\x80 \x9C"},              // euro sign and oe ligature
        {"\xD0\x96\xF0\x9F\x98\x80x", "??x"},                 // Cyrillic, an emoji
        {"caf\xE9/b\xE9t", "caf?/b?t"},                       // Latin-1 bytes
        {"\xC3", "?"},                                        // cut short
        {"\xC0\xAF\xED\xA0\x80", "?????"},                    // overlong, surrogate
    };
    for (const auto& c : cases) {
        gstr text = pathAsText(gstrSlice(c.path.data(), static_cast<int32_t>(c.path.size())));
        EXPECT_EQ(std::string(text.view()), c.text) << c.path;
    }
}

} // namespace
