#pragma once

#include "formats/gnumberInputFormat.h"
#include "registers/sources/g2driverCommandDataSource.h"

#include <cmath>

// ANALOG NUMBER: an analog object from a number read out of the command's
// data with a number format, then scaled by a value factor and moved by a
// value offset. Lines after the command data: the format's lines,
// VALUE_OFFSET, VALUE_FACTOR.
class g2driverAnalogNumberSource : public g2driverCommandDataSource {
public:
    g2driverAnalogNumberSource() = default;

    gnumberInputFormat& format() noexcept { return format_; }
    const gnumberInputFormat& format() const noexcept { return format_; }
    // Infinity while not read: 1 and 0 after loading.
    double getFactor() const noexcept { return factor_; }
    double getOffset() const noexcept { return offset_; }
    void setFactor(double factor) noexcept { factor_ = factor; }
    void setOffset(double offset) noexcept { offset_ = offset; }

    bool acceptsValueKind(int32_t kind) const override { return kind == 3; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 11; }
    const gstr& getKindName() const override { return kindNameText(20032); }
    // A text format with a greater-than or less-than mark.
    bool hasGreaterLessSymbols() const override;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverAnalogNumberSource(const g2driverAnalogNumberSource& other, const g2driverSourceTables& tables);

    gnumberInputFormat format_;
    double factor_ = HUGE_VAL;
    double offset_ = HUGE_VAL;
};
