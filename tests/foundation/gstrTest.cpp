#include "foundation/gstr.h"

#include <gtest/gtest.h>

#include <string>

namespace {

gstrSlice bytes(const std::string& s) { return gstrSlice(s.data(), static_cast<int32_t>(s.size())); }

std::string valueForm(const std::string& text)
{
    gstr s;
    s.assignQuoted(bytes(text), false, false);
    return std::string(s.view());
}

TEST(gstr, EmptyStatesStayDistinct)
{
    gstr s;
    EXPECT_TRUE(s.isNull());
    s.assign(gstrSlice::empty);
    EXPECT_FALSE(s.isNull());
    EXPECT_EQ(s.length(), 0);
    EXPECT_EQ(*s.data(), '\0');
    s.assign(gstrSlice::null);
    EXPECT_TRUE(s.isNull());
    s.assign("");
    EXPECT_FALSE(s.isNull());
    s.clear();
    EXPECT_TRUE(s.isNull());

    gstr moved("abc");
    gstr target(std::move(moved));
    EXPECT_TRUE(moved.isNull());
    EXPECT_EQ(target.view(), "abc");
}

TEST(gstr, HoldsNulBytesAndKeepsTerminator)
{
    gstr s(gstrSlice("a\0b", 3));
    EXPECT_EQ(s.length(), 3);
    s.append('c');
    EXPECT_EQ(s.view(), std::string_view("a\0bc", 4));
    EXPECT_EQ(s.data()[4], '\0');
    s.append(s);
    EXPECT_EQ(s.view(), std::string_view("a\0bca\0bc", 8));
    s.assign(gstrSlice(s.at(4), 2));
    EXPECT_EQ(s.view(), std::string_view("a\0", 2));
}

TEST(gstr, ValueFormBareOrQuoted)
{
    struct Case {
        std::string text, written;
    } cases[] = {
        {"abc", "abc"},
        {"a b", "a b"},
        {" a", "\" a\""},
        {"a ", "\"a \""},
        {" ", "\" \""},
        {"a,b", "\"a,b\""},
        {"\"q", "\"\\\"q\""},
        {"C:\\Korvel\\Stations\\x.stn", "C:\\Korvel\\Stations\\x.stn"},
        {"in\"ner", "in\"ner"},
        {"A\tB", "\"A\\tB\""},
        {std::string("\x00\x08\x09\x0A\x0B\x0C\x0D", 7), "\"\\0\\b\\t\\n\\v\\f\\r\""},
        {"\x01\x1F\x7F\xE9", "\"\\x01\\x1F\\x7F\\xE9\""},
        {"a,\\", "\"a,\\\\\""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueForm(c.text), c.written) << c.text;

    gstr nullText;
    nullText.assignQuoted(gstrSlice::null, false, false);
    EXPECT_TRUE(nullText.isNull());
}

TEST(gstr, QuotedAndEscapedForms)
{
    gstr s;
    s.assignQuoted("abc", false, true);
    EXPECT_EQ(s.view(), "\"abc\"");

    s.assign("x=");
    s.assignQuoted("say \"hi\"\n", true, false);
    EXPECT_EQ(s.view(), "x=say \"hi\"\\n");

    s.assign("");
    s.assignQuoted("say \"hi\"", true, true);
    EXPECT_EQ(s.view(), "say \\\"hi\\\"");

    s.assign("self");
    s.assignQuoted(s, false, true);
    EXPECT_EQ(s.view(), "\"self\"");
}

TEST(gstr, CompareOnSignedBytes)
{
    EXPECT_LT(gstrSlice("ab").compare("abc"), 0);
    EXPECT_GT(gstrSlice("abc").compare("ab"), 0);
    EXPECT_EQ(gstrSlice("abc").compare("abc"), 0);
    EXPECT_LT(gstrSlice("\x80").compare("A"), 0);
    EXPECT_EQ(gstrSlice("aBc").compareNoCase("AbC"), 0);
    EXPECT_LT(gstrSlice("abc").compareNoCase("ABD"), 0);
}

TEST(gstr, Find)
{
    struct Case {
        const char* text;
        const char* sought;
        bool wholeWord, matchCase;
        int start, expected;
    } cases[] = {
        {"xab ab", "ab", true, true, 0, -1},
        {"xab ab", "ab", false, true, 0, 1},
        {"xab ab", "ab", false, true, 2, 4},
        {"xAB ab", "ab", false, false, 0, 1},
        {"xAB ab", "ab", false, true, 0, 4},
        {"ab", "abc", false, true, 0, -1},
        {"ab", "", false, true, 1, 1},
        {"(ab)", "ab", true, true, 0, 1},
        {"ab", "ab", true, false, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gstrSlice(c.text).find(c.sought, c.wholeWord, c.matchCase, c.start), c.expected)
            << c.text << " / " << c.sought;
}

TEST(gstr, Replace)
{
    struct Case {
        const char* text;
        const char* sought;
        const char* by;
        bool wholeWord, matchCase;
        const char* result;
        int count;
    } cases[] = {
        {"abab", "ab", "X", false, true, "XX", 2},
        {"xab ab", "ab", "X", true, true, "xab X", 1},
        {"aaaa", "a", "b", false, true, "bbbb", 4},
        {"aAaA", "a", "b", false, false, "bbbb", 4},
        {"ab", "", "-", false, true, "-a-b-", 3},
        {"abc", "x", "y", false, true, "abc", 0},
        {"a", "abc", "y", false, true, "a", 0},
    };
    for (const auto& c : cases) {
        gstr s(c.text);
        EXPECT_EQ(s.replaceAll(c.sought, c.by, c.wholeWord, c.matchCase), c.count) << c.text;
        EXPECT_EQ(s.view(), c.result) << c.text;
    }

    gstr s("Tag1 Tag1");
    EXPECT_EQ(s.replaceFirst("tag1", "T", false, false, 1), 1);
    EXPECT_EQ(s.view(), "Tag1 T");
    EXPECT_EQ(s.replaceFirst("zz", "T", false, false), 0);
    EXPECT_EQ(s.view(), "Tag1 T");

    // The batch tools' rule passes over occurrences that are no whole word.
    gstr words("CAB AB");
    EXPECT_EQ(words.find("AB", true, true), -1);
    EXPECT_EQ(words.findMatch("ab", true, false), 4);
    EXPECT_EQ(words.replaceFirstMatch("AB", "XY", true, true), 1);
    EXPECT_EQ(words.view(), "CAB XY");
    EXPECT_EQ(words.replaceFirstMatch("AB", "XY", true, true), 0);
}

TEST(gstr, SubstituteAndEscapePercent)
{
    gstr s;
    EXPECT_EQ(s.substitute("%-copy", "T1"), 1);
    EXPECT_EQ(s.view(), "T1-copy");
    EXPECT_EQ(s.substitute("name%%", "T1"), 0);
    EXPECT_EQ(s.view(), "name%");
    EXPECT_EQ(s.substitute("%s", "X"), 1);
    EXPECT_EQ(s.view(), "Xs");

    s.assign("50% of %d");
    s.escapePercent();
    EXPECT_EQ(s.view(), "50%% of %%d");
}

TEST(gstr, TrimHexDumpResize)
{
    gstr s(" \t a b \r\n");
    s.trim();
    EXPECT_EQ(s.view(), "a b");
    s.assign(" \t ");
    s.trim();
    EXPECT_FALSE(s.isNull());
    EXPECT_EQ(s.length(), 0);

    s.assignHexDump("ABC");
    EXPECT_EQ(s.view(), "41 42 43");
    s.assignHexDump(gstrSlice("\n", 1));
    EXPECT_EQ(s.view(), "0A");
    s.assignHexDump(gstrSlice::empty);
    EXPECT_FALSE(s.isNull());
    EXPECT_EQ(s.length(), 0);

    gstr r;
    char* p = r.resize(2);
    p[0] = 'o';
    p[1] = 'k';
    EXPECT_EQ(r.view(), "ok");
    EXPECT_EQ(r.resize(2), p);
}

TEST(gstr, ContainsAndPrintable)
{
    EXPECT_FALSE(gstrSlice::empty.contains('a'));
    EXPECT_TRUE(gstrSlice("abc").contains('c'));
    EXPECT_TRUE(gstrSlice::empty.isPrintable());
    EXPECT_TRUE(gstrSlice(" ~").isPrintable());
    EXPECT_FALSE(gstrSlice("a\tb").isPrintable());
    EXPECT_FALSE(gstrSlice("\x7F").isPrintable());
}

} // namespace
