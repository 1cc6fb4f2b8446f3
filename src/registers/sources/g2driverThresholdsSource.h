#pragma once

#include "formats/gnumberInputFormat.h"
#include "registers/sources/g2driverCommandDataSource.h"
#include "registers/sources/gthresholdList.h"

// THRESHOLDS: a digital object from the step of a threshold list in which a
// number read out of the command's data falls. Lines after the command
// data: the number format's (without GREATER_LESS and SEPARATOR), then
// BOTTOM and the THRESHOLD lines.
class g2driverThresholdsSource : public g2driverCommandDataSource {
public:
    g2driverThresholdsSource() = default;

    gnumberInputFormat& format() noexcept { return format_; }
    const gnumberInputFormat& format() const noexcept { return format_; }
    gthresholdList& thresholds() noexcept { return thresholds_; }
    const gthresholdList& thresholds() const noexcept { return thresholds_; }

    bool acceptsValueKind(int32_t kind) const override { return kind == 2; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 9; }
    const gstr& getKindName() const override { return kindNameText(20085); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverThresholdsSource(const g2driverThresholdsSource& other, const g2driverSourceTables& tables);

    gnumberInputFormat format_;
    gthresholdList thresholds_;
};
