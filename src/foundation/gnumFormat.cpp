#include "foundation/gnumFormat.h"

#include "foundation/charClasses.h"
#include "foundation/gfault.h"

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

char userSeparator = '.';

// Widths past these are all zeros; the bound keeps a wild field from sizing
// the output.
constexpr int maxDecimals = 1100;
constexpr int maxIntegerDigits = 1100;
// A double's exact decimal expansion never has more fraction digits.
constexpr int maxExactFractionDigits = 1074;

bool isExponentLetter(char c) { return c == 'E' || c == 'e'; }

// The digit's value in the base, or -1.
int digitInBase(char c, uint32_t base)
{
    if (base == 16) {
        if (!charClass::isHexDigit(c))
            return -1;
        return charClass::isDigit(c) ? c - '0' : charClass::toUpper(c) - 'A' + 10;
    }
    if (!charClass::isDigit(c) || static_cast<uint32_t>(c - '0') >= base)
        return -1;
    return c - '0';
}

// Where a scanned decimal number's digits lie, for computing its value.
struct decimalParts {
    const char* integer = nullptr;
    const char* integerEnd = nullptr;
    const char* fraction = nullptr;
    const char* fractionEnd = nullptr;
    int exponent = 0;
};

// The power of ten of the first significant digit, or nothing for zero.
bool leadingPower(const decimalParts& parts, int64_t& power)
{
    for (const char* p = parts.integer; p < parts.integerEnd; ++p) {
        if (*p != '0') {
            power = (parts.integerEnd - p) - 1 + static_cast<int64_t>(parts.exponent);
            return true;
        }
    }
    for (const char* p = parts.fraction; p < parts.fractionEnd; ++p) {
        if (*p != '0') {
            power = -(p - parts.fraction) - 1 + static_cast<int64_t>(parts.exponent);
            return true;
        }
    }
    return false;
}

// The nearest double to the digits; false when it lies beyond the double
// range. Accumulating fraction digits by repeated tenths would lose the last
// bits (0.3 would not read as the double nearest 0.3).
bool decimalValue(const decimalParts& parts, double& value)
{
    std::string text(parts.integer, parts.integerEnd);
    text += '.';
    text.append(parts.fraction, parts.fractionEnd);
    text += 'e';
    text += std::to_string(parts.exponent);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (ec == std::errc())
        return !std::isinf(value);
    int64_t power = 0;
    if (leadingPower(parts, power) && power >= 0)
        return false;
    value = 0.0;
    return true;
}

} // namespace

char getUserDecimalSeparator() noexcept { return userSeparator; }

void setUserDecimalSeparator(char separator) noexcept { userSeparator = separator ? separator : '.'; }

gnumFormat::gnumFormat(uint32_t base, char decimalSeparator, const char* allowedTerminators)
    : base_(base), separator_(decimalSeparator ? decimalSeparator : getUserDecimalSeparator()),
      terminators_(allowedTerminators)
{
    if (base != 0 && base != 2 && base != 8 && base != 10 && base != 16)
        throw gfault("invalid base in gnumFormat::gnumFormat()");
}

bool gnumFormat::mayEndNumber(char c) const noexcept
{
    if (c == '\0' || !terminators_)
        return true;
    for (const char* t = terminators_; *t; ++t) {
        if (*t == c)
            return true;
    }
    return false;
}

int gnumFormat::parse(const char* text, const char*& cursor, double& value, bool allowSign) const
{
    return scan(text, cursor, &value, allowSign);
}

int gnumFormat::parse(const char* text, double& value, bool allowSign) const
{
    const char* cursor = nullptr;
    return scan(text, cursor, &value, allowSign);
}

int gnumFormat::parse(const char* text, const char*& cursor, bool allowSign) const
{
    return scan(text, cursor, nullptr, allowSign);
}

