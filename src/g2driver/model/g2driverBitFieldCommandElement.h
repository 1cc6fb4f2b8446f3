#pragma once

#include "formats/gintegerOutputFormat.h"
#include "g2driver/model/g2driverCommandElement.h"

#include <array>
#include <cstdint>

class g2driverParameter;

// An integer built from up to eight bistate parameters, one per bit, on top
// of a fixed MASK (COMMAND_ELEMENT BIT FIELD): each parameter that is on
// inverts its bit of the mask.
class g2driverBitFieldCommandElement : public g2driverCommandElement {
public:
    static constexpr int bitCount = 8;

    g2driverBitFieldCommandElement() = default;

    const gintegerOutputFormat& format() const noexcept { return format_; }
    gintegerOutputFormat& format() noexcept { return format_; }
    g2driverParameter* bit(int index) const { return bits_.at(static_cast<size_t>(index)); }
    // Replaces all eight bits and links the element into their users.
    void setBits(const std::array<g2driverParameter*, bitCount>& bits);
    uint8_t mask() const noexcept { return mask_; }
    bool isMaskSet() const noexcept { return maskSet_; }
    void setMask(uint8_t mask) noexcept
    {
        mask_ = mask;
        maskSet_ = true;
    }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

    // "One bistate parameter bit" or "%d bistate parameter bits".
    gstr describe() const override;
    g2driverCommandElement* duplicate(g2driverParameterTable& commandParameters,
                                      g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable& driverParameters,
                                             g2driverParameterTable& templateParameters,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::bitField; }
    void setTemplate(g2driverCommandTemplate* owner) override;
    void setCommand(g2driverCommand* owner) override;
    void setDriver(g2driver* driver) override;
    // Pass 1: MASK with the bits of the parameters that are on inverted.
    void encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output) override;

private:
    // A copy bound by tag: DRIVER_PARAM bits in driverParameters, the others
    // in otherParameters; a tag that is not there is a fault.
    g2driverBitFieldCommandElement(const g2driverBitFieldCommandElement& other,
                                   g2driverParameterTable& driverParameters, g2driverParameterTable& otherParameters);

    gloadStatus loadBit(int32_t scope, const gstr& value);
    void rebind(int32_t scope, g2driverParameterTable* table);
    void relink();

    gintegerOutputFormat format_;
    std::array<g2driverParameter*, bitCount> bits_{};
    gusesList uses_{this};
    uint8_t mask_ = 0;
    bool maskSet_ = false;
};
