#pragma once

#include "foundation/gsortedList.h"
#include "registers/sources/gsourceLegacyLocated.h"

// A digital register whose value is the number read at a typed legacy data
// location, translated through a value map when it has entries. Block
// "SOURCE DIRECT".
class gsourceLegacyDirect final : public gsourceLegacyLocated<gdigitalRegisterSource, gsourceSerialTypedInterface> {
public:
    using gsourceLegacyLocated::gsourceLegacyLocated;

    // Ascending by source value, each source value once.
    gsortedList<gvalueMapEntry>& valueMap() noexcept { return valueMap_; }
    const gsortedList<gvalueMapEntry>& valueMap() const noexcept { return valueMap_; }

    int getSourceType() const override { return 22; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;

private:
    gsortedList<gvalueMapEntry> valueMap_;
};
