#include "platform/recordingResponder.h"
#include "scl/gexecutionTime.h"
#include "scl/ui/CScheduleExecutionTimeDialog.h"
#include "support/ui/temporarySettings.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using dialogType = CScheduleExecutionTimeDialog;

struct scheduleDialog : testing::Test {
    temporarySettings store;
    recordingResponder user;

    static void click(CDialog& d, int id) { d.controlAs<QAbstractButton>(id)->click(); }

    static std::vector<int> minutesOf(const gexecutionTime& rule)
    {
        std::vector<int> out;
        for (int32_t i = 0; i < rule.getMinuteCount(); ++i)
            out.push_back(rule.getMinute(i));
        return out;
    }
};

TEST_F(scheduleDialog, NewRuleStartsUnrestrictedAndKeepsMinutesInTheirOrder)
{
    dialogType dialog(nullptr);
    dialog.ensureInitialized();
    EXPECT_TRUE(dialog.isChecked(dialogType::everyHourId));
    EXPECT_TRUE(dialog.isChecked(dialogType::everyDayId));
    EXPECT_TRUE(dialog.isChecked(dialogType::everyWeekDayId));
    EXPECT_FALSE(dialog.isControlEnabled(dialogType::hoursId));
    EXPECT_FALSE(dialog.isControlEnabled(dialogType::daysId));
    EXPECT_FALSE(dialog.isControlEnabled(dialogType::mondayId + 6));

    dialog.setControlText(dialogType::minutesId, "30, 0, 30");
    dialog.sendCommand(IDOK);
    ASSERT_TRUE(dialog.hasEnded());
    std::unique_ptr<gexecutionTime> rule(dialog.makeExecutionTime());
    EXPECT_EQ(minutesOf(*rule), (std::vector<int>{30, 0}));
    EXPECT_EQ(rule->getHours(), gexecutionTime::any);
    EXPECT_EQ(rule->getDaysOfMonth(), gexecutionTime::any);
    EXPECT_EQ(rule->getWeekDays(), gexecutionTime::any);
}

TEST_F(scheduleDialog, RadioButtonsEnableTheirFieldsAndRestrictTheRule)
{
    dialogType dialog(nullptr);
    dialog.ensureInitialized();
    click(dialog, dialogType::someHoursId);
    click(dialog, dialogType::someDaysId);
    click(dialog, dialogType::someWeekDaysId);
    EXPECT_TRUE(dialog.isControlEnabled(dialogType::hoursId));
    EXPECT_TRUE(dialog.isControlEnabled(dialogType::daysId));
    EXPECT_TRUE(dialog.isControlEnabled(dialogType::mondayId));
    // The three pairs are groups of their own.
    EXPECT_TRUE(dialog.isChecked(dialogType::someHoursId));
    EXPECT_TRUE(dialog.isChecked(dialogType::someDaysId));

    dialog.setControlText(dialogType::minutesId, "15");
    dialog.setControlText(dialogType::hoursId, "17, 8");
    dialog.setControlText(dialogType::daysId, "31");
    dialog.setChecked(dialogType::mondayId, true);
    dialog.setChecked(dialogType::mondayId + 6, true);
    dialog.sendCommand(IDOK);
    ASSERT_TRUE(dialog.hasEnded());
    std::unique_ptr<gexecutionTime> rule(dialog.makeExecutionTime());
    EXPECT_EQ(rule->getHours(), (1 << 8) | (1 << 17));
    EXPECT_EQ(static_cast<uint32_t>(rule->getDaysOfMonth()), 1u << 31);
    EXPECT_EQ(rule->getWeekDays(), (1 << 1) | (1 << 7));

    click(dialog, dialogType::everyWeekDayId);
    EXPECT_FALSE(dialog.isControlEnabled(dialogType::mondayId));
}

TEST_F(scheduleDialog, RefusedFieldsKeepTheDialogOpenWithTheFieldsMessage)
{
    struct {
        const char* minutes;
        int radio;      // 0: none
        int field;
        const char* text;
        int message;
        int focused;
    } const cases[] = {
        {"", 0, 0, "", 10093, dialogType::minutesId},
        {"5,", 0, 0, "", 10093, dialogType::minutesId},
        {"60", 0, 0, "", 10093, dialogType::minutesId},
        {"5", dialogType::someHoursId, dialogType::hoursId, "24", 10088, dialogType::hoursId},
        {"5", dialogType::someHoursId, dialogType::hoursId, "", 10088, dialogType::hoursId},
        {"5", dialogType::someDaysId, dialogType::daysId, "0", 10080, dialogType::daysId},
        {"5", dialogType::someDaysId, dialogType::daysId, "32", 10080, dialogType::daysId},
        {"5", dialogType::someWeekDaysId, 0, "", 10155, dialogType::mondayId},
    };
    for (const auto& c : cases) {
        dialogType dialog(nullptr);
        dialog.ensureInitialized();
        dialog.show();
        dialog.activateWindow();
        dialog.setControlText(dialogType::minutesId, c.minutes);
        if (c.radio)
            click(dialog, c.radio);
        if (c.field)
            dialog.setControlText(c.field, c.text);
        user.messages.clear();
        dialog.sendCommand(IDOK);
        EXPECT_FALSE(dialog.hasEnded()) << c.minutes << " " << c.text;
        ASSERT_EQ(user.messages.size(), 1u) << c.minutes << " " << c.text;
        EXPECT_EQ(user.lastMessage().promptId, c.message);
        EXPECT_TRUE(dialog.hasFocus(c.focused)) << c.message;
    }
}

TEST_F(scheduleDialog, AnUnusedHoursFieldIsNotRead)
{
    dialogType dialog(nullptr);
    dialog.ensureInitialized();
    dialog.setControlText(dialogType::minutesId, "0");
    dialog.setControlText(dialogType::hoursId, "nonsense");
    dialog.sendCommand(IDOK);
    EXPECT_TRUE(dialog.hasEnded());
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(scheduleDialog, ARuleReopensAsItWasEntered)
{
    gexecutionTime rule;
    garrayVariable<int32_t> minutes;
    minutes.append(45);
    minutes.append(15);
    rule.setMinutes(minutes);
    rule.setHours((1 << 9) | (1 << 3));
    rule.setDaysOfMonth(1 << 15);
    rule.setWeekDays((1 << 1) | (1 << 7));
    dialogType dialog(&rule);
    dialog.ensureInitialized();
    EXPECT_EQ(dialog.controlText(dialogType::minutesId).view(), "45, 15");
    EXPECT_TRUE(dialog.isChecked(dialogType::someHoursId));
    EXPECT_EQ(dialog.controlText(dialogType::hoursId).view(), "3, 9");
    EXPECT_TRUE(dialog.isChecked(dialogType::someDaysId));
    EXPECT_EQ(dialog.controlText(dialogType::daysId).view(), "15");
    EXPECT_TRUE(dialog.isControlEnabled(dialogType::daysId));
    EXPECT_TRUE(dialog.isChecked(dialogType::someWeekDaysId));
    EXPECT_TRUE(dialog.isChecked(dialogType::mondayId));
    EXPECT_FALSE(dialog.isChecked(dialogType::mondayId + 1));
    EXPECT_TRUE(dialog.isChecked(dialogType::mondayId + 6));

    dialog.sendCommand(IDOK);
    std::unique_ptr<gexecutionTime> copy(dialog.makeExecutionTime());
    EXPECT_EQ(describeExecutionTime(*copy, ','), describeExecutionTime(rule, ','));
}

} // namespace
