#pragma once

#include "g2driver/model/gvalueStringMap.h"
#include "registers/sources/g2driverCommandDataSource.h"

// DIGITAL STRINGS ("Set of strings"): a digital object whose value is the
// one whose pattern matches the command's data. One VALUE_STRING line per
// value after the command data.
class g2driverDigitalStringsSource : public g2driverCommandDataSource {
public:
    g2driverDigitalStringsSource() = default;

    gvalueStringMap& patterns() noexcept { return patterns_; }
    const gvalueStringMap& patterns() const noexcept { return patterns_; }

    bool acceptsValueKind(int32_t kind) const override { return kind == 2; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 8; }
    const gstr& getKindName() const override { return kindNameText(20050); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverDigitalStringsSource(const g2driverDigitalStringsSource& other, const g2driverSourceTables& tables);

    gvalueStringMap patterns_;
};
