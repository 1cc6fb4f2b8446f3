#pragma once

#include "registers/sources/gsourceLegacyLocated.h"
#include "store/gstorable.h"

// A bistate register on (or in alarm) when the number read at a typed
// legacy data location, combined with an XOR mask and an AND mask, is not 0
// (or, inverted, is 0). Block "SOURCE BIT MASK".
class gsourceLegacyBitMask final : public gsourceLegacyLocated<gbistateRegisterSource, gsourceSerialTypedInterface> {
public:
    using gsourceLegacyLocated::gsourceLegacyLocated;

    gbitMaskSetting& masks() noexcept { return masks_; }
    const gbitMaskSetting& masks() const noexcept { return masks_; }

    int getSourceType() const override { return 20; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

private:
    gbitMaskSetting masks_;
};
