#include "g2driver/model/g2driverParameterCommandElement.h"

#include "foundation/gfault.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandBuilder.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr const char* parameterMismatch =
    "Parameter type mismatch in g2driverParameterCommandElement::g2driverParameterCommandElement(const "
    "g2driverBitFieldCommandElement &,jhashTypedDatabaseTable<g2driverParameter> &,"
    "jhashTypedDatabaseTable<g2driverParameter> &)";

} // namespace

int scopeKeyword(int32_t scope) noexcept
{
    switch (scope) {
    case g2parameterScope::driver: return kw::DRIVER_PARAM;
    case g2parameterScope::templateOf: return kw::TEMPLATE_PARAM;
    default: return kw::PARAMETER;
    }
}

int32_t scopeOfKeyword(int token) noexcept
{
    switch (token) {
    case kw::DRIVER_PARAM: return g2parameterScope::driver;
    case kw::TEMPLATE_PARAM: return g2parameterScope::templateOf;
    case kw::PARAMETER: return g2parameterScope::command;
    default: return -1;
    }
}

// --- base ---

g2driverParameterCommandElement::g2driverParameterCommandElement(const g2driverParameterCommandElement& other,
                                                                 g2driverParameterTable& driverParameters,
                                                                 g2driverParameterTable& otherParameters)
    : g2driverCommandElement(other)
{
    if (!other.parameter_)
        return;
    g2driverParameterTable& table =
        other.parameter_->getScope() == g2parameterScope::driver ? driverParameters : otherParameters;
    g2driverParameter* parameter = table.find(other.parameter_->getName());
    if (!parameter)
        throw gfault(parameterMismatch);
    setParameter(parameter);
}

void g2driverParameterCommandElement::setParameter(g2driverParameter* parameter)
{
    parameter_ = parameter;
    uses_.clear();
    if (parameter)
        uses_.add(parameter->usedBy());
}

void g2driverParameterCommandElement::writeFields(CObjectFile& file, int indent) const
{
    if (parameter_)
        writeStringLine(file, indent, scopeKeyword(parameter_->getScope()), parameter_->getName());
    writeOwnFields(file, indent);
}

gloadStatus g2driverParameterCommandElement::loadField(int token, gstr& value)
{
    const int32_t scope = scopeOfKeyword(token);
    if (scope < 0) {
        gloadStatus status = g2driverCommandElement::loadField(token, value);
        return status == gload::unknownKeyword ? loadOwnField(token, value) : status;
    }
    if (parameter_)
        return gload::alreadyLoaded;
    gstr tag;
    if (readOneTag(value, tag) != gload::accepted)
        return gload::invalidValue;
    g2driverParameterTable* table = nullptr;
    if (getTemplate() && scope == g2parameterScope::templateOf)
        table = &getTemplate()->parameters();
    else if (getTemplate() && scope == g2parameterScope::driver && getTemplate()->getDriver())
        table = &getTemplate()->getDriver()->parameters();
    else if (!getTemplate() && getCommand() && scope == g2parameterScope::command)
        table = &getCommand()->parameters();
    if (!table)
        return gload::invalidValue;
    g2driverParameter* parameter = table->referenceAs(tag, scope);
    if (!parameter->acceptKind(parameterKind()))
        return gload::invalidValue;
    setParameter(parameter);
    return gload::accepted;
}

gstr g2driverParameterCommandElement::describe() const { return parameter_ ? parameter_->getName() : gstr(""); }

void g2driverParameterCommandElement::rebind(int32_t scope, g2driverParameterTable* table)
{
    if (!parameter_ || parameter_->getScope() != scope || !table)
        return;
    g2driverParameter* parameter = table->find(parameter_->getName());
    if (parameter && !parameter->acceptKind(parameterKind()))
        parameter = nullptr;
    setParameter(parameter);
}

void g2driverParameterCommandElement::setTemplate(g2driverCommandTemplate* owner)
{
    g2driverCommandElement::setTemplate(owner);
    rebind(g2parameterScope::templateOf, owner ? &owner->parameters() : nullptr);
}

void g2driverParameterCommandElement::setCommand(g2driverCommand* owner)
{
    g2driverCommandElement::setCommand(owner);
    rebind(g2parameterScope::command, owner ? &owner->parameters() : nullptr);
}

