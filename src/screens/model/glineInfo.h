#pragma once

#include "foundation/gcolor.h"

#include <cstdint>

class CObjectFile;
struct gpropLineValues;

// How a line or an outline is stroked: style (0 not set, 1 "SOLID",
// 2 "DASHED", 3 "DOTTED", 4 "CENTER LINE", 5 "BREAK LINE"), width (at least
// 1 once set) and colour. The drawing context makes the pen from these.
class glineInfo {
public:
    static constexpr int32_t solid = 1;

    bool isSet() const noexcept { return style_ != 0; }
    int32_t getStyle() const noexcept { return style_; }
    int32_t getWidth() const noexcept { return width_; }
    const gcolor& getColour() const noexcept { return colour_; }
    void set(int32_t style, int32_t width, const gcolor& colour) noexcept;
    // Back to not set.
    void reset() noexcept { *this = glineInfo(); }

    // "style, width, colour": 1 when the value ends the text, 2 when a comma
    // follows, 0 when it is invalid (the value is then unchanged).
    int parse(const char* text);
    int parse(const char* text, const char*& next);
    void write(CObjectFile& file, int ending) const;

    // Every value from the group; unset or mixed entries give SOLID, 1,
    // black.
    void apply(const gpropLineValues& values);
    // The one property id: 0, 41, 44 style; 1, 42, 45 width; 2, 43, 46
    // colour; other ids change nothing.
    void applyOne(const gpropLineValues& values, int id);
    void mergeInto(gpropLineValues& values) const;

    // The dash lengths of the pen for the style at the width (width x k + 1
    // per multiplier k); 0 entries for a solid line. At most 6.
    static int dashes(int32_t style, int32_t width, int32_t* out) noexcept;

    friend bool operator==(const glineInfo&, const glineInfo&) = default;

private:
    int32_t style_ = 0;
    int32_t width_ = 0;
    gcolor colour_;
};
