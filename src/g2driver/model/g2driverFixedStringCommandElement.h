#pragma once

#include "g2driver/model/g2driverCommandElement.h"

// A constant run of bytes (COMMAND_ELEMENT FIXED STRING): STRING, any bytes,
// not empty.
class g2driverFixedStringCommandElement : public g2driverCommandElement {
public:
    g2driverFixedStringCommandElement() = default;

    const gstr& bytes() const noexcept { return bytes_; }
    void setBytes(const gstrSlice& bytes) { bytes_.assign(bytes); }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !bytes_.isNull(); }

    // The bytes between double quotes, escaped.
    gstr describe() const override;
    g2driverCommandElement* duplicate(g2driverParameterTable&, g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable&, g2driverParameterTable&,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::fixedString; }
    void encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output) override;

private:
    g2driverFixedStringCommandElement(const g2driverFixedStringCommandElement&) = default;

    gstr bytes_;
};
