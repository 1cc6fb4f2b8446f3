#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class CObjectFile;

// One optional character of a data format (a sign, a separator, a decimal
// marker, a pad character) that may also be explicitly NONE. Records keep it
// in state 0 until its keyword has been read.
class gcharOption {
public:
    static constexpr uint8_t unset = 0;
    static constexpr uint8_t given = 1;
    static constexpr uint8_t none = 255;

    gcharOption() noexcept = default;
    explicit gcharOption(char c) noexcept : character_(c), state_(given) {}

    static gcharOption makeNone() noexcept
    {
        gcharOption option;
        option.state_ = none;
        return option;
    }

    char character() const noexcept { return character_; }
    uint8_t state() const noexcept { return state_; }
    bool isSet() const noexcept { return state_ != unset; }
    bool hasCharacter() const noexcept { return state_ == given; }
    bool isNone() const noexcept { return state_ == none; }
    // True when the option holds c as its character.
    bool is(char c) const noexcept { return state_ == given && character_ == c; }

    void set(char c) noexcept
    {
        character_ = c;
        state_ = given;
    }
    void setNone() noexcept { state_ = none; }
    void reset() noexcept { *this = gcharOption(); }

    // One string item: exactly one character, or with allowNone the keyword
    // NONE in any case. Answers the item's result (1 the end, 2 a comma
    // follows, next after it) or 0, leaving the option unchanged.
    int parse(const char* text, const char*& next, bool allowNone);
    // The character as a string value, or NONE when the option holds none,
    // then the ending.
    void write(CObjectFile& file, int ending) const;
    // The character as an escaped string value for an edit field (without
    // the quotes when noQuotes); empty when there is no character.
    gstr text(bool noQuotes) const;

    bool operator==(const gcharOption& other) const noexcept
    {
        return state_ == other.state_ && (state_ != given || character_ == other.character_);
    }

private:
    char character_ = ' ';
    uint8_t state_ = unset;
};

// count options separated by commas, NONE allowed, the last ending the text
// (count 1 to 4). 1 with the options filled; 0 with the options unchanged.
int parseCharOptions(const char* text, gcharOption* options, int count);
