#pragma once

#include "registers/sources/gsourceLegacyLocated.h"

#include <limits>

// An analog register of one element whose value is the number read at a
// typed legacy data location, scaled by a factor and a value offset. Block
// "SOURCE LEVEL".
class gsourceLegacyLevel final : public gsourceLegacyLocated<ganalogRegisterSource, gsourceSerialTypedInterface> {
public:
    using gsourceLegacyLocated::gsourceLegacyLocated;

    // +infinity while not given; 1 and 0 after loading when not given.
    double getFactor() const noexcept { return factor_; }
    void setFactor(double factor) noexcept { factor_ = factor; }
    double getValueOffset() const noexcept { return valueOffset_; }
    void setValueOffset(double offset) noexcept { valueOffset_ = offset; }

    int getSourceType() const override { return 26; }
    int32_t getElementCount() const override { return 1; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;

private:
    double factor_ = std::numeric_limits<double>::infinity();
    double valueOffset_ = std::numeric_limits<double>::infinity();
};
