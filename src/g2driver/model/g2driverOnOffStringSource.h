#pragma once

#include "formats/gonOffPatterns.h"
#include "registers/sources/g2driverCommandDataSource.h"

// BISTATE ("On/Off string"): a bistate object that is on where the command's
// data match the on pattern and off where they match the off pattern.
// Lines after the command data: ON_STRING, OFF_STRING.
class g2driverOnOffStringSource : public g2driverCommandDataSource {
public:
    g2driverOnOffStringSource() = default;

    gonOffPatterns& patterns() noexcept { return patterns_; }
    const gonOffPatterns& patterns() const noexcept { return patterns_; }

    bool acceptsValueKind(int32_t kind) const override { return kind == 1; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 1; }
    const gstr& getKindName() const override { return kindNameText(20033); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverOnOffStringSource(const g2driverOnOffStringSource& other, const g2driverSourceTables& tables);

    gonOffPatterns patterns_;
};
