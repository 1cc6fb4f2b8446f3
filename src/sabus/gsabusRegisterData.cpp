#include "sabus/gsabusRegisterData.h"

#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "registers/gregister.h"
#include "sabus/gsabusReplaceOptions.h"
#include "sabus/sabusFieldLines.h"
#include "sabus/sabusRebinding.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"
#include "store/gusedByList.h"

#include <climits>
#include <cmath>

using namespace sabusLines;

namespace {

constexpr int numberText = 20188;
constexpr int stringsText = 20189;
constexpr int onOffText = 20193;

// The analog REGISTER line's selector keyword by selector - 1.
constexpr int selectorKeywords[] = {kw::VALUE, kw::MINIMUM, kw::MAXIMUM, kw::ALL};

gstr describeRegister(int id, const gregister* reg)
{
    gstr text;
    text.format(id, registerTitle(reg));
    return text;
}

int selectorOfKeyword(int token)
{
    for (int i = 0; i < 4; ++i) {
        if (selectorKeywords[i] == token)
            return i + 1;
    }
    return 0;
}

} // namespace

// --- the register-bound base

bool gsabusRegisterData::takesClass(gregister& reg, int classCode)
{
    switch (classCode) {
    case 0: return true;
    case 2: return reg.getDigitalSupplement() != nullptr;
    case 3: return reg.getAnalogSupplement() != nullptr;
    case 4: return reg.getStringSupplement() != nullptr;
    default: return false;
    }
}

void gsabusRegisterData::writeFields(CObjectFile& file, int indent) const
{
    writeTextIfAny(file, indent, kw::ERROR_STRING, errorString_);
    writeTextIfAny(file, indent, kw::MASKED_STRING, maskedString_);
    if (!register_)
        return;
    gkeyword::byToken(kw::REGISTER).writeKey(file, indent);
    writeRegisterValue(file);
}

void gsabusRegisterData::writeRegisterValue(CObjectFile& file) const { register_->getTag().write(file, 1); }

gloadStatus gsabusRegisterData::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::ERROR_STRING: return loadText(errorString_, value, false, true);
    case kw::MASKED_STRING: return loadText(maskedString_, value, false, true);
    case kw::REGISTER: return register_ ? gload::alreadyLoaded : loadRegister(value);
    default: return gsabusResponseData::loadField(token, value);
    }
}

gloadStatus gsabusRegisterData::loadRegister(const gstr& value)
{
    gstr tag;
    if (!tag.parseValue(value.data()) || tag.isEmpty())
        return gload::invalidValue;
    return bindTag(tag) ? gload::accepted : gload::invalidValue;
}

bool gsabusRegisterData::bindTag(const gstrSlice& tag)
{
    gregister* reg = station::registers().reference(tag);
    if (!takesClass(*reg, requiredClass()))
        return false;
    register_ = reg;
    return true;
}

void gsabusRegisterData::afterLoad()
{
    if (errorString_.isNull())
        errorString_.assign("");
    if (maskedString_.isNull())
        maskedString_.assign("");
}

void gsabusRegisterData::addReferences(gusesList& uses) const
{
    if (register_)
        uses.add(register_->usedBy());
}

int gsabusRegisterData::rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options,
                                         gstr& log)
{
    if (!options.registersInQueries)
        return 0;
    return rebindRegisterTag(register_, requiredClass(), owner, options, log);
}

// --- REGISTER STATUS

void gsabusRegisterStatusData::writeFields(CObjectFile& file, int indent) const
{
    gsabusRegisterData::writeFields(file, indent);
    writeTextIfAny(file, indent, kw::OFF_STRING, offString_);
    writeTextIfAny(file, indent, kw::ON_STRING, onString_);
}

gloadStatus gsabusRegisterStatusData::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::OFF_STRING: return loadText(offString_, value, true, true);
    case kw::ON_STRING: return loadText(onString_, value, true, true);
    default: return gsabusRegisterData::loadField(token, value);
    }
}

bool gsabusRegisterStatusData::isComplete() const
{
    return getRegister() && !offString_.isEmpty() && !onString_.isEmpty();
}

gstr gsabusRegisterStatusData::describe() const { return describeRegister(onOffText, getRegister()); }

std::unique_ptr<gsabusResponseData> gsabusRegisterStatusData::clone() const
{
    return std::make_unique<gsabusRegisterStatusData>(*this);
}

// --- DIGITAL NUMBER

