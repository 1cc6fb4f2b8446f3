#include "formats/gintegerType.h"
#include "formats/gnumberInputFormat.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

gloadStatus read(gnumberInputFormat& format, int token, const char* value, bool allowExtended = false)
{
    return format.readKeyword(token, gstr(value), allowExtended);
}

// Read from lines that must all be accepted, then settled.
gnumberInputFormat loaded(const std::string& lines, bool allowExtended)
{
    gnumberInputFormat format;
    for (gloadStatus status : feedLines(lines, [&](int token, gstr& value) {
             return format.readKeyword(token, value, allowExtended);
         }))
        EXPECT_EQ(status, gload::accepted) << lines;
    format.afterLoad();
    return format;
}

struct decoded {
    int result;
    double value;
    int marker;
    size_t used;
};

decoded decode(const gnumberInputFormat& format, const std::string& data)
{
    decoded out{0, -99, 99, 0};
    const char* cursor = data.data();
    out.result = format.decode(cursor, static_cast<int32_t>(data.size()), out.value, out.marker);
    out.used = static_cast<size_t>(cursor - data.data());
    return out;
}

const char* const decimalSymbols = "\tSYMBOLS\t\t+, -, \",\", .\n\tTYPE\t\tDECIMAL\n";

TEST(numberInputFormat, ReadsItsKeywords)
{
    struct {
        int token;
        const char* value;
        bool allowExtended;
        gloadStatus status;
    } const cases[] = {
        {kw::DECIMALS, "2", false, gload::accepted},
        {kw::DECIMALS, "-1", false, gload::invalidValue},
        {kw::DECIMALS, "2, .", false, gload::invalidValue},
        {kw::EXPONENT, "E+, E-", false, gload::accepted},
        {kw::EXPONENT, "E+", false, gload::invalidValue},
        {kw::EXPONENT, "\"\", E-", false, gload::invalidValue},
        {kw::EXPONENT, "E+, E-, x", false, gload::invalidValue},
        {kw::SYMBOLS, "+, -, NONE, .", false, gload::accepted},
        {kw::SYMBOLS, "+, -, \",\"", false, gload::invalidValue},
        {kw::SYMBOLS, "+, -, \",\", ., x", false, gload::invalidValue},
        {kw::SYMBOLS, "+, --, \",\", .", false, gload::invalidValue},
        {kw::GREATER_LESS, ">, <", true, gload::accepted},
        {kw::GREATER_LESS, "NONE, none", true, gload::accepted},
        {kw::GREATER_LESS, ">", true, gload::invalidValue},
        {kw::GREATER_LESS, ">, <", false, gload::unknownKeyword},
        {kw::SEPARATOR, "\"[,;]\"", true, gload::accepted},
        {kw::SEPARATOR, "a, b", true, gload::invalidValue},
        {kw::SEPARATOR, ";", false, gload::unknownKeyword},
        {kw::TYPE, "SIGNED BYTE", false, gload::accepted},
        {kw::PATTERN, "x", true, gload::unknownKeyword},
    };
    for (const auto& c : cases) {
        gnumberInputFormat format;
        EXPECT_EQ(read(format, c.token, c.value, c.allowExtended), c.status) << c.value;
        if (c.status == gload::accepted) {
            EXPECT_EQ(read(format, c.token, c.value, c.allowExtended), gload::alreadyLoaded) << c.value;
        }
    }
}

TEST(numberInputFormat, WritesWhatItReads)
{
    const char* const tables[] = {
        "\tWIDTH\t\t2\n\tTYPE\t\tSIGNED MULTIBYTE HI-LO\n\tDECIMALS\t1\n",
        "\tWIDTH\t\t3\n\tTYPE\t\tBCD\n\tDECIMALS\t4\n",
        "\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\t+, -, \",\", .\n",
        ("\tLEADING\t\t\" \"\n\tWIDTH\t\t9, \n\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\t+, -, NONE, \",\"\n"
         "\tEXPONENT\tE+, E-\n\tDECIMALS\t2\n\tGREATER_LESS\t>, <\n\tSEPARATOR\t\"[,;]\"\n"),
        // A less-than marker alone is kept.
        "\tTYPE\t\tHEX\n\tGREATER_LESS\tNONE, <\n",
    };
    for (const char* lines : tables) {
        gnumberInputFormat format = loaded(lines, true);
        EXPECT_TRUE(format.isValid()) << lines;
        EXPECT_EQ(writtenText([&](CObjectFile& file) { format.write(file, 1); }), lines);
    }
}

