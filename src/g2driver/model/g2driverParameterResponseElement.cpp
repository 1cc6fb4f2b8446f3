#include "g2driver/model/g2driverParameterResponseElement.h"

#include "foundation/gfault.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "g2driver/model/g2driverParameterCommandElement.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "g2driver/model/g2driverResponseList.h"
#include "ports/g2serialTransaction.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr const char* parameterMismatch =
    "Parameter type mismatch in g2driverParameterResponseElement::g2driverParameterResponseElement(const "
    "g2driverBitFieldResponseElement &,jhashTypedDatabaseTable<g2driverParameter> &,"
    "jhashTypedDatabaseTable<g2driverParameter> &)";

} // namespace

// --- base ---

g2driverParameterResponseElement::g2driverParameterResponseElement(const g2driverParameterResponseElement& other,
                                                                   g2driverParameterTable& driverParameters,
                                                                   g2driverParameterTable& templateParameters,
                                                                   g2driverResponseValueTable& values)
    : g2driverResponseElement(other, values)
{
    if (!other.parameter_)
        return;
    g2driverParameterTable& table =
        other.parameter_->getScope() == g2parameterScope::driver ? driverParameters : templateParameters;
    g2driverParameter* parameter = table.find(other.parameter_->getName());
    if (!parameter)
        throw gfault(parameterMismatch);
    setParameter(parameter);
}

void g2driverParameterResponseElement::setParameter(g2driverParameter* parameter)
{
    parameter_ = parameter;
    uses_.clear();
    if (parameter)
        uses_.add(parameter->usedBy());
}

void g2driverParameterResponseElement::writeFields(CObjectFile& file, int indent) const
{
    g2driverResponseElement::writeFields(file, indent);
    if (parameter_) {
        gkeyword::byToken(scopeKeyword(parameter_->getScope())).writeKey(file, indent);
        writeQuoted(file, parameter_->getName(), 1);
    }
    writeRecord(file, indent);
}

gloadStatus g2driverParameterResponseElement::loadField(int token, gstr& value)
{
    if (token != kw::DRIVER_PARAM && token != kw::TEMPLATE_PARAM) {
        gloadStatus status = g2driverResponseElement::loadField(token, value);
        return status == gload::unknownKeyword ? loadRecord(token, value) : status;
    }
    if (parameter_)
        return gload::alreadyLoaded;
    gstr tag;
    g2driverCommandTemplate* shape = owningTemplate();
    if (readOneTag(value, tag) != gload::accepted || !shape)
        return gload::invalidValue;
    const int32_t scope = scopeOfKeyword(token);
    g2driverParameterTable* table = &shape->parameters();
    if (scope == g2parameterScope::driver)
        table = shape->getDriver() ? &shape->getDriver()->parameters() : nullptr;
    if (!table)
        return gload::invalidValue;
    g2driverParameter* parameter = table->referenceAs(tag, scope);
    if (!parameter->acceptKind(getValueKind()))
        return gload::invalidValue;
    setParameter(parameter);
    return gload::accepted;
}

gstr g2driverParameterResponseElement::describe() const { return parameter_ ? parameter_->getName() : gstr(""); }

void g2driverParameterResponseElement::rebind(int32_t scope, g2driverParameterTable* table)
{
    if (!parameter_ || parameter_->getScope() != scope || !table)
        return;
    g2driverParameter* parameter = table->find(parameter_->getName());
    if (parameter && !parameter->acceptKind(getValueKind()))
        parameter = nullptr;
    setParameter(parameter);
}

void g2driverParameterResponseElement::setList(g2driverResponseList* list)
{
    g2driverResponseElement::setList(list);
    g2driverCommandTemplate* shape = owningTemplate();
    rebind(g2parameterScope::templateOf, shape ? &shape->parameters() : nullptr);
}

void g2driverParameterResponseElement::setDriver(g2driver* driver)
{
    rebind(g2parameterScope::driver, driver ? &driver->parameters() : nullptr);
}

int g2driverParameterResponseElement::decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining)
{
    const g2driverParameterValue* value = parameter_ ? transaction.findParameter(*parameter_) : nullptr;
    if (value && value->getKind() != getValueKind())
        value = nullptr;
    const char* at = cursor;
    if (remaining < 0 || !matches(at, remaining, value))
        return needMore;
    cursor = at;
    return decoded;
}

// --- BISTATE ---

g2driverBistateResponseElement::g2driverBistateResponseElement(const g2driverBistateResponseElement& other,
                                                               g2driverParameterTable& driverParameters,
                                                               g2driverParameterTable& templateParameters,
                                                               g2driverResponseValueTable& values)
    : g2driverParameterResponseElement(other, driverParameters, templateParameters, values), patterns_(other.patterns_)
{
}

g2driverResponseElement* g2driverBistateResponseElement::duplicate(
    g2driverParameterTable& driverParameters, g2driverParameterTable& templateParameters,
    g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
    jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverBistateResponseElement(*this, driverParameters, templateParameters, responseValues);
}

int32_t g2driverBistateResponseElement::getValueKind() const { return g2valueKind::bistate; }

bool g2driverBistateResponseElement::matches(const char*& cursor, int32_t remaining,
                                             const g2driverParameterValue* value) const
{
    int state = 0;
    const uint32_t expected = value ? value->getNumber() : 0;
    return patterns_.match(cursor, cursor + remaining, state) && static_cast<uint32_t>(state) == expected;
}

// --- DIGITAL NUMBER ---

