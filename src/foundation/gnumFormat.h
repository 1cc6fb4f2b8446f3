#pragma once

#include "foundation/gstr.h"

#include <cstdint>

// The first character of the user's decimal separator. The window layer sets
// it from the user's locale at start-up; until then it is '.'.
char getUserDecimalSeparator() noexcept;
void setUserDecimalSeparator(char separator) noexcept;

// Reads and writes numbers typed by the user or scanned from program text, in
// base 2, 8, 10 or 16, or (base 0, reading only) in the base a prefix picks:
// '$' hexadecimal, '%' binary, anything else decimal.
class gnumFormat {
public:
    // What a parse found. The codes are shown to no one, but callers tell the
    // kinds of error apart by them.
    enum status : int {
        ok = 0,
        noDigit = 1,             // no digit, or a decimal number that starts with E
        separatorWithoutDigit = 2,
        exponentWithoutDigit = 3,
        badTerminator = 4,       // a character that may not end the number
        secondSeparator = 5,
        exponentInExponent = 6,
        separatorInExponent = 7,
        separatorInBase = 8,     // a decimal separator in base 2, 8 or 16
        exponentInBase = 9,      // E in base 2 or 8
        digitNotInBase = 10,
        overflow = 11,
    };

    // decimalSeparator 0 takes the user's. allowedTerminators null lets any
    // character follow a number; otherwise only the end of the text or one of
    // its characters may (so an empty text means the number fills the text).
    // The terminator text must outlive the format. Any base other than 0, 2,
    // 8, 10 or 16 is an internal fault.
    explicit gnumFormat(uint32_t base = 10, char decimalSeparator = 0, const char* allowedTerminators = nullptr);

    uint32_t base() const noexcept { return base_; }
    char decimalSeparator() const noexcept { return separator_; }

    // Reads a number from the NUL-terminated text; cursor ends where reading
    // stopped. With allowSign one leading '+' or '-' is taken. value is set
    // only when the result is ok.
    int parse(const char* text, const char*& cursor, double& value, bool allowSign) const;
    int parse(const char* text, double& value, bool allowSign) const;
    // Checks the syntax only (never answers overflow); cursor ends where the
    // number ends.
    int parse(const char* text, const char*& cursor, bool allowSign) const;

    // Replaces the string with the digits of value in the format's base
    // (upper-case hexadecimal). Base 0 is an internal fault.
    void appendToString(gstr& out, uint32_t value) const;
    // Appends value in fixed-point decimal: decimals digits after the
    // separator, at least minIntegerDigits before it. plusMode 0 writes no
    // '+', -1 writes it for zero and up, any other value for values above
    // zero. Rounds half up at the last decimal. Base 10 only.
    void appendToString(gstr& out, double value, int decimals, int plusMode, int minIntegerDigits) const;

private:
    int scan(const char* text, const char*& cursor, double* value, bool allowSign) const;
    int scanInBase(const char*& p, uint32_t base, double* value) const;
    int scanDecimal(const char*& p, double* value) const;
    bool mayEndNumber(char c) const noexcept;

    uint32_t base_;
    char separator_;
    const char* terminators_;
};
