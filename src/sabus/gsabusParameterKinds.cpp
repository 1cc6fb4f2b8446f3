#include "sabus/gsabusParameterKinds.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "sabus/sabusFieldLines.h"
#include "scl/gprogramArgument.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <climits>
#include <cmath>

using namespace sabusLines;

namespace {

constexpr int booleansFromBits = 20187;
constexpr int setOfStringsText = 20196;
constexpr int numberText = 20191;
constexpr int oneBoolean = 20198;
constexpr int quotedPattern = 20199;

// A VARIABLE line naming a variable of the type (sclVariableType).
gloadStatus loadVariable(gstr& field, const gstr& value, int type)
{
    if (!field.isNull())
        return gload::alreadyLoaded;
    gstr name;
    if (!name.parseValue(value.data()) || sclVariableType(name) != type)
        return gload::invalidValue;
    field.adopt(name);
    return gload::accepted;
}

void writeVariable(CObjectFile& file, int indent, const gstr& name)
{
    writeTextIfAny(file, indent, kw::VARIABLE, name);
}

gstr formatted(int id, const gstrSlice& text)
{
    gstr out;
    out.format(id, text);
    return out;
}

} // namespace

// --- STRING

gsabusStringParameter::gsabusStringParameter() : pattern_(false) {}

gstr gsabusStringParameter::patternText() const
{
    gstr text("");
    pattern_.toString(text, true);
    return text;
}

void gsabusStringParameter::writeFields(CObjectFile& file, int indent) const
{
    writeVariable(file, indent, variable_);
    if (!pattern_.isSet())
        return;
    gkeyword::byToken(kw::PATTERN).writeKey(file, indent);
    pattern_.write(file, 1);
}

gloadStatus gsabusStringParameter::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::VARIABLE: return loadVariable(variable_, value, 2);
    case kw::PATTERN: return loadPattern(value);
    default: return gsabusParameter::loadField(token, value);
    }
}

// A pattern followed by a comma is refused whole.
gloadStatus gsabusStringParameter::loadPattern(const gstr& value)
{
    if (pattern_.isSet())
        return gload::alreadyLoaded;
    gregexp parsed(false);
    if (parsed.parse(value.data(), false, false) != itemResult::end)
        return gload::invalidValue;
    pattern_.transferFrom(parsed);
    return gload::accepted;
}

gstr gsabusStringParameter::describe() const
{
    if (!variable_.isEmpty())
        return variable_;
    return formatted(quotedPattern, patternText());
}

std::unique_ptr<gsabusParameter> gsabusStringParameter::duplicate() const
{
    return std::make_unique<gsabusStringParameter>(*this);
}

// --- NUMBER

gsabusNumberParameter::gsabusNumberParameter() : factor_(HUGE_VAL), offset_(HUGE_VAL) {}

void gsabusNumberParameter::writeFields(CObjectFile& file, int indent) const
{
    writeVariable(file, indent, variable_);
    if (offset_ != 0.0 && isSet(offset_))
        writeReal(file, indent, kw::OFFSET, offset_);
    if (factor_ != 1.0 && isSet(factor_))
        writeReal(file, indent, kw::FACTOR, factor_);
    if (base_ == 0)
        return;
    int ending = width_ != 0 ? 2 : 1;
    gkeyword::byToken(kw::FORMAT).writeKey(file, indent);
    if (base_ == 10) {
        file.writeInt(base_, 2);
        gkeyword::byToken(signed_ ? kw::SIGNED : kw::UNSIGNED).writeValue(file, 2);
        gkeyword::byToken(allowDecimals_ ? kw::YES : kw::NO).writeValue(file, ending);
    } else {
        file.writeInt(base_, ending);
    }
    if (width_ != 0)
        file.writeInt(width_, 1);
}

gloadStatus gsabusNumberParameter::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::VARIABLE: return loadVariable(variable_, value, 1);
    case kw::OFFSET: return loadReal(offset_, value);
    case kw::FACTOR: return loadReal(factor_, value);
    case kw::FORMAT: return loadFormat(value);
    default: return gsabusParameter::loadField(token, value);
    }
}

gloadStatus gsabusNumberParameter::loadFormat(const gstr& value)
{
    if (base_ != 0)
        return gload::alreadyLoaded;
    int32_t base = 0;
    const char* next = nullptr;
    int read = parseIntItem(value.data(), base, next);
    if (read == itemResult::error || !isNumberBase(base))
        return gload::invalidValue;
    int32_t isSigned = 0;
    int32_t decimals = 0;
    if (base == 10) {
        int sign = 0;
        int allow = 0;
        if (read != itemResult::comma || parseKeywordItem(next, sign, next) != itemResult::comma
            || (sign != kw::SIGNED && sign != kw::UNSIGNED))
            return gload::invalidValue;
        read = parseKeywordItem(next, allow, next);
        if (read == itemResult::error || (allow != kw::YES && allow != kw::NO))
            return gload::invalidValue;
        isSigned = sign == kw::SIGNED ? 1 : 0;
        decimals = allow == kw::YES ? 1 : 0;
    }
    int32_t width = 0;
    if (read == itemResult::comma && !parseIntInRange(next, 1, INT32_MAX, width))
        return gload::invalidValue;
    base_ = base;
    signed_ = isSigned;
    allowDecimals_ = decimals;
    width_ = width;
    return gload::accepted;
}

