#include "g2driver/model/g2driverDataResponseElement.h"

#include "foundation/gregexpMatch.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "g2driver/model/g2driverRegexpResponseElement.h"
#include "ports/g2serialTransaction.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <climits>

g2driverDataResponseElement::g2driverDataResponseElement(const g2driverDataResponseElement& other,
                                                         g2driverResponseValueTable& values,
                                                         g2driverResponseDataNameTable& names, bool shareDataUsers)
    : g2driverResponseElement(other, values), pattern_(other.pattern_)
{
    if (other.name_) {
        g2driverResponseDataName* name = names.define(other.name_->getName());
        if (name && shareDataUsers)
            name->usedBy().makeAliasOf(other.name_->usedBy());
        setName(name);
    }
    if (other.length_)
        setLength(values.reference(other.length_->getName()), other.charSize_, other.includes_, other.lengthOffset_);
    setFactor(other.factor_, other.factorValue_ ? values.reference(other.factorValue_->getName()) : nullptr,
              other.factorOffset_);
}

g2driverDataResponseElement::~g2driverDataResponseElement() { setName(nullptr); }

void g2driverDataResponseElement::setName(g2driverResponseDataName* name)
{
    if (name_ && name_->getDefiner() == this)
        name_->setDefiner(nullptr);
    name_ = name;
    if (!name)
        return;
    name->setDefiner(this);
    name->setDefined(1);
}

void g2driverDataResponseElement::setLength(g2driverResponseValue* value, int32_t charSize, int32_t includes,
                                            int32_t offset)
{
    length_ = value;
    charSize_ = charSize;
    includes_ = includes;
    lengthOffset_ = offset;
    lengthUses_.clear();
    if (value) {
        value->acceptKind(g2driverResponseValue::numerical);
        lengthUses_.add(value->usedBy());
    }
}

void g2driverDataResponseElement::setFactor(int32_t factor, g2driverResponseValue* value, int32_t offset)
{
    factor_ = factor;
    factorValue_ = value;
    factorOffset_ = offset;
    factorUses_.clear();
    if (value) {
        value->acceptKind(g2driverResponseValue::numerical);
        factorUses_.add(value->usedBy());
    }
}

void g2driverDataResponseElement::writeFields(CObjectFile& file, int indent) const
{
    g2driverResponseElement::writeFields(file, indent);
    if (name_) {
        gkeyword::byToken(kw::NAME).writeKey(file, indent);
        writeQuoted(file, name_->getName(), 1);
    }
    if (length_) {
        const bool withOffset = lengthOffset_ != 0;
        const bool withIncludes = withOffset || includes_ != 0;
        const bool withCharSize = withIncludes || charSize_ > 1;
        gkeyword::byToken(kw::LENGTH).writeKey(file, indent);
        writeQuoted(file, length_->getName(), withCharSize ? 2 : 1);
        if (withCharSize)
            file.writeInt(charSize_, withIncludes ? 2 : 1);
        if (withIncludes)
            file.writeInt(includes_, withOffset ? 2 : 1);
        if (withOffset)
            file.writeInt(lengthOffset_, 1);
        if (factor_ > 1) {
            writeIntLine(file, indent, kw::FACTOR, factor_);
        } else if (factorValue_) {
            gkeyword::byToken(kw::FACTOR_VALUE).writeKey(file, indent);
            writeQuoted(file, factorValue_->getName(), factorOffset_ != 0 ? 2 : 1);
            if (factorOffset_ != 0)
                file.writeInt(factorOffset_, 1);
        }
    }
    if (pattern_.isSet()) {
        gkeyword::byToken(kw::PATTERN).writeKey(file, indent);
        pattern_.write(file, 1);
    }
}

gloadStatus g2driverDataResponseElement::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::NAME: return loadName(value);
    case kw::LENGTH: return loadLength(value);
    case kw::FACTOR: return loadFactor(value);
    case kw::FACTOR_VALUE: return loadFactorValue(value);
    case kw::PATTERN:
        if (pattern_.isSet())
            return gload::alreadyLoaded;
        return pattern_.parse(value.data(), false, false) == itemResult::end ? gload::accepted : gload::invalidValue;
    default: return g2driverResponseElement::loadField(token, value);
    }
}

gloadStatus g2driverDataResponseElement::loadName(const gstr& value)
{
    if (name_)
        return gload::alreadyLoaded;
    gstr tag;
    g2driverCommandTemplate* shape = owningTemplate();
    if (readOneTag(value, tag) != gload::accepted || !shape)
        return gload::invalidValue;
    g2driverResponseDataName* name = shape->responseDataNames().define(tag);
    if (!name)
        return gload::alreadyLoaded;
    setName(name);
    return gload::accepted;
}

