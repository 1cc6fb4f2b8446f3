#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/gsourceLegacyLocated.h"

// A bistate register on (or in alarm) when a regular expression is found in
// the data at a legacy data location, or, inverted, when it is not found.
// Block "SOURCE SEARCH STRING": the location's lines, SEARCH_STRING and
// INVERT YES.
class gsourceLegacySearchString final
    : public gsourceLegacyLocated<gbistateRegisterSource, gsourceSerialInterface> {
public:
    using gsourceLegacyLocated::gsourceLegacyLocated;

    const gregexp& searchString() const noexcept { return searchString_; }
    // The source's pattern becomes the given one, which is left unset.
    void takeSearchString(gregexp& pattern) { searchString_.transferFrom(pattern); }
    // -1 while not read, 0 normal, 1 inverted.
    int32_t getInvert() const noexcept { return invert_; }
    void setInvert(int32_t invert) noexcept { invert_ = invert; }

    int getSourceType() const override { return 21; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

private:
    gregexp searchString_{false};
    int32_t invert_ = -1;
};
