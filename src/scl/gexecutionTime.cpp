#include "scl/gexecutionTime.h"

#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

// The values a set may hold, as bits.
constexpr uint32_t dayBits = 0xFFFFFFFEu;  // 1 to 31
constexpr uint32_t weekDayBits = 0xFEu;    // 1 to 7
constexpr uint32_t hourBits = 0x00FFFFFFu; // 0 to 23

constexpr int firstWeekDayName = 10309;
constexpr int maxListNumber = 1000000;

int32_t keepBits(int32_t set, uint32_t allowed)
{
    if (set == gexecutionTime::any)
        return set;
    uint32_t kept = static_cast<uint32_t>(set) & allowed;
    return kept ? static_cast<int32_t>(kept) : gexecutionTime::any;
}

// The values of a set in ascending order, the last one ending the line.
void writeSet(CObjectFile& file, int indent, int token, int32_t set)
{
    if (set == gexecutionTime::any)
        return;
    gkeyword::byToken(token).writeKey(file, indent);
    uint32_t bits = static_cast<uint32_t>(set);
    for (int n = 0; n < 32; ++n) {
        if (!(bits & (1u << n)))
            continue;
        bits &= ~(1u << n);
        file.writeUnsigned(static_cast<uint32_t>(n), bits ? 2 : 1);
    }
}

// The items of a DAYS, WEEK_DAYS or HOURS line. Items read before a bad one
// stay in the set.
gloadStatus loadSet(const gstr& value, int32_t& set, int lowest, int highest)
{
    if (set != gexecutionTime::any)
        return gload::alreadyLoaded;
    uint32_t bits = 0;
    set = 0;
    const char* text = value.data();
    for (;;) {
        int32_t n = 0;
        const char* next = nullptr;
        int result = parseIntItem(text, n, next);
        if (result == itemResult::error || n < lowest || n > highest || (bits & (1u << n)))
            return gload::invalidValue;
        bits |= 1u << n;
        set = static_cast<int32_t>(bits);
        if (result == itemResult::end)
            return gload::accepted;
        text = next;
    }
}

gloadStatus loadMinutes(const gstr& value, garrayVariable<int32_t>& minutes)
{
    if (minutes.size() > 0)
        return gload::alreadyLoaded;
    const char* text = value.data();
    for (;;) {
        int32_t n = 0;
        const char* next = nullptr;
        int result = parseIntItem(text, n, next);
        if (result == itemResult::error || n < 0 || n > 59 || minutes.find(n) >= 0)
            return gload::invalidValue;
        minutes.append(n);
        if (result == itemResult::end)
            return gload::accepted;
        text = next;
    }
}

const char* skipWhite(const char* p, const char* end)
{
    while (p < end && charClass::isWhite(*p))
        ++p;
    return p;
}

void appendItem(gstr& text, const gstrSlice& item, char separator)
{
    if (!text.isEmpty()) {
        text.append(separator);
        text.append(' ');
    }
    text.append(item);
}

void appendNumber(gstr& text, int32_t n, char separator)
{
    gstr number;
    number.format("%u", n);
    appendItem(text, number, separator);
}

// The values of a set in ascending order; empty for a set that allows all.
gstr listSet(int32_t set, int lowest, int highest, char separator)
{
    gstr text;
    if (set == gexecutionTime::any)
        return text;
    for (int n = lowest; n <= highest; ++n) {
        if (static_cast<uint32_t>(set) & (1u << n))
            appendNumber(text, n, separator);
    }
    return text;
}

gstr listWeekDays(int32_t set, char separator)
{
    gstr text;
    if (set == gexecutionTime::any)
        return text;
    for (int w = 1; w <= 7; ++w) {
        if (static_cast<uint32_t>(set) & (1u << w))
            appendItem(text, gstr().loadString(firstWeekDayName + w), separator);
    }
    return text;
}

// The description's text by which of hours, weekdays and days are given.
int descriptionFormat(bool hours, bool weekDays, bool days)
{
    if (!hours)
        return !weekDays ? (days ? 10255 : 10248) : (days ? 10250 : 10249);
    if (!weekDays)
        return days ? 10254 : 10251;
    return days ? 10253 : 10252;
}

} // namespace