gloadStatus g2driverDataResponseElement::loadLength(const gstr& value)
{
    if (length_)
        return gload::alreadyLoaded;
    gstr name;
    const char* next = nullptr;
    int result = name.parse(value.data(), next);
    g2driverResponseValueTable* values = valueTable();
    if (result == itemResult::error || name.isEmpty() || !values)
        return gload::invalidValue;
    int32_t numbers[3] = {1, 0, 0};
    for (int32_t& number : numbers) {
        if (result != itemResult::comma)
            break;
        result = parseIntItem(next, number, next);
    }
    if (result != itemResult::end || numbers[0] < 1 || numbers[0] > 4 || numbers[1] < 0)
        return gload::invalidValue;
    g2driverResponseValue* length = values->reference(name);
    if (!length->acceptKind(g2driverResponseValue::numerical))
        return gload::invalidValue;
    setLength(length, numbers[0], numbers[1], numbers[2]);
    return gload::accepted;
}

gloadStatus g2driverDataResponseElement::loadFactor(const gstr& value)
{
    if (factor_ != 0 || factorValue_)
        return gload::alreadyLoaded;
    int32_t factor = 0;
    gloadStatus status = readCount(value, factor, 0, 1, INT_MAX);
    if (status == gload::accepted)
        factor_ = factor;
    return status;
}

gloadStatus g2driverDataResponseElement::loadFactorValue(const gstr& value)
{
    if (factor_ != 0 || factorValue_)
        return gload::alreadyLoaded;
    gstr name;
    const char* next = nullptr;
    const int result = name.parse(value.data(), next);
    g2driverResponseValueTable* values = valueTable();
    if (result == itemResult::error || name.isEmpty() || !values)
        return gload::invalidValue;
    int32_t offset = 0;
    if (result == itemResult::comma && parseIntItem(next, offset) != itemResult::end)
        return gload::invalidValue;
    g2driverResponseValue* factor = values->reference(name);
    if (!factor->acceptKind(g2driverResponseValue::numerical))
        return gload::invalidValue;
    setFactor(0, factor, offset);
    return gload::accepted;
}

void g2driverDataResponseElement::afterLoad()
{
    if (length_ && factor_ == 0 && !factorValue_)
        factor_ = 1;
}

bool g2driverDataResponseElement::isComplete() const
{
    return name_ && pattern_.isSet() && (length_ || (factor_ == 0 && !factorValue_));
}

gstr g2driverDataResponseElement::describe() const { return name_ ? name_->getName() : gstr(""); }

g2driverResponseElement* g2driverDataResponseElement::duplicate(
    g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable& responseValues,
    g2driverResponseDataNameTable& responseDataNames, jhashTypedDatabaseTable<g2driverProgram>*,
    g2driverErrorCodeTable&, bool shareDataUsers) const
{
    return new g2driverDataResponseElement(*this, responseValues, responseDataNames, shareDataUsers);
}

// Signed 64-bit arithmetic: a count beyond the 32-bit range cannot be
// evaluated rather than wrap.
int64_t g2driverDataResponseElement::byteCount(const g2serialTransaction& transaction) const
{
    int64_t length = 0;
    if (!decodedNumber(transaction, length_, length))
        return -1;
    length += lengthOffset_;
    if (length < 0)
        return -1;
    if (factor_ > 1) {
        length *= factor_;
    } else if (factorValue_) {
        int64_t factor = 0;
        if (!decodedNumber(transaction, factorValue_, factor))
            return -1;
        length *= factor + factorOffset_;
    }
    if (length < 0 || length > INT32_MAX)
        return -1;
    length *= charSize_;
    if (includes_ != 0) {
        const int64_t i = transaction.currentElement();
        const g2responseMatcher* matcher = transaction.currentMatcher();
        if (i - includes_ < 0 || !matcher || i > matcher->count())
            return -1;
        length -= matcher->lastPosition(static_cast<int32_t>(i))
                  - matcher->lastPosition(static_cast<int32_t>(i - includes_));
    }
    return length < 0 || length > INT32_MAX ? -1 : length;
}

int g2driverDataResponseElement::decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining)
{
    const int64_t length = byteCount(transaction);
    if (length < 0)
        return badData;
    if (length == 0)
        return decoded;
    if (remaining < length || !pattern_.isSet())
        return needMore;
    gregexpMatch match;
    if (!match.match(pattern_, cursor, static_cast<int32_t>(length), true, gregexpMode::wholeText))
        return needMore;
    cursor += length;
    return decoded;
}
