#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>
#include <map>

class CObjectFile;

// The strings sent for digital values: one per listed value, in ascending
// value order, and one for every other value. The record of the DIGITAL
// STRINGS encoder.
class gvalueStringTable {
public:
    const std::map<uint32_t, gstr>& entries() const noexcept { return entries_; }
    std::map<uint32_t, gstr>& entries() noexcept { return entries_; }
    // No buffer while not given during loading.
    const gstr& defaultString() const noexcept { return default_; }
    void setDefaultString(const gstrSlice& text) { default_.assign(text); }
    bool hasEntries() const noexcept { return !entries_.empty(); }
    // The string of the value, else the default string.
    const gstr& textFor(uint32_t value) const noexcept;

    // DEFAULT_STRING (once, not empty) and VALUE_STRING "value, string" (once
    // per value).
    gloadStatus loadField(int token, const gstr& value);
    void writeFields(CObjectFile& file, int indent) const;
    // An unset DEFAULT_STRING becomes empty.
    void afterLoad();

private:
    std::map<uint32_t, gstr> entries_;
    gstr default_;
};
