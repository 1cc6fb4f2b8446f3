#include "formats/gintegerInputFormat.h"
#include "formats/gintegerOutputFormat.h"
#include "formats/gintegerType.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

gloadStatus readInput(gintegerInputFormat& format, int token, const char* value, bool allowSigned = false)
{
    return format.readKeyword(token, gstr(value), allowSigned);
}

gloadStatus readOutput(gintegerOutputFormat& format, int token, const char* value, bool allowSigned = false)
{
    return format.loadField(token, gstr(value), allowSigned);
}

// The format read from the lines (nothing refused), settled and written back.
std::string inputRoundTrip(const std::string& lines)
{
    gintegerInputFormat format;
    for (gloadStatus status : feedLines(lines, [&](int token, gstr& value) {
             return format.readKeyword(token, value, false);
         }))
        EXPECT_EQ(status, gload::accepted) << lines;
    format.afterLoad();
    EXPECT_TRUE(format.isValid()) << lines;
    return writtenText([&](CObjectFile& file) { format.write(file, 1); });
}

std::string outputRoundTrip(const std::string& lines, bool allowSigned)
{
    gintegerOutputFormat format;
    for (gloadStatus status : feedLines(lines, [&](int token, gstr& value) {
             return format.loadField(token, value, allowSigned);
         }))
        EXPECT_EQ(status, gload::accepted) << lines;
    format.afterLoad();
    EXPECT_TRUE(format.isComplete()) << lines;
    return writtenText([&](CObjectFile& file) { format.writeFields(file, 1); });
}

int decode(const gintegerInputFormat& format, const std::string& data, uint32_t& value, size_t& used)
{
    const char* cursor = data.data();
    int result = format.decode(cursor, static_cast<int32_t>(data.size()), value);
    used = static_cast<size_t>(cursor - data.data());
    return result;
}

gintegerInputFormat inputOf(int32_t type, int32_t width)
{
    gintegerInputFormat format;
    format.setType(type);
    format.setWidth(width);
    return format;
}

gintegerOutputFormat textOutput(int32_t type, int32_t width, int32_t alignment, char pad)
{
    gintegerOutputFormat format;
    format.setType(type);
    format.field().width = width;
    format.field().alignment = alignment;
    format.field().pad.set(pad);
    return format;
}

TEST(integerInputFormat, ReadsItsKeywords)
{
    gintegerInputFormat format;
    EXPECT_EQ(readInput(format, kw::TYPE, "decimal"), gload::accepted);
    EXPECT_EQ(readInput(format, kw::TYPE, "HEX"), gload::alreadyLoaded);
    EXPECT_EQ(readInput(format, kw::WIDTH, "3, \" \""), gload::accepted);
    EXPECT_EQ(format.width(), 3);
    EXPECT_EQ(std::string(format.trailing().view()), " ");
    EXPECT_EQ(readInput(format, kw::LEADING, "\"\""), gload::accepted);
    EXPECT_TRUE(format.leading().isEmpty() && !format.leading().isNull());
    EXPECT_EQ(readInput(format, kw::LEADING, "x"), gload::alreadyLoaded);
    EXPECT_EQ(readInput(format, kw::PATTERN, "x"), gload::unknownKeyword);

    struct {
        int token;
        const char* value;
        bool allowSigned;
        gloadStatus status;
    } const cases[] = {
        {kw::TYPE, "SIGNED BYTE", false, gload::invalidValue},
        {kw::TYPE, "SIGNED BYTE", true, gload::accepted},
        {kw::TYPE, "BYTE, 1", false, gload::invalidValue},
        {kw::TYPE, "TITLE", false, gload::invalidValue},
        {kw::TYPE, "nothing", false, gload::invalidValue},
        {kw::WIDTH, "-1", false, gload::invalidValue},
        {kw::WIDTH, "2, a, b", false, gload::invalidValue},
        {kw::WIDTH, "x", false, gload::invalidValue},
        {kw::WIDTH, "0, anything, at all", false, gload::accepted},
        {kw::LEADING, "a, b", false, gload::invalidValue},
        {kw::LEADING, "\"open", false, gload::invalidValue},
    };
    for (const auto& c : cases) {
        gintegerInputFormat fresh;
        EXPECT_EQ(readInput(fresh, c.token, c.value, c.allowSigned), c.status) << c.value;
    }
}

