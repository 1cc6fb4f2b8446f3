#pragma once

#include "g2driver/model/g2driverCommandElement.h"

// The place in a template where each command inserts its own data
// (COMMAND_ELEMENT DATA, templates only): NAME, a command data name of the
// template that points back to this element.
class g2driverDataCommandElement : public g2driverCommandElement {
public:
    g2driverDataCommandElement() = default;
    ~g2driverDataCommandElement() override;

    // Names the element with the entry (or none); the entry points back.
    void setName(g2driverCommandDataName* name) noexcept;

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return name_ != nullptr; }

    // The name.
    gstr describe() const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable&, g2driverParameterTable&,
                                             g2driverCommandDataNameTable& dataNames,
                                             g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::data; }
    g2driverCommandDataName* commandDataName() const override { return name_; }
    // Pass 1: the command's data of this name, built on its own.
    void encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output) override;

private:
    g2driverCommandDataName* name_ = nullptr;
};