void g2driverParameterCommandElement::setDriver(g2driver* driver)
{
    rebind(g2parameterScope::driver, driver ? &driver->parameters() : nullptr);
}

void g2driverParameterCommandElement::encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output)
{
    if (pass != 1)
        return;
    const g2driverParameterValue* value = parameter_ ? builder.findParameter(*parameter_) : nullptr;
    if (value && value->getKind() != parameterKind())
        value = nullptr;
    output.addSegment(encodeValue(value), gmilliseconds::notSet);
}

// --- BISTATE ---

g2driverBistateCommandElement::g2driverBistateCommandElement(const g2driverBistateCommandElement& other,
                                                             g2driverParameterTable& driverParameters,
                                                             g2driverParameterTable& otherParameters)
    : g2driverParameterCommandElement(other, driverParameters, otherParameters), strings_(other.strings_)
{
}

void g2driverBistateCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::BISTATE);
}

g2driverCommandElement* g2driverBistateCommandElement::duplicate(g2driverParameterTable& commandParameters,
                                                                  g2driverProgramTable*) const
{
    return new g2driverBistateCommandElement(*this, commandParameters, commandParameters);
}

g2driverCommandElement* g2driverBistateCommandElement::cloneForTemplate(g2driverParameterTable& driverParameters,
                                                                         g2driverParameterTable& templateParameters,
                                                                         g2driverCommandDataNameTable&,
                                                                         g2driverProgramTable*) const
{
    return new g2driverBistateCommandElement(*this, driverParameters, templateParameters);
}

int32_t g2driverBistateCommandElement::parameterKind() const { return g2valueKind::bistate; }

gstr g2driverBistateCommandElement::encodeValue(const g2driverParameterValue* value) const
{
    return strings_.text(value && value->getNumber() != 0);
}

// --- DIGITAL NUMBER ---

g2driverDigitalNumberCommandElement::g2driverDigitalNumberCommandElement(
    const g2driverDigitalNumberCommandElement& other, g2driverParameterTable& driverParameters,
    g2driverParameterTable& otherParameters)
    : g2driverParameterCommandElement(other, driverParameters, otherParameters), format_(other.format_)
{
}

void g2driverDigitalNumberCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::V_DIGITAL_NUMBER);
}

g2driverCommandElement* g2driverDigitalNumberCommandElement::duplicate(g2driverParameterTable& commandParameters,
                                                                        g2driverProgramTable*) const
{
    return new g2driverDigitalNumberCommandElement(*this, commandParameters, commandParameters);
}

g2driverCommandElement* g2driverDigitalNumberCommandElement::cloneForTemplate(
    g2driverParameterTable& driverParameters, g2driverParameterTable& templateParameters,
    g2driverCommandDataNameTable&, g2driverProgramTable*) const
{
    return new g2driverDigitalNumberCommandElement(*this, driverParameters, templateParameters);
}

int32_t g2driverDigitalNumberCommandElement::parameterKind() const { return g2valueKind::digital; }

gstr g2driverDigitalNumberCommandElement::encodeValue(const g2driverParameterValue* value) const
{
    return format_.encode(value ? value->getNumber() : 0);
}

// --- DIGITAL STRINGS ---

g2driverDigitalStringsCommandElement::g2driverDigitalStringsCommandElement(
    const g2driverDigitalStringsCommandElement& other, g2driverParameterTable& driverParameters,
    g2driverParameterTable& otherParameters)
    : g2driverParameterCommandElement(other, driverParameters, otherParameters), strings_(other.strings_)
{
}

void g2driverDigitalStringsCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::V_DIGITAL_STRINGS);
}

g2driverCommandElement* g2driverDigitalStringsCommandElement::duplicate(g2driverParameterTable& commandParameters,
                                                                         g2driverProgramTable*) const
{
    return new g2driverDigitalStringsCommandElement(*this, commandParameters, commandParameters);
}

g2driverCommandElement* g2driverDigitalStringsCommandElement::cloneForTemplate(
    g2driverParameterTable& driverParameters, g2driverParameterTable& templateParameters,
    g2driverCommandDataNameTable&, g2driverProgramTable*) const
{
    return new g2driverDigitalStringsCommandElement(*this, driverParameters, templateParameters);
}

