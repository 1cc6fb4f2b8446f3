#include "formats/gexponentNotation.h"
#include "formats/gintegerType.h"
#include "formats/gnumberOutputFormat.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

gnumberOutputFormat loaded(const std::string& lines)
{
    gnumberOutputFormat format;
    for (gloadStatus status : feedLines(lines, [&](int token, gstr& value) { return format.loadField(token, value); }))
        EXPECT_EQ(status, gload::accepted) << lines;
    format.afterLoad();
    return format;
}

std::string formatted(const std::string& lines, double value)
{
    return std::string(loaded(lines).format(value).view());
}

const std::string decimal2 = "\tTYPE DECIMAL\n\tSYMBOLS +, -, \",\"\n\tDECIMALS 2, .\n";

TEST(numberOutputFormat, ReadsItsKeywords)
{
    struct {
        int token;
        const char* value;
        gloadStatus status;
    } const cases[] = {
        {kw::DECIMALS, "2, .", gload::accepted},
        {kw::DECIMALS, "2, NONE", gload::accepted},
        {kw::DECIMALS, "2", gload::accepted},
        {kw::DECIMALS, "-2", gload::accepted},
        {kw::DECIMALS, "0, .", gload::invalidValue},
        {kw::DECIMALS, "2, .., x", gload::invalidValue},
        {kw::DECIMALS, "2, ., x", gload::invalidValue},
        {kw::EXPONENT, "0", gload::accepted},
        {kw::EXPONENT, "0, 1, E+, E-", gload::invalidValue},
        {kw::EXPONENT, "2, 1, E+, E-", gload::accepted},
        {kw::EXPONENT, "2, -1, E+, E-", gload::invalidValue},
        {kw::EXPONENT, "-2, 1, E+, E-", gload::invalidValue},
        {kw::EXPONENT, "2, 1, E+", gload::invalidValue},
        {kw::EXPONENT, "2, 1, \"\", E-", gload::invalidValue},
        {kw::EXPONENT, "2, 1, E+, E-, x", gload::invalidValue},
        {kw::EXPONENT, "2", gload::invalidValue},
        {kw::SYMBOLS, "+, -, NONE", gload::accepted},
        {kw::SYMBOLS, "+, -", gload::invalidValue},
        {kw::TYPE, "SIGNED BYTE", gload::accepted},
        {kw::WIDTH, "5, FULL RIGHT, \" \"", gload::accepted},
        {kw::LEADING, "x", gload::unknownKeyword},
    };
    for (const auto& c : cases) {
        gnumberOutputFormat format;
        EXPECT_EQ(format.loadField(c.token, gstr(c.value)), c.status) << c.value;
        if (c.status == gload::accepted) {
            EXPECT_EQ(format.loadField(c.token, gstr(c.value)), gload::alreadyLoaded) << c.value;
        }
    }
}

TEST(numberOutputFormat, WritesWhatItReads)
{
    const char* const tables[] = {
        "\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\tNONE, -, NONE\n",
        "\tWIDTH\t\t10, RIGHT, \" \"\n\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\t+, -, \",\"\n\tDECIMALS\t2, .\n",
        ("\tWIDTH\t\t12, FULL RIGHT, 0\n\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\tNONE, -, NONE\n\tDECIMALS\t3, NONE\n"
         "\tEXPONENT\t2, 1, E+, E-\n"),
        "\tWIDTH\t\t1\n\tTYPE\t\tSIGNED BYTE\n\tDECIMALS\t1\n",
        // A negative count scales down and is kept.
        "\tWIDTH\t\t2\n\tTYPE\t\tMULTIBYTE LO-HI\n\tDECIMALS\t-2\n",
        "\tWIDTH\t\t4, RIGHT, 0\n\tTYPE\t\tHEX, a\n",
    };
    for (const char* lines : tables) {
        gnumberOutputFormat format = loaded(lines);
        EXPECT_TRUE(format.isComplete()) << lines;
        EXPECT_EQ(writtenText([&](CObjectFile& file) { format.writeFields(file, 1); }), lines);
    }
}

