#pragma once

#include "sabus/gsabusResponseData.h"

#include <cstdint>
#include <map>

class gregister;

// The register-bound response data, kinds 1 to 5: the register with the data
// sent while it is in its error state or masked. Kinds 2 to 5 take a register
// of one class only and give a register that has no class yet (a placeholder
// made by a reference) that class; kind 1 takes any register.
class gsabusRegisterData : public gsabusResponseData {
public:
    gregister* getRegister() const noexcept { return register_; }
    // The caller makes sure the register has the kind's class.
    void setRegister(gregister* reg) noexcept { register_ = reg; }
    // Unset (no buffer) until read or set; written only when not empty.
    const gstr& getErrorString() const noexcept { return errorString_; }
    void setErrorString(const gstrSlice& text) { errorString_.assign(text); }
    const gstr& getMaskedString() const noexcept { return maskedString_; }
    void setMaskedString(const gstrSlice& text) { maskedString_.assign(text); }

    // The class the register must have, as gregister::classCode gives it
    // (2 digital, 3 analog, 4 string); 0 for any.
    virtual int requiredClass() const = 0;
    // Whether the register has, or can be given, the class.
    static bool takesClass(gregister& reg, int classCode);

    // ERROR_STRING, MASKED_STRING, then the REGISTER line.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // The strings not read become empty.
    void afterLoad() override;
    void addReferences(gusesList& uses) const override;
    int rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log) override;

protected:
    // The REGISTER line's value: the tag; the analog kind adds its selector.
    virtual void writeRegisterValue(CObjectFile& file) const;
    virtual gloadStatus loadRegister(const gstr& value);
    // Refers to the tag (a placeholder while it is not defined) and binds
    // the register when it takes the kind's class; false when it does not.
    bool bindTag(const gstrSlice& tag);

private:
    gregister* register_ = nullptr;
    gstr errorString_;
    gstr maskedString_;
};

// REGISTER STATUS: the data for the register's off and on states.
class gsabusRegisterStatusData : public gsabusRegisterData {
public:
    const gstr& getOffString() const noexcept { return offString_; }
    void setOffString(const gstrSlice& text) { offString_.assign(text); }
    const gstr& getOnString() const noexcept { return onString_; }
    void setOnString(const gstrSlice& text) { onString_.assign(text); }

    int requiredClass() const override { return 0; }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;
    gstr describe() const override;
    std::unique_ptr<gsabusResponseData> clone() const override;
    int getKind() const override { return registerStatus; }

private:
    gstr offString_;
    gstr onString_;
};

// DIGITAL NUMBER: a digital register's value in base 2, 8, 10 or 16, with a
// fixed width or none.
class gsabusDigitalNumberData : public gsabusRegisterData {
public:
    // 0 while not given.
    int32_t getBase() const noexcept { return base_; }
    void setBase(int32_t base) noexcept { base_ = base; }
    // 0: no fixed width.
    int32_t getWidth() const noexcept { return width_; }
    void setWidth(int32_t width) noexcept { width_ = width; }

    int requiredClass() const override { return 2; }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;
    gstr describe() const override;
    std::unique_ptr<gsabusResponseData> clone() const override;
    int getKind() const override { return digitalNumber; }

private:
    gloadStatus loadFormat(const gstr& value);

    int32_t base_ = 0;
    int32_t width_ = 0;
};

// DIGITAL STRINGS: a data string per value of a digital register and one for
// the other values.
class gsabusDigitalStringsData : public gsabusRegisterData {
public:
    // Empty allowed (then not written); unset until read or set.
    const gstr& getDefaultString() const noexcept { return defaultString_; }
    void setDefaultString(const gstrSlice& text) { defaultString_.assign(text); }
    // The strings in ascending value order.
    const std::map<uint32_t, gstr>& strings() const noexcept { return strings_; }
    void clearStrings() { strings_.clear(); }
    // Stores the text under the value, in place of a text already there.
    void setString(const gstrSlice& text, uint32_t value) { strings_[value].assign(text); }

    int requiredClass() const override { return 2; }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    gstr describe() const override;
    std::unique_ptr<gsabusResponseData> clone() const override;
    int getKind() const override { return digitalStrings; }

private:
    gloadStatus loadValueString(const gstr& value);

    gstr defaultString_;
    std::map<uint32_t, gstr> strings_;
};

// ANALOG NUMBER: the current, lowest, highest or every value of an analog
// register, scaled, signed or not, with decimals and a fixed width or none;
// with every value, the text between two values.
class gsabusAnalogNumberData : public gsabusRegisterData {
public:
    enum selector : int32_t { noSelector = 0, current = 1, lowest = 2, highest = 3, allValues = 4 };

    gsabusAnalogNumberData();

    int32_t getSelector() const noexcept { return selector_; }
    void setSelector(int32_t selector) noexcept { selector_ = selector; }
    // HUGE_VAL while not given.
    double getFactor() const noexcept { return factor_; }
    void setFactor(double factor) noexcept { factor_ = factor; }
    double getOffset() const noexcept { return offset_; }
    void setOffset(double offset) noexcept { offset_ = offset; }
    // -1 not given, 1 signed, 0 unsigned.
    int32_t getSign() const noexcept { return sign_; }
    void setSign(int32_t sign) noexcept { sign_ = sign; }
    // -1 while not given.
    int32_t getDecimals() const noexcept { return decimals_; }
    void setDecimals(int32_t decimals) noexcept { decimals_ = decimals; }
    int32_t getWidth() const noexcept { return width_; }
    void setWidth(int32_t width) noexcept { width_ = width; }
    // Used with every value only; unset (no buffer) otherwise.
    const gstr& getSeparator() const noexcept { return separator_; }
    void setSeparator(const gstrSlice& text) { separator_.assign(text); }
    void clearSeparator() noexcept { separator_.clear(); }

    int requiredClass() const override { return 3; }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    gstr describe() const override;
    std::unique_ptr<gsabusResponseData> clone() const override;
    int getKind() const override { return analogNumber; }

protected:
    void writeRegisterValue(CObjectFile& file) const override;
    gloadStatus loadRegister(const gstr& value) override;

private:
    gloadStatus loadFormat(const gstr& value);

    int32_t selector_ = noSelector;
    double factor_;
    double offset_;
    int32_t sign_ = -1;
    int32_t decimals_ = -1;
    int32_t width_ = 0;
    gstr separator_;
};

// STRING: a string register's value, padded to a fixed width on the left or
// the right, or as it is.
class gsabusStringData : public gsabusRegisterData {
public:
    // 0 while not given.
    char getPadding() const noexcept { return padding_; }
    void setPadding(char padding) noexcept { padding_ = padding; }
    int32_t getWidth() const noexcept { return width_; }
    void setWidth(int32_t width) noexcept { width_ = width; }
    // 0 left, 1 right; meaningful with a width only.
    int32_t getAlignment() const noexcept { return alignment_; }
    void setAlignment(int32_t alignment) noexcept { alignment_ = alignment; }

    int requiredClass() const override { return 4; }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;
    gstr describe() const override;
    std::unique_ptr<gsabusResponseData> clone() const override;
    int getKind() const override { return stringValue; }

private:
    gloadStatus loadFormat(const gstr& value);

    char padding_ = 0;
    int32_t width_ = 0;
    int32_t alignment_ = 0;
};