g2driverDigitalNumberResponseElement::g2driverDigitalNumberResponseElement(
    const g2driverDigitalNumberResponseElement& other, g2driverParameterTable& driverParameters,
    g2driverParameterTable& templateParameters, g2driverResponseValueTable& values)
    : g2driverParameterResponseElement(other, driverParameters, templateParameters, values), format_(other.format_)
{
}

g2driverResponseElement* g2driverDigitalNumberResponseElement::duplicate(
    g2driverParameterTable& driverParameters, g2driverParameterTable& templateParameters,
    g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
    jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverDigitalNumberResponseElement(*this, driverParameters, templateParameters, responseValues);
}

int32_t g2driverDigitalNumberResponseElement::getValueKind() const { return g2valueKind::digital; }

bool g2driverDigitalNumberResponseElement::matches(const char*& cursor, int32_t remaining,
                                                   const g2driverParameterValue* value) const
{
    uint32_t number = 0;
    return format_.decode(cursor, remaining, number) && number == (value ? value->getNumber() : 0);
}

// --- DIGITAL STRINGS ---

g2driverDigitalStringsResponseElement::g2driverDigitalStringsResponseElement(
    const g2driverDigitalStringsResponseElement& other, g2driverParameterTable& driverParameters,
    g2driverParameterTable& templateParameters, g2driverResponseValueTable& values)
    : g2driverParameterResponseElement(other, driverParameters, templateParameters, values), strings_(other.strings_)
{
}

g2driverResponseElement* g2driverDigitalStringsResponseElement::duplicate(
    g2driverParameterTable& driverParameters, g2driverParameterTable& templateParameters,
    g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
    jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverDigitalStringsResponseElement(*this, driverParameters, templateParameters, responseValues);
}

int32_t g2driverDigitalStringsResponseElement::getValueKind() const { return g2valueKind::digital; }

bool g2driverDigitalStringsResponseElement::matches(const char*& cursor, int32_t remaining,
                                                    const g2driverParameterValue* value) const
{
    uint32_t number = 0;
    return strings_.match(cursor, remaining, number) && number == (value ? value->getNumber() : 0);
}

// --- ANALOG ---

g2driverAnalogResponseElement::g2driverAnalogResponseElement(const g2driverAnalogResponseElement& other,
                                                             g2driverParameterTable& driverParameters,
                                                             g2driverParameterTable& templateParameters,
                                                             g2driverResponseValueTable& values)
    : g2driverParameterResponseElement(other, driverParameters, templateParameters, values), format_(other.format_),
      factor_(other.factor_), offset_(other.offset_)
{
}

g2driverResponseElement* g2driverAnalogResponseElement::duplicate(
    g2driverParameterTable& driverParameters, g2driverParameterTable& templateParameters,
    g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
    jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverAnalogResponseElement(*this, driverParameters, templateParameters, responseValues);
}

int32_t g2driverAnalogResponseElement::getValueKind() const { return g2valueKind::analog; }

void g2driverAnalogResponseElement::writeRecord(CObjectFile& file, int indent) const
{
    format_.write(file, indent);
    if (factor_ != HUGE_VAL && factor_ != 1)
        writeRealLine(file, indent, kw::FACTOR, factor_);
    if (offset_ != HUGE_VAL && offset_ != 0)
        writeRealLine(file, indent, kw::OFFSET, offset_);
}

gloadStatus g2driverAnalogResponseElement::loadRecord(int token, gstr& value)
{
    if (token == kw::FACTOR)
        return readReal(value, factor_, HUGE_VAL);
    if (token == kw::OFFSET)
        return readReal(value, offset_, HUGE_VAL);
    return format_.readKeyword(token, value, true);
}

void g2driverAnalogResponseElement::afterLoad()
{
    format_.afterLoad();
    if (factor_ == HUGE_VAL)
        factor_ = 1;
    if (offset_ == HUGE_VAL)
        offset_ = 0;
}

bool g2driverAnalogResponseElement::matches(const char*& cursor, int32_t remaining,
                                            const g2driverParameterValue* value) const
{
    double number = 0;
    int marker = 0;
    if (!format_.decode(cursor, remaining, number, marker))
        return false;
    const double factor = factor_ == HUGE_VAL ? 1 : factor_;
    const double offset = offset_ == HUGE_VAL ? 0 : offset_;
    return number == (value ? value->getReal() * factor + offset : offset);
}

// --- STRING ---

g2driverStringResponseElement::g2driverStringResponseElement(const g2driverStringResponseElement& other,
                                                             g2driverParameterTable& driverParameters,
                                                             g2driverParameterTable& templateParameters,
                                                             g2driverResponseValueTable& values)
    : g2driverParameterResponseElement(other, driverParameters, templateParameters, values), match_(other.match_)
{
}

g2driverResponseElement* g2driverStringResponseElement::duplicate(
    g2driverParameterTable& driverParameters, g2driverParameterTable& templateParameters,
    g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
    jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverStringResponseElement(*this, driverParameters, templateParameters, responseValues);
}

int32_t g2driverStringResponseElement::getValueKind() const { return g2valueKind::string; }

bool g2driverStringResponseElement::matches(const char*& cursor, int32_t remaining,
                                            const g2driverParameterValue* value) const
{
    gstr text;
    if (!match_.match(cursor, remaining, text))
        return false;
    const gstrSlice expected = value ? gstrSlice(value->getText()) : gstrSlice::empty;
    return text.view() == expected.view();
}
