#include "foundation/realFormat.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

// The test program runs in the "C" locale, so snprintf is the reference.
std::string printfG(double value, int precision)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*G", precision, value);
    return text;
}

std::string formatted(double value, int precision)
{
    char text[realFormatSize];
    int n = formatRealG(text, value, precision);
    EXPECT_EQ(n, static_cast<int>(std::strlen(text)));
    return std::string(text, static_cast<size_t>(n));
}

TEST(realFormat, KnownValues)
{
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0.1, "0.1"},
        {0.0, "0"},
        {-0.0, "-0"},
        {1500, "1500"},
        {1e15, "1E+15"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-2.5e-300, "-2.5E-300"},
        {1e100, "1E+100"},
        {1.0 / 3.0, "0.333333333333333"},
        {99999999999999.95, "100000000000000"},
        {999999999999999.5, "1E+15"},
        {4.9e-324, "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatted(c.value, 15), c.text) << c.text;
}

TEST(realFormat, MatchesPrintfOverManyValues)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> exponent(-330, 310);
    std::uniform_int_distribution<int> digits(1, 9999999);
    int precisions[] = {1, 6, 10, 15, 17};
    for (int i = 0; i < 200000; ++i) {
        double value;
        if (i % 2 == 0) {
            uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
        } else {
            // Short decimals, the values people type, and their halfway cases.
            value = digits(random) * std::pow(10.0, exponent(random));
        }
        for (int precision : precisions) {
            ASSERT_EQ(formatted(value, precision), printfG(value, precision))
                << "precision " << precision << " value " << printfG(value, 17);
        }
    }
}

// The exact form is the 15-digit form whenever that reads back, and always
// reads back itself, even where 15 digits round beyond the double range.
TEST(realFormat, ExactFormReadsBackAndKeepsFifteenDigitsWhereTheyDo)
{
    std::mt19937_64 random(20261211);
    for (int i = 0; i < 200000; ++i) {
        uint64_t bits = random();
        if (i % 4 == 0)
            bits |= 0x7FE0000000000000u; // near the largest doubles
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        char text[realFormatSize];
        int n = formatRealExact(text, value);
        ASSERT_EQ(n, static_cast<int>(std::strlen(text)));
        double again = 0;
        ASSERT_EQ(parseDoubleItem(text, again), itemResult::end) << text;
        ASSERT_EQ(again, value) << text;
        std::string fifteen = formatted(value, 15);
        double rounded = 0;
        bool fifteenReadsBack = parseDoubleItem(fifteen.c_str(), rounded) == itemResult::end && rounded == value;
        if (fifteenReadsBack) {
            ASSERT_EQ(text, fifteen);
        }
    }
}

TEST(realFormat, NonFiniteAndPrecisionLimits)
{
    EXPECT_EQ(formatted(std::numeric_limits<double>::infinity(), 15), "INF");
    EXPECT_EQ(formatted(-std::numeric_limits<double>::infinity(), 15), "-INF");
    EXPECT_EQ(formatted(std::numeric_limits<double>::quiet_NaN(), 15), "NAN");
    EXPECT_EQ(formatted(2.5, 0), printfG(2.5, 0));
    char text[realFormatSize];
    EXPECT_THROW(formatRealG(text, 1.0, 18), gfault);
}

} // namespace
