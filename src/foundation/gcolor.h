#pragma once

#include <cstdint>

class CObjectFile;

// An RGB colour that may be absent. Station files hold it as "RR-GG-BB" in
// hexadecimal.
class gcolor {
public:
    constexpr gcolor() noexcept = default;
    constexpr gcolor(uint8_t red, uint8_t green, uint8_t blue) noexcept
        : state_(1), red_(red), green_(green), blue_(blue)
    {
    }

    void clear() noexcept { state_ = 0; }
    void set(uint8_t red, uint8_t green, uint8_t blue) noexcept { *this = gcolor(red, green, blue); }
    bool isSet() const noexcept { return state_ == 1; }
    uint8_t red() const noexcept { return red_; }
    uint8_t green() const noexcept { return green_; }
    uint8_t blue() const noexcept { return blue_; }

    // A colour gathered over several selected objects: nothing seen yet
    // (no value), all the same so far (that colour), or mixed (they differ;
    // the first colour is kept).
    bool hasValue() const noexcept { return state_ != 0; }
    bool isMixed() const noexcept { return state_ == 2; }
    void gather(const gcolor& colour) noexcept;

    // White for text on a dark colour, black on a light one.
    gcolor contrasting() const noexcept;

    // A colour item: two hexadecimal digits (either case), '-', two, '-',
    // two, then white space and the end (1) or a comma (2); anything else 0,
    // and the colour is left alone.
    int parse(const char* text);
    int parse(const char* text, const char*& next);
    // "RR-GG-BB" with upper-case digits, eight characters and a NUL.
    void formatText(char (&text)[9]) const noexcept;
    // The text form, then the ending code. The state is not written: callers
    // leave unset colours out of files.
    void write(CObjectFile& file, int ending) const;

    friend constexpr bool operator==(const gcolor&, const gcolor&) = default;

private:
    uint8_t state_ = 0;
    uint8_t red_ = 0;
    uint8_t green_ = 0;
    uint8_t blue_ = 0;
};
