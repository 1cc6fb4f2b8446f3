#pragma once

#include "foundation/gregexp.h"
#include "store/gstorable.h"

#include <cstdint>
#include <map>

class CObjectFile;

// Recognises which digital value a received text stands for: one pattern per
// value, tried in ascending value order. The record of the DIGITAL STRINGS
// decoder and of the digital strings elements and sources.
class gvalueStringMap {
public:
    const std::map<uint32_t, gregexp>& entries() const noexcept { return entries_; }
    // Replaces the pattern of a value with a copy of the given one.
    void set(uint32_t value, const gregexp& pattern);
    void remove(uint32_t value) { entries_.erase(value); }
    void clear() noexcept { entries_.clear(); }
    bool hasEntries() const noexcept { return !entries_.empty(); }

    // One VALUE_STRING line per value: the value, ", " and the pattern.
    void write(CObjectFile& file, int indent) const;
    // VALUE_STRING "value, pattern", once per value; other keywords answer
    // unknownKeyword.
    gloadStatus loadKeyword(int token, const gstr& value);
    // 1 at the first pattern that matches at the cursor (anchored there, not
    // at the end of the data): value gets its value and the cursor moves past
    // the match. 0 leaves both unchanged.
    int match(const char*& cursor, int32_t remaining, uint32_t& value) const;

private:
    std::map<uint32_t, gregexp> entries_;
};
