#pragma once

#include "registers/sources/gsourceLegacyLocated.h"
#include "registers/sources/gthresholdList.h"

// A digital register whose value is the step of a threshold list in which
// the number read at a typed legacy data location falls. Block "SOURCE
// THRESHOLDS".
class gsourceLegacyThresholds final
    : public gsourceLegacyLocated<gdigitalRegisterSource, gsourceSerialTypedInterface> {
public:
    using gsourceLegacyLocated::gsourceLegacyLocated;

    gthresholdList& thresholds() noexcept { return thresholds_; }
    const gthresholdList& thresholds() const noexcept { return thresholds_; }

    int getSourceType() const override { return 23; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

private:
    gthresholdList thresholds_;
};
