#include "screens/model/gfillInfo.h"
#include "screens/model/gfontName.h"
#include "screens/model/glineInfo.h"
#include "screens/model/gpropValues.h"
#include "screens/model/gtextInfo.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

template <class V>
std::string rewritten(const char* text, int expectedStatus = 1)
{
    V value;
    EXPECT_EQ(value.parse(text), expectedStatus) << text;
    return writtenText([&](CObjectFile& f) { value.write(f, 1); });
}

TEST(appearance, ValueTextsReadAndWriteBack)
{
    EXPECT_EQ(rewritten<glineInfo>("dashed, 2, ff-00-00"), "DASHED, 2, FF-00-00\n");
    EXPECT_EQ(rewritten<glineInfo>("CENTER LINE,7,00-00-00"), "CENTER LINE, 7, 00-00-00\n");
    EXPECT_EQ(rewritten<gfillInfo>("EMPTY"), "EMPTY\n");
    EXPECT_EQ(rewritten<gfillInfo>("COLOR, 00-80-ff"), "COLOR, 00-80-FF\n");
    EXPECT_EQ(rewritten<gfillInfo>("PATTERN, 21, 00-00-00, FF-FF-FF"), "PATTERN, 21, 00-00-00, FF-FF-FF\n");
    EXPECT_EQ(rewritten<gfillInfo>("COLOR PATTERN, 4"), "COLOR PATTERN, 4\n");
    EXPECT_EQ(rewritten<gtextInfo>("sans serif, BOLD ITALIC, 14, CENTER, 00-00-00"),
              "SANS SERIF, BOLD ITALIC, 14, CENTER, 00-00-00\n");
    EXPECT_EQ(rewritten<gtextInfo>("\"Courier\", ITALIC, 7, RIGHT, 01-02-03"), "COURIER, ITALIC, 7, RIGHT, 01-02-03\n");
}

TEST(appearance, ValueTextsThatBreakTheGrammarAreRefused)
{
    const char* lines[] = {"SOLID, 0, 00-00-00", "SOLID, -1, 00-00-00", "WAVY, 1, 00-00-00", "SOLID 1, 00-00-00",
                           "SOLID, 1"};
    for (const char* text : lines) {
        glineInfo line;
        EXPECT_EQ(line.parse(text), 0) << text;
        EXPECT_FALSE(line.isSet());
    }
    const char* fills[] = {
        "PATTERN, 22, 00-00-00, FF-FF-FF", "COLOR PATTERN, 5", "PATTERN, 3, 00-00-00", "COLOR 00-00-00", "STRIPES",
        "PATTERN, -1, 00-00-00, FF-FF-FF"};
    for (const char* text : fills) {
        gfillInfo fill;
        EXPECT_EQ(fill.parse(text), 0) << text;
    }
    const char* texts[] = {"DEFAULT, NORMAL, 6, LEFT, 00-00-00", "WINGDINGS, NORMAL, 8, LEFT, 00-00-00",
                           "DEFAULT, HEAVY, 8, LEFT, 00-00-00", "DEFAULT, NORMAL, 8, MIDDLE, 00-00-00"};
    for (const char* text : texts) {
        gtextInfo style;
        EXPECT_EQ(style.parse(text), 0) << text;
    }
    // A trailing comma is a status the owners refuse.
    EXPECT_EQ(glineInfo().parse("SOLID, 1, 00-00-00, "), 2);
    EXPECT_EQ(gfillInfo().parse("EMPTY, "), 2);
}

TEST(appearance, DashesScaleWithTheWidth)
{
    int32_t d[6] = {};
    EXPECT_EQ(glineInfo::dashes(3, 1, d), 2);
    EXPECT_EQ(d[0], 1);
    EXPECT_EQ(d[1], 3);
    EXPECT_EQ(glineInfo::dashes(5, 2, d), 6);
    EXPECT_EQ(d[0], 13);
    EXPECT_EQ(d[2], 1);
    EXPECT_EQ(d[5], 5);
    EXPECT_EQ(glineInfo::dashes(1, 4, d), 0);
}

