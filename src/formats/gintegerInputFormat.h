#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// How an integer is found in received device data: raw bytes in either byte
// order, packed BCD, or text digits in base 2, 8, 10 or 16 that filler
// characters may surround inside a fixed field. Embedded in its owner, whose
// storable operations hand it the lines it knows.
class gintegerInputFormat {
public:
    gintegerInputFormat() = default;

    int32_t type() const noexcept { return type_; }
    int32_t width() const noexcept { return width_; }
    // No buffer: not given (nothing is skipped); empty: skip up to the first
    // digit of the base.
    const gstr& leading() const noexcept { return leading_; }
    // No buffer: not given (the digits must fill the field); empty: anything
    // may follow up to WIDTH.
    const gstr& trailing() const noexcept { return trailing_; }

    void setType(int32_t type) noexcept { type_ = type; }
    void setWidth(int32_t width) noexcept { width_ = width; }
    void setLeading(const gstrSlice& set) { leading_.assign(set); }
    void setTrailing(const gstrSlice& set) { trailing_.assign(set); }

    // LEADING, WIDTH and TYPE. The signed types only when allowSigned.
    gloadStatus readKeyword(int token, const gstr& value, bool allowSigned);
    void write(CObjectFile& file, int indent) const;
    // The owner's after-load step: an unset WIDTH becomes 0.
    void afterLoad() noexcept;
    bool isValid() const noexcept;

    // 1 with the value and the cursor past the field, or 0 (cursor and value
    // unchanged). The byte types answer the bytes as an unsigned value; a
    // format that is not valid reads nothing.
    int decode(const char*& cursor, int32_t available, uint32_t& value) const;
    // The text digits of the given base, within the field.
    int parseText(const char*& cursor, int32_t available, uint32_t& value, uint32_t base) const;

protected:
    // The end of a fixed field at fieldEnd: without a trailing set the digits
    // must reach it, an empty set takes everything, a set is skipped and must
    // reach it. Null when the field does not end there.
    const char* endOfField(const char* p, const char* fieldEnd) const noexcept;
    // The leading part: bytes of a non-empty set skipped; with an empty set
    // everything up to the first byte that stops() accepts.
    template <class Stop>
    const char* skipLeading(const char* p, const char* fieldEnd, Stop stops) const
    {
        if (leading_.isNull())
            return p;
        if (!leading_.isEmpty()) {
            while (p < fieldEnd && leading_.contains(*p))
                ++p;
            return p;
        }
        while (p < fieldEnd && !stops(*p))
            ++p;
        return p;
    }

private:
    int32_t type_ = 0;
    gstr leading_;
    int32_t width_ = -1;
    gstr trailing_;
};

// The value of a digit byte in a base up to 16, or -1 when it is none.
int digitInBase(char c, uint32_t base) noexcept;
