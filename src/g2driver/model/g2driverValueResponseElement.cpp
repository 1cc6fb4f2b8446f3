#include "g2driver/model/g2driverValueResponseElement.h"

#include "g2driver/model/g2driverFieldReaders.h"
#include "ports/g2serialTransaction.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

// --- base ---

g2driverValueResponseElement::g2driverValueResponseElement(const g2driverValueResponseElement& other,
                                                           g2driverResponseValueTable& values)
    : g2driverResponseElement(other, values)
{
    if (!other.value_)
        return;
    g2driverResponseValue* value = values.define(other.value_->getName());
    if (value)
        declare(value, other.getValueKind());
}

g2driverValueResponseElement::~g2driverValueResponseElement()
{
    if (value_ && value_->getDefiner() == this)
        value_->setDefiner(nullptr);
}

void g2driverValueResponseElement::setValue(g2driverResponseValue* value)
{
    if (value_ && value_->getDefiner() == this)
        value_->setDefiner(nullptr);
    declare(value, getValueKind());
}

void g2driverValueResponseElement::declare(g2driverResponseValue* value, int32_t kind)
{
    value_ = value;
    value->setKind(kind);
    value->setDefiner(this);
    value->setDefined(1);
}

void g2driverValueResponseElement::writeFields(CObjectFile& file, int indent) const
{
    g2driverResponseElement::writeFields(file, indent);
    if (value_) {
        gkeyword::byToken(kw::NAME).writeKey(file, indent);
        writeQuoted(file, value_->getName(), 1);
    }
    writeRecord(file, indent);
}

gloadStatus g2driverValueResponseElement::loadField(int token, gstr& value)
{
    if (token == kw::NAME)
        return loadName(value);
    gloadStatus status = g2driverResponseElement::loadField(token, value);
    return status == gload::unknownKeyword ? loadRecord(token, value) : status;
}

gloadStatus g2driverValueResponseElement::loadName(const gstr& value)
{
    if (value_)
        return gload::alreadyLoaded;
    gstr name;
    g2driverResponseValueTable* values = valueTable();
    if (readOneTag(value, name) != gload::accepted || !values)
        return gload::invalidValue;
    g2driverResponseValue* existing = values->find(name);
    if (existing && existing->isDefined())
        return gload::alreadyLoaded;
    if (existing && existing->getKind() != g2driverResponseValue::unknown && existing->getKind() != getValueKind())
        return gload::invalidValue;
    declare(values->define(name), getValueKind());
    return gload::accepted;
}

gstr g2driverValueResponseElement::describe() const { return value_ ? value_->getName() : gstr(""); }

// --- NUMERICAL VALUE ---

g2driverNumericalValueResponseElement::g2driverNumericalValueResponseElement(
    const g2driverNumericalValueResponseElement& other, g2driverResponseValueTable& values)
    : g2driverValueResponseElement(other, values), format_(other.format_)
{
}

g2driverResponseElement* g2driverNumericalValueResponseElement::duplicate(
    g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable& responseValues,
    g2driverResponseDataNameTable&, jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverNumericalValueResponseElement(*this, responseValues);
}

int g2driverNumericalValueResponseElement::decode(g2serialTransaction& transaction, const char*& cursor,
                                                  int32_t remaining)
{
    uint32_t number = 0;
    const char* at = cursor;
    if (remaining < 0 || !format_.decode(at, remaining, number))
        return needMore;
    if (g2driverResponseValue* value = getResponseValue())
        transaction.setValue(value->getName(), number);
    cursor = at;
    return decoded;
}

// --- STRING VALUE ---

g2driverStringValueResponseElement::g2driverStringValueResponseElement(const g2driverStringValueResponseElement& other,
                                                                       g2driverResponseValueTable& values)
    : g2driverValueResponseElement(other, values), match_(other.match_)
{
}

g2driverResponseElement* g2driverStringValueResponseElement::duplicate(
    g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable& responseValues,
    g2driverResponseDataNameTable&, jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverStringValueResponseElement(*this, responseValues);
}

int g2driverStringValueResponseElement::decode(g2serialTransaction& transaction, const char*& cursor,
                                               int32_t remaining)
{
    gstr text;
    const char* at = cursor;
    if (remaining < 0 || !match_.match(at, remaining, text))
        return needMore;
    if (g2driverResponseValue* value = getResponseValue())
        transaction.setValue(value->getName(), text);
    cursor = at;
    return decoded;
}
