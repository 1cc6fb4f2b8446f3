#pragma once

#include "registers/sources/gsourceDataObject.h"
#include "registers/sources/gthresholdList.h"

// 14 "SOURCE G2D THRESHOLDS": a digital register whose value is the step of
// a threshold list in which a digital or analog data object's value falls:
// its current value, or for an analog object its lowest or highest. Lines:
// BOTTOM and the THRESHOLD lines, the location, then VALUE MINIMUM or VALUE
// MAXIMUM for an analog object.
class gsourceDataObjectThresholds final : public gdigitalRegisterSource {
public:
    static constexpr int32_t currentValue = 1;
    static constexpr int32_t lowestValue = 2;
    static constexpr int32_t highestValue = 3;

    explicit gsourceDataObjectThresholds(gregisterSupplement& owner) : gdigitalRegisterSource(owner), part_(*this) {}

    gsourceSerialObject& part() noexcept { return part_; }
    const gsourceSerialObject& part() const noexcept { return part_; }
    gthresholdList& thresholds() noexcept { return thresholds_; }
    const gthresholdList& thresholds() const noexcept { return thresholds_; }
    // 0 while the block is read, else 1 to 3.
    int32_t getSelector() const noexcept { return selector_; }
    void setSelector(int32_t selector) noexcept { selector_ = selector; }

    int getSourceType() const override { return 14; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    // Only an analog object has a lowest or a highest value.
    bool isComplete() const override;
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>* newRegisters) override;

private:
    bool readsAnalogObject() const;
    gloadStatus loadSelector(const gstr& value);

    gsourceSerialObject part_;
    gthresholdList thresholds_;
    int32_t selector_ = 0;
};