gexecutionTime::gexecutionTime(const gexecutionTime& other)
    : gstorable(other), days_(other.days_), weekDays_(other.weekDays_), hours_(other.hours_)
{
    setMinutes(other.minutes_);
}

void gexecutionTime::setDaysOfMonth(int32_t set) noexcept { days_ = keepBits(set, dayBits); }

void gexecutionTime::setWeekDays(int32_t set) noexcept { weekDays_ = keepBits(set, weekDayBits); }

void gexecutionTime::setHours(int32_t set) noexcept { hours_ = keepBits(set, hourBits); }

void gexecutionTime::setMinutes(const garrayVariable<int32_t>& minutes)
{
    garrayVariable<int32_t> kept;
    for (int32_t i = 0; i < minutes.size(); ++i) {
        int32_t minute = minutes[i];
        if (minute >= 0 && minute <= 59 && kept.find(minute) < 0)
            kept.append(minute);
    }
    minutes_.transferFrom(kept);
}

void gexecutionTime::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::SCHEDULE).writeIndented(file, indent);
    file.newLine();
}

void gexecutionTime::writeFields(CObjectFile& file, int indent) const
{
    writeSet(file, indent, kw::DAYS, days_);
    writeSet(file, indent, kw::WEEK_DAYS, weekDays_);
    writeSet(file, indent, kw::HOURS, hours_);
    gkeyword::byToken(kw::MINUTES).writeKey(file, indent);
    if (minutes_.size() == 0)
        file.newLine();
    for (int32_t i = 0; i < minutes_.size(); ++i)
        file.writeUnsigned(static_cast<uint32_t>(minutes_[i]), i + 1 < minutes_.size() ? 2 : 1);
}

gloadStatus gexecutionTime::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::DAYS: return loadSet(value, days_, 1, 31);
    case kw::WEEK_DAYS: return loadSet(value, weekDays_, 1, 7);
    case kw::HOURS: return loadSet(value, hours_, 0, 23);
    case kw::MINUTES: return loadMinutes(value, minutes_);
    default: return gstorable::loadField(token, value);
    }
}

bool readScheduleList(const gstrSlice& text, int32_t lowest, int32_t highest, int32_t* set,
                      garrayVariable<int32_t>* list, char separator)
{
    if (text.isEmpty())
        return false;
    if (list)
        list->clear();
    if (set)
        *set = 0;
    const char* p = text.data();
    const char* end = text.end();
    for (;;) {
        p = skipWhite(p, end);
        const char* digits = p;
        int32_t n = 0;
        for (; p < end && charClass::isDigit(*p); ++p)
            n = n < maxListNumber ? n * 10 + (*p - '0') : n;
        const char* after = skipWhite(p, end);
        if (p == digits || (after < end && *after != separator))
            return false;
        if (n < lowest || n > highest)
            return false;
        if (set && n < 32)
            *set = static_cast<int32_t>(static_cast<uint32_t>(*set) | (1u << n));
        if (list && list->find(n) < 0)
            list->append(n);
        if (after == end)
            return true;
        p = after + 1;
    }
}

gstr describeExecutionTime(const gexecutionTime& rule, char separator)
{
    gstr minutes;
    for (int32_t i = 0; i < rule.getMinuteCount(); ++i)
        appendNumber(minutes, rule.getMinute(i), separator);
    gstr hours = listSet(rule.getHours(), 0, 23, separator);
    gstr weekDays = listWeekDays(rule.getWeekDays(), separator);
    gstr days = listSet(rule.getDaysOfMonth(), 1, 31, separator);
    const gstr* given[4] = {&minutes};
    int count = 1;
    for (const gstr* part : {&hours, &weekDays, &days}) {
        if (!part->isEmpty())
            given[count++] = part;
    }
    const gstr none;
    for (int i = count; i < 4; ++i)
        given[i] = &none;
    gstr text;
    text.format(descriptionFormat(!hours.isEmpty(), !weekDays.isEmpty(), !days.isEmpty()), *given[0], *given[1],
                *given[2], *given[3]);
    return text;
}
