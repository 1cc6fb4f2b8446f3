#include "scl/gexecutionTime.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

gloadStatus line(gexecutionTime& rule, int token, const char* value)
{
    gstr v(value);
    return rule.loadLine(token, v);
}

std::string written(const gexecutionTime& rule)
{
    return writtenText([&](CObjectFile& file) { rule.writeEmbedded(file, 1); });
}

garrayVariable<int32_t> listOf(std::initializer_list<int32_t> values)
{
    garrayVariable<int32_t> list;
    for (int32_t v : values)
        list.append(v);
    return list;
}

TEST(executionTime, Lines)
{
    struct {
        int token;
        const char* value;
        gloadStatus status;
    } const cases[] = {
        {kw::MINUTES, "0, 30", gload::accepted},
        {kw::MINUTES, "59", gload::accepted},
        {kw::MINUTES, "30, 30", gload::invalidValue},
        {kw::MINUTES, "60", gload::invalidValue},
        {kw::MINUTES, "-1", gload::invalidValue},
        {kw::MINUTES, "", gload::invalidValue},
        {kw::MINUTES, "5,", gload::invalidValue},
        {kw::MINUTES, "5 6", gload::invalidValue},
        {kw::DAYS, "1, 31", gload::accepted},
        {kw::DAYS, "0", gload::invalidValue},
        {kw::DAYS, "32", gload::invalidValue},
        {kw::DAYS, "4, 4", gload::invalidValue},
        {kw::WEEK_DAYS, "7", gload::accepted},
        {kw::WEEK_DAYS, "0", gload::invalidValue},
        {kw::WEEK_DAYS, "8", gload::invalidValue},
        {kw::HOURS, "0, 23", gload::accepted},
        {kw::HOURS, "24", gload::invalidValue},
        {kw::HOURS, "x", gload::invalidValue},
        {kw::HOURS, "99999999999", gload::invalidValue},
        {kw::TITLE, "x", gload::unknownKeyword},
        {kw::END, "x", gload::invalidValue},
    };
    for (const auto& c : cases) {
        gexecutionTime rule;
        EXPECT_EQ(line(rule, c.token, c.value), c.status)
            << gkeyword::byToken(c.token).getText().view() << " " << c.value;
    }
}

TEST(executionTime, SecondLinesAndCompleteness)
{
    gexecutionTime rule;
    EXPECT_EQ(line(rule, kw::WEEK_DAYS, "7"), gload::accepted);
    EXPECT_EQ(rule.getWeekDays(), 1 << 7);
    EXPECT_EQ(line(rule, kw::WEEK_DAYS, "1"), gload::alreadyLoaded);
    EXPECT_EQ(line(rule, kw::HOURS, "9"), gload::accepted);
    EXPECT_EQ(line(rule, kw::HOURS, "9"), gload::alreadyLoaded);
    // No minute yet: the rule cannot run.
    EXPECT_EQ(line(rule, kw::END, ""), gload::incomplete);
    EXPECT_EQ(line(rule, kw::MINUTES, "5"), gload::accepted);
    EXPECT_EQ(line(rule, kw::MINUTES, "6"), gload::alreadyLoaded);
    EXPECT_EQ(line(rule, kw::END, ""), gload::finished);
}

// Minutes keep their order; the sets are written ascending; a set that
// allows every value is left out.
TEST(executionTime, WrittenBlock)
{
    gexecutionTime rule;
    line(rule, kw::MINUTES, "45, 15");
    line(rule, kw::HOURS, "9, 3");
    line(rule, kw::DAYS, "31, 1");
    EXPECT_EQ(written(rule), "\tSCHEDULE\n"
                             "\t\tDAYS\t\t1, 31\n"
                             "\t\tHOURS\t\t3, 9\n"
                             "\t\tMINUTES\t\t45, 15\n"
                             "\tEND\n");
    gexecutionTime copy(rule);
    copy.setHours(gexecutionTime::any);
    copy.setWeekDays(1 << 2);
    EXPECT_EQ(written(copy), "\tSCHEDULE\n"
                             "\t\tDAYS\t\t1, 31\n"
                             "\t\tWEEK_DAYS\t2\n"
                             "\t\tMINUTES\t\t45, 15\n"
                             "\tEND\n");
}

