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
