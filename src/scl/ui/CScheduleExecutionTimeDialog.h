#pragma once

#include "foundation/garrayVariable.h"
#include "platform/CDialog.h"

#include <cstdint>

class gexecutionTime;

// Schedule Execution Time (template 590): one time rule of a station
// program, the minutes of the hour, optionally restricted to some hours,
// days of the month and days of the week. The dialog never changes the rule
// it shows: after OK the caller makes a new rule from what was entered.
class CScheduleExecutionTimeDialog : public CDialog {
public:
    static constexpr int minutesId = 1322;
    static constexpr int everyHourId = 1276;
    static constexpr int someHoursId = 1277;
    static constexpr int hoursId = 1275;
    static constexpr int everyDayId = 1196;
    static constexpr int someDaysId = 1197;
    static constexpr int daysId = 1195;
    static constexpr int everyWeekDayId = 1501;
    static constexpr int someWeekDaysId = 1502;
    static constexpr int mondayId = 1503; // up to Sunday, 1509

    // rule: the rule to show, or null for a new one.
    explicit CScheduleExecutionTimeDialog(const gexecutionTime* rule, QWidget* parent = nullptr);

    // After OK: a new rule with what was entered; the caller owns it.
    gexecutionTime* makeExecutionTime() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void showRule(const gexecutionTime& rule);
    void showSet(int editId, int32_t set, int32_t lowest, int32_t highest);
    // Each edit (or the weekday boxes) is enabled while its radio button is.
    void enableChoices();
    bool readSet(int radioEveryId, int editId, int32_t lowest, int32_t highest, int messageId, int32_t& set);

    const gexecutionTime* rule_;
    garrayVariable<int32_t> minutes_;
    int32_t hours_ = -1;
    int32_t days_ = -1;
    int32_t weekDays_ = -1;
};
