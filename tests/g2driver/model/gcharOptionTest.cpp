#include "g2driver/model/gcharOption.h"
#include "g2driver/model/gstringOutputFormat.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(charOption, ParsesOneCharacterOrNone)
{
    struct {
        const char* text;
        bool allowNone;
        int result;
        uint8_t state;
        char character;
    } const cases[] = {
        {"x", false, 1, gcharOption::given, 'x'},
        {"\",\"", false, 1, gcharOption::given, ','},
        {"\" \", rest", false, 2, gcharOption::given, ' '},
        {"\"\\x00\"", false, 1, gcharOption::given, '\0'},
        {"NONE", true, 1, gcharOption::none, 0},
        {"none, x", true, 2, gcharOption::none, 0},
        {"NONE", false, 0, gcharOption::unset, 0},
        {"AB", true, 0, gcharOption::unset, 0},
        {"\"\"", true, 0, gcharOption::unset, 0},
        {"\"x", true, 0, gcharOption::unset, 0},
    };
    for (const auto& c : cases) {
        gcharOption option;
        const char* next = nullptr;
        EXPECT_EQ(option.parse(c.text, next, c.allowNone), c.result) << c.text;
        EXPECT_EQ(option.state(), c.state) << c.text;
        if (c.state == gcharOption::given) {
            EXPECT_EQ(option.character(), c.character) << c.text;
        }
    }
}

TEST(charOption, WritesWhatItReads)
{
    const char* const values[] = {"x", "\",\"", "\" \"", "\"\\t\"", "\\", "\"\\\"\"", "NONE"};
    for (const char* value : values) {
        gcharOption option;
        const char* next = nullptr;
        ASSERT_EQ(option.parse(value, next, true), 1) << value;
        EXPECT_EQ(writtenText([&](CObjectFile& file) { option.write(file, 0); }), value);
    }
    EXPECT_EQ(std::string(gcharOption('"').text(true).view()), "\"");
    EXPECT_EQ(std::string(gcharOption('\t').text(true).view()), "\\t");
    EXPECT_EQ(std::string(gcharOption(',').text(false).view()), "\",\"");
    EXPECT_EQ(gcharOption::makeNone().text(false).length(), 0);
}

TEST(charOption, ParsesLists)
{
    gcharOption options[3];
    EXPECT_EQ(parseCharOptions("+, -, NONE", options, 3), 1);
    EXPECT_TRUE(options[0].is('+') && options[1].is('-') && options[2].isNone());
    gcharOption kept[2] = {gcharOption('a'), gcharOption('b')};
    EXPECT_EQ(parseCharOptions("x, y, z", kept, 2), 0);
    EXPECT_EQ(parseCharOptions("x", kept, 2), 0);
    EXPECT_TRUE(kept[0].is('a') && kept[1].is('b'));
}

TEST(stringOutputFormat, ReadsWritesAndSettles)
{
    struct {
        int token;
        const char* value;
        gloadStatus status;
    } const cases[] = {
        {kw::WIDTH, "0", gload::accepted},
        {kw::WIDTH, "4, LEFT, \" \"", gload::accepted},
        {kw::WIDTH, "4", gload::invalidValue},
        {kw::WIDTH, "4, FULL RIGHT, \" \"", gload::invalidValue},
        {kw::WIDTH, "0, LEFT, x", gload::invalidValue},
        {kw::REPLACEMENT, "?", gload::accepted},
        {kw::REPLACEMENT, "\"\\x7F\"", gload::invalidValue},
        {kw::REPLACEMENT, "NONE", gload::accepted},
        {kw::REPLACEMENT, "?, !", gload::invalidValue},
        {kw::TYPE, "DECIMAL", gload::unknownKeyword},
    };
    for (const auto& c : cases) {
        gstringOutputFormat format;
        EXPECT_EQ(format.loadField(c.token, gstr(c.value)), c.status) << c.value;
        if (c.status == gload::accepted) {
            EXPECT_EQ(format.loadField(c.token, gstr(c.value)), gload::alreadyLoaded) << c.value;
        }
    }

    const char* const tables[] = {
        "",
        "\tWIDTH\t\t4, RIGHT, \"\\0\"\n",
        "\tWIDTH\t\t12, LEFT, .\n\tREPLACEMENT\t\" \"\n",
    };
    for (const char* lines : tables) {
        gstringOutputFormat format;
        auto receive = [&](int token, gstr& value) { return format.loadField(token, value); };
        for (gloadStatus status : feedLines(lines, receive))
            EXPECT_EQ(status, gload::accepted) << lines;
        format.afterLoad();
        EXPECT_NE(format.field().width, -1);
        EXPECT_TRUE(format.replacement().isSet());
        EXPECT_EQ(writtenText([&](CObjectFile& file) { format.writeFields(file, 1); }), lines);
    }
}

} // namespace
