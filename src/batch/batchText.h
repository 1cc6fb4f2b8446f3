#pragma once

#include "foundation/gstr.h"

#include <cstdint>

// The find text of a batch tool with its two matching options, and the
// matching rules every batch tool shares: without matchCase letters compare
// upper-cased; with wholeWord an occurrence counts only when no letter or
// digit stands right before or after it (an underscore separates words), and
// a search passes over occurrences that do not count.
struct gbatchFind {
    gstr find;
    gstr replace;
    bool wholeWord = false;
    bool matchCase = false;

    // The first occurrence that counts at or after start, or -1.
    int32_t findIn(const gstrSlice& text, int32_t start = 0) const;
    // Whether the text holds an occurrence that counts.
    bool isIn(const gstrSlice& text) const { return findIn(text) >= 0; }
    // Single replacement (tags, titles, referenced tags): the first
    // occurrence that counts. 1 when the text changed.
    int replaceFirstIn(gstr& text) const;
    // Every occurrence that counts, scanning on after each inserted text; the
    // number replaced.
    int replaceAllIn(gstr& text) const;
};

// Whether the occurrence of length n at pos in text stands as a whole word
// within [regionStart, regionEnd): a neighbour outside the region does not
// count against it.
bool isWholeWordIn(const gstrSlice& text, int32_t pos, int32_t n, int32_t regionStart, int32_t regionEnd);
// Whether length n of text at pos equals what, by the case rule.
bool matchesAt(const gstrSlice& text, int32_t pos, const gstrSlice& what, bool matchCase);
