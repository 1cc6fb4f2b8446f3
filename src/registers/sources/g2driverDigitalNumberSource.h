#pragma once

#include "formats/gintegerInputFormat.h"
#include "foundation/gsortedList.h"
#include "registers/sources/g2driverCommandDataSource.h"

// DIGITAL NUMBER: a digital object from a number read out of the command's
// data with an integer format, optionally translated by a value map
// (source value to object value). The VALUE_MAP lines come first, then the
// command data, then the format's LEADING, WIDTH and TYPE.
class g2driverDigitalNumberSource : public g2driverCommandDataSource {
public:
    g2driverDigitalNumberSource() = default;

    gintegerInputFormat& format() noexcept { return format_; }
    const gintegerInputFormat& format() const noexcept { return format_; }
    gsortedList<gvalueMapEntry>& valueMap() noexcept { return valueMap_; }
    const gsortedList<gvalueMapEntry>& valueMap() const noexcept { return valueMap_; }

    bool acceptsValueKind(int32_t kind) const override { return kind == 2; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 7; }
    const gstr& getKindName() const override { return kindNameText(20049); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverDigitalNumberSource(const g2driverDigitalNumberSource& other, const g2driverSourceTables& tables);
    gloadStatus loadValueMap(const gstr& value);

    gintegerInputFormat format_;
    gsortedList<gvalueMapEntry> valueMap_;
};
