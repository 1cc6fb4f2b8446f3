#pragma once

#include "formats/gintegerInputFormat.h"
#include "registers/sources/g2driverCommandDataSource.h"

// BIT MASK: a bistate object from a number read out of the command's data
// with an integer format, an XOR and an AND mask (on when the result is
// not 0, or 0 when inverted) and optional rotate parameters. Lines after
// the command data: the format's LEADING, WIDTH and TYPE, MASK, INVERT YES,
// one ROTATE_PARAM per rotate parameter.
class g2driverBitMaskSource : public g2driverCommandDataSource {
public:
    g2driverBitMaskSource() = default;

    gintegerInputFormat& format() noexcept { return format_; }
    const gintegerInputFormat& format() const noexcept { return format_; }
    gbitMaskSetting& masks() noexcept { return masks_; }
    const gbitMaskSetting& masks() const noexcept { return masks_; }
    goffsetParameterList& rotateParameters() noexcept { return rotate_; }
    const goffsetParameterList& rotateParameters() const noexcept { return rotate_; }

    bool acceptsValueKind(int32_t kind) const override { return kind == 1; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 2; }
    const gstr& getKindName() const override { return kindNameText(20037); }
    // The layer's, then each rotate parameter is bound again by tag.
    void setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters) override;
    void collectUses(gusesList& uses) override;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverBitMaskSource(const g2driverBitMaskSource& other, const g2driverSourceTables& tables);
    gloadStatus loadRotateParameter(const gstr& value);

    gintegerInputFormat format_;
    gbitMaskSetting masks_;
    goffsetParameterList rotate_;
};
