#pragma once

#include "foundation/gregexp.h"
#include "sabus/gsabusParameter.h"

#include <cstdint>
#include <map>

// STRING: data that matches a pattern, placed in a string variable ("$") or,
// without a variable, matched and placed nowhere. Patterns may not match an
// empty text.
class gsabusStringParameter : public gsabusParameter {
public:
    gsabusStringParameter();

    const gstr& getVariable() const noexcept { return variable_; }
    void setVariable(const gstrSlice& name) { variable_.assign(name); }
    void clearVariable() noexcept { variable_.clear(); }
    const gregexp& pattern() const noexcept { return pattern_; }
    // The pattern as a dialog field shows it (the raw form).
    gstr patternText() const;
    // Takes over the other's compiled pattern and leaves it unset.
    void takePattern(gregexp& compiled) { pattern_.transferFrom(compiled); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return pattern_.isSet(); }
    gstr describe() const override;
    std::unique_ptr<gsabusParameter> duplicate() const override;
    int getType() const override { return stringKind; }

private:
    gloadStatus loadPattern(const gstr& value);

    gstr variable_;
    gregexp pattern_;
};

// NUMBER: a number in base 2, 8, 10 or 16 (in base 10 signed or not, with
// decimals or not), with a fixed width or none, scaled by factor and offset,
// placed in a numerical variable.
class gsabusNumberParameter : public gsabusParameter {
public:
    gsabusNumberParameter();

    const gstr& getVariable() const noexcept { return variable_; }
    void setVariable(const gstrSlice& name) { variable_.assign(name); }
    // 0: no fixed width.
    int32_t getWidth() const noexcept { return width_; }
    void setWidth(int32_t width) noexcept { width_ = width; }
    // 0 while not given.
    int32_t getBase() const noexcept { return base_; }
    void setBase(int32_t base) noexcept { base_ = base; }
    // The two flags mean something in base 10 only.
    int32_t getAllowDecimals() const noexcept { return allowDecimals_; }
    void setAllowDecimals(int32_t flag) noexcept { allowDecimals_ = flag; }
    int32_t getSigned() const noexcept { return signed_; }
    void setSigned(int32_t flag) noexcept { signed_ = flag; }
    // HUGE_VAL while not given.
    double getFactor() const noexcept { return factor_; }
    void setFactor(double factor) noexcept { factor_ = factor; }
    double getOffset() const noexcept { return offset_; }
    void setOffset(double offset) noexcept { offset_ = offset; }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // A factor not given becomes 1, an offset 0.
    void afterLoad() override;
    bool isComplete() const override { return !variable_.isEmpty() && base_ != 0; }
    gstr describe() const override;
    std::unique_ptr<gsabusParameter> duplicate() const override;
    int getType() const override { return numberKind; }

private:
    gloadStatus loadFormat(const gstr& value);

    gstr variable_;
    int32_t width_ = 0;
    int32_t base_ = 0;
    int32_t allowDecimals_ = 0;
    int32_t signed_ = 0;
    double factor_;
    double offset_;
};

// BOOLEAN: the data string that sets a boolean variable ("%") to true and the
// one that sets it to false.
class gsabusBooleanParameter : public gsabusParameter {
public:
    const gstr& getVariable() const noexcept { return variable_; }
    void setVariable(const gstrSlice& name) { variable_.assign(name); }
    const gstr& getTrueString() const noexcept { return trueString_; }
    void setTrueString(const gstrSlice& text) { trueString_.assign(text); }
    const gstr& getFalseString() const noexcept { return falseString_; }
    void setFalseString(const gstrSlice& text) { falseString_.assign(text); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;
    gstr describe() const override;
    std::unique_ptr<gsabusParameter> duplicate() const override;
    int getType() const override { return booleanKind; }

private:
    gstr variable_;
    gstr trueString_;
    gstr falseString_;
};

// STRINGS: a set of data strings, each standing for a value that is placed
// in a numerical variable.
class gsabusStringSetParameter : public gsabusParameter {
public:
    const gstr& getVariable() const noexcept { return variable_; }
    void setVariable(const gstrSlice& name) { variable_.assign(name); }
    // In ascending value order.
    const std::map<uint32_t, gstr>& strings() const noexcept { return strings_; }
    void clearStrings() { strings_.clear(); }
    // Stores the text under the value, in place of a text already there.
    void setString(uint32_t value, const gstrSlice& text) { strings_[value].assign(text); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !variable_.isEmpty() && !strings_.empty(); }
    gstr describe() const override;
    std::unique_ptr<gsabusParameter> duplicate() const override;
    int getType() const override { return stringSetKind; }

private:
    gloadStatus loadString(const gstr& value);

    gstr variable_;
    std::map<uint32_t, gstr> strings_;
};

// BIT FIELD: bits 0 to 5 of the data, each placed in a boolean variable or
// in none (an empty name).
class gsabusBitsParameter : public gsabusParameter {
public:
    static constexpr int bitCount = 6;

    const gstr& getVariable(int bit) const;
    void setVariable(int bit, const gstrSlice& name);
    void clearVariable(int bit);
    // The number of bits placed in a variable.
    int variableCount() const;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return variableCount() > 0; }
    gstr describe() const override;
    std::unique_ptr<gsabusParameter> duplicate() const override;
    int getType() const override { return bitsKind; }

private:
    gloadStatus loadVariable(const gstr& value);

    gstr variables_[bitCount];
};