TEST(integerInputFormat, WritesWhatItReads)
{
    const char* const tables[] = {
        "\tWIDTH\t\t1\n\tTYPE\t\tBYTE\n",
        "\tWIDTH\t\t3\n\tTYPE\t\tMULTIBYTE LO-HI\n",
        "\tWIDTH\t\t4\n\tTYPE\t\tMULTIBYTE_HI-LO\n",
        "\tWIDTH\t\t6\n\tTYPE\t\tBCD\n",
        "\tTYPE\t\tDECIMAL\n",
        "\tLEADING\t\t\" \"\n\tWIDTH\t\t3, \" \"\n\tTYPE\t\tDECIMAL\n",
        "\tLEADING\t\t\n\tTYPE\t\tHEX\n",
        "\tLEADING\t\t\"x,\\t\"\n\tWIDTH\t\t8, \n\tTYPE\t\tOCTAL\n",
        "\tWIDTH\t\t5\n\tTYPE\t\tBINARY\n",
    };
    for (const char* lines : tables)
        EXPECT_EQ(inputRoundTrip(lines), lines);
}

TEST(integerInputFormat, Validity)
{
    struct {
        int32_t type;
        int32_t width;
        bool valid;
    } const cases[] = {
        {gintegerType::notGiven, 0, false},      {gintegerType::byte, 1, true},
        {gintegerType::byte, 2, false},          {gintegerType::signedByte, 1, true},
        {gintegerType::multibyteLoHi, 1, false}, {gintegerType::multibyteHiLo, 4, true},
        {gintegerType::multibyteHiLo, 5, false}, {gintegerType::bcd, 0, false},
        {gintegerType::bcd, 9, true},            {gintegerType::decimal, 0, true},
        {gintegerType::hex, 12, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inputOf(c.type, c.width).isValid(), c.valid) << c.type << " " << c.width;

    gintegerInputFormat withSet = inputOf(gintegerType::byte, 1);
    withSet.setLeading(" ");
    EXPECT_FALSE(withSet.isValid());
}

TEST(integerInputFormat, DecodesBytes)
{
    struct {
        int32_t type;
        int32_t width;
        std::string data;
        int result;
        uint32_t value;
    } const cases[] = {
        {gintegerType::byte, 1, "\xFF", 1, 255},
        {gintegerType::signedByte, 1, "\xFF", 1, 255},
        {gintegerType::multibyteHiLo, 3, "\x01\x02\x03", 1, 0x010203},
        {gintegerType::multibyteLoHi, 3, "\x01\x02\x03", 1, 0x030201},
        {gintegerType::multibyteLoHi, 4, "\xFF\xFF\xFF\xFF", 1, 0xFFFFFFFF},
        {gintegerType::multibyteLoHi, 3, "\x01\x02", 0, 0},
        {gintegerType::bcd, 2, "\x12\x34", 1, 1234},
        {gintegerType::bcd, 1, "\x1A", 0, 0},
        {gintegerType::bcd, 5, std::string("\x42\x94\x96\x72\x95", 5), 1, 4294967295u},
        {gintegerType::bcd, 5, std::string("\x42\x94\x96\x72\x96", 5), 0, 0},
        {gintegerType::multibyteLoHi, 7, std::string(8, '\x01'), 0, 0},
    };
    for (const auto& c : cases) {
        uint32_t value = 0;
        size_t used = 0;
        EXPECT_EQ(decode(inputOf(c.type, c.width), c.data, value, used), c.result) << c.type;
        EXPECT_EQ(value, c.value) << c.type;
        EXPECT_EQ(used, c.result ? static_cast<size_t>(c.width) : 0u);
    }
}

TEST(integerInputFormat, ReadsTextFields)
{
    auto withSets = [](int32_t type, int32_t width, const char* leading, const char* trailing) {
        gintegerInputFormat format = inputOf(type, width);
        if (leading)
            format.setLeading(leading);
        if (trailing)
            format.setTrailing(trailing);
        return format;
    };
    struct {
        gintegerInputFormat format;
        std::string data;
        int result;
        uint32_t value;
        size_t used;
    } const cases[] = {
        {withSets(gintegerType::decimal, 3, nullptr, " "), "42 ", 1, 42, 3},
        {withSets(gintegerType::decimal, 0, "", nullptr), "xy17", 1, 17, 4},
        {withSets(gintegerType::decimal, 0, nullptr, nullptr), "17abc", 1, 17, 2},
        {withSets(gintegerType::decimal, 0, nullptr, nullptr), "x17", 0, 0, 0},
        {withSets(gintegerType::decimal, 0, " ", nullptr), "  17", 1, 17, 4},
        {withSets(gintegerType::hex, 0, "", nullptr), "zzfF", 1, 255, 4},
        {withSets(gintegerType::binary, 0, "", nullptr), "2101", 1, 5, 4},
        {withSets(gintegerType::octal, 0, nullptr, nullptr), "778", 1, 63, 2},
        {withSets(gintegerType::decimal, 4, nullptr, nullptr), "12 4", 0, 0, 0},
        {withSets(gintegerType::decimal, 4, nullptr, ""), "12ab", 1, 12, 4},
        {withSets(gintegerType::decimal, 4, nullptr, "-"), "12--", 1, 12, 4},
        {withSets(gintegerType::decimal, 4, nullptr, "-"), "12-x", 0, 0, 0},
        {withSets(gintegerType::decimal, 4, nullptr, nullptr), "123", 0, 0, 0},
        {withSets(gintegerType::decimal, 0, nullptr, nullptr), "4294967295", 1, 4294967295u, 10},
        {withSets(gintegerType::decimal, 0, nullptr, nullptr), "4294967296", 0, 0, 0},
        {withSets(gintegerType::hex, 0, nullptr, nullptr), "100000000", 0, 0, 0},
    };
    for (const auto& c : cases) {
        uint32_t value = 0;
        size_t used = 0;
        EXPECT_EQ(decode(c.format, c.data, value, used), c.result) << c.data;
        EXPECT_EQ(value, c.value) << c.data;
        EXPECT_EQ(used, c.used) << c.data;
    }
}

TEST(integerOutputFormat, ReadsItsKeywords)
{
    gintegerOutputFormat format;
    EXPECT_EQ(readOutput(format, kw::TYPE, "HEX, a"), gload::accepted);
    EXPECT_EQ(format.hexCase(), 'a');
    EXPECT_EQ(readOutput(format, kw::TYPE, "HEX, a"), gload::alreadyLoaded);
    EXPECT_EQ(readOutput(format, kw::WIDTH, "4, RIGHT, 0"), gload::accepted);
    EXPECT_EQ(format.field().alignment, gfieldWidth::right);
    EXPECT_TRUE(format.field().pad.is('0'));
    EXPECT_EQ(readOutput(format, kw::WIDTH, "4"), gload::alreadyLoaded);
    EXPECT_EQ(readOutput(format, kw::LEADING, "x"), gload::unknownKeyword);

    struct {
        int token;
        const char* value;
        bool allowSigned;
        gloadStatus status;
    } const cases[] = {
        {kw::TYPE, "HEX", false, gload::invalidValue},
        {kw::TYPE, "HEX, b", false, gload::invalidValue},
        {kw::TYPE, "HEX, Aa", false, gload::invalidValue},
        {kw::TYPE, "HEX, A, x", false, gload::invalidValue},
        {kw::TYPE, "DECIMAL, A", false, gload::invalidValue},
        {kw::TYPE, "SIGNED MULTIBYTE HI-LO", false, gload::invalidValue},
        {kw::TYPE, "SIGNED MULTIBYTE HI-LO", true, gload::accepted},
        {kw::WIDTH, "0", false, gload::accepted},
        {kw::WIDTH, "0, LEFT, x", false, gload::invalidValue},
        {kw::WIDTH, "3", false, gload::accepted},
        {kw::WIDTH, "-3", false, gload::invalidValue},
        {kw::WIDTH, "3, LEFT", false, gload::invalidValue},
        {kw::WIDTH, "3, LEFT, NONE", false, gload::invalidValue},
        {kw::WIDTH, "3, LEFT, ab", false, gload::invalidValue},
        {kw::WIDTH, "3, CENTRE, x", false, gload::invalidValue},
        {kw::WIDTH, "3, FULL RIGHT, x", false, gload::invalidValue},
        {kw::WIDTH, "3, FULL RIGHT, x", true, gload::accepted},
        {kw::WIDTH, "3, LEFT, x, y", false, gload::invalidValue},
    };
    for (const auto& c : cases) {
        gintegerOutputFormat fresh;
        EXPECT_EQ(readOutput(fresh, c.token, c.value, c.allowSigned), c.status) << c.value;
    }
}

TEST(integerOutputFormat, WritesWhatItReads)
{
    struct {
        const char* lines;
        bool allowSigned;
    } const tables[] = {
        {"\tWIDTH\t\t1\n\tTYPE\t\tBYTE\n", false},
        {"\tWIDTH\t\t2\n\tTYPE\t\tSIGNED MULTIBYTE LO-HI\n", true},
        {"\tWIDTH\t\t3\n\tTYPE\t\tBCD\n", false},
        {"\tTYPE\t\tHEX, a\n", false},
        {"\tWIDTH\t\t4, RIGHT, 0\n\tTYPE\t\tHEX, A\n", false},
        {"\tWIDTH\t\t6, LEFT, \" \"\n\tTYPE\t\tDECIMAL\n", false},
        {"\tWIDTH\t\t6, FULL RIGHT, \",\"\n\tTYPE\t\tOCTAL\n", true},
        {"\tTYPE\t\tBINARY\n", false},
    };
    for (const auto& t : tables)
        EXPECT_EQ(outputRoundTrip(t.lines, t.allowSigned), t.lines);
}

TEST(integerOutputFormat, Completeness)
{
    gintegerOutputFormat format;
    EXPECT_FALSE(format.isComplete());
    format.setType(gintegerType::decimal);
    format.field().width = 0;
    EXPECT_TRUE(format.isComplete());
    format.field().width = 3;
    EXPECT_FALSE(format.isComplete()); // a fixed text field needs an alignment
    format.field().alignment = gfieldWidth::left;
    EXPECT_TRUE(format.isComplete());
    format.setType(gintegerType::multibyteHiLo);
    EXPECT_FALSE(format.isComplete()); // bytes take no alignment
    format.field().alignment = 0;
    EXPECT_TRUE(format.isComplete());
    format.field().width = 5;
    EXPECT_FALSE(format.isComplete());
}

TEST(integerOutputFormat, PadsWithABlankWhenNoCharacterWasGiven)
{
    gintegerOutputFormat format;
    format.setType(gintegerType::decimal);
    format.field().width = 3;
    format.field().alignment = gfieldWidth::right;
    EXPECT_EQ(std::string(format.encode(7).view()), "  7");
    // Written as it pads: NONE would not load.
    EXPECT_EQ(writtenText([&](CObjectFile& file) { format.writeFields(file, 1); }),
              "\tWIDTH\t\t3, RIGHT, \" \"\n\tTYPE\t\tDECIMAL\n");
}

TEST(integerOutputFormat, Encodes)
{
    auto bytes = [](int32_t type, int32_t width) {
        gintegerOutputFormat format;
        format.setType(type);
        format.field().width = width;
        return format;
    };
    gintegerOutputFormat lowerHex = textOutput(gintegerType::hex, 4, gfieldWidth::right, '0');
    lowerHex.setHexCase('a');
    gintegerOutputFormat leftHex = textOutput(gintegerType::hex, 4, gfieldWidth::left, ' ');
    leftHex.setHexCase('a');
    gintegerOutputFormat narrowHex = textOutput(gintegerType::hex, 1, gfieldWidth::right, '0');
    narrowHex.setHexCase('a');

    struct {
        gintegerOutputFormat format;
        uint32_t value;
        std::string bytes;
    } const cases[] = {
        {lowerHex, 255, "00ff"},
        {leftHex, 255, "ff  "},
        {narrowHex, 255, "f"},
        {textOutput(gintegerType::decimal, 0, 0, ' '), 0, "0"},
        {textOutput(gintegerType::decimal, 0, 0, ' '), 4294967295u, "4294967295"},
        {textOutput(gintegerType::binary, 6, gfieldWidth::right, ' '), 5, "   101"},
        {textOutput(gintegerType::octal, 3, gfieldWidth::fullRight, '*'), 8, "*10"},
        {textOutput(gintegerType::decimal, 3, gfieldWidth::right, '0'), 12345, "345"},
        {bytes(gintegerType::bcd, 2), 123456, "\x34\x56"},
        {bytes(gintegerType::bcd, 3), 1234, std::string("\x00\x12\x34", 3)},
        {bytes(gintegerType::byte, 1), 0x1234, "\x34"},
        {bytes(gintegerType::signedByte, 1), 0xFFFFFFFF, "\xFF"},
        {bytes(gintegerType::multibyteLoHi, 3), 0x010203, "\x03\x02\x01"},
        {bytes(gintegerType::multibyteHiLo, 2), 0x010203, "\x02\x03"},
        {bytes(gintegerType::multibyteHiLo, 4), 0x01020304, "\x01\x02\x03\x04"},
        {bytes(gintegerType::notGiven, 0), 7, ""},
        // Wider than any device field: nothing rather than a huge buffer.
        {bytes(gintegerType::bcd, 2000000000), 7, ""},
        {textOutput(gintegerType::decimal, 2000000000, gfieldWidth::left, ' '), 7, ""},
    };
    for (const auto& c : cases) {
        gstr out = c.format.encode(c.value);
        EXPECT_EQ(std::string(out.view()), c.bytes) << c.value;
    }
}

} // namespace