TEST(numberOutputFormat, Completeness)
{
    struct {
        std::string lines;
        bool complete;
    } const cases[] = {
        {"\tTYPE DECIMAL\n", false},
        {"\tTYPE DECIMAL\n\tSYMBOLS +, -, NONE\n", true},
        {"\tTYPE DECIMAL\n\tSYMBOLS +, -, NONE\n\tDECIMALS 2\n", false},
        {"\tTYPE DECIMAL\n\tSYMBOLS +, -, NONE\n\tDECIMALS 2, NONE\n", true},
        {"\tTYPE DECIMAL\n\tSYMBOLS +, -, NONE\n\tEXPONENT 2, 0, E, e\n", false},
        {"\tTYPE DECIMAL\n\tSYMBOLS +, -, NONE\n\tEXPONENT 2, 1, E, e\n", true},
        {"\tTYPE HEX, A\n\tSYMBOLS +, -, NONE\n", false},
        {"\tTYPE HEX, A\n\tDECIMALS 2, .\n", false},
        {"\tTYPE HEX, A\n\tEXPONENT 0\n", false},
        {"\tTYPE HEX, A\n\tDECIMALS 2\n", true},
        {decimal2 + "\tWIDTH 3, RIGHT, \" \"\n", true},
        {decimal2 + "\tWIDTH 3, RIGHT, \" \"\n\tEXPONENT 2, 1, E+, E-\n", false},
        {decimal2 + "\tWIDTH 8, RIGHT, \" \"\n\tEXPONENT 2, 1, E+, E-\n", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loaded(c.lines).isComplete(), c.complete) << c.lines;

    // The width check of the dialogs.
    gnumberOutputFormat format = loaded(decimal2 + "\tEXPONENT 2, 1, E+, E-\n");
    EXPECT_FALSE(format.isValidFor(6));
    EXPECT_TRUE(format.isValidFor(8));
    EXPECT_TRUE(format.isValidFor(0));
    gnumberOutputFormat grouped = loaded("\tTYPE DECIMAL\n\tSYMBOLS +, -, \",\"\n\tDECIMALS 7, .\n"
                                         "\tEXPONENT 3, 5, x10^, x10^-\n");
    // 3 + 7 + 5 + 1 (mantissa group) + 5 (prefix) + 1 (marker) + 2 (fraction groups)
    EXPECT_FALSE(grouped.isValidFor(23));
    EXPECT_TRUE(grouped.isValidFor(24));
}

TEST(numberOutputFormat, FormatsDecimalText)
{
    std::string exponent = decimal2 + "\tEXPONENT 2, 1, E+, E-\n";
    struct {
        std::string lines;
        double value;
        std::string text;
    } const cases[] = {
        {decimal2, 1234.567, "+1,234.57"},
        {decimal2, -0.004, "-0.00"},
        {decimal2, 0, "+0.00"},
        {decimal2, 1234567.0, "+1,234,567.00"},
        {decimal2 + "\tWIDTH 10, RIGHT, \" \"\n", 12.5, "+    12.50"},
        {decimal2 + "\tWIDTH 10, FULL RIGHT, \" \"\n", 12.5, "    +12.50"},
        {decimal2 + "\tWIDTH 10, LEFT, \" \"\n", 12.5, "+12.50    "},
        {decimal2 + "\tWIDTH 6, RIGHT, \" \"\n", 12345.678, "+45.68"},
        {exponent, 12345, "+1.23E+04"},
        {exponent, 0.00123, "+1.23E-03"},
        {exponent, 9.999, "+1.00E+01"},
        {exponent, 0, "+0.00E+00"},
        {exponent, -1e-300, "-1.00E-00"}, // higher exponent digits are dropped
        {"\tTYPE DECIMAL\n\tSYMBOLS NONE, -, NONE\n\tDECIMALS 7, .\n", 0.5, "0.5000000"},
        {"\tTYPE DECIMAL\n\tSYMBOLS NONE, NONE, \" \"\n\tDECIMALS 7, .\n", -0.5, "0.500 000 0"},
        {"\tTYPE DECIMAL\n\tSYMBOLS NONE, -, NONE\n\tDECIMALS 0\n", 2.5, "3"},
        {"\tTYPE DECIMAL\n\tSYMBOLS NONE, -, NONE\n\tDECIMALS -2\n", 1234.4, "1234"},
        {"\tTYPE DECIMAL\n\tSYMBOLS NONE, -, NONE\n\tEXPONENT 3, 2, e, e-\n\tDECIMALS 1, .\n", 123456, "12.3e004"},
        {"\tTYPE DECIMAL\n\tSYMBOLS NONE, -, NONE\n\tEXPONENT 1, 1, e, e-\n", 1e123, "1e3"},
        {"\tTYPE DECIMAL\n\tSYMBOLS NONE, -, NONE\n", 1e22, "1" + std::string(22, '0')},
        {decimal2, std::numeric_limits<double>::infinity(), ""},
        {decimal2, std::nan(""), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatted(c.lines, c.value), c.text) << c.lines << c.value;
}

TEST(numberOutputFormat, FormatsBytesAndDigits)
{
    struct {
        std::string lines;
        double value;
        std::string bytes;
    } const cases[] = {
        {"\tTYPE SIGNED BYTE\n\tWIDTH 1\n\tDECIMALS 1\n", -1.25, "\xF3"},
        {"\tTYPE SIGNED BYTE\n\tWIDTH 1\n", 300, "\x2C"},
        {"\tTYPE BYTE\n\tWIDTH 1\n", -3.6, "\x04"},
        {"\tTYPE SIGNED MULTIBYTE HI-LO\n\tWIDTH 2\n", -2, "\xFF\xFE"},
        {"\tTYPE MULTIBYTE LO-HI\n\tWIDTH 2\n\tDECIMALS -2\n", 51200, std::string("\x00\x02", 2)},
        {"\tTYPE BCD\n\tWIDTH 6\n", 123456789012.0, "\x12\x34\x56\x78\x90\x12"},
        {"\tTYPE BCD\n\tWIDTH 2\n\tDECIMALS 2\n", -12.345, "\x12\x35"},
        {"\tTYPE HEX, A\n\tWIDTH 4, RIGHT, 0\n", 254.6, "00FF"},
        {"\tTYPE HEX, a\n", 4294967296.0 * 16, "1000000000"},
        {"\tTYPE BINARY\n\tWIDTH 4, LEFT, \".\"\n", 2, "10.."},
        {"\tTYPE OCTAL\n", 8, "10"},
        {"\tTYPE BYTE\n\tWIDTH 1\n\tDECIMALS 400\n", 1, ""},
        {"\tTYPE BYTE\n\tWIDTH 1\n", std::nan(""), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatted(c.lines, c.value), c.bytes) << c.lines << c.value;
    EXPECT_EQ(gnumberOutputFormat().format(1).length(), 0);
}

// The exponent notation of indicators as its owner reads it: the header's
// value, then the lines up to END.
std::string notationRoundTrip(const std::string& header, const std::string& lines, gexponentNotation& notation)
{
    EXPECT_TRUE(notation.parseHeader(gstr(header.c_str())));
    for (gloadStatus status : feedLines(lines, [&](int token, gstr& value) { return notation.loadLine(token, value); }))
        EXPECT_TRUE(status == gload::accepted || status == gload::finished) << lines;
    return writtenText([&](CObjectFile& file) { notation.writeEmbedded(file, 1); });
}

TEST(exponentNotation, ReadsAndWrites)
{
    gexponentNotation fresh;
    EXPECT_EQ(std::string(fresh.marker().view()), " \xB7 10 ");

    const std::string full = "\tEXPONENT\t\" x 10^\"\n\t\tWIDTH\t\t3\n\t\tPLUS_SIGN\tNO\n\t\tFONT\t\tSANS SERIF\n"
                             "\t\tSIZE\t\t-2, 4\n\tEND\n";
    gexponentNotation notation;
    EXPECT_EQ(notationRoundTrip("\" x 10^\"", "WIDTH 3\nPLUS_SIGN NO\nFONT sans serif\nSIZE -2, 4\nEND\n", notation),
              full);
    EXPECT_EQ(notation.plusSign(), 0);
    EXPECT_EQ(notation.sizeReduction(), 2);
    EXPECT_EQ(notation.raise(), 4);

    gexponentNotation settled;
    EXPECT_EQ(notationRoundTrip("E", "END\n", settled), "\tEXPONENT\tE\n\t\tPLUS_SIGN\tYES\n\tEND\n");
    EXPECT_EQ(settled.width(), 1);
    EXPECT_EQ(settled.plusSign(), 1);
    EXPECT_EQ(settled.sizeReduction(), 0);

    // A raise alone is written; WIDTH 0 is the lowest width read.
    gexponentNotation raised;
    EXPECT_EQ(notationRoundTrip("E", "WIDTH 0\nSIZE 0, 2\nEND\n", raised),
              "\tEXPONENT\tE\n\t\tPLUS_SIGN\tYES\n\t\tSIZE\t\t0, 2\n\tEND\n");
    EXPECT_EQ(raised.width(), 1);
    EXPECT_EQ(raised.raise(), 2);

    EXPECT_FALSE(gexponentNotation().parseHeader(gstr("\"\"")));
    EXPECT_FALSE(gexponentNotation().parseHeader(gstr("a, b")));
    struct {
        int token;
        const char* value;
        gloadStatus status;
    } const cases[] = {
        {kw::WIDTH, "-1", gload::invalidValue},  {kw::WIDTH, "2, 3", gload::invalidValue},
        {kw::PLUS_SIGN, "MAYBE", gload::invalidValue}, {kw::FONT, "WINGDINGS", gload::invalidValue},
        {kw::SIZE, "2, 4", gload::invalidValue},  {kw::SIZE, "-2, -4", gload::invalidValue},
        {kw::SIZE, "-2147483648, 0", gload::invalidValue}, {kw::SIZE, "-2", gload::invalidValue},
        {kw::TYPE, "DECIMAL", gload::unknownKeyword},
    };
    for (const auto& c : cases) {
        gexponentNotation n;
        gstr value(c.value);
        EXPECT_EQ(n.loadField(c.token, value), c.status) << c.value;
    }
    gexponentNotation twice;
    gstr value("COURIER");
    EXPECT_EQ(twice.loadField(kw::FONT, value), gload::accepted);
    EXPECT_EQ(twice.loadField(kw::FONT, value), gload::alreadyLoaded);
}

} // namespace
