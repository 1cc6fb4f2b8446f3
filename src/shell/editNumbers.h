#pragma once

#include "foundation/gstr.h"

#include <cstdint>

// Numbers as the user types them into edit fields. Each reader takes a
// number from the start of a NUL-terminated text and returns where reading
// stopped: the text itself when no number could be read, its end when the
// number filled it ("wholly read"). Blanks are those of the neutral
// character classes; no reader consults the process locale.

// Leading blanks, an optional sign, digits with at most one decimal
// separator (one digit at least), an optional exponent: e or E, an optional
// sign, digits. A number beyond the range of a double reads as an infinity,
// one too small for it as zero.
const char* readRealNumber(const char* text, char decimalSeparator, double& value);

// Leading blanks, an optional sign, decimal digits; a number beyond the
// 32-bit range reads as the nearest limit.
const char* readSignedNumber(const char* text, int32_t& value);

// Leading blanks, an optional sign, digits of the base (10 or 16; in base 16
// an optional 0x or 0X before them). A minus sign negates the number modulo
// 2 to the power 32 and is reported in negative; a number beyond the range
// reads as 4294967295.
const char* readUnsignedNumber(const char* text, int base, uint32_t& value, bool* negative = nullptr);

// Whether reading stopped at the end of a text that is not empty (a NUL
// inside the text stops a reader short of it).
inline bool whollyRead(const gstrSlice& text, const char* end)
{
    return !text.isEmpty() && end != text.data() && end == text.end();
}

// "%.10G" with the given decimal separator in place of the point.
gstr formatEditReal(double value, char decimalSeparator);
// "%ld", "%lu" and "%lX" (upper-case digits, no prefix).
gstr formatSigned(int32_t value);
gstr formatUnsigned(uint32_t value, bool hex = false);
