#include "foundation/valueParsers.h"

#include "foundation/gstr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// Where the cursor was left: the rest of the text after it.
std::string restAfter(const char* next) { return std::string(next ? next : "(null)"); }

TEST(valueParsers, SignedItems)
{
    struct Case {
        const char* text;
        int result;
        int32_t value;
        const char* rest;
    } cases[] = {
        {"2147483647", 1, 2147483647, ""},
        {"-2147483648", 1, std::numeric_limits<int32_t>::min(), ""},
        {"2147483648", 0, 0, nullptr},
        {"-2147483649", 0, 0, nullptr},
        {"21474836470", 0, 0, nullptr},
        {"-", 0, 0, nullptr},
        {"+5", 0, 0, nullptr},
        {" 5", 0, 0, nullptr},
        {"", 0, 0, nullptr},
        {"12  \t", 1, 12, ""},
        {"12 ,  7", 2, 12, "7"},
        {"-0,", 2, 0, ""},
        {"007", 1, 7, ""},
        {"12x", 0, 0, nullptr},
        {"12 x", 0, 0, nullptr},
        {"1.5", 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t value = -99;
        const char* next = nullptr;
        ASSERT_EQ(parseIntItem(c.text, value, next), c.result);
        EXPECT_EQ(parseIntItem(c.text, value), c.result);
        if (c.result == 0) {
            EXPECT_EQ(value, -99) << "a refused item leaves the value alone";
            continue;
        }
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(restAfter(next), c.rest);
    }
}

TEST(valueParsers, ParseIntStopsAfterTheDigits)
{
    const char* text = "-42abc";
    const char* cursor = text;
    int32_t value = 0;
    ASSERT_EQ(parseInt(cursor, value), 1);
    EXPECT_EQ(value, -42);
    EXPECT_STREQ(cursor, "abc");
}

TEST(valueParsers, UnsignedItems)
{
    struct Case {
        const char* text;
        int result;
        uint32_t value;
    } cases[] = {
        {"4294967295", 1, 4294967295u}, {"4294967296", 0, 0}, {"-1", 0, 0},  {"+1", 0, 0},
        {"0", 1, 0},                    {"17 , 3", 2, 17},    {"17 ;", 0, 0}, {"", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t value = 99;
        EXPECT_EQ(parseUnsignedItem(c.text, value), c.result);
        EXPECT_EQ(value, c.result ? c.value : 99u);
    }
}

TEST(valueParsers, RealItems)
{
    struct Case {
        const char* text;
        int result;
        double value;
    } cases[] = {
        {"1.5E3", 1, 1500},
        {"  -2.25e-2 ", 1, -0.0225},
        {"+.5", 1, 0.5},
        {"7.", 1, 7},
        {"1.e2", 1, 100},
        {"0.1, 2", 2, 0.1},
        {"1.7976931348623157e308", 1, 1.7976931348623157e308},
        {"4.9e-324", 1, 4.9e-324},
        {"1e-400", 1, 0},
        {"0e999999999999", 1, 0},
        {"1e999", 0, 0},
        {"-1e999", 0, 0},
        {"1.7976931348623159e308", 0, 0},
        {"", 0, 0},
        {"abc", 0, 0},
        {".", 0, 0},
        {"-", 0, 0},
        {"1e", 0, 0},
        {"1e+", 0, 0},
        {"inf", 0, 0},
        {"-INF", 0, 0},
        {"nan", 0, 0},
        {"infinity", 0, 0},
        {"0x1p3", 0, 0},
        {"1,5", 2, 1},
        {"1 5", 0, 0},
        {"--1", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 99;
        const char* next = nullptr;
        ASSERT_EQ(parseDoubleItem(c.text, value, next), c.result);
        EXPECT_EQ(value, c.result ? c.value : 99);
    }
    const char* text = "1 ,\t2";
    const char* next = nullptr;
    double value = 0;
    ASSERT_EQ(parseDoubleItem(text, value, next), 2);
    EXPECT_STREQ(next, "2");
}

TEST(valueParsers, TinyNegativeRealKeepsItsSign)
{
    double value = 1;
    ASSERT_EQ(parseDoubleItem("-1e-400", value), 1);
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
}

TEST(valueParsers, IpAddresses)
{
    struct Case {
        const char* text;
        bool hostCheck;
        int result;
    } cases[] = {
        {"192.168.1.255", true, 1}, {"192.168.1.256", false, 0}, {"10.0.0", false, 0},
        {"10.0.0.", false, 0},      {"10..0.1", false, 0},       {"10.0.0.1.", false, 0},
        {"127.0.0.1", true, 1},     {"127.0.0.2", true, 0},      {"0.1.2.3", true, 0},
        {"224.0.0.1", true, 0},     {"223.255.255.255", true, 1}, {"127.0.0.2", false, 1},
        {"0.1.2.3", false, 1},      {"224.0.0.1", false, 1},      {"010.000.000.001", true, 1},
        {"1.2.3.4 , x", false, 2},  {"1.2.3.4x", false, 0},       {" 1.2.3.4", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        uint8_t address[4] = {9, 9, 9, 9};
        ASSERT_EQ(parseIpAddressItem(c.text, address, c.hostCheck), c.result);
        if (c.result == 0) {
            EXPECT_EQ(address[0], 9);
        }
    }
    uint8_t address[4] = {};
    ASSERT_EQ(parseIpAddressItem("192.168.0.7", address, true), 1);
    EXPECT_EQ(address[0], 192);
    EXPECT_EQ(address[1], 168);
    EXPECT_EQ(address[2], 0);
    EXPECT_EQ(address[3], 7);
}

struct StringCase {
    std::string text;
    bool raw;
    int result;
    std::string value; // compared when the result is not 0
    std::string rest;
};

TEST(valueParsers, StringItems)
{
    using namespace std::string_literals;
    StringCase cases[] = {
        {"abc", false, 1, "abc", ""},
        {"  a b  ", false, 1, "a b", ""},
        {"a\"b\\n", false, 1, "a\"b\\n", ""},
        {"a , b", false, 2, "a", "b"},
        {",b", false, 2, "", "b"},
        {"", false, 1, "", ""},
        {"\"x,y\"", false, 1, "x,y", ""},
        {" \"a\" ,  \"b\"", false, 2, "a", "\"b\""},
        {"\"a\" junk, b", false, 0, "", ""},
        {"\"abc", false, 0, "", ""},
        {"\"\\x41\"", false, 1, "A", ""},
        {"\"\\x4g\"", false, 0, "", ""},
        {"\"\\x4\"", false, 0, "", ""},
        {"\"\\q\"", false, 1, "q", ""},
        {"\"\\\"\\\\\"", false, 1, "\"\\", ""},
        {"\"\\0\\b\\t\\n\\v\\f\\r\"", false, 1, "\0\b\t\n\v\f\r"s, ""},
        {"\"\\xe9\\xFF\"", false, 1, "\xE9\xFF", ""},
        {"\"ends in backslash\\", false, 0, "", ""},
        {"\"\"", false, 1, "", ""},
        {"a\\tb\"c", true, 1, "a\tb\"c", ""},
        {" lead", true, 1, " lead", ""},
        {"a,b", true, 1, "a,b", ""},
        {"bad\\x1", true, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        gstr s("previous");
        const char* next = nullptr;
        ASSERT_EQ(s.parse(c.text.c_str(), next, c.raw), c.result);
        if (c.result == 0) {
            EXPECT_TRUE(s.isNull()) << "an error leaves no buffer";
            continue;
        }
        EXPECT_FALSE(s.isNull());
        EXPECT_EQ(std::string(s.view()), c.value);
        EXPECT_EQ(std::string(next), c.rest);
    }
}

TEST(valueParsers, ValueFormReadsBackEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::string texts[] = {all, "abc", " a", "a ", " ", "\"q", "a,b", "C:\\dir\\file", "a\tb", ""};
    for (const auto& text : texts) {
        gstr written;
        written.assignQuoted(gstrSlice(text.data(), static_cast<int32_t>(text.size())), false, false);
        gstr read;
        ASSERT_EQ(read.parse(written.data()), 1) << written.data();
        EXPECT_EQ(std::string(read.view()), text);

        gstr escaped;
        escaped.assign("");
        escaped.assignQuoted(gstrSlice(text.data(), static_cast<int32_t>(text.size())), true, false);
        ASSERT_TRUE(read.parseValue(escaped.data(), true));
        EXPECT_EQ(std::string(read.view()), text);
    }
}

TEST(valueParsers, ParseFromOwnBuffer)
{
    gstr s("\"a\\tb\"");
    ASSERT_EQ(s.parse(s.data()), 1);
    EXPECT_EQ(std::string(s.view()), "a\tb");
}

TEST(valueParsers, SingleValue)
{
    gstr s;
    EXPECT_TRUE(s.parseValue("  \"one, value\" "));
    EXPECT_EQ(std::string(s.view()), "one, value");
    EXPECT_FALSE(s.parseValue("a, b"));
    EXPECT_TRUE(s.isNull());
    EXPECT_FALSE(s.parseValue("\"open"));
    EXPECT_TRUE(s.isNull());
    EXPECT_TRUE(s.parseValue(nullptr));
    EXPECT_FALSE(s.isNull());
    EXPECT_EQ(s.length(), 0);
}

// A text taken as its own value must be what parseValue reads from it.
TEST(valueParsers, BareValueReadsAsItself)
{
    struct Case {
        std::string text;
        bool bare;
    } cases[] = {
        {"Port-000001", true}, {"a b\\n\"", true},     {"\xE9\x01", true},  {"", false},
        {" a", false},         {"a\t", false},          {"a\r", false},       {"\"a\"", false},
        {"a,b", false},        {std::string("a\0b", 3), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        gstrSlice text(c.text.data(), static_cast<int32_t>(c.text.size()));
        EXPECT_EQ(gstr::isBareValue(text), c.bare);
        if (!c.bare)
            continue;
        gstr copy(text);
        gstr read;
        ASSERT_TRUE(read.parseValue(copy.data()));
        EXPECT_EQ(read, text);
    }
}

TEST(valueParsers, ListSeparator)
{
    struct Case {
        const char* text;
        int result;
        const char* rest;
    } cases[] = {{"  , x", 2, "x"}, {" \t", 1, ""}, {"", 1, ""}, {" ;", 0, nullptr}, {",", 2, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const char* next = nullptr;
        ASSERT_EQ(skipListSeparator(c.text, next), c.result);
        if (c.rest) {
            EXPECT_STREQ(next, c.rest);
        }
    }
}

TEST(valueParsers, ListOfMixedItems)
{
    const char* p = "7, -3 ,\"x, y\",  1.25, 10.1.2.3";
    uint32_t u = 0;
    int32_t i = 0;
    gstr s;
    double d = 0;
    ASSERT_EQ(parseUnsignedItem(p, u, p), 2);
    ASSERT_EQ(parseIntItem(p, i, p), 2);
    ASSERT_EQ(s.parse(p, p), 2);
    ASSERT_EQ(parseDoubleItem(p, d, p), 2);
    uint8_t address[4] = {};
    ASSERT_EQ(parseIpAddressItem(p, address, true), 1);
    EXPECT_EQ(u, 7u);
    EXPECT_EQ(i, -3);
    EXPECT_EQ(std::string(s.view()), "x, y");
    EXPECT_EQ(d, 1.25);
    EXPECT_EQ(address[0], 10);
}

TEST(valueParsers, HexDigits)
{
    const char digits[] = "0123456789abcdefABCDEF";
    const int values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
    for (int k = 0; k < 22; ++k)
        EXPECT_EQ(hexDigitValue(digits[k]), values[k]) << digits[k];
    EXPECT_EQ(hexPairValue("e9"), 0xE9);
    EXPECT_EQ(hexPairValue("7F"), 0x7F);
    EXPECT_EQ(hexDigitChar(0), '0');
    EXPECT_EQ(hexDigitChar(11), 'B');
    EXPECT_EQ(hexDigitChar(15), 'F');
}

} // namespace