void gsabusDigitalNumberData::writeFields(CObjectFile& file, int indent) const
{
    gsabusRegisterData::writeFields(file, indent);
    if (base_ == 0)
        return;
    gkeyword::byToken(kw::FORMAT).writeKey(file, indent);
    file.writeInt(base_, width_ != 0 ? 2 : 1);
    if (width_ != 0)
        file.writeInt(width_, 1);
}

gloadStatus gsabusDigitalNumberData::loadField(int token, gstr& value)
{
    if (token == kw::FORMAT)
        return loadFormat(value);
    return gsabusRegisterData::loadField(token, value);
}

gloadStatus gsabusDigitalNumberData::loadFormat(const gstr& value)
{
    if (base_ != 0)
        return gload::alreadyLoaded;
    int32_t base = 0;
    const char* next = nullptr;
    int read = parseIntItem(value.data(), base, next);
    if (read == itemResult::error || !isNumberBase(base))
        return gload::invalidValue;
    int32_t width = 0;
    if (read == itemResult::comma && !parseIntInRange(next, 1, INT32_MAX, width))
        return gload::invalidValue;
    base_ = base;
    width_ = width;
    return gload::accepted;
}

bool gsabusDigitalNumberData::isComplete() const { return getRegister() && base_ != 0; }

gstr gsabusDigitalNumberData::describe() const { return describeRegister(numberText, getRegister()); }

std::unique_ptr<gsabusResponseData> gsabusDigitalNumberData::clone() const
{
    return std::make_unique<gsabusDigitalNumberData>(*this);
}

// --- DIGITAL STRINGS

void gsabusDigitalStringsData::writeFields(CObjectFile& file, int indent) const
{
    gsabusRegisterData::writeFields(file, indent);
    writeTextIfAny(file, indent, kw::DEFAULT_STRING, defaultString_);
    for (const auto& [value, text] : strings_) {
        gkeyword::byToken(kw::VALUE_STRING).writeKey(file, indent);
        file.writeUnsigned(value, 2);
        text.write(file, 1);
    }
}

gloadStatus gsabusDigitalStringsData::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::DEFAULT_STRING: return loadText(defaultString_, value, true, true);
    case kw::VALUE_STRING: return loadValueString(value);
    default: return gsabusRegisterData::loadField(token, value);
    }
}

gloadStatus gsabusDigitalStringsData::loadValueString(const gstr& value)
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

void gsabusDigitalStringsData::afterLoad()
{
    gsabusRegisterData::afterLoad();
    if (defaultString_.isNull())
        defaultString_.assign("");
}

bool gsabusDigitalStringsData::isComplete() const { return getRegister() && !strings_.empty(); }

gstr gsabusDigitalStringsData::describe() const { return describeRegister(stringsText, getRegister()); }

std::unique_ptr<gsabusResponseData> gsabusDigitalStringsData::clone() const
{
    return std::make_unique<gsabusDigitalStringsData>(*this);
}

// --- ANALOG NUMBER

gsabusAnalogNumberData::gsabusAnalogNumberData() : factor_(HUGE_VAL), offset_(HUGE_VAL) {}

void gsabusAnalogNumberData::writeRegisterValue(CObjectFile& file) const
{
    if (selector_ < current || selector_ > allValues) {
        gsabusRegisterData::writeRegisterValue(file);
        return;
    }
    getRegister()->getTag().write(file, 2);
    gkeyword::byToken(selectorKeywords[selector_ - 1]).writeValue(file, 1);
}

void gsabusAnalogNumberData::writeFields(CObjectFile& file, int indent) const
{
    gsabusRegisterData::writeFields(file, indent);
    if (offset_ != 0.0 && isSet(offset_))
        writeReal(file, indent, kw::OFFSET, offset_);
    if (factor_ != 1.0 && isSet(factor_))
        writeReal(file, indent, kw::FACTOR, factor_);
    if (sign_ != -1) {
        gkeyword::byToken(kw::FORMAT).writeKey(file, indent);
        gkeyword::byToken(sign_ == 1 ? kw::SIGNED : kw::UNSIGNED).writeValue(file, 2);
        file.writeInt(decimals_, width_ != 0 ? 2 : 1);
        if (width_ != 0)
            file.writeInt(width_, 1);
    }
    if (selector_ == allValues)
        writeTextIfAny(file, indent, kw::SEPARATOR, separator_);
}

gloadStatus gsabusAnalogNumberData::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::OFFSET: return loadReal(offset_, value);
    case kw::FACTOR: return loadReal(factor_, value);
    case kw::FORMAT: return loadFormat(value);
    case kw::SEPARATOR: return loadText(separator_, value, true, false);
    default: return gsabusRegisterData::loadField(token, value);
    }
}

