#pragma once

#include "sabus/gsabusResponseData.h"

#include <cstdint>

class gregister;

// BIT FIELD: one byte of the answer made of six register status bits. Bit i
// (0 to 5) belongs to slot i, which holds a register of any class or none.
// Three masks hold one bit per slot: the error bits and the masked bits set
// the answer's bit while the register is in its error state or masked; an
// invert bit sets it on the register's clear (off) state instead of its alarm
// (on) state, and for a slot without register it is the bit's fixed value.
// A mask is 255 while not given.
class gsabusBitFieldData : public gsabusResponseData {
public:
    static constexpr int slotCount = 6;
    static constexpr uint8_t unsetMask = 255;

    gregister* getRegister(int slot) const;
    void setRegister(int slot, gregister* reg);
    uint8_t getErrorBits() const noexcept { return errorBits_; }
    void setErrorBits(uint8_t bits) noexcept { errorBits_ = bits; }
    uint8_t getMaskedBits() const noexcept { return maskedBits_; }
    void setMaskedBits(uint8_t bits) noexcept { maskedBits_ = bits; }
    uint8_t getInvertBits() const noexcept { return invertBits_; }
    void setInvertBits(uint8_t bits) noexcept { invertBits_ = bits; }
    // The number of slots that hold a register.
    int registerCount() const;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // Masks not given become 0.
    void afterLoad() override;
    gstr describe() const override;
    std::unique_ptr<gsabusResponseData> clone() const override;
    void addReferences(gusesList& uses) const override;
    int rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log) override;
    int getKind() const override { return bitField; }

private:
    gloadStatus loadRegister(const gstr& value);
    gloadStatus loadSubstituteBits(const gstr& value);
    gloadStatus loadMask(const gstr& value);

    gregister* registers_[slotCount] = {};
    uint8_t errorBits_ = unsetMask;
    uint8_t maskedBits_ = unsetMask;
    uint8_t invertBits_ = unsetMask;
};
