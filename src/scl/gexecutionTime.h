#pragma once

#include "foundation/garrayVariable.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// One time rule of a station program's schedule: the run-time starts the
// program at each of the minutes, in the hours, days of the month and days of
// the week the rule allows. The three sets hold bit n for value n (days 1 to
// 31, weekdays 1 Monday to 7 Sunday, hours 0 to 23); -1 allows every value.
// The minutes (0 to 59, distinct) keep the order they were given in. A rule
// is one SCHEDULE block of its program; the program owns the rules, linked
// through next.
class gexecutionTime : public gstorable {
public:
    static constexpr int32_t any = -1;

    gexecutionTime() = default;
    // The sets and the minutes; not the link.
    gexecutionTime(const gexecutionTime& other);
    gexecutionTime& operator=(const gexecutionTime&) = delete;

    int32_t getDaysOfMonth() const noexcept { return days_; }
    int32_t getWeekDays() const noexcept { return weekDays_; }
    int32_t getHours() const noexcept { return hours_; }
    // Bits outside the range of values are dropped; a set left with none
    // allows every value, as a file could not say otherwise.
    void setDaysOfMonth(int32_t set) noexcept;
    void setWeekDays(int32_t set) noexcept;
    void setHours(int32_t set) noexcept;

    int32_t getMinuteCount() const noexcept { return minutes_.size(); }
    int32_t getMinute(int32_t index) const { return minutes_[index]; }
    // A copy of the list without the values that are out of range or repeat.
    void setMinutes(const garrayVariable<int32_t>& minutes);

    gexecutionTime* next() const noexcept { return next_; }
    void setNext(gexecutionTime* rule) noexcept { next_ = rule; }

    // "SCHEDULE" alone on its line.
    void writeHeader(CObjectFile& file, int indent) const override;
    // DAYS, WEEK_DAYS and HOURS ascending when restricted, MINUTES in their
    // order.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // Only a rule with at least one minute can run.
    bool isComplete() const override { return minutes_.size() > 0; }

private:
    gexecutionTime* next_ = nullptr;
    int32_t days_ = any;
    int32_t weekDays_ = any;
    int32_t hours_ = any;
    garrayVariable<int32_t> minutes_;
};

// A list of numbers as the schedule dialog's fields hold it: unsigned decimal
// numbers from lowest to highest, separated by the user's list separator with
// any white space around them. An empty text fails and changes nothing;
// otherwise the set (bit n for number n) and the list are emptied first, then
// each number sets its bit and joins the list unless it is already there.
// False for a number out of range, a missing number (a separator at the end
// included) or any other character between numbers.
bool readScheduleList(const gstrSlice& text, int32_t lowest, int32_t highest, int32_t* set,
                      garrayVariable<int32_t>* list, char separator);

// The one-line description of a rule listed in the program's properties:
// "15, 45 minutes after 8, 17 on Mon, Fri" and its kin, items joined by the
// list separator and a blank.
gstr describeExecutionTime(const gexecutionTime& rule, char separator);
