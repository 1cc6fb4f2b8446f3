#pragma once

#include "foundation/gcolor.h"

#include <cstdint>

class CObjectFile;
struct gpropFillValues;

// How an area is filled: kind (0 not set, 1 "EMPTY", 2 "COLOR", 3 "PATTERN",
// 4 "COLOR PATTERN"), pattern (hatch 0 to 21, colour pattern 0 to 4),
// foreground (the colour of COLOR and the 0 bits of a hatch) and background
// (the 1 bits of a hatch).
class gfillInfo {
public:
    static constexpr int32_t empty = 1, colour = 2, pattern = 3, colourPattern = 4;
    static constexpr int32_t hatchCount = 22;
    static constexpr int32_t colourPatternCount = 5;

    bool isSet() const noexcept { return kind_ != 0; }
    int32_t getKind() const noexcept { return kind_; }
    int32_t getPattern() const noexcept { return pattern_; }
    const gcolor& getForeground() const noexcept { return foreground_; }
    const gcolor& getBackground() const noexcept { return background_; }
    void set(int32_t kind, int32_t patternNumber, const gcolor& foreground, const gcolor& background) noexcept;

    // The value text: 1 when it ends the text, 2 when a comma follows, 0
    // when invalid (the value is then unchanged).
    int parse(const char* text);
    int parse(const char* text, const char*& next);
    void write(CObjectFile& file, int ending) const;

    // Unset or mixed entries give EMPTY with pattern 0, a black foreground
    // and a white background.
    void apply(const gpropFillValues& values);
    // 3 kind and pattern, 4 foreground, 5 background.
    void applyOne(const gpropFillValues& values, int id);
    // The kind always, then only what the kind uses.
    void mergeInto(gpropFillValues& values) const;

    friend bool operator==(const gfillInfo&, const gfillInfo&) = default;

private:
    void takeKind(const gpropFillValues& values);

    int32_t kind_ = 0;
    int32_t pattern_ = 0;
    gcolor foreground_;
    gcolor background_;
};