gloadStatus gsabusAnalogNumberData::loadRegister(const gstr& value)
{
    gstr tag;
    const char* next = nullptr;
    int read = tag.parse(value.data(), next);
    if (read == itemResult::error || tag.isEmpty())
        return gload::invalidValue;
    int32_t selector = current;
    if (read == itemResult::comma) {
        int token = 0;
        if (parseKeywordItem(next, token) != itemResult::end)
            return gload::invalidValue;
        selector = selectorOfKeyword(token);
        if (selector == noSelector)
            return gload::invalidValue;
    }
    if (!bindTag(tag))
        return gload::invalidValue;
    selector_ = selector;
    return gload::accepted;
}

gloadStatus gsabusAnalogNumberData::loadFormat(const gstr& value)
{
    if (sign_ != -1)
        return gload::alreadyLoaded;
    int token = 0;
    const char* next = nullptr;
    if (parseKeywordItem(value.data(), token, next) != itemResult::comma
        || (token != kw::SIGNED && token != kw::UNSIGNED))
        return gload::invalidValue;
    int32_t decimals = 0;
    int read = parseIntItem(next, decimals, next);
    if (read == itemResult::error || decimals < 0)
        return gload::invalidValue;
    int32_t width = 0;
    if (read == itemResult::comma) {
        // With decimals the width holds at least a digit and the point too.
        int64_t least = decimals != 0 ? int64_t{decimals} + 2 : 1;
        if (least > INT32_MAX || !parseIntInRange(next, static_cast<int32_t>(least), INT32_MAX, width))
            return gload::invalidValue;
    }
    sign_ = token == kw::SIGNED ? 1 : 0;
    decimals_ = decimals;
    width_ = width;
    return gload::accepted;
}

void gsabusAnalogNumberData::afterLoad()
{
    gsabusRegisterData::afterLoad();
    if (!isSet(offset_))
        offset_ = 0.0;
    if (!isSet(factor_))
        factor_ = 1.0;
    if (selector_ == allValues && separator_.isNull())
        separator_.assign("");
}

bool gsabusAnalogNumberData::isComplete() const
{
    return getRegister() && sign_ != -1 && (separator_.isNull() || selector_ == allValues);
}

gstr gsabusAnalogNumberData::describe() const { return registerTitle(getRegister()); }

std::unique_ptr<gsabusResponseData> gsabusAnalogNumberData::clone() const
{
    return std::make_unique<gsabusAnalogNumberData>(*this);
}

// --- STRING

void gsabusStringData::writeFields(CObjectFile& file, int indent) const
{
    gsabusRegisterData::writeFields(file, indent);
    if (padding_ == 0)
        return;
    gkeyword::byToken(kw::FORMAT).writeKey(file, indent);
    gstrSlice(&padding_, 1).write(file, width_ != 0 ? 2 : 1);
    if (width_ == 0)
        return;
    file.writeInt(width_, 2);
    gkeyword::byToken(alignment_ == 1 ? kw::RIGHT : kw::LEFT).writeValue(file, 1);
}

gloadStatus gsabusStringData::loadField(int token, gstr& value)
{
    if (token == kw::FORMAT)
        return loadFormat(value);
    return gsabusRegisterData::loadField(token, value);
}

gloadStatus gsabusStringData::loadFormat(const gstr& value)
{
    if (padding_ != 0)
        return gload::alreadyLoaded;
    gstr padding;
    const char* next = nullptr;
    int read = padding.parse(value.data(), next);
    if (read == itemResult::error || padding.length() != 1 || !charClass::isPrintable(padding[0]))
        return gload::invalidValue;
    int32_t width = 0;
    int32_t alignment = 0;
    if (read == itemResult::comma) {
        int token = 0;
        if (parseIntItem(next, width, next) != itemResult::comma || width < 1)
            return gload::invalidValue;
        if (parseKeywordItem(next, token) != itemResult::end || (token != kw::LEFT && token != kw::RIGHT))
            return gload::invalidValue;
        alignment = token == kw::RIGHT ? 1 : 0;
    }
    padding_ = padding[0];
    width_ = width;
    alignment_ = alignment;
    return gload::accepted;
}

bool gsabusStringData::isComplete() const { return getRegister() && padding_ != 0; }

gstr gsabusStringData::describe() const { return registerTitle(getRegister()); }

std::unique_ptr<gsabusResponseData> gsabusStringData::clone() const
{
    return std::make_unique<gsabusStringData>(*this);
}
