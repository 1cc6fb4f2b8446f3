#pragma once

#include "g2driver/model/gcharOption.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// The WIDTH line of output formats and of the screens' formatted values: a
// field width, how the value is aligned in the field and what fills the rest.
struct gfieldWidth {
    // Alignments; 0 is none.
    static constexpr int32_t left = 1;
    static constexpr int32_t right = 2;
    static constexpr int32_t fullRight = 3;

    int32_t width = -1; // -1 while not given, 0 no fixed width
    int32_t alignment = 0;
    gcharOption pad;    // NONE is never a pad; without a character a blank pads

    // "WIDTH n[, alignment, pad]". FULL RIGHT only when allowFullRight; a
    // positive width alone only when alignmentOptional. Other tokens answer
    // unknownKeyword.
    gloadStatus read(int token, const gstr& value, bool allowFullRight, bool alignmentOptional);
    // The WIDTH line when width > 0.
    void write(CObjectFile& file, int indent) const;
    // Width -1 becomes 0.
    void afterLoad() noexcept;
};
