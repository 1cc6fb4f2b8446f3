#pragma once

#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// How a bit section moves and masks the bits of its raw 32-bit value: a
// left rotation (negative: right) and an XOR and an AND mask. Its lines are
// MASK (the AND mask, then the XOR mask when there is one) and ROTATE_LEFT,
// the same in every bit collection family.
struct gbitSectionMasks {
    // The rotate count while none has been read.
    static constexpr int32_t rotateNotRead = 2147483647;

    uint32_t andMask = 0; // 0: none given, which no complete section has
    uint32_t xorMask = 0; // 0: none
    int32_t rotate = rotateNotRead;

    void write(CObjectFile& file, int indent) const;
    // MASK and ROTATE_LEFT; unknownKeyword for any other.
    gloadStatus loadField(int token, const gstr& value);
    // A rotate count that was not read becomes 0.
    void afterLoad() noexcept;
};

// The header line of a section block: SECTION without a value.
void writeSectionHeader(CObjectFile& file, int indent);
