#pragma once

#include "foundation/gregexpNodeList.h"
#include "foundation/gstr.h"

#include <cstdint>

class CObjectFile;

// The program's own regular expression as read from and written to station
// files: '.' any byte, '~' printable, '@' letter, '#' digit, '$' hexadecimal
// digit, '%' 0 or 1, '&' letter or digit, [sets], (groups), '|', and the
// quantifiers * + ? {n} {n,} {n,m}, matched shortest first (gregexpMatch).
//
// A value is read bare (a comma ends it, a backslash is a byte), in double
// quotes (escapes are read) or raw from a dialog field (the whole text, with
// escapes). Every pattern knows the fewest bytes it can match. Patterns that
// may match nothing are allowed only when allowZeroLength, fixed at
// construction.
class gregexp {
public:
    explicit gregexp(bool allowZeroLength);
    gregexp(const gregexp& other);
    // The flags must agree; an unset other clears this pattern.
    gregexp& operator=(const gregexp& other);

    // Takes the other's pattern without copying and leaves the other unset.
    void transferFrom(gregexp& other);
    bool isSet() const { return minLength_ != -1; }
    void clear();

    // Reads a pattern value at text. Answers 0 (error; the pattern is left
    // unset), 1 (end of the text) or 2 (a comma follows; next is after it and
    // the white space behind it). A raw text is the whole pattern: 1 or 0.
    // bracesLiteral reads '{' as a plain byte (no counted repeats).
    int parse(const char* text, const char*& next, bool raw, bool bracesLiteral);
    int parse(const char* text, bool raw, bool bracesLiteral);

    // The source text: quoted when a bare reader would read it differently;
    // raw gives the unquoted escaped form that a raw parse reads back. An
    // unset pattern gives an empty text.
    void toString(gstr& out, bool raw) const;
    // Appends the source text to out.
    void print(gstr& out, bool raw) const;
    // The printed pattern (never raw) as a station-file value, then the
    // ending: 1 a line end, 2 the list separator.
    void write(CObjectFile& file, int ending) const;

    bool allowZeroLength() const { return allowZeroLength_; }
    // The fewest bytes a match takes; -1 when no pattern is held.
    int32_t minLength() const { return minLength_; }
    const gregexpNodeList& alternatives() const { return alternatives_; }
    // Same flags and the same compiled pattern.
    bool operator==(const gregexp& other) const;

private:
    gregexpNodeList alternatives_;
    int32_t minLength_ = -1;
    bool allowZeroLength_;
};
