#pragma once

#include "foundation/gregexp.h"
#include "store/gstorable.h"

class CObjectFile;

// The record of the bistate decoder: the pattern that stands for on and the
// one that stands for off in received data. Neither may match nothing.
class gonOffPatterns {
public:
    gonOffPatterns() : on_(false), off_(false) {}

    const gregexp& onPattern() const noexcept { return on_; }
    const gregexp& offPattern() const noexcept { return off_; }
    gregexp& onPattern() noexcept { return on_; }
    gregexp& offPattern() noexcept { return off_; }

    // ON_STRING then OFF_STRING, each when set.
    void writeFields(CObjectFile& file, int indent) const;
    // ON_STRING and OFF_STRING, each once, a pattern value that ends the text.
    gloadStatus loadField(int token, const gstr& value);
    // Both patterns are set.
    bool isComplete() const noexcept { return on_.isSet() && off_.isSet(); }
    // The off pattern first, then the on pattern, each anchored at the cursor
    // over the bytes up to end. On a match state is 0 (off) or 1 (on), the
    // cursor moves past the match and the answer is true.
    bool match(const char*& cursor, const char* end, int& state) const;

private:
    gregexp on_;
    gregexp off_;
};