// What the setters are given is kept to what a file can hold.
TEST(executionTime, SettersKeepValidValues)
{
    gexecutionTime rule;
    rule.setDaysOfMonth(1); // day 0 does not exist
    EXPECT_EQ(rule.getDaysOfMonth(), gexecutionTime::any);
    rule.setHours(static_cast<int32_t>(0xFF000001u));
    EXPECT_EQ(rule.getHours(), 1);
    rule.setMinutes(listOf({5, 60, 5, -1, 0}));
    ASSERT_EQ(rule.getMinuteCount(), 2);
    EXPECT_EQ(rule.getMinute(0), 5);
    EXPECT_EQ(rule.getMinute(1), 0);
}

TEST(executionTime, ReadScheduleList)
{
    struct {
        const char* text;
        bool ok;
    } const cases[] = {
        {" 5 , 10", true}, {"5,", false}, {"5;10", false}, {"60", false},   {"", false},
        {"   ", false},    {"5,,6", false}, {"0,59", true}, {"4294967301", false}, {"5 6", false},
    };
    for (const auto& c : cases) {
        garrayVariable<int32_t> list;
        EXPECT_EQ(readScheduleList(c.text, 0, 59, nullptr, &list, ','), c.ok) << c.text;
    }
    garrayVariable<int32_t> list = listOf({1});
    int32_t set = 77;
    EXPECT_TRUE(readScheduleList("23; 3 ;23", 0, 23, &set, &list, ';'));
    EXPECT_EQ(set, (1 << 23) | (1 << 3));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0], 23);
    EXPECT_EQ(list[1], 3);
    // An empty text leaves both alone.
    EXPECT_FALSE(readScheduleList("", 0, 23, &set, &list, ';'));
    EXPECT_EQ(list.size(), 2);
    EXPECT_EQ(set, (1 << 23) | (1 << 3));
}

TEST(executionTime, Descriptions)
{
    struct {
        std::vector<int32_t> minutes;
        int32_t hours;
        int32_t weekDays;
        int32_t days;
        char separator;
        const char* text;
    } const cases[] = {
        {{0}, -1, -1, -1, ',', "0 minutes after the hour"},
        {{15, 45}, (1 << 8) | (1 << 17), (1 << 1) | (1 << 5), -1, ',', "15, 45 minutes after 8, 17 on Mon, Fri"},
        {{5}, -1, 1 << 7, -1, ',', "5 minutes after the hour on Sun"},
        {{5}, -1, -1, static_cast<int32_t>(1u << 31), ',', "5 minutes after the hour on day 31 of the month"},
        {{5}, -1, (1 << 6) | (1 << 7), 1 << 1, ';', "5 minutes after the hour on Sat; Sun, day 1 of the month"},
        {{30, 0}, 1 << 12, -1, -1, ',', "30, 0 minutes after 12 "},
        {{1}, 1, 1 << 3, 1 << 2, ',', "1 minutes after 0 on Wed, day 2 of the month"},
        {{1}, 1, -1, 1 << 2, ',', "1 minutes after 0 on day 2 of the month"},
    };
    for (const auto& c : cases) {
        gexecutionTime rule;
        garrayVariable<int32_t> minutes;
        for (int32_t m : c.minutes)
            minutes.append(m);
        rule.setMinutes(minutes);
        rule.setHours(c.hours);
        rule.setWeekDays(c.weekDays);
        rule.setDaysOfMonth(c.days);
        EXPECT_EQ(describeExecutionTime(rule, c.separator).view(), c.text);
    }
}

} // namespace
