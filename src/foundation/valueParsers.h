#pragma once

#include <cstdint>

// Readers of station-file values. A value text is NUL-terminated; it holds one
// item or a list of items separated by commas. Every item parser answers
//   0  an error (syntax or range); the value is left unchanged,
//   1  the end of the text: only white space followed the item,
//   2  a comma follows the item.
// The forms with a cursor (next) leave it, on 2, on the first byte after the
// comma and the white space behind it, on 1 on the terminating NUL; on 0 its
// position is unspecified. A null text reads as an empty one.
//
// Numbers never go through the process locale: the decimal point is '.'.

namespace itemResult {
constexpr int error = 0;
constexpr int end = 1;
constexpr int comma = 2;
} // namespace itemResult

// An optional '-', then decimal digits (at least one) within the signed 32-bit
// range. 1 or 0; the cursor stays after the last digit read.
int parseInt(const char*& cursor, int32_t& value);

// A signed 32-bit integer item: no '+', no leading white space.
int parseIntItem(const char* text, int32_t& value);
int parseIntItem(const char* text, int32_t& value, const char*& next);

// An unsigned 32-bit integer item: digits only.
int parseUnsignedItem(const char* text, uint32_t& value);
int parseUnsignedItem(const char* text, uint32_t& value, const char*& next);

// A real-number item: leading white space, an optional sign, digits with an
// optional fraction (at least one digit in all), an optional exponent of 'e'
// or 'E', an optional sign and digits. "inf", "nan", hexadecimal forms and
// values beyond the range of a double are refused; a value too small for a
// double reads as the nearest one (possibly zero).
int parseDoubleItem(const char* text, double& value);
int parseDoubleItem(const char* text, double& value, const char*& next);

// Four decimal numbers of 0 to 255 separated by single dots. With hostCheck
// an address that cannot name a host is refused too: a first number of 0 or
// of 224 and more, or 127 other than 127.0.0.1. The address is stored in
// address[0..3] in the order written. 1 or 0.
int parseIpAddress(const char*& cursor, uint8_t* address, bool hostCheck);
int parseIpAddressItem(const char* text, uint8_t* address, bool hostCheck);

// White space, then a comma (2, cursor past it and the white space behind it),
// the end of the text (1, cursor on the NUL) or anything else (0).
int skipListSeparator(const char* text, const char*& next);

// One backslash escape; the cursor is on the backslash. \0 \b \f \n \r \t \v
// give their control bytes, \x with exactly two hexadecimal digits gives that
// byte, any other byte stands for itself. A backslash at the end of the text
// or \x without two hexadecimal digits answers 0. On 1 the cursor is past the
// escape.
int parseEscape(const char*& cursor, char& byte);

// No check of the input: only 0-9, A-F and a-f give meaningful values.
constexpr int hexDigitValue(char c)
{
    return c <= '9' ? c - '0' : (c & ~0x20) - 55;
}

constexpr int hexPairValue(const char* digits)
{
    return hexDigitValue(digits[0]) * 16 + hexDigitValue(digits[1]);
}

// 0-9 and upper-case A-F for 0 to 15.
constexpr char hexDigitChar(int value)
{
    return "0123456789ABCDEF"[value & 0x0F];
}
