#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

// The exponential notation of logged analog values: the marker between
// mantissa and exponent (" E", say), the fewest exponent digits and whether
// a positive exponent shows its plus sign. Its block is "EXPONENT <marker>"
// ... "END" inside the log format.
class gexponentFormat : public gstorable {
public:
    gexponentFormat() = default;
    explicit gexponentFormat(const gstrSlice& marker) : marker_(marker) {}
    gexponentFormat(const gexponentFormat&) = default;
    gexponentFormat& operator=(const gexponentFormat&) = default;

    const gstr& getMarker() const noexcept { return marker_; }
    void setMarker(const gstrSlice& marker) { marker_.assign(marker); }
    // 0 while not read yet; at least 1 after loading.
    int32_t getDigits() const noexcept { return digits_; }
    void setDigits(int32_t digits) noexcept { digits_ = digits; }
    // -1 not given, 0 no, 1 yes.
    int32_t getPlusSign() const noexcept { return plusSign_; }
    void setPlusSign(int32_t plusSign) noexcept { plusSign_ = plusSign; }

    // "EXPONENT" and the marker.
    void writeHeader(CObjectFile& file, int indent) const override;
    // WIDTH when more than one digit, PLUS_SIGN YES when shown.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // Digits 0 become 1; a plus sign not given is off, as it was written.
    void afterLoad() override;

private:
    gstr marker_;
    int32_t digits_ = 0;
    int32_t plusSign_ = -1;
};
