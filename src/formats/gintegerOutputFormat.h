#pragma once

#include "formats/gfieldWidth.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// How an integer is put into data sent to a device: raw bytes in either byte
// order, packed BCD, or text digits in a field of fixed width with alignment
// and pad character. Embedded in its owner like the input format.
class gintegerOutputFormat {
public:
    gintegerOutputFormat() = default;

    int32_t type() const noexcept { return type_; }
    const gfieldWidth& field() const noexcept { return field_; }
    gfieldWidth& field() noexcept { return field_; }
    int32_t width() const noexcept { return field_.width; }
    // 'A' or 'a': the case of the hexadecimal digits above 9.
    char hexCase() const noexcept { return hexCase_; }

    void setType(int32_t type) noexcept { type_ = type; }
    void setHexCase(char c) noexcept { hexCase_ = c; }

    // TYPE and WIDTH. allowSigned admits the signed types and the alignment
    // FULL RIGHT.
    gloadStatus loadField(int token, const gstr& value, bool allowSigned);
    void writeFields(CObjectFile& file, int indent) const;
    // An unset WIDTH becomes 0.
    void afterLoad() noexcept;
    bool isComplete() const noexcept;

    // The bytes of the value: the low bytes for the byte types, packed BCD,
    // or the digits in the field.
    gstr encode(uint32_t value) const;

protected:
    // The digits set in the field: padded up to WIDTH (after them for LEFT,
    // else before), or cut to their last WIDTH bytes.
    gstr placeInField(const gstrSlice& digits) const;
    // The pad byte: the pad character, a blank when none was given.
    char padByte() const noexcept;

private:
    gfieldWidth field_;
    int32_t type_ = 0;
    char hexCase_ = 'A';
};

// The digits of value in base 2, 8, 10 or 16, most significant first, at
// least one; hexadecimal letters in the case of hexCase ('A' or 'a').
gstr integerDigits(uint32_t value, uint32_t base, char hexCase);
