#include "scl/ui/CScheduleExecutionTimeDialog.h"

#include "platform/userLocale.h"
#include "scl/gexecutionTime.h"
#include "shell/CNumberListEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace {

constexpr int minutesMessage = 10093;
constexpr int hoursMessage = 10088;
constexpr int daysMessage = 10080;
constexpr int weekDaysMessage = 10155;
constexpr int weekDayCount = 7;

const char* const weekDayNames[weekDayCount] = {"&Monday", "&Tuesday", "&Wednesday", "T&hursday",
                                                "&Friday", "&Saturday", "Su&nday"};

bool allowsEvery(int32_t set) { return set == gexecutionTime::any || set == 0; }

} // namespace

CScheduleExecutionTimeDialog::CScheduleExecutionTimeDialog(const gexecutionTime* rule, QWidget* parent)
    : CDialog(590, parent), rule_(rule)
{
    setWindowTitle(QStringLiteral("Schedule Execution Time"));
    setDialogSize(250, 192);
    addLabel(-1, "Execute the program", 7, 9, 72, 8);
    addControl(minutesId, new CNumberListEdit, 80, 7, 110, 12);
    addLabel(-1, "minutes", 195, 9, 48, 8);
    addRadioButton(everyHourId, "After &every hour", 7, 26, 200, 10);
    addRadioButton(someHoursId, "&After the following hours (0-23):", 7, 40, 130, 10);
    addControl(hoursId, new CNumberListEdit, 140, 38, 103, 12);
    addRadioButton(everyDayId, "&Regardless of day of the month", 7, 58, 200, 10);
    addRadioButton(someDaysId, "&On the following days of the month:", 7, 72, 130, 10);
    addControl(daysId, new CNumberListEdit, 140, 70, 103, 12);
    addRadioButton(everyWeekDayId, "Re&gardless of day of the week", 7, 90, 200, 10);
    addRadioButton(someWeekDaysId, "On these days of the wee&k:", 7, 104, 200, 10);
    for (int i = 0; i < weekDayCount; ++i)
        addCheckBox(mondayId + i, weekDayNames[i], i < 4 ? 20 : 110, 118 + (i % 4) * 12, 80, 10);
    addButton(IDOK, "OK", 136, 172, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 172, 50, 14);

    for (auto [first, second] : {std::pair{everyHourId, someHoursId}, std::pair{everyDayId, someDaysId},
                                 std::pair{everyWeekDayId, someWeekDaysId}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(controlAs<QAbstractButton>(first));
        group->addButton(controlAs<QAbstractButton>(second));
        onCommand(first, [this] { enableChoices(); });
        onCommand(second, [this] { enableChoices(); });
    }
}

bool CScheduleExecutionTimeDialog::OnInitDialog()
{
    checkRadioButton(everyHourId, someHoursId, everyHourId);
    checkRadioButton(everyDayId, someDaysId, everyDayId);
    checkRadioButton(everyWeekDayId, someWeekDaysId, everyWeekDayId);
    if (rule_)
        showRule(*rule_);
    enableChoices();
    return true;
}

void CScheduleExecutionTimeDialog::showRule(const gexecutionTime& rule)
{
    garrayVariable<uint32_t> minutes;
    for (int32_t i = 0; i < rule.getMinuteCount(); ++i)
        minutes.append(static_cast<uint32_t>(rule.getMinute(i)));
    dynamic_cast<CNumberListEdit*>(control(minutesId))->setValues(minutes);
    if (!allowsEvery(rule.getHours())) {
        showSet(hoursId, rule.getHours(), 0, 23);
        checkRadioButton(everyHourId, someHoursId, someHoursId);
    }
    if (!allowsEvery(rule.getDaysOfMonth())) {
        showSet(daysId, rule.getDaysOfMonth(), 1, 31);
        checkRadioButton(everyDayId, someDaysId, someDaysId);
    }
    if (rule.getWeekDays() != gexecutionTime::any) {
        auto set = static_cast<uint32_t>(rule.getWeekDays());
        for (int i = 0; i < weekDayCount; ++i)
            setChecked(mondayId + i, (set >> (i + 1)) & 1u);
        checkRadioButton(everyWeekDayId, someWeekDaysId, someWeekDaysId);
    }
}

void CScheduleExecutionTimeDialog::showSet(int editId, int32_t set, int32_t lowest, int32_t highest)
{
    garrayVariable<uint32_t> values;
    for (int32_t n = lowest; n <= highest; ++n) {
        if ((static_cast<uint32_t>(set) >> n) & 1u)
            values.append(static_cast<uint32_t>(n));
    }
    dynamic_cast<CNumberListEdit*>(control(editId))->setValues(values);
}

void CScheduleExecutionTimeDialog::enableChoices()
{
    enableControl(hoursId, isChecked(someHoursId));
    enableControl(daysId, isChecked(someDaysId));
    bool weekDays = isChecked(someWeekDaysId);
    for (int i = 0; i < weekDayCount; ++i)
        enableControl(mondayId + i, weekDays);
}

bool CScheduleExecutionTimeDialog::readSet(int radioEveryId, int editId, int32_t lowest, int32_t highest,
                                           int messageId, int32_t& set)
{
    if (isChecked(radioEveryId)) {
        set = gexecutionTime::any;
        return true;
    }
    if (readScheduleList(controlText(editId), lowest, highest, &set, nullptr, getUserListSeparator()))
        return true;
    return refuseField(editId, messageId);
}

void CScheduleExecutionTimeDialog::OnOK()
{
    int32_t ignored = 0;
    if (!readScheduleList(controlText(minutesId), 0, 59, &ignored, &minutes_, getUserListSeparator()))
        return (void)refuseField(minutesId, minutesMessage);
    if (!readSet(everyHourId, hoursId, 0, 23, hoursMessage, hours_))
        return;
    if (!readSet(everyDayId, daysId, 1, 31, daysMessage, days_))
        return;
    weekDays_ = gexecutionTime::any;
    if (isChecked(someWeekDaysId)) {
        uint32_t set = 0;
        for (int i = 0; i < weekDayCount; ++i) {
            if (isChecked(mondayId + i))
                set |= 1u << (i + 1);
        }
        if (set == 0)
            return (void)refuseField(mondayId, weekDaysMessage);
        weekDays_ = static_cast<int32_t>(set);
    }
    EndDialog(IDOK);
}

gexecutionTime* CScheduleExecutionTimeDialog::makeExecutionTime() const
{
    auto* rule = new gexecutionTime;
    rule->setMinutes(minutes_);
    rule->setHours(hours_);
    rule->setDaysOfMonth(days_);
    rule->setWeekDays(weekDays_);
    return rule;
}
