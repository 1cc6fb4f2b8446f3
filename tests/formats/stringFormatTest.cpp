#include "formats/gonOffPatterns.h"
#include "formats/gonOffStrings.h"
#include "formats/gstringMatch.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

gstringMatch matchOf(const char* prefix, const char* pattern, const char* suffix)
{
    gstringMatch match;
    const int tokens[] = {kw::PREFIX, kw::PATTERN, kw::SUFFIX};
    const char* const values[] = {prefix, pattern, suffix};
    for (int i = 0; i < 3; ++i) {
        if (values[i]) {
            EXPECT_EQ(match.readKeyword(tokens[i], gstr(values[i])), gload::accepted) << values[i];
        }
    }
    return match;
}

TEST(stringMatch, FindsTheValueBetweenPrefixAndSuffix)
{
    struct {
        gstringMatch match;
        std::string data;
        int result;
        std::string value;
        size_t used;
    } const cases[] = {
        {matchOf("A", ".+", "Z"), "AxyZrest", 1, "xy", 4},
        {matchOf("A", ".+", nullptr), "AxyZrest", 1, "xyZrest", 8},
        {matchOf("A", ".+", "Z"), "xAxyZ", 0, "", 0},
        {matchOf(nullptr, "#+", nullptr), "123abc", 1, "123", 3},
        {matchOf(nullptr, "#*", ";"), ";", 1, "", 1},
        {matchOf("V=", "~*", "\"\\r\""), "V=on\r", 1, "on", 5},
        {matchOf("A", nullptr, "Z"), "AZ", 0, "", 0},
    };
    for (const auto& c : cases) {
        const char* cursor = c.data.data();
        gstr value("");
        EXPECT_EQ(c.match.match(cursor, static_cast<int32_t>(c.data.size()), value), c.result) << c.data;
        EXPECT_EQ(std::string(value.view()), c.value) << c.data;
        EXPECT_EQ(static_cast<size_t>(cursor - c.data.data()), c.used) << c.data;
    }
}

TEST(stringMatch, ReadsAndWrites)
{
    gstringMatch match;
    EXPECT_EQ(match.readKeyword(kw::PATTERN, gstr("#+")), gload::accepted);
    EXPECT_EQ(match.readKeyword(kw::PATTERN, gstr("#+")), gload::alreadyLoaded);
    EXPECT_EQ(gstringMatch().readKeyword(kw::PATTERN, gstr("#+, x")), gload::invalidValue);
    EXPECT_EQ(gstringMatch().readKeyword(kw::PREFIX, gstr("(")), gload::invalidValue);
    EXPECT_EQ(gstringMatch().readKeyword(kw::PREFIX, gstr("#*")), gload::invalidValue); // may match nothing
    EXPECT_EQ(gstringMatch().readKeyword(kw::TYPE, gstr("x")), gload::unknownKeyword);

    const char* const tables[] = {
        "\tPATTERN\t\t~+\n",
        "\tPREFIX\t\tT=\n\tPATTERN\t\t#{2,3}\n\tSUFFIX\t\t\"\\r\\n\"\n",
        "\tPATTERN\t\t\"[^,]*\"\n\tSUFFIX\t\t\",\"\n",
    };
    for (const char* lines : tables) {
        gstringMatch loaded;
        for (gloadStatus status :
             feedLines(lines, [&](int token, gstr& value) { return loaded.readKeyword(token, value); }))
            EXPECT_EQ(status, gload::accepted) << lines;
        EXPECT_EQ(writtenText([&](CObjectFile& file) { loaded.write(file, 1); }), lines);
    }
}

TEST(onOffStrings, ReadsWritesAndSettles)
{
    gonOffStrings strings;
    EXPECT_EQ(strings.loadField(kw::OFF_STRING, gstr("OFF")), gload::accepted);
    EXPECT_EQ(strings.loadField(kw::OFF_STRING, gstr("OFF")), gload::alreadyLoaded);
    EXPECT_EQ(strings.loadField(kw::ON_STRING, gstr("\"\"")), gload::invalidValue);
    EXPECT_EQ(strings.loadField(kw::ON_STRING, gstr("a, b")), gload::invalidValue);
    EXPECT_EQ(strings.loadField(kw::TYPE, gstr("a")), gload::unknownKeyword);
    strings.afterLoad();
    EXPECT_TRUE(strings.onText().isEmpty() && !strings.onText().isNull());
    EXPECT_TRUE(strings.isSet());
    EXPECT_EQ(std::string(strings.text(true).view()), "");
    EXPECT_EQ(std::string(strings.text(false).view()), "OFF");

    const char* const lines = "\tON_STRING\t\" on\\r\"\n\tOFF_STRING\t\"a,b\"\n";
    gonOffStrings loaded;
    for (gloadStatus status : feedLines(lines, [&](int token, gstr& value) { return loaded.loadField(token, value); }))
        EXPECT_EQ(status, gload::accepted);
    EXPECT_EQ(writtenText([&](CObjectFile& file) { loaded.writeFields(file, 1); }), lines);
    EXPECT_FALSE(gonOffStrings().isSet());
}

TEST(onOffPatterns, MatchesOffFirst)
{
    gonOffPatterns patterns;
    EXPECT_EQ(patterns.loadField(kw::ON_STRING, gstr("ON")), gload::accepted);
    EXPECT_EQ(patterns.loadField(kw::ON_STRING, gstr("ON")), gload::alreadyLoaded);
    EXPECT_FALSE(patterns.isComplete());
    EXPECT_EQ(patterns.loadField(kw::OFF_STRING, gstr("O(N|FF)#+")), gload::accepted);
    EXPECT_EQ(gonOffPatterns().loadField(kw::OFF_STRING, gstr("a*")), gload::invalidValue);
    EXPECT_EQ(gonOffPatterns().loadField(kw::OFF_STRING, gstr("a, b")), gload::invalidValue);
    EXPECT_EQ(gonOffPatterns().loadField(kw::PATTERN, gstr("a")), gload::unknownKeyword);
    EXPECT_TRUE(patterns.isComplete());

    struct {
        std::string data;
        bool matched;
        int state;
        size_t used;
    } const cases[] = {
        {"ON12", true, 0, 3}, {"OFF1", true, 0, 4}, {"ON!", true, 1, 2}, {"xON", false, -1, 0}, {"O", false, -1, 0},
    };
    for (const auto& c : cases) {
        const char* cursor = c.data.data();
        int state = -1;
        EXPECT_EQ(patterns.match(cursor, c.data.data() + c.data.size(), state), c.matched) << c.data;
        EXPECT_EQ(state, c.state) << c.data;
        EXPECT_EQ(static_cast<size_t>(cursor - c.data.data()), c.used) << c.data;
    }

    const char* const lines = "\tON_STRING\t1|(yes)\n\tOFF_STRING\t\"0,\\t\"\n";
    gonOffPatterns loaded;
    for (gloadStatus status : feedLines(lines, [&](int token, gstr& value) { return loaded.loadField(token, value); }))
        EXPECT_EQ(status, gload::accepted);
    EXPECT_EQ(writtenText([&](CObjectFile& file) { loaded.writeFields(file, 1); }), lines);
}

} // namespace