int gnumFormat::scan(const char* text, const char*& cursor, double* value, bool allowSign) const
{
    const char* p = text ? text : ""; // a null text reads as an empty one
    bool negative = false;
    if (allowSign && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    uint32_t base = base_;
    if (base == 0) {
        base = 10;
        if (*p == '$' || *p == '%') {
            base = *p == '$' ? 16 : 2;
            ++p;
        }
    }
    double result = 0.0;
    int status = base == 10 ? scanDecimal(p, value ? &result : nullptr) : scanInBase(p, base, value ? &result : nullptr);
    cursor = p;
    if (status == ok && value)
        *value = negative ? -result : result;
    return status;
}

int gnumFormat::scanInBase(const char*& p, uint32_t base, double* value) const
{
    const double limit = DBL_MAX / base;
    double accumulated = 0.0;
    bool anyDigit = false;
    for (int digit = digitInBase(*p, base); digit >= 0; digit = digitInBase(*++p, base)) {
        if (value) {
            if (accumulated >= limit)
                return overflow;
            accumulated = accumulated * base + digit;
        }
        anyDigit = true;
    }
    if (*p == separator_)
        return separatorInBase;
    if (base != 16 && isExponentLetter(*p))
        return exponentInBase;
    if (base != 16 && charClass::isDigit(*p))
        return digitNotInBase;
    if (!mayEndNumber(*p))
        return badTerminator;
    if (!anyDigit)
        return noDigit;
    if (value)
        *value = accumulated;
    return ok;
}

int gnumFormat::scanDecimal(const char*& p, double* value) const
{
    if (isExponentLetter(*p))
        return noDigit;
    decimalParts parts;
    parts.integer = p;
    double accumulated = 0.0;
    for (; charClass::isDigit(*p); ++p) {
        if (value && accumulated >= DBL_MAX / 10)
            return overflow;
        accumulated = accumulated * 10 + (*p - '0');
    }
    parts.integerEnd = p;
    parts.fraction = parts.fractionEnd = p;
    if (*p == separator_) {
        parts.fraction = ++p;
        while (charClass::isDigit(*p))
            ++p;
        parts.fractionEnd = p;
        if (*p == separator_)
            return secondSeparator;
        if (parts.fraction == p && (isExponentLetter(*p) || *p == '\0'))
            return separatorWithoutDigit;
        if (parts.fraction == p)
            return mayEndNumber(*p) ? separatorWithoutDigit : badTerminator;
    }
    if (isExponentLetter(*p)) {
        ++p;
        bool negativeExponent = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        const char* digits = p;
        int exponent = 0;
        for (; charClass::isDigit(*p); ++p) {
            int digit = *p - '0';
            if (value && exponent > (INT_MAX - digit) / 10)
                return overflow;
            exponent = value ? exponent * 10 + digit : 0;
        }
        if (isExponentLetter(*p))
            return exponentInExponent;
        if (*p == separator_)
            return separatorInExponent;
        if (digits == p)
            return mayEndNumber(*p) ? exponentWithoutDigit : badTerminator;
        parts.exponent = negativeExponent ? -exponent : exponent;
    }
    if (!mayEndNumber(*p))
        return badTerminator;
    if (parts.integer == parts.integerEnd && parts.fraction == parts.fractionEnd)
        return noDigit;
    if (value && !decimalValue(parts, *value))
        return overflow;
    return ok;
}

void gnumFormat::appendToString(gstr& out, uint32_t value) const
{
    if (base_ == 0)
        throw gfault("illegal base in gnumFormat::appendToString(gstr &,unsigned int)");
    char digits[33];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value, static_cast<int>(base_));
    (void)ec;
    std::transform(digits, end, digits, charClass::toUpper);
    out.assign(digits, static_cast<int32_t>(end - digits));
}

void gnumFormat::appendToString(gstr& out, double value, int decimals, int plusMode, int minIntegerDigits) const
{
    if (base_ != 10)
        throw gfault("illegal base in gnumFormat::appendToString(gstr &,double,int)");
    decimals = std::clamp(decimals, 0, maxDecimals);
    minIntegerDigits = std::min(minIntegerDigits, maxIntegerDigits);
    if (value < 0) {
        out.append('-');
        value = -value;
    } else if (plusMode == -1 || (plusMode != 0 && value > 0)) {
        out.append('+');
    }
    if (!std::isfinite(value)) {
        out.append(std::isnan(value) ? "nan" : "inf");
        return;
    }
    // Half a unit of the last decimal is added and the rest cut, so 0.125
    // with two decimals prints 0.13. The cut is exact: the digits come from
    // the double's exact expansion, not from repeated divisions.
    double rounded = value + 0.5 * std::pow(10.0, -decimals);
    int binaryExponent = 0;
    std::frexp(rounded, &binaryExponent);
    int precision = std::min(std::max(53 - binaryExponent, decimals), maxExactFractionDigits);
    char digits[DBL_MAX_10_EXP + 2 + maxExactFractionDigits + 8];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, rounded, std::chars_format::fixed,
                                   precision);
    (void)ec;
    const char* point = std::find(digits, end, '.');
    int32_t integerLength = static_cast<int32_t>(point - digits);
    bool belowOne = integerLength == 1 && digits[0] == '0';
    if (belowOne && minIntegerDigits <= 0 && decimals == 0) {
        out.append('0');
        return;
    }
    if (!belowOne || minIntegerDigits > 0) {
        for (int i = integerLength; i < minIntegerDigits; ++i)
            out.append('0');
        out.append(digits, integerLength);
    }
    if (decimals == 0)
        return;
    out.append(separator_);
    const char* fraction = point == end ? end : point + 1;
    int32_t available = std::min(static_cast<int32_t>(end - fraction), decimals);
    out.append(fraction, available);
    for (int i = available; i < decimals; ++i)
        out.append('0');
}
