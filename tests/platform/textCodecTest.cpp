#include "platform/textCodec.h"

#include <gtest/gtest.h>

TEST(textCodec, EveryByteRoundTrips)
{
    gstr all(256);
    for (int i = 0; i < 256; ++i)
        all.getBuffer()[i] = static_cast<char>(i);
    QString ui = toUiText(all);
    EXPECT_EQ(ui.size(), 256);
    EXPECT_EQ(ui[0x80], QChar(0x20AC));
    EXPECT_EQ(ui[0xE9], QChar(0xE9));
    EXPECT_EQ(fromUiText(ui).view(), all.view());
}

TEST(textCodec, UnmappableCharacterBecomesQuestionMark)
{
    EXPECT_EQ(fromUiText(QString::fromUtf8("a\u0416b")).view(), "a?b");
}

// Paths are bytes: valid UTF-8 reads as its characters, any other byte is
// kept, and every path comes back from the window byte for byte.
TEST(textCodec, PathsComeBackByteForByte)
{
    struct {
        const char* path;
        const char* shown; // UTF-8; null when only the round trip matters
    } cases[] = {
        {"/data/plant.stn", "/data/plant.stn"},
        {"/data/caf\xC3\xA9/plant.stn", "/data/caf\u00E9/plant.stn"},
        {"/data/caf\xE9/plant.stn", nullptr},
        {"/\xC3", nullptr},
        {"/\xED\xA0\x80", nullptr}, // an encoded surrogate is no character
        {"/\xC0\xAF", nullptr},      // nor is an overlong "/"
        {"/\xF0\x9F\x98\x80\xFF", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fromUiPath(toUiPath(c.path)).view(), c.path);
        if (c.shown) {
            EXPECT_EQ(toUiPath(c.path), QString::fromUtf8(c.shown));
        }
    }
    EXPECT_EQ(toUiPath("/caf\xE9"), QStringLiteral("/caf") + QChar(0xDCE9));
    EXPECT_EQ(fromUiPath(QString::fromUtf8("/caf\u00E9")).view(), "/caf\xC3\xA9");
}