TEST(numberInputFormat, SettlesAndChecks)
{
    gnumberInputFormat text = loaded("\tTYPE\t\tHEX\n", false);
    EXPECT_EQ(text.width(), 0);
    EXPECT_EQ(text.decimals(), 0);
    EXPECT_TRUE(text.greaterMarker().isNone() && text.lessMarker().isNone());
    EXPECT_TRUE(text.isValid());

    EXPECT_FALSE(loaded("\tTYPE\t\tHEX\n\tSYMBOLS\t\t+, -, NONE, .\n", false).isValid());
    EXPECT_FALSE(loaded("\tTYPE\t\tHEX\n\tEXPONENT\tE, e\n", false).isValid());
    EXPECT_FALSE(loaded("\tTYPE\t\tDECIMAL\n", false).isValid());
    EXPECT_TRUE(loaded(decimalSymbols, false).isValid());
    EXPECT_FALSE(loaded("\tTYPE\t\tSIGNED BYTE\n", false).isValid()); // no WIDTH 1
}

TEST(numberInputFormat, DecodesBytes)
{
    struct {
        const char* lines;
        std::string data;
        int result;
        double value;
    } const cases[] = {
        {"\tWIDTH 1\n\tTYPE SIGNED BYTE\n", "\xFF", 1, -1},
        {"\tWIDTH 1\n\tTYPE BYTE\n", "\xFF", 1, 255},
        {"\tWIDTH 2\n\tTYPE SIGNED MULTIBYTE HI-LO\n", "\xFF\xFE", 1, -2},
        {"\tWIDTH 2\n\tTYPE SIGNED MULTIBYTE HI-LO\n\tDECIMALS 1\n", "\xFF\xFE", 1, -0.2},
        {"\tWIDTH 3\n\tTYPE SIGNED MULTIBYTE LO-HI\n", std::string("\x00\x00\x80", 3), 1, -8388608},
        {"\tWIDTH 4\n\tTYPE SIGNED MULTIBYTE LO-HI\n", "\xFF\xFF\xFF\xFF", 1, -1},
        {"\tWIDTH 4\n\tTYPE MULTIBYTE LO-HI\n", "\xFF\xFF\xFF\xFF", 1, 4294967295.0},
        {"\tWIDTH 1\n\tTYPE BYTE\n\tDECIMALS 2\n", "\x7B", 1, 1.23},
        {"\tWIDTH 6\n\tTYPE BCD\n\tDECIMALS 2\n", "\x99\x99\x99\x99\x99\x99", 1, 9999999999.99},
        {"\tWIDTH 2\n\tTYPE BCD\n", "\x12\xA0", 0, -99},
        {"\tWIDTH 2\n\tTYPE BCD\n", "\x12", 0, -99},
    };
    for (const auto& c : cases) {
        decoded out = decode(loaded(c.lines, false), c.data);
        EXPECT_EQ(out.result, c.result) << c.lines;
        EXPECT_DOUBLE_EQ(out.value, c.value) << c.lines;
        EXPECT_EQ(out.used, c.result ? c.data.size() : 0u) << c.lines;
    }
}

