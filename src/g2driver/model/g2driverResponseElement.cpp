#include "g2driver/model/g2driverResponseElement.h"

#include "g2driver/model/g2driverChecksumResponseElement.h"
#include "g2driver/model/g2driverCommandElementResponseElement.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverDataResponseElement.h"
#include "g2driver/model/g2driverErrorCodeElement.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "g2driver/model/g2driverParameterResponseElement.h"
#include "g2driver/model/g2driverRegexpResponseElement.h"
#include "g2driver/model/g2driverResponseList.h"
#include "g2driver/model/g2driverValueResponseElement.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <iterator>

namespace {

constexpr int aResponseElement = 20183;

constexpr int typeTokens[] = {kw::REGEXP,
                              kw::V_COMMAND_ELEMENT,
                              kw::BISTATE,
                              kw::V_DIGITAL_NUMBER,
                              kw::V_DIGITAL_STRINGS,
                              kw::ANALOG,
                              kw::STRING,
                              kw::V_NUMERICAL_VALUE,
                              kw::V_STRING_VALUE,
                              kw::CHECKSUM,
                              kw::DATA,
                              kw::V_NUMERICAL_ERROR_CODE,
                              kw::V_STRING_ERROR_CODE};

} // namespace

g2driverResponseElement* g2driverResponseElement::create(int token, int32_t errorList)
{
    switch (token) {
    case kw::REGEXP: return new g2driverRegexpResponseElement;
    case kw::V_COMMAND_ELEMENT: return new g2driverCommandElementResponseElement;
    case kw::BISTATE: return new g2driverBistateResponseElement;
    case kw::V_DIGITAL_NUMBER: return new g2driverDigitalNumberResponseElement;
    case kw::V_DIGITAL_STRINGS: return new g2driverDigitalStringsResponseElement;
    case kw::ANALOG: return new g2driverAnalogResponseElement;
    case kw::STRING: return new g2driverStringResponseElement;
    case kw::V_NUMERICAL_VALUE: return new g2driverNumericalValueResponseElement;
    case kw::V_STRING_VALUE: return new g2driverStringValueResponseElement;
    case kw::CHECKSUM: return new g2driverChecksumResponseElement;
    case kw::DATA: return errorList ? nullptr : new g2driverDataResponseElement;
    case kw::V_NUMERICAL_ERROR_CODE: return errorList ? new g2driverNumericalErrorCodeElement : nullptr;
    case kw::V_STRING_ERROR_CODE: return errorList ? new g2driverStringErrorCodeElement : nullptr;
    default: return nullptr;
    }
}

int g2driverResponseElement::typeKeyword(int type) noexcept
{
    return type >= 0 && type < static_cast<int>(std::size(typeTokens)) ? typeTokens[type] : kw::REGEXP;
}

g2driverResponseElement::g2driverResponseElement(const g2driverResponseElement& other,
                                                 g2driverResponseValueTable& values)
    : gstorable(), greferrer()
{
    setCondition(other.condition_.get(), values);
}

g2driverResponseElement::~g2driverResponseElement() = default;

void g2driverResponseElement::writeHeader(CObjectFile& file, int indent) const
{
    const int type = getType();
    const bool errorList = list_ && list_->getErrorFlag() != 0 && type != g2responseElementType::data;
    writeKeywordLine(file, indent, errorList ? kw::ERROR_ELEMENT : kw::RESPONSE_ELEMENT, typeKeyword(type));
}

void g2driverResponseElement::writeFields(CObjectFile& file, int indent) const
{
    if (condition_)
        condition_->write(file, indent);
}

gloadStatus g2driverResponseElement::loadField(int token, gstr& value)
{
    if (token != kw::CONDITION)
        return gstorable::loadField(token, value);
    if (condition_)
        return gload::alreadyLoaded;
    g2driverResponseValueTable* values = valueTable();
    if (!values)
        return gload::invalidValue;
    auto condition = std::make_unique<g2driverResponseCondition>();
    if (condition->read(value, *values) != gload::accepted)
        return gload::invalidValue;
    conditionUses_.set(condition->value()->usedBy());
    condition_ = std::move(condition);
    return gload::accepted;
}

bool g2driverResponseElement::conditionHolds(const jhashNamedObjectTable& values) const
{
    return !condition_ || condition_->holds(values);
}

void g2driverResponseElement::setCondition(const g2driverResponseCondition* record, g2driverResponseValueTable& values)
{
    if (!record || !record->value()) {
        condition_.reset();
        conditionUses_.clear();
        return;
    }
    auto condition = std::make_unique<g2driverResponseCondition>(*record);
    g2driverResponseValue* value = values.reference(record->value()->getName());
    value->acceptKind(g2driverResponseCondition::neededKind(record->op()));
    condition->setValue(value);
    conditionUses_.set(value->usedBy());
    condition_ = std::move(condition);
}

g2driverCommandTemplate* g2driverResponseElement::owningTemplate() const noexcept
{
    return list_ ? list_->getTemplate() : nullptr;
}

g2driver* g2driverResponseElement::owningDriver() const noexcept
{
    g2driverCommandTemplate* shape = owningTemplate();
    return shape ? shape->getDriver() : nullptr;
}

g2driverResponseValueTable* g2driverResponseElement::valueTable() const noexcept
{
    return list_ ? &list_->values() : nullptr;
}

void g2driverResponseElement::describeReferrer(gstr& text) const
{
    if (g2driverCommandTemplate* shape = owningTemplate()) {
        shape->describeReferrer(text);
        return;
    }
    gstr line;
    text.append(line.loadString(aResponseElement));
}
