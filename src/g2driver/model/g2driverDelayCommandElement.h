#pragma once

#include "foundation/gmilliseconds.h"
#include "g2driver/model/g2driverCommandElement.h"

// A pause between two parts of a command (COMMAND_ELEMENT DELAY): the bytes
// before it are written, then the pause is waited.
class g2driverDelayCommandElement : public g2driverCommandElement {
public:
    g2driverDelayCommandElement() = default;

    gmilliseconds getDelay() const noexcept { return delay_; }
    // Stored as given: the dialog checks the seconds.
    void setDelay(gmilliseconds delay) noexcept { delay_ = delay; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return delay_.isSet() && delay_.get() != 0; }

    // "<seconds>s delay".
    gstr describe() const override;
    g2driverCommandElement* duplicate(g2driverParameterTable&, g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable&, g2driverParameterTable&,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::delay; }
    void encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output) override;

private:
    g2driverDelayCommandElement(const g2driverDelayCommandElement&) = default;

    gmilliseconds delay_;
};
