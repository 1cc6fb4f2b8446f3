#include "foundation/gmilliseconds.h"

#include "store/CObjectFile.h"
#include "support/model/manualClock.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

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

// Writes values through a station file, one a line except that the first
// two share a line, and hands back the values as written.
std::vector<std::string> writtenValues(const std::vector<gmilliseconds>& values)
{
    std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("korvelSeconds" + std::to_string(::getpid()) + ".stn");
    CObjectFile file;
    EXPECT_EQ(file.open(path.c_str(), CObjectFile::modeWrite, false), 1);
    for (size_t i = 0; i < values.size(); ++i)
        values[i].writeSeconds(file, i == 0 && values.size() > 1 ? 2 : 1);
    EXPECT_TRUE(file.close());
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);

    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end = text.find_first_of(",\r", start); end != std::string::npos;
         end = text.find_first_of(",\r", start)) {
        out.push_back(text.substr(start, end - start));
        start = end + 2; // past ", " or CR LF
    }
    EXPECT_EQ(start, text.size());
    return out;
}

TEST(gmilliseconds, EveryCountReadsBackUnchanged)
{
    std::vector<gmilliseconds> values;
    for (uint32_t ms = 0; ms <= 200000; ++ms)
        values.emplace_back(ms);
    for (uint32_t ms : {4294967294u, 4294967000u, 1234567891u, 999999999u})
        values.emplace_back(ms);
    std::vector<std::string> lines = writtenValues(values);
    ASSERT_EQ(lines.size(), values.size());
    EXPECT_EQ(lines[2007], "2.007");
    EXPECT_EQ(lines[values.size() - 4], "4294967.294");
    for (size_t i = 0; i < values.size(); ++i) {
        // Decimal seconds: never more than three digits after the point.
        ASSERT_LE(lines[i].size() - std::min(lines[i].find('.'), lines[i].size()), 4u) << lines[i];
        gmilliseconds back(77);
        ASSERT_EQ(back.parseSeconds(lines[i].c_str()), 1) << lines[i];
        ASSERT_EQ(back, values[i]) << lines[i];
        gmilliseconds fromDouble(77);
        ASSERT_TRUE(fromDouble.setSeconds(values[i].get() * 0.001)) << lines[i];
        ASSERT_EQ(fromDouble, values[i]) << lines[i];
    }
}

// Dialogs cut the fraction off the digits typed, so a count shown as
// count * 0.001 and confirmed unchanged keeps its value.
TEST(gmilliseconds, TruncatedMillisecondsCutTheDigitsTyped)
{
    struct {
        double seconds;
        uint32_t count;
    } cases[] = {
        {1.001, 1001},
        {1.0005, 1000},
        {1.2345, 1234},
        {0.0009, 0},
        {0.001, 1},
        {4.35, 4350},
        {2147483.647, 2147483647},
        {4294967.2949, 4294967294},
        {4294967.295, 4294967295},
        {1e300, 4294967295},
        {-0.5, 0},
        {0, 0},
        {1e-300, 0},
    };
    for (auto [seconds, count] : cases)
        EXPECT_EQ(truncatedMilliseconds(seconds), count) << seconds;
    for (uint32_t ms = 0; ms <= 200000; ++ms)
        ASSERT_EQ(truncatedMilliseconds(ms * 0.001), ms);
    for (uint32_t ms : {4294967294u, 1234567891u, 999999999u, 2147483647u})
        ASSERT_EQ(truncatedMilliseconds(ms * 0.001), ms);
}

TEST(gmilliseconds, NotSetIsWrittenAsAValueTheReaderRefuses)
{
    std::vector<std::string> lines = writtenValues({gmilliseconds::notSet});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "4294967.295");
    gmilliseconds back(5);
    EXPECT_EQ(back.parseSeconds(lines[0].c_str()), 0);
    EXPECT_EQ(back.get(), 5u);
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