int32_t g2driverDigitalStringsCommandElement::parameterKind() const { return g2valueKind::digital; }

gstr g2driverDigitalStringsCommandElement::encodeValue(const g2driverParameterValue* value) const
{
    const gstr& text = strings_.textFor(value ? value->getNumber() : 0);
    return gstr(text.isNull() ? gstrSlice::empty : gstrSlice(text));
}

// --- ANALOG ---

g2driverAnalogCommandElement::g2driverAnalogCommandElement(const g2driverAnalogCommandElement& other,
                                                           g2driverParameterTable& driverParameters,
                                                           g2driverParameterTable& otherParameters)
    : g2driverParameterCommandElement(other, driverParameters, otherParameters), format_(other.format_),
      factor_(other.factor_), offset_(other.offset_)
{
}

void g2driverAnalogCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::ANALOG);
}

void g2driverAnalogCommandElement::writeOwnFields(CObjectFile& file, int indent) const
{
    format_.writeFields(file, indent);
    if (factor_ != HUGE_VAL && factor_ != 1)
        writeRealLine(file, indent, kw::FACTOR, factor_);
    if (offset_ != HUGE_VAL && offset_ != 0)
        writeRealLine(file, indent, kw::OFFSET, offset_);
}

gloadStatus g2driverAnalogCommandElement::loadOwnField(int token, gstr& value)
{
    if (token == kw::FACTOR)
        return readReal(value, factor_, HUGE_VAL);
    if (token == kw::OFFSET)
        return readReal(value, offset_, HUGE_VAL);
    return format_.loadField(token, value);
}

void g2driverAnalogCommandElement::afterLoad()
{
    format_.afterLoad();
    if (factor_ == HUGE_VAL)
        factor_ = 1;
    if (offset_ == HUGE_VAL)
        offset_ = 0;
}

g2driverCommandElement* g2driverAnalogCommandElement::duplicate(g2driverParameterTable& commandParameters,
                                                                 g2driverProgramTable*) const
{
    return new g2driverAnalogCommandElement(*this, commandParameters, commandParameters);
}

g2driverCommandElement* g2driverAnalogCommandElement::cloneForTemplate(g2driverParameterTable& driverParameters,
                                                                        g2driverParameterTable& templateParameters,
                                                                        g2driverCommandDataNameTable&,
                                                                        g2driverProgramTable*) const
{
    return new g2driverAnalogCommandElement(*this, driverParameters, templateParameters);
}

int32_t g2driverAnalogCommandElement::parameterKind() const { return g2valueKind::analog; }

gstr g2driverAnalogCommandElement::encodeValue(const g2driverParameterValue* value) const
{
    const double factor = factor_ == HUGE_VAL ? 1 : factor_;
    const double offset = offset_ == HUGE_VAL ? 0 : offset_;
    return format_.format(value ? value->getReal() * factor + offset : offset);
}

// --- STRING ---

g2driverStringCommandElement::g2driverStringCommandElement(const g2driverStringCommandElement& other,
                                                           g2driverParameterTable& driverParameters,
                                                           g2driverParameterTable& otherParameters)
    : g2driverParameterCommandElement(other, driverParameters, otherParameters), format_(other.format_)
{
}

void g2driverStringCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::STRING);
}

g2driverCommandElement* g2driverStringCommandElement::duplicate(g2driverParameterTable& commandParameters,
                                                                 g2driverProgramTable*) const
{
    return new g2driverStringCommandElement(*this, commandParameters, commandParameters);
}

g2driverCommandElement* g2driverStringCommandElement::cloneForTemplate(g2driverParameterTable& driverParameters,
                                                                        g2driverParameterTable& templateParameters,
                                                                        g2driverCommandDataNameTable&,
                                                                        g2driverProgramTable*) const
{
    return new g2driverStringCommandElement(*this, driverParameters, templateParameters);
}

int32_t g2driverStringCommandElement::parameterKind() const { return g2valueKind::string; }

gstr g2driverStringCommandElement::encodeValue(const g2driverParameterValue* value) const
{
    return format_.encode(value ? gstrSlice(value->getText()) : gstrSlice::empty);
}