TEST(appearance, MixedOrUnsetGroupsApplyTheDefaults)
{
    gpropLineValues line;
    line.style.set(2);
    line.style.merge(3);
    line.width.set(4);
    line.width.merge(5);
    gpropFillValues fill;
    fill.kind.set(2);
    fill.kind.merge(3);
    gpropTextValues text;
    text.size.set(10);
    text.size.merge(12);
    glineInfo l;
    l.apply(line);
    glineInfo solidBlack;
    solidBlack.parse("SOLID, 1, 00-00-00");
    EXPECT_EQ(l, solidBlack);
    gfillInfo f;
    f.apply(fill);
    EXPECT_EQ(f.getKind(), gfillInfo::empty);
    EXPECT_EQ(f.getBackground(), gcolor(255, 255, 255));
    gtextInfo t;
    t.apply(text);
    EXPECT_EQ(t.getFont(), alternateFont());
    EXPECT_EQ(t.getSize(), 14);
    EXPECT_EQ(t.getAlignment(), gtextInfo::left);
    EXPECT_FALSE(t.isBold());
    EXPECT_EQ(t.getFormat(), 0x850u);
}

TEST(appearance, OnePropertyAtATime)
{
    glineInfo line;
    line.parse("DOTTED, 2, 01-02-03");
    gpropLineValues values;
    values.width.set(9);
    values.colour = gcolor(9, 9, 9);
    line.applyOne(values, gprop::lineWidth);
    line.applyOne(values, gprop::fillForeground);
    EXPECT_EQ(line.getWidth(), 9);
    EXPECT_EQ(line.getStyle(), 3);
    EXPECT_EQ(line.getColour(), gcolor(1, 2, 3));
    line.applyOne(values, gprop::secondLineColour);
    EXPECT_EQ(line.getColour(), gcolor(9, 9, 9));

    // An unset value taking one property starts from the defaults.
    gtextInfo fresh;
    gpropTextValues sized;
    sized.size.set(20);
    fresh.applyOne(sized, gprop::size);
    EXPECT_EQ(writtenText([&](CObjectFile& f) { fresh.write(f, 1); }), "ALTERNATE, NORMAL, 20, LEFT, 00-00-00\n");

    gtextInfo aligned = fresh;
    aligned.setAlignment(gtextInfo::right);
    aligned.setSingleLine();
    EXPECT_EQ(aligned.getFormat(), 0x850u | 0x02u | 0x20u);
    aligned.adjustSize(symbolicFont(7), -50);
    EXPECT_EQ(aligned.getSize(), 7);
    EXPECT_EQ(aligned.getFont(), symbolicFont(7));
}

TEST(appearance, MergingGathersOnlyWhatTheKindUses)
{
    gpropFillValues values;
    gfillInfo solid;
    solid.parse("COLOR, 11-22-33");
    solid.mergeInto(values);
    EXPECT_TRUE(values.kind.hasValue());
    EXPECT_FALSE(values.pattern.isSet());
    EXPECT_FALSE(values.background.hasValue());
    EXPECT_TRUE(values.foreground.isSet());
    gfillInfo other;
    other.parse("COLOR, 11-22-34");
    other.mergeInto(values);
    EXPECT_TRUE(values.foreground.isMixed());
    EXPECT_TRUE(values.kind.hasValue());

    gpropLineValues lines;
    glineInfo a;
    a.parse("SOLID, 2, 00-00-00");
    glineInfo b;
    b.parse("SOLID, 3, 00-00-00");
    a.mergeInto(lines);
    b.mergeInto(lines);
    EXPECT_TRUE(lines.width.isMixed());
    EXPECT_TRUE(lines.style.hasValue());
    EXPECT_TRUE(lines.colour.isSet());
}

TEST(appearance, FontNamesAreFoundInAnyCase)
{
    EXPECT_EQ(findFontName("sans serif"), symbolicFont(3));
    EXPECT_EQ(findFontName("TiMeS"), symbolicFont(6));
    EXPECT_EQ(findFontName("ARIAL"), nullptr);
    EXPECT_STREQ(alternateFont()->name(), "ALTERNATE");
}

} // namespace
