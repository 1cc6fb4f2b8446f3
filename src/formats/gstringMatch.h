#pragma once

#include "foundation/gregexp.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// Finds a text value in received data by up to three patterns matched one
// after the other from the cursor: an optional PREFIX, the value's PATTERN
// and an optional SUFFIX. The bytes PATTERN matched are the value.
class gstringMatch {
public:
    // PREFIX and SUFFIX never match nothing; PATTERN may when told so.
    explicit gstringMatch(bool patternAllowsZeroLength = true);

    const gregexp& prefix() const noexcept { return prefix_; }
    const gregexp& pattern() const noexcept { return pattern_; }
    const gregexp& suffix() const noexcept { return suffix_; }
    gregexp& prefix() noexcept { return prefix_; }
    gregexp& pattern() noexcept { return pattern_; }
    gregexp& suffix() noexcept { return suffix_; }

    // 1 when the data at the cursor matches: value gets PATTERN's bytes and
    // the cursor moves to the end of the match. 0 leaves both unchanged.
    int match(const char*& cursor, int32_t available, gstr& value) const;

    // PREFIX, PATTERN and SUFFIX, each once.
    gloadStatus readKeyword(int token, const gstr& value);
    void write(CObjectFile& file, int indent) const;

private:
    gregexp prefix_;
    gregexp pattern_;
    gregexp suffix_;
};
