#pragma once

#include "foundation/gregexpSearch.h"
#include "foundation/gstr.h"

#include <cstdint>
#include <vector>

class gregexp;

// Matches a pattern, or a sequence of patterns one after the other as one
// expression, against bytes, and keeps where each part begins and ends. A
// sequence is how device data made of a prefix, a value and a suffix is found:
// the caller takes the bytes of the middle part.
//
// Modes (gregexpMode): 0 the shortest match; 1 the match must end at the end
// of the text; 2 as 0, but the last node of the last pattern takes all the
// repetitions it can. Anchored matches start at the beginning of the text;
// otherwise start positions are tried from there on.
class gregexpMatch {
public:
    gregexpMatch();

    int match(const gregexp& pattern, const gstrSlice& text, bool anchored, int mode);
    int match(const gregexp& pattern, const char* text, int32_t length, bool anchored, int mode);
    // A sequence of n patterns; null or unset ones are absent and skipped.
    int match(const gregexp* const* patterns, int n, const char* text, int32_t length, bool anchored, int mode);
    // The work of the three: 1 on a match, else 0.
    int matchSequence(const gregexp* const* patterns, int n, const char* text, int32_t length, bool anchored,
                      int mode);

    // Where part i starts and ends, and its length; valid after a match only.
    // Absent parts before the first present one have no positions (null).
    const char* start(int i) const;
    const char* end(int i) const;
    int32_t length(int i) const;

private:
    const char* bound(int i, const char* method) const;

    std::vector<const char*> bounds_;
    gregexpSequence sequence_;
};
