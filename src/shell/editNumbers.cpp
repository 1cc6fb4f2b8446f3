#include "shell/editNumbers.h"

#include "foundation/charClasses.h"
#include "foundation/realFormat.h"
#include "foundation/valueParsers.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

const char* skipBlanks(const char* p)
{
    while (charClass::isWhite(*p))
        ++p;
    return p;
}

// The sign at p: -1, 1 (also without a sign); p moves past it.
int readSign(const char*& p)
{
    if (*p == '+' || *p == '-')
        return *p++ == '-' ? -1 : 1;
    return 1;
}

bool isDigitOfBase(char c, int base) { return base == 16 ? charClass::isHexDigit(c) : charClass::isDigit(c); }

// The magnitude of the digits in the C form, which from_chars reads without
// a locale. Out of range: an exponent that makes the number large gives an
// infinity, a small one zero.
double realValue(const std::string& digits, long decimalExponent)
{
    double value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return decimalExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

} // namespace

const char* readRealNumber(const char* text, char decimalSeparator, double& value)
{
    const char* p = skipBlanks(text);
    int sign = readSign(p);
    std::string digits;
    // The decimal exponent of the first significant digit, which tells an
    // overflow from an underflow.
    long magnitude = 0;
    bool significant = false;
    bool anyDigit = false;
    while (charClass::isDigit(*p)) {
        significant = significant || *p != '0';
        magnitude += significant ? 1 : 0;
        digits += *p++;
        anyDigit = true;
    }
    if (*p == decimalSeparator && decimalSeparator != 0) {
        const char* fraction = p + 1;
        if (anyDigit || charClass::isDigit(*fraction)) {
            digits += '.';
            p = fraction;
            while (charClass::isDigit(*p)) {
                significant = significant || *p != '0';
                magnitude -= significant ? 0 : 1;
                digits += *p++;
                anyDigit = true;
            }
        }
    }
    if (!anyDigit)
        return text;
    long exponent = 0;
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        int exponentSign = readSign(e);
        if (charClass::isDigit(*e)) {
            digits += 'e';
            digits += exponentSign < 0 ? '-' : '+';
            while (charClass::isDigit(*e)) {
                if (exponent < 100000)
                    exponent = exponent * 10 + (*e - '0');
                digits += *e++;
            }
            exponent *= exponentSign;
            p = e;
        }
    }
    value = sign * realValue(digits, magnitude + exponent);
    return p;
}

const char* readSignedNumber(const char* text, int32_t& value)
{
    const char* p = skipBlanks(text);
    int sign = readSign(p);
    if (!charClass::isDigit(*p))
        return text;
    int64_t magnitude = 0;
    constexpr int64_t beyond = int64_t(1) << 31;
    while (charClass::isDigit(*p)) {
        if (magnitude <= beyond)
            magnitude = magnitude * 10 + (*p - '0');
        ++p;
    }
    if (sign > 0)
        value = magnitude > beyond - 1 ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(magnitude);
    else
        value = magnitude >= beyond ? std::numeric_limits<int32_t>::min() : static_cast<int32_t>(-magnitude);
    return p;
}

const char* readUnsignedNumber(const char* text, int base, uint32_t& value, bool* negative)
{
    const char* p = skipBlanks(text);
    int sign = readSign(p);
    if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && charClass::isHexDigit(p[2]))
        p += 2;
    if (!isDigitOfBase(*p, base))
        return text;
    uint64_t magnitude = 0;
    constexpr uint64_t beyond = uint64_t(1) << 32;
    while (isDigitOfBase(*p, base)) {
        if (magnitude < beyond)
            magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(hexDigitValue(*p));
        ++p;
    }
    if (magnitude >= beyond)
        value = std::numeric_limits<uint32_t>::max();
    else
        value = sign < 0 ? static_cast<uint32_t>(0u - static_cast<uint32_t>(magnitude)) : static_cast<uint32_t>(magnitude);
    if (negative)
        *negative = sign < 0;
    return p;
}

gstr formatEditReal(double value, char decimalSeparator)
{
    char text[realFormatSize];
    int length = formatRealG(text, value, 10);
    for (int i = 0; i < length; ++i) {
        if (text[i] == '.')
            text[i] = decimalSeparator;
    }
    return gstr(gstrSlice(text, length));
}

gstr formatSigned(int32_t value)
{
    char text[16];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    (void)error;
    return gstr(gstrSlice(text, static_cast<int32_t>(end - text)));
}

gstr formatUnsigned(uint32_t value, bool hex)
{
    char text[16];
    auto [end, error] = std::to_chars(text, text + sizeof text, value, hex ? 16 : 10);
    (void)error;
    for (char* c = text; c < end; ++c)
        *c = charClass::toUpper(*c);
    return gstr(gstrSlice(text, static_cast<int32_t>(end - text)));
}
