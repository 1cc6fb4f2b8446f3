#include "foundation/gnumFormat.h"

#include "foundation/gfault.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct parseCase {
    uint32_t base;
    const char* terminators;
    bool allowSign;
    const char* text;
    int status;
    double value;   // checked when status is 0
    int stop;       // index where reading stopped
};

constexpr const char* any = nullptr;
constexpr const char* filled = "";

class numberParsing : public ::testing::TestWithParam<parseCase> {};

TEST_P(numberParsing, StatusValueAndStop)
{
    const parseCase& c = GetParam();
    gnumFormat format(c.base, '.', c.terminators);
    double value = -12345.0;
    const char* cursor = nullptr;
    EXPECT_EQ(format.parse(c.text, cursor, value, c.allowSign), c.status);
    EXPECT_EQ(cursor - c.text, c.stop);
    if (c.status == 0)
        EXPECT_EQ(value, c.value);
    else
        EXPECT_EQ(value, -12345.0) << "value left alone on error";

    // The syntax check agrees, except that it never reports overflow.
    const char* end = nullptr;
    int syntax = format.parse(c.text, end, c.allowSign);
    if (c.status != gnumFormat::overflow) {
        EXPECT_EQ(syntax, c.status);
        EXPECT_EQ(end, cursor);
    } else {
        EXPECT_NE(syntax, gnumFormat::overflow);
    }
}

const parseCase parseCases[] = {
    // Prefixes in base 0, signs.
    {0, any, false, "$1F", 0, 31, 3},
    {0, any, false, "%101", 0, 5, 4},
    {0, any, false, "12", 0, 12, 2},
    {0, any, true, "-$10", 0, -16, 4},
    {0, any, true, "+%11", 0, 3, 4},
    {0, any, false, "-$10", 1, 0, 0},
    {0, any, false, "$", 1, 0, 1},
    {0, any, false, "%2", 10, 0, 1},
    {0, any, false, "$1.5", 8, 0, 2},
    // Explicit bases read from the first character.
    {16, any, false, "1F", 0, 31, 2},
    {16, any, false, "ff", 0, 255, 2},
    {16, any, false, "1e", 0, 30, 2},
    {16, any, false, "$1F", 1, 0, 0},
    {16, filled, false, "1G", 4, 0, 1},
    {16, any, false, "1G", 0, 1, 1},
    {16, any, false, "1.0", 8, 0, 1},
    {16, any, false, "", 1, 0, 0},
    {2, any, false, "1011", 0, 11, 4},
    {2, any, false, "102", 10, 0, 2},
    {2, any, false, "1.0", 8, 0, 1},
    {2, any, false, "1E1", 9, 0, 1},
    {8, any, false, "777", 0, 511, 3},
    {8, any, false, "8", 10, 0, 0},
    {8, any, false, "1e", 9, 0, 1},
    {8, filled, false, "17;", 4, 0, 2},
    {8, ";", false, "17;", 0, 15, 2},
    // Decimal.
    {10, any, false, "1.5E3", 0, 1500, 5},
    {10, any, false, "1.5e-3", 0, 0.0015, 6},
    {10, any, false, "0.3", 0, 0.3, 3},
    {10, any, false, ".5", 0, 0.5, 2},
    {10, any, true, "-2.5", 0, -2.5, 4},
    {10, any, false, "2e+2", 0, 200, 4},
    {10, any, false, "1e-400", 0, 0, 6},
    {10, any, false, "1.", 2, 0, 2},
    {10, any, false, "1.E3", 2, 0, 2},
    {10, any, false, "1.x", 2, 0, 2},
    {10, filled, false, "1.x", 4, 0, 2},
    {10, any, false, "1E", 3, 0, 2},
    {10, any, false, "1E+", 3, 0, 3},
    {10, filled, false, "1E+x", 4, 0, 3},
    {10, any, false, "1.2.3", 5, 0, 3},
    {10, any, false, "1..", 5, 0, 2},
    {10, any, false, "1E5E", 6, 0, 3},
    {10, any, false, "1E2.5", 7, 0, 3},
    {10, any, false, "1E.5", 7, 0, 2},
    {10, any, false, "E5", 1, 0, 0},
    {10, any, false, "", 1, 0, 0},
    {10, any, false, "-1", 1, 0, 0},
    {10, any, true, "+", 1, 0, 1},
    {10, filled, false, "x", 4, 0, 0},
    {10, filled, false, "12x", 4, 0, 2},
    {10, any, false, "12x", 0, 12, 2},
    {10, ")", false, "12)", 0, 12, 2},
    {10, ")", false, "12]", 4, 0, 2},
    {10, any, false, "1e999", 11, 0, 5},
    {10, any, false, "1e99999999999", 11, 0, 11},
};

INSTANTIATE_TEST_SUITE_P(gnumFormat, numberParsing, ::testing::ValuesIn(parseCases));

TEST(gnumFormat, OverflowOfLongDigitRuns)
{
    gnumFormat decimal(10, '.', nullptr);
    std::string nines(400, '9');
    double value = 0;
    const char* cursor = nullptr;
    EXPECT_EQ(decimal.parse(nines.c_str(), cursor, value, false), gnumFormat::overflow);
    EXPECT_EQ(decimal.parse(nines.c_str(), cursor, false), 0);
    EXPECT_EQ(cursor, nines.c_str() + nines.size());

    gnumFormat hex(16, '.', nullptr);
    std::string effs(300, 'F');
    EXPECT_EQ(hex.parse(effs.c_str(), value, false), gnumFormat::overflow);

    // Leading zeros are no overflow; a long fraction still gives the nearest double.
    std::string zeros = std::string(500, '0') + "1." + std::string(500, '0') + "25";
    EXPECT_EQ(decimal.parse(zeros.c_str(), value, false), 0);
    EXPECT_EQ(value, 1.0);
}