TEST(numberInputFormat, ReadsDecimalText)
{
    std::string symbols = decimalSymbols;
    std::string withExponent = symbols + "\tEXPONENT\tE+, E-\n";
    // One prefix beginning the other, either way round.
    std::string plainE = symbols + "\tEXPONENT\tE, E-\n";
    std::string plainMinusE = symbols + "\tEXPONENT\tE+, E\n";
    std::string spaced = symbols + "\tLEADING \" \"\n";
    std::string anyLead = symbols + "\tLEADING \"\"\n";
    std::string fixed = symbols + "\tWIDTH 6, \" \"\n";
    std::string markers = "\tTYPE DECIMAL\n\tSYMBOLS NONE, NONE, NONE, .\n\tGREATER_LESS >, <\n";
    struct {
        std::string lines;
        std::string data;
        int result;
        double value;
        size_t used;
        int marker;
    } const cases[] = {
        {symbols, "-1,234.5", 1, -1234.5, 8, 0},
        {symbols, "+12;", 1, 12, 3, 0},
        {symbols, ".5", 1, 0.5, 2, 0},
        {symbols, "1,,234", 0, 0, 0, 0},
        {symbols, "1234,", 0, 0, 0, 0},
        {symbols, ",123", 0, 0, 0, 0},
        {symbols, "1.", 0, 0, 0, 0},
        {symbols, "-", 0, 0, 0, 0},
        {symbols, "", 0, 0, 0, 0},
        {symbols, "1.2.3", 0, 0, 0, 0}, // a second decimal marker makes no number
        {symbols, "0.123,4", 1, 0.1234, 7, 0},
        {withExponent, "1.5E-2", 1, 0.015, 6, 0},
        {withExponent, "1.5E+2x", 1, 150, 6, 0},
        {withExponent, "1.5E-", 0, 0, 0, 0},
        {withExponent, "2E+400", 0, 0, 0, 0},
        {withExponent, "0E+400", 1, 0, 6, 0},
        {withExponent, "1.5e-2", 1, 1.5, 3, 0},
        {plainE, "2.5E-2", 1, 0.025, 6, 0},
        {plainE, "2.5E2", 1, 250, 5, 0},
        {plainE, "2.5E-", 0, 0, 0, 0},
        {plainMinusE, "2.5E+2", 1, 250, 6, 0},
        {plainMinusE, "2.5E2", 1, 0.025, 5, 0},
        {spaced, "  -  42", 1, -42, 7, 0},
        {anyLead, "abc-7", 1, -7, 5, 0},
        {fixed, "-12.5 ", 1, -12.5, 6, 0},
        {fixed, "-12.5x", 0, 0, 0, 0},
        {fixed, "1", 0, 0, 0, 0},
        {markers, "<12", 1, 12, 3, -1},
        {markers, ">7.5", 1, 7.5, 4, 1},
        {"\tTYPE HEX\n", "fF!", 1, 255, 2, 0},
        {"\tTYPE BINARY\n\tLEADING \"\"\n", "x102", 1, 2, 3, 0},
        {"\tTYPE OCTAL\n\tWIDTH 3\n", "017", 1, 15, 3, 0},
        {"\tTYPE DECIMAL\n\tSYMBOLS NONE, NONE, NONE, NONE\n", std::string(400, '9'), 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        decoded out = decode(loaded(c.lines, true), c.data);
        EXPECT_EQ(out.result, c.result) << c.lines << c.data;
        if (c.result) {
            EXPECT_DOUBLE_EQ(out.value, c.value) << c.data;
            EXPECT_EQ(out.used, c.used) << c.data;
            EXPECT_EQ(out.marker, c.marker) << c.data;
        } else {
            EXPECT_EQ(out.used, 0u) << c.data;
        }
    }
}

} // namespace

namespace {

TEST(numberInputFormat, CopiesAndTransfers)
{
    const char* const lines = "\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\t+, -, NONE, .\n\tEXPONENT\tE, e\n\tSEPARATOR\t;\n";
    gnumberInputFormat source = loaded(lines, true);
    gnumberInputFormat copy(source);
    gnumberInputFormat taken;
    taken.transferFrom(source);
    EXPECT_TRUE(source.positiveExponent().isNull());
    EXPECT_FALSE(source.separator().isSet());
    for (const gnumberInputFormat* format : {&copy, &taken})
        EXPECT_EQ(writtenText([&](CObjectFile& file) { format->write(file, 1); }), lines);
}

} // namespace
