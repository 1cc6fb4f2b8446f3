#include "foundation/realFormat.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Appends the text to p and returns the new end.
char* put(char* p, const char* text, int n)
{
    std::memcpy(p, text, static_cast<size_t>(n));
    return p + n;
}

// Drops trailing zeros of the n digits, keeping at least keep of them.
int significantLength(const char* digits, int n, int keep)
{
    while (n > keep && digits[n - 1] == '0')
        --n;
    return n;
}

int nonFinite(char* out, double value)
{
    const char* text = std::isnan(value) ? "NAN" : "INF";
    char* p = out;
    if (std::signbit(value))
        *p++ = '-';
    p = put(p, text, 3);
    *p = '\0';
    return static_cast<int>(p - out);
}

// Lays out the n significant digits of a finite value whose first digit
// stands for 10^exponent as "%.<precision>G" does. digits has room for at
// least precision of them; missing ones are zeros.
int layOut(char (&out)[realFormatSize], bool negative, char* digits, int n, int exponent, int precision)
{
    for (; n < precision; ++n)
        digits[n] = '0';
    char* q = out;
    if (negative)
        *q++ = '-';
    if (exponent < -4 || exponent >= precision) {
        *q++ = digits[0];
        int fraction = significantLength(digits + 1, n - 1, 0);
        if (fraction > 0) {
            *q++ = '.';
            q = put(q, digits + 1, fraction);
        }
        *q++ = 'E';
        *q++ = exponent < 0 ? '-' : '+';
        int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            *q++ = '0';
        q = std::to_chars(q, out + realFormatSize, magnitude).ptr;
    } else if (exponent >= 0) {
        q = put(q, digits, exponent + 1);
        int fraction = significantLength(digits + exponent + 1, n - exponent - 1, 0);
        if (fraction > 0) {
            *q++ = '.';
            q = put(q, digits + exponent + 1, fraction);
        }
    } else {
        int used = significantLength(digits, n, 1);
        q = put(q, "0.", 2);
        for (int zeros = -exponent - 1; zeros > 0; --zeros)
            *q++ = '0';
        q = put(q, digits, used);
    }
    *q = '\0';
    return static_cast<int>(q - out);
}

// The magnitude's digits and decimal exponent from to_chars' scientific
// form: with digitsWanted of them, or the fewest that read back when it is 0.
int scientificDigits(double value, int digitsWanted, char* digits, int& exponent)
{
    char scientific[realFormatSize];
    auto end = digitsWanted > 0
        ? std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value), std::chars_format::scientific,
                        digitsWanted - 1).ptr
        : std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value), std::chars_format::scientific).ptr;
    int n = 0;
    const char* p = scientific;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits[n++] = *p;
    }
    exponent = 0;
    std::from_chars(p[1] == '+' ? p + 2 : p + 1, end, exponent);
    return n;
}

bool readsBack(const char* text, double value)
{
    double again = 0;
    return parseDoubleItem(text, again) == itemResult::end && again == value;
}

} // namespace

int formatRealG(char (&out)[realFormatSize], double value, int precision)
{
    if (precision > 17)
        throw gfault("precision above 17 in formatRealG()");
    if (!std::isfinite(value))
        return nonFinite(out, value);
    int digitsWanted = precision < 1 ? 1 : precision;
    char digits[realFormatSize];
    int exponent = 0;
    int n = scientificDigits(value, digitsWanted, digits, exponent);
    return layOut(out, std::signbit(value), digits, n, exponent, digitsWanted);
}

int formatRealExact(char (&out)[realFormatSize], double value)
{
    int n = formatRealG(out, value, 15);
    if (!std::isfinite(value) || readsBack(out, value))
        return n;
    char digits[realFormatSize];
    int exponent = 0;
    int shortest = scientificDigits(value, 0, digits, exponent);
    return layOut(out, std::signbit(value), digits, shortest, exponent, shortest < 15 ? 15 : shortest);
}