TEST(gnumFormat, SeparatorIsTheFormats)
{
    gnumFormat comma(10, ',', nullptr);
    double value = 0;
    EXPECT_EQ(comma.parse("2,25", value, false), 0);
    EXPECT_EQ(value, 2.25);
    EXPECT_EQ(comma.parse("2,5,", value, false), gnumFormat::secondSeparator);
    // With a comma separator the point is just a character after the number.
    const char* cursor = nullptr;
    EXPECT_EQ(comma.parse("2.5", cursor, value, false), 0);
    EXPECT_EQ(value, 2.0);

    setUserDecimalSeparator(',');
    EXPECT_EQ(gnumFormat(10).decimalSeparator(), ',');
    setUserDecimalSeparator('.');
    EXPECT_EQ(gnumFormat(10).decimalSeparator(), '.');
}

TEST(gnumFormat, BadBasesAreInternalFaults)
{
    EXPECT_THROW(gnumFormat(3), gfault);
    try {
        gnumFormat(7);
    } catch (const gfault& fault) {
        EXPECT_STREQ(fault.what(), "invalid base in gnumFormat::gnumFormat()");
    }
    gstr out;
    try {
        gnumFormat(0).appendToString(out, 5u);
        ADD_FAILURE();
    } catch (const gfault& fault) {
        EXPECT_STREQ(fault.what(), "illegal base in gnumFormat::appendToString(gstr &,unsigned int)");
    }
    try {
        gnumFormat(16).appendToString(out, 1.0, 2, 0, 1);
        ADD_FAILURE();
    } catch (const gfault& fault) {
        EXPECT_STREQ(fault.what(), "illegal base in gnumFormat::appendToString(gstr &,double,int)");
    }
}

TEST(gnumFormat, UnsignedOutputReplacesTheText)
{
    struct {
        uint32_t base;
        uint32_t value;
        const char* text;
    } cases[] = {
        {2, 0, "0"},           {8, 0, "0"},          {10, 0, "0"},          {16, 0, "0"},
        {2, 255, "11111111"},  {8, 255, "377"},      {16, 255, "FF"},       {10, 255, "255"},
        {2, 5, "101"},         {8, 8, "10"},         {16, 0xABCDEF, "ABCDEF"},
        {8, 4294967295u, "37777777777"},             {16, 4294967295u, "FFFFFFFF"},
        {2, 0x80000000u, "10000000000000000000000000000000"},
    };
    for (const auto& c : cases) {
        gstr out("old");
        gnumFormat(c.base).appendToString(out, c.value);
        EXPECT_EQ(out.view(), c.text) << c.base << " " << c.value;
    }
}

struct fixedCase {
    double value;
    int decimals;
    int plusMode;
    int minIntegerDigits;
    const char* text;
    char separator = '.';
};

TEST(gnumFormat, FixedPointOutput)
{
    const fixedCase cases[] = {
        {2.345, 2, 0, 1, "2.35"},
        {0.125, 2, 0, 1, "0.13"},
        {99.996, 2, 0, 1, "100.00"},
        {0.5, 0, 0, 1, "1"},
        {0.05, 2, 0, 1, "0,05", ','},
        {7, 0, 0, 3, "007"},
        {0, 0, 0, 3, "000"},
        {12345, 0, 0, 3, "12345"},
        {-0.004, 2, 0, 1, "-0,00", ','},
        {-3.14159, 3, 0, 1, "-3.142"},
        {5, 0, 1, 1, "+5"},
        {0, 0, 1, 1, "0"},
        {0, 0, -1, 1, "+0"},
        {-5, 0, -1, 1, "-5"},
        {1.0, 3, 0, 1, "1.000"},
        {1e20, 1, 0, 1, "100000000000000000000.0"},
        {1.5e-7, 9, 0, 1, "0.000000150"},
        // Below 1 without minimum integer digits: no integer digit, or the
        // rounded value when there are no decimals.
        {0.05, 2, 0, 0, ",05", ','},
        {0.4, 0, 0, 0, "0"},
        {0.6, 0, 0, 0, "1"},
        {0.0, 2, 0, -1, ".00"},
        {2.5, 1, 0, 0, "2.5"},
    };
    for (const auto& c : cases) {
        gstr out("x=");
        gnumFormat(10, c.separator).appendToString(out, c.value, c.decimals, c.plusMode, c.minIntegerDigits);
        EXPECT_EQ(out.view(), std::string("x=") + c.text) << c.value << " " << c.decimals;
    }
}

TEST(gnumFormat, FixedPointOfExtremes)
{
    gstr out;
    gnumFormat format(10, '.');
    format.appendToString(out, 1.7976931348623157e308, 0, 0, 1);
    EXPECT_EQ(out.length(), 309);
    out.clear();
    format.appendToString(out, 4.9e-324, 2000, 0, 2000);
    EXPECT_EQ(out.length(), 1100 + 1 + 1100);
    out.clear();
    format.appendToString(out, -1.0 / 0.0, 2, 0, 1);
    EXPECT_EQ(out.view(), "-inf");
}

} // namespace
