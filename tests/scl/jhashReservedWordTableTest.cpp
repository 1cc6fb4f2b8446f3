#include "scl/jhashReservedWordTable.h"

#include "foundation/jhashIterator.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(sclReservedWords, HoldsEachKindsWords)
{
    std::map<int, int> counts;
    jhashTypedIterator<gsclWord> it(sclReservedWords());
    gsclWord* word = nullptr;
    while (it.get(word))
        ++counts[word->getKind()];
    std::map<int, int> expected = {{0, 8}, {11, 6}, {12, 15}, {13, 5}, {14, 4}, {15, 154}, {16, 137}};
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(sclReservedWords().count(), 329);
    EXPECT_EQ(sclReservedWords().getBucketCount(), 30);
}

TEST(sclReservedWords, Lookups)
{
    struct {
        const char* text;
        int kind; // -1: not a reserved word
    } const cases[] = {
        {"goto", 15},   {"GoTo", 15},     {"GOTO", 15},    {"INPUT", 0},     {"INPUT#", 15},   {"input#", 15},
        {"LOG", 15},    {"LOG2", 16},     {"LOG10", 16},   {"DECODE", 16},   {"DECODE$", 16},  {"DECODE%", 16},
        {"RESULT", 13}, {"RESULT$", 13},  {"RESULT%", 13}, {"COUNT$", -1},   {"REM", -1},      {"true%", 11},
        {"TRUE", -1},   {"xor", 14},      {"BEVAL", 0},    {"Time", 12},     {"", -1},         {"PRINT#", 15},
        {"USRPRV%", 16}, {"STOPNET", 15}, {"QUT$", 11},    {"MASKRESULT%", 13},
    };
    for (const auto& c : cases) {
        const gsclWord* word = sclReservedWords().find(c.text);
        EXPECT_EQ(word ? word->getKind() : -1, c.kind) << c.text;
    }
}

} // namespace
