#include "foundation/gmilliseconds.h"

#include "foundation/charClasses.h"
#include "foundation/gclock.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// Past this the exponent only says "far too large" or "far too small".
constexpr int64_t exponentCap = 1000000000;

// The digits of a real number read as whole milliseconds, rounded up. The
// text has the shape the real-number item parser accepted: white space, a
// sign, digits with an optional fraction, an optional exponent. The value is
// worked out from the digits, not from a double, so that every count written
// as its decimal seconds reads back as itself.
bool millisecondsOfDecimal(const char* p, uint32_t& count)
{
    while (charClass::isWhite(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    std::string digits;
    int64_t shift = 3; // seconds to milliseconds
    for (; charClass::isDigit(*p); ++p)
        digits += *p;
    if (*p == '.') {
        for (++p; charClass::isDigit(*p); ++p) {
            digits += *p;
            --shift;
        }
    }
    if (*p == 'e' || *p == 'E') {
        ++p;
        bool negativeExponent = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        int64_t exponent = 0;
        for (; charClass::isDigit(*p); ++p)
            exponent = std::min(exponent * 10 + (*p - '0'), exponentCap);
        shift += negativeExponent ? -exponent : exponent;
    }
    size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        count = 0;
        return true;
    }
    if (negative)
        return false;
    size_t last = digits.find_last_not_of('0');
    shift += static_cast<int64_t>(digits.size() - 1 - last);
    std::string_view significant(digits.data() + first, last + 1 - first);

    // Digits before the point; ten of them at most fit below 2^32.
    int64_t whole = static_cast<int64_t>(significant.size()) + shift;
    if (whole > 10)
        return false;
    uint64_t value = 0;
    for (int64_t i = 0; i < whole; ++i)
        value = value * 10 + (i < static_cast<int64_t>(significant.size()) ? significant[i] - '0' : 0);
    if (whole < static_cast<int64_t>(significant.size()))
        ++value; // a non-zero digit lies below the point
    if (value >= gmilliseconds::notSetCount)
        return false;
    count = static_cast<uint32_t>(value);
    return true;
}

} // namespace

uint32_t truncatedMilliseconds(double seconds)
{
    if (!(seconds > 0))
        return 0;
    if (seconds >= 4294967.295)
        return gmilliseconds::notSetCount;
    // d.dddddddddddddde[+-]x: fifteen digits, the point after the first.
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, seconds, std::chars_format::scientific, 14);
    (void)ec;
    uint64_t digits = 0;
    const char* p = text;
    for (; p != end && *p != 'e'; ++p) {
        if (charClass::isDigit(*p))
            digits = digits * 10 + static_cast<uint64_t>(*p - '0');
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    // The digits are the seconds times 10^(14 - exponent); milliseconds are
    // them divided by 10^(11 - exponent), which is at least 10^5 here.
    int shift = 11 - exponent;
    if (shift > 19)
        return 0;
    uint64_t divisor = 1;
    for (int i = 0; i < shift; ++i)
        divisor *= 10;
    return static_cast<uint32_t>(digits / divisor);
}

gmilliseconds gmilliseconds::now() { return gmilliseconds(currentClock().tickCount()); }

void gmilliseconds::sleep() const
{
    if (isSet())
        currentClock().sleep(count_);
}

bool gmilliseconds::setSeconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return false;
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text - 1, seconds, std::chars_format::scientific, 14);
    (void)ec;
    *end = '\0';
    return millisecondsOfDecimal(text, count_);
}

int gmilliseconds::parseSeconds(const char* text)
{
    const char* next = nullptr;
    return parseSeconds(text, next);
}

int gmilliseconds::parseSeconds(const char* text, const char*& next)
{
    double seconds = 0;
    const char* after = nullptr;
    int result = parseDoubleItem(text, seconds, after);
    if (result == itemResult::error || !millisecondsOfDecimal(text, count_))
        return itemResult::error;
    next = after;
    return result;
}

void gmilliseconds::writeSeconds(CObjectFile& file, int ending) const { file.writeReal(count_ / 1000.0, ending); }
