#include "registers/gvalueListNodes.h"

#include "foundation/valueParsers.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

namespace {

TEST(gvalueListNodes, ParseAnswersTheSecondNumbersResult)
{
    gthreshold threshold;
    EXPECT_EQ(threshold.parse("10.5, 3"), itemResult::end);
    EXPECT_EQ(threshold.key, 10.5);
    EXPECT_EQ(threshold.value, 3u);
    EXPECT_EQ(threshold.parse("-1e2, 4, more"), itemResult::comma);
    EXPECT_EQ(threshold.key, -100.0);
    EXPECT_EQ(threshold.parse("7"), itemResult::error);
    EXPECT_EQ(threshold.parse("7, -1"), itemResult::error);
    EXPECT_EQ(threshold.key, -100.0);

    gvalueMapEntry entry;
    EXPECT_EQ(parseValueMapEntry("4294967295, 0", entry), itemResult::end);
    EXPECT_EQ(static_cast<uint32_t>(entry.key), 4294967295u);
    EXPECT_EQ(parseValueMapEntry("5", entry), itemResult::error);
    EXPECT_EQ(parseValueMapEntry("-5, 1", entry), itemResult::error);
    EXPECT_EQ(parseValueMapEntry("5 1", entry), itemResult::error);

    gcalibrationPoint point;
    EXPECT_EQ(point.parse("1.5, 20"), itemResult::end);
    EXPECT_EQ(point.parse("1.5; 20"), itemResult::error);
    EXPECT_EQ(point.parse("1, 1e999"), itemResult::error);
}

TEST(gvalueListNodes, WrittenAsTwoNumbers)
{
    gthreshold threshold;
    threshold.key = 0.1;
    threshold.value = 4294967295u;
    gvalueMapEntry entry;
    entry.key = -1;
    entry.value = 2;
    gcalibrationPoint point;
    point.key = -2.5e-7;
    point.calibrated = 1e15;
    std::string text = writtenText([&](CObjectFile& file) {
        threshold.write(file, 1);
        writeValueMapEntry(file, entry, 2);
        point.write(file, 1);
    });
    EXPECT_EQ(text, "0.1, 4294967295\n4294967295, 2, -2.5E-07, 1E+15\n");
}

// Every real a point may hold reads and writes back as itself, up to the
// ends of the double range.
TEST(gvalueListNodes, PointsKeepEveryRealTheyRead)
{
    for (const char* line : {"1.79769313486231E+308, 2", "1.7976931348623155E+308, 2", "-1.7976931348623157E+308, 2",
                             "4.94065645841247E-324, 2", "1.0000000000000002, 2"}) {
        gthreshold threshold;
        ASSERT_EQ(threshold.parse(line), itemResult::end) << line;
        EXPECT_EQ(writtenText([&](CObjectFile& file) { threshold.write(file, 0); }), line);
    }
    double value = 0;
    EXPECT_EQ(parseDoubleItem(" 2 , x", value), itemResult::comma);
    EXPECT_EQ(value, 2.0);
    gcalibrationPoint point;
    EXPECT_EQ(point.parse("1.7976931348623157e308, -1.7976931348623157e308"), itemResult::end);
    EXPECT_EQ(writtenText([&](CObjectFile& file) { point.write(file, 0); }),
              "1.7976931348623157E+308, -1.7976931348623157E+308");
}

} // namespace
