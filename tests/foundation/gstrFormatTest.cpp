#include "foundation/gstr.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string formatted(const gstr& s) { return std::string(s.view()); }

TEST(gstrFormat, FillsPlaceholdersInOrderByType)
{
    gstr s;
    EXPECT_EQ(formatted(s.format("%s: %d, %u, %.10G %%", "tag", -1, -1, 0.1)), "tag: -1, 4294967295, 0.1 %");
    EXPECT_EQ(formatted(s.format("%d", -2147483647 - 1)), "-2147483648");
    EXPECT_EQ(formatted(s.format("%d and %u", 4294967295u, 4294967295u)), "-1 and 4294967295");
    EXPECT_EQ(formatted(s.format("%.10G|%.10G|%.10G", 1e20, 12345678901.0, 1.0 / 3)),
              "1E+20|1.23456789E+10|0.3333333333");
}

TEST(gstrFormat, ArgumentTextIsNeverReadAsAFormat)
{
    gstr s;
    EXPECT_EQ(formatted(s.format("<%s>", "%s %d %n %%")), "<%s %d %n %%>");
    // A missing argument gives nothing; an unknown conversion stays as written.
    EXPECT_EQ(formatted(s.format("%s-%d-%x-%", "a")), "a--%x-%");
    EXPECT_EQ(formatted(s.format(gstrSlice::empty)), "");
}

TEST(gstrFormat, ResultHoldsExactlyTheFormattedText)
{
    gstr big(std::string(1000, 'x').c_str());
    gstr s;
    s.format("[%s]", big);
    EXPECT_EQ(s.length(), 1002);
    // A format may fill itself from its own text.
    s.assign("%s+%s");
    s.format(s, s, "b");
    EXPECT_EQ(formatted(s), "%s+%s+b");
}

TEST(gstrFormat, ByStringTableId)
{
    gstr s;
    EXPECT_EQ(formatted(s.format(20216, "register", "R 1")), "\n register: \"R 1\"");
    EXPECT_EQ(formatted(s.format(20100, 12, "/tmp/a.stn")), " on line 12 of file /tmp/a.stn.");
    EXPECT_EQ(formatted(s.loadString(20101)), "Unknown object type");
    EXPECT_FALSE(s.loadString(1).isNull());
    EXPECT_EQ(s.length(), 0);
}

} // namespace
