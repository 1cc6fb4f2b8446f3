#include "batch/batchText.h"
#include "batch/programCodeReplace.h"

#include <gtest/gtest.h>

#include <string>

namespace {

gbatchFind finder(const char* find, const char* replace, bool wholeWord, bool matchCase)
{
    return {gstr(find), gstr(replace), wholeWord, matchCase};
}

std::string first(const char* text, const gbatchFind& f, int expected)
{
    gstr t(text);
    EXPECT_EQ(f.replaceFirstIn(t), expected) << text;
    return std::string(t.view());
}

std::string every(const char* text, const gbatchFind& f, int expected)
{
    gstr t(text);
    EXPECT_EQ(f.replaceAllIn(t), expected) << text;
    return std::string(t.view());
}

TEST(batchMatching, WholeWordPassesOverOccurrencesThatDoNotCount)
{
    gbatchFind ab = finder("AB", "XY", true, false);
    EXPECT_EQ(first("CAB AB", ab, 1), "CAB XY");
    EXPECT_TRUE(ab.isIn("X_AB"));
    EXPECT_FALSE(ab.isIn("XAB2"));
}

TEST(batchMatching, CaseAndSingleReplacement)
{
    EXPECT_EQ(first("TANK_TANK", finder("tank", "XY", false, false), 1), "XY_TANK");
    EXPECT_TRUE(finder("tank", "", false, false).isIn("TANK1"));
    EXPECT_FALSE(finder("tank", "", true, false).isIn("TANK1"));
    EXPECT_FALSE(finder("tank", "", false, true).isIn("TANK1"));
    // An empty replacement deletes the occurrence.
    EXPECT_EQ(first("PUMP_OLD", finder("_OLD", "", false, true), 1), "PUMP");
}

TEST(batchMatching, EveryOccurrence)
{
    EXPECT_EQ(every("AB ABAB AB", finder("AB", "X", true, true), 2), "X ABAB X");
    EXPECT_EQ(every("ABAB", finder("AB", "X", false, true), 2), "XX");
    EXPECT_EQ(every("100", finder("0", "1", false, true), 2), "111");
    EXPECT_EQ(every("1 0", finder("0", "5", true, true), 1), "1 5");
}

std::string code(const char* text, const gbatchFind& f, gcodeScopes scopes, int expected)
{
    gstr t(text);
    EXPECT_EQ(replaceInCodeText(t, f, scopes), expected) << text;
    return std::string(t.view());
}

TEST(programCode, LiteralsAndRemarksByScope)
{
    const char* text = "PRINT \"ABC\"\rREM ABC";
    gbatchFind abc = finder("ABC", "X", false, true);
    EXPECT_EQ(code(text, abc, {true, false, false}, 1), "PRINT \"X\"\rREM ABC");
    EXPECT_EQ(code(text, abc, {false, true, false}, 1), "PRINT \"ABC\"\rREM X");
    EXPECT_EQ(code(text, abc, {true, true, false}, 2), "PRINT \"X\"\rREM X");
    EXPECT_EQ(code(text, abc, {false, false, false}, 0), text);
    // All code reaches names outside literals too.
    EXPECT_EQ(code("ABC = \"ABC\"", abc, {false, false, true}, 2), "X = \"X\"");
}

TEST(programCode, StatementsLiteralsAndWords)
{
    gbatchFind abc = finder("ABC", "X", false, true);
    EXPECT_EQ(code("A$=\"ABC\":REM ABC", abc, {true, true, false}, 2), "A$=\"X\":REM X");
    // REM only directly at a statement's start.
    EXPECT_EQ(code("10 REM ABC\r: REM ABC\rREMARK ABC", abc, {false, true, false}, 0),
              "10 REM ABC\r: REM ABC\rREMARK ABC");
    // A literal without its closing quote ends with its line.
    EXPECT_EQ(code("A$=\"ABC\rABC \"ABC\"", abc, {true, false, false}, 2), "A$=\"X\rABC \"X\"");
    // Two literals of one statement.
    EXPECT_EQ(code("P \"ABC\", \"ABC\"", abc, {true, false, false}, 2), "P \"X\", \"X\"");
    EXPECT_EQ(code("P \"AB AB_1 XAB\"", finder("AB", "Z", true, true), {true, false, false}, 2),
              "P \"Z Z_1 XAB\"");
    EXPECT_EQ(code("P \"AAA\"", finder("AA", "B", false, true), {true, false, false}, 1), "P \"BA\"");
    EXPECT_EQ(code("P \"ABC\"", finder("abc", "X", false, false), {true, false, false}, 1), "P \"X\"");
    // The quotes are not part of a literal: a find text that holds one
    // matches nowhere in the literals.
    for (const char* quoted : {"\"ABC", "ABC\"", "\"ABC\"", "\""}) {
        EXPECT_EQ(code("P \"ABC\", \"ABC\"", finder(quoted, "X", false, true), {true, false, false}, 0),
                  "P \"ABC\", \"ABC\"")
            << quoted;
    }
    // A word at a region's edge counts even when a letter stands outside it.
    EXPECT_EQ(code("REMABC", finder("ABC", "X", true, true), {false, true, false}, 0), "REMABC");
    EXPECT_EQ(code("X\"AB\"Y", finder("AB", "Z", true, true), {true, false, false}, 1), "X\"Z\"Y");
}

} // namespace
