#include "foundation/gmilliseconds.h"

#include "support/model/manualClock.h"

#include <gtest/gtest.h>

namespace {

TEST(gmilliseconds, NewValuesAreNotSet)
{
    gmilliseconds value;
    EXPECT_FALSE(value.isSet());
    EXPECT_EQ(value.get(), 4294967295u);
    EXPECT_EQ(value, gmilliseconds::notSet);
    value.set(0);
    EXPECT_TRUE(value.isSet());
}

TEST(gmilliseconds, SetSeconds)
{
    struct {
        double seconds;
        bool stored;
        uint32_t count;
    } cases[] = {
        {1.5, true, 1500},
        {0.0004, true, 1},
        {0.0001, true, 1},
        {2.007, true, 2007},
        {0.001, true, 1},
        {0, true, 0},
        {-0.0, true, 0},
        {1e-300, true, 1},
        {4294967.294, true, 4294967294u},
        {-0.001, false, 77},
        {4294967.295, false, 77},
        {4294967.296, false, 77},
        {1e300, false, 77},
        {1.0 / 0.0, false, 77},
        {0.0 / 0.0, false, 77},
    };
    for (const auto& c : cases) {
        gmilliseconds value(77);
        EXPECT_EQ(value.setSeconds(c.seconds), c.stored) << c.seconds;
        EXPECT_EQ(value.get(), c.count) << c.seconds;
    }
}

TEST(gmilliseconds, ParseSeconds)
{
    struct {
        const char* text;
        int result;
        uint32_t count;
    } cases[] = {
        {"2", 1, 2000},
        {"2, 5", 2, 2000},
        {"  1.5  ", 1, 1500},
        {"2.007", 1, 2007},
        {"0.0004", 1, 1},
        {"0.0010000000000000001", 1, 2},
        {"1e-3", 1, 1},
        {"1.2E2", 1, 120000},
        {"+3", 1, 3000},
        {".5", 1, 500},
        {"5.", 1, 5000},
        {"-0", 1, 0},
        {"0e99999999999", 1, 0},
        {"1e-99999999999", 1, 1},
        {"4294967.294", 1, 4294967294u},
        {"4294967.2940000000000000000000000001", 0, 77},
        {"4294967.295", 0, 77},
        {"4294967295e-3", 0, 77},
        {"42949672940000e-7", 1, 4294967294u},
        {"1e10", 0, 77},
        {"-0.001", 0, 77},
        {"", 0, 77},
        {"abc", 0, 77},
        {"2x", 0, 77},
        {"inf", 0, 77},
        {"0x10", 0, 77},
    };
    for (const auto& c : cases) {
        gmilliseconds value(77);
        EXPECT_EQ(value.parseSeconds(c.text), c.result) << c.text;
        EXPECT_EQ(value.get(), c.count) << c.text;
    }

    gmilliseconds value;
    const char* next = nullptr;
    const char* list = "0.25 ,  9";
    EXPECT_EQ(value.parseSeconds(list, next), 2);
    EXPECT_EQ(value.get(), 250u);
    EXPECT_EQ(next, list + 8);
}

TEST(gmilliseconds, ComparisonsSurviveTheWrap)
{
    gmilliseconds late(4294967290u);
    gmilliseconds early(5);
    EXPECT_TRUE(late.isBefore(early));
    EXPECT_FALSE(late.isAfter(early));
    EXPECT_TRUE(early.isAfter(late));
    EXPECT_FALSE(early.isBefore(early));
    EXPECT_FALSE(early.isAfter(early));
    EXPECT_EQ(late.plus(gmilliseconds(10)).get(), 4u);
    EXPECT_EQ(early.minus(late).get(), 11u);
}

TEST(gmilliseconds, TimeComesFromTheInstalledClock)
{
    manualClock clock(4294967000u);
    gmilliseconds start = gmilliseconds::now();
    EXPECT_EQ(start.get(), 4294967000u);
    gmilliseconds deadline = start.plus(gmilliseconds(500));
    gmilliseconds(400).sleep();
    EXPECT_TRUE(gmilliseconds::now().isBefore(deadline));
    gmilliseconds(100).sleep();
    EXPECT_FALSE(gmilliseconds::now().isBefore(deadline));
    gmilliseconds::notSet.sleep();
    EXPECT_EQ(clock.sleeps(), (std::vector<uint32_t>{400, 100}));
}

} // namespace
