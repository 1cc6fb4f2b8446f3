#include "g2driver/model/gvalueStringMap.h"
#include "g2driver/model/gvalueStringTable.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(valueStringTable, ReadsWritesAndSettles)
{
    gvalueStringTable table;
    EXPECT_EQ(table.loadField(kw::VALUE_STRING, gstr("1, ON")), gload::accepted);
    EXPECT_EQ(table.loadField(kw::VALUE_STRING, gstr("1, YES")), gload::alreadyLoaded);
    EXPECT_EQ(table.loadField(kw::DEFAULT_STRING, gstr("?")), gload::accepted);
    EXPECT_EQ(table.loadField(kw::DEFAULT_STRING, gstr("!")), gload::alreadyLoaded);
    struct {
        int token;
        const char* value;
        gloadStatus status;
    } const cases[] = {
        {kw::VALUE_STRING, "1", gload::invalidValue},
        {kw::VALUE_STRING, "-1, x", gload::invalidValue},
        {kw::VALUE_STRING, "4294967296, x", gload::invalidValue},
        {kw::VALUE_STRING, "4294967295, x", gload::accepted},
        {kw::VALUE_STRING, "2, x, y", gload::invalidValue},
        {kw::VALUE_STRING, "2, \"\"", gload::accepted},
        {kw::DEFAULT_STRING, "\"\"", gload::invalidValue},
        {kw::DEFAULT_STRING, "a, b", gload::invalidValue},
        {kw::PATTERN, "a", gload::unknownKeyword},
    };
    for (const auto& c : cases) {
        gvalueStringTable fresh;
        EXPECT_EQ(fresh.loadField(c.token, gstr(c.value)), c.status) << c.value;
    }
    gvalueStringTable unset;
    unset.afterLoad();
    EXPECT_TRUE(unset.defaultString().isEmpty() && !unset.defaultString().isNull());
    EXPECT_FALSE(unset.hasEntries());

    const char* const lines = "\tDEFAULT_STRING\t\"?,\"\n\tVALUE_STRING\t0, \n\tVALUE_STRING\t7, \" on\"\n"
                              "\tVALUE_STRING\t4294967295, max\n";
    gvalueStringTable loaded;
    // Entries come back in ascending value order whatever order the file had.
    std::string shuffled = "\tVALUE_STRING\t4294967295, max\n\tVALUE_STRING\t7, \" on\"\n"
                           "\tDEFAULT_STRING\t\"?,\"\n\tVALUE_STRING\t0, \n";
    auto receive = [&](int token, gstr& value) { return loaded.loadField(token, value); };
    for (gloadStatus status : feedLines(shuffled, receive))
        EXPECT_EQ(status, gload::accepted);
    EXPECT_EQ(writtenText([&](CObjectFile& file) { loaded.writeFields(file, 1); }), lines);
}

TEST(valueStringMap, ReadsWritesAndMatches)
{
    gvalueStringMap map;
    EXPECT_EQ(map.loadKeyword(kw::VALUE_STRING, gstr("1, ON")), gload::accepted);
    EXPECT_EQ(map.loadKeyword(kw::VALUE_STRING, gstr("1, YES")), gload::alreadyLoaded);
    EXPECT_EQ(map.loadKeyword(kw::VALUE_STRING, gstr("0, OFF")), gload::accepted);
    EXPECT_EQ(map.loadKeyword(kw::VALUE_STRING, gstr("2")), gload::invalidValue);
    EXPECT_EQ(map.loadKeyword(kw::VALUE_STRING, gstr("2, (")), gload::invalidValue);
    EXPECT_EQ(map.loadKeyword(kw::VALUE_STRING, gstr("2, a*")), gload::invalidValue); // may match nothing
    EXPECT_EQ(map.loadKeyword(kw::VALUE_STRING, gstr("2, a, b")), gload::invalidValue);
    EXPECT_EQ(map.loadKeyword(kw::DEFAULT_STRING, gstr("x")), gload::unknownKeyword);
    EXPECT_TRUE(map.hasEntries());

    struct {
        std::string data;
        int result;
        uint32_t value;
        size_t used;
    } const cases[] = {
        {"ONLINE", 1, 1, 2}, {"OFF", 1, 0, 3}, {"NO", 0, 99, 0}, {"xON", 0, 99, 0}, {"", 0, 99, 0},
    };
    for (const auto& c : cases) {
        const char* cursor = c.data.data();
        uint32_t value = 99;
        EXPECT_EQ(map.match(cursor, static_cast<int32_t>(c.data.size()), value), c.result) << c.data;
        EXPECT_EQ(value, c.value) << c.data;
        EXPECT_EQ(static_cast<size_t>(cursor - c.data.data()), c.used) << c.data;
    }

    // Copies are independent, and the lines come back.
    gvalueStringMap copy(map);
    map.clear();
    EXPECT_EQ(writtenText([&](CObjectFile& file) { copy.write(file, 1); }),
              "\tVALUE_STRING\t0, OFF\n\tVALUE_STRING\t1, ON\n");
    const char* const lines = "\tVALUE_STRING\t3, \"[,;]+\"\n\tVALUE_STRING\t9, #{2}\n";
    gvalueStringMap loaded;
    auto receive = [&](int token, gstr& value) { return loaded.loadKeyword(token, value); };
    for (gloadStatus status : feedLines(lines, receive))
        EXPECT_EQ(status, gload::accepted);
    EXPECT_EQ(writtenText([&](CObjectFile& file) { loaded.write(file, 1); }), lines);
}

} // namespace