void gsabusNumberParameter::afterLoad()
{
    if (!isSet(factor_))
        factor_ = 1.0;
    if (!isSet(offset_))
        offset_ = 0.0;
}

gstr gsabusNumberParameter::describe() const { return formatted(numberText, variable_); }

std::unique_ptr<gsabusParameter> gsabusNumberParameter::duplicate() const
{
    return std::make_unique<gsabusNumberParameter>(*this);
}

// --- BOOLEAN

void gsabusBooleanParameter::writeFields(CObjectFile& file, int indent) const
{
    writeVariable(file, indent, variable_);
    writeTextIfAny(file, indent, kw::FALSE, falseString_);
    writeTextIfAny(file, indent, kw::TRUE, trueString_);
}

gloadStatus gsabusBooleanParameter::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::VARIABLE: return loadVariable(variable_, value, 3);
    case kw::FALSE: return loadText(falseString_, value, true, true);
    case kw::TRUE: return loadText(trueString_, value, true, true);
    default: return gsabusParameter::loadField(token, value);
    }
}

bool gsabusBooleanParameter::isComplete() const
{
    return !variable_.isEmpty() && !trueString_.isEmpty() && !falseString_.isEmpty();
}

gstr gsabusBooleanParameter::describe() const { return gstr(variable_); }

std::unique_ptr<gsabusParameter> gsabusBooleanParameter::duplicate() const
{
    return std::make_unique<gsabusBooleanParameter>(*this);
}

// --- STRINGS

void gsabusStringSetParameter::writeFields(CObjectFile& file, int indent) const
{
    writeVariable(file, indent, variable_);
    for (const auto& [value, text] : strings_) {
        gkeyword::byToken(kw::STRING).writeKey(file, indent);
        file.writeUnsigned(value, 2);
        text.write(file, 1);
    }
}

gloadStatus gsabusStringSetParameter::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::VARIABLE: return loadVariable(variable_, value, 1);
    case kw::STRING: return loadString(value);
    default: return gsabusParameter::loadField(token, value);
    }
}

gloadStatus gsabusStringSetParameter::loadString(const gstr& value)
{
    uint32_t key = 0;
    const char* next = nullptr;
    if (parseUnsignedItem(value.data(), key, next) != itemResult::comma)
        return gload::invalidValue;
    if (strings_.count(key) != 0)
        return gload::alreadyLoaded;
    gstr text;
    if (!parseText(next, text, true))
        return gload::invalidValue;
    strings_[key].adopt(text);
    return gload::accepted;
}

gstr gsabusStringSetParameter::describe() const { return formatted(setOfStringsText, variable_); }

std::unique_ptr<gsabusParameter> gsabusStringSetParameter::duplicate() const
{
    return std::make_unique<gsabusStringSetParameter>(*this);
}

// --- BIT FIELD

namespace {

void checkBit(int bit, const char* fault)
{
    if (bit < 0 || bit >= gsabusBitsParameter::bitCount)
        throw gfault(fault);
}

} // namespace

const gstr& gsabusBitsParameter::getVariable(int bit) const
{
    checkBit(bit, "bit out of range in gsabusBitsParameter::getVariable()");
    return variables_[bit];
}

void gsabusBitsParameter::setVariable(int bit, const gstrSlice& name)
{
    checkBit(bit, "bit out of range in gsabusBitsParameter::setVariable()");
    variables_[bit].assign(name);
}

void gsabusBitsParameter::clearVariable(int bit)
{
    checkBit(bit, "bit out of range in gsabusBitsParameter::clearVariable()");
    variables_[bit].clear();
}

int gsabusBitsParameter::variableCount() const
{
    int count = 0;
    for (const gstr& name : variables_)
        count += name.isEmpty() ? 0 : 1;
    return count;
}

void gsabusBitsParameter::writeFields(CObjectFile& file, int indent) const
{
    for (int bit = 0; bit < bitCount; ++bit) {
        if (variables_[bit].isEmpty())
            continue;
        gkeyword::byToken(kw::VARIABLE).writeKey(file, indent);
        file.writeInt(bit, 2);
        variables_[bit].write(file, 1);
    }
}

gloadStatus gsabusBitsParameter::loadField(int token, gstr& value)
{
    if (token == kw::VARIABLE)
        return loadVariable(value);
    return gsabusParameter::loadField(token, value);
}

gloadStatus gsabusBitsParameter::loadVariable(const gstr& value)
{
    int32_t bit = 0;
    const char* next = nullptr;
    if (parseIntItem(value.data(), bit, next) != itemResult::comma || bit < 0 || bit >= bitCount)
        return gload::invalidValue;
    if (!variables_[bit].isEmpty())
        return gload::alreadyLoaded;
    gstr name;
    if (!name.parseValue(next) || sclVariableType(name) != 3)
        return gload::invalidValue;
    variables_[bit].adopt(name);
    return gload::accepted;
}

gstr gsabusBitsParameter::describe() const
{
    int count = variableCount();
    gstr text;
    if (count == 1)
        return text.format(oneBoolean);
    return text.format(booleansFromBits, count);
}

std::unique_ptr<gsabusParameter> gsabusBitsParameter::duplicate() const
{
    return std::make_unique<gsabusBitsParameter>(*this);
}
