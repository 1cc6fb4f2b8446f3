#include "registers/sources/gcommandDataRef.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverParameter.h"
#include "g2driver/model/g2driverResponseDataName.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gusedByList.h"

gstrSlice gcommandDataRef::dataElementName() const
{
    return dataElement_ ? gstrSlice(dataElement_->getName()) : gstrSlice(pendingName_);
}

void gcommandDataRef::setLocation(g2driverCommand* command, const g2driverParameterValueTable& values,
                                  g2driverResponseDataName* dataElement)
{
    description_.clear();
    command_ = command;
    values_.deleteAll();
    g2driverParameterValue::copyAll(values, values_);
    dataElement_ = dataElement;
    pendingName_.clear();
}

void gcommandDataRef::copyFrom(const gcommandDataRef& other, jhashTypedDatabaseTable<g2driverCommand>& commands)
{
    description_.clear();
    command_ = other.command_ ? commands.reference(other.command_->getName()) : nullptr;
    dataElement_ = nullptr;
    pendingName_.clear();
    if (command_)
        bindDataElement(other.dataElementName());
    values_.deleteAll();
    g2driverParameterValue::copyAll(other.values_, values_);
    key_ = other.key_;
    offset_ = other.offset_;
    offsetParameters_ = other.offsetParameters_;
}

void gcommandDataRef::rebindOffsetParameters(g2driverParameterTable& parameters)
{
    for (goffsetParameter& parameter : offsetParameters_)
        parameter.rebindParameter(parameters);
}

void gcommandDataRef::bindDataElement(const gstrSlice& name)
{
    dataElement_ = nullptr;
    pendingName_.clear();
    if (name.isEmpty())
        return;
    g2driverCommandTemplate* commandTemplate = command_->isDefined() ? command_->getTemplate() : nullptr;
    if (commandTemplate)
        dataElement_ = commandTemplate->responseDataNames().reference(name);
    else
        pendingName_.assign(name);
}

void gcommandDataRef::writeFields(CObjectFile& file, int indent) const
{
    gstrSlice name = dataElementName();
    if (command_ && !name.isEmpty()) {
        gkeyword::byToken(kw::DATA).writeKey(file, indent);
        command_->getName().write(file, 2);
        name.write(file, 1);
    }
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        gkeyword::byToken(kw::PARAMETER).writeKey(file, indent);
        value->write(file, 1);
    }
    if (key_.isSet()) {
        gkeyword::byToken(kw::KEY).writeKey(file, indent);
        key_.write(file, 1);
    }
    if (offset_ != 0 && offset_ != offsetNotRead) {
        gkeyword::byToken(kw::OFFSET).writeKey(file, indent);
        file.writeInt(offset_, 1);
    }
    for (const goffsetParameter& parameter : offsetParameters_) {
        gkeyword::byToken(kw::OFFSET_PARAM).writeKey(file, indent);
        parameter.write(file, 1);
    }
}

gloadStatus gcommandDataRef::loadField(int token, const gstr& value)
{
    switch (token) {
    case kw::DATA: return loadData(value);
    case kw::KEY: return loadKey(value);
    case kw::OFFSET: return loadOffset(value);
    case kw::OFFSET_PARAM: return loadOffsetParameter(value);
    case kw::PARAMETER: return g2driverParameterValue::loadLine(values_, value);
    default: return gload::unknownKeyword;
    }
}

gloadStatus gcommandDataRef::loadData(const gstr& value)
{
    if (command_)
        return gload::alreadyLoaded;
    gstr tag;
    gstr name;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty())
        return gload::invalidValue;
    if (name.parse(next) != itemResult::end || name.isEmpty())
        return gload::invalidValue;
    g2driverDataObject* object = owner_->getDataObject();
    g2driver* driver = object ? object->getDriver() : nullptr;
    if (!driver)
        return gload::invalidValue;
    command_ = driver->referenceCommand(tag);
    pendingName_.adopt(name);
    description_.clear();
    return gload::accepted;
}

gloadStatus gcommandDataRef::loadKey(const gstr& value)
{
    if (key_.isSet())
        return gload::alreadyLoaded;
    return key_.parse(value.data(), false, false) == itemResult::end ? gload::accepted : gload::invalidValue;
}

gloadStatus gcommandDataRef::loadOffset(const gstr& value)
{
    if (offset_ != offsetNotRead)
        return gload::alreadyLoaded;
    int32_t offset = 0;
    if (parseIntItem(value.data(), offset) != itemResult::end || offset == offsetNotRead)
        return gload::invalidValue;
    offset_ = offset;
    return gload::accepted;
}

gloadStatus gcommandDataRef::loadOffsetParameter(const gstr& value)
{
    g2driverDataObject* object = owner_->getDataObject();
    if (!object)
        return gload::invalidValue;
    goffsetParameter parameter;
    const char* cursor = nullptr;
    if (parameter.parse(*object, value.data(), cursor) != itemResult::end)
        return gload::invalidValue;
    offsetParameters_.push_back(parameter);
    return gload::accepted;
}

void gcommandDataRef::afterLoad()
{
    if (offset_ == offsetNotRead)
        offset_ = 0;
    if (!command_)
        return;
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        g2driverParameter* parameter = command_->parameters().reference(value->getName());
        if (parameter->getInternal() == 1 || !parameter->acceptKind(value->getKind())) {
            command_ = nullptr;
            description_.clear();
            return;
        }
        if (parameter->getInternal() == 0)
            parameter->setInternal(-1);
    }
}

bool gcommandDataRef::isComplete() const
{
    if (!command_)
        return false;
    return key_.isSet() || !offsetParameters_.empty() || offset_ >= 0;
}

void gcommandDataRef::bindDriver(g2driver* driver)
{
    if (!command_ || !driver)
        return;
    gstr name(dataElementName());
    command_ = driver->referenceCommand(command_->getName());
    bindDataElement(name);
    description_.clear();
}

void gcommandDataRef::resolveReferences()
{
    if (command_ && !pendingName_.isEmpty() && command_->isDefined()) {
        gstr name;
        name.adopt(pendingName_);
        bindDataElement(name);
    }
}

void gcommandDataRef::collectUses(gusesList& uses)
{
    if (!dataElement_ || !command_)
        return;
    uses.add(command_->usedBy(1));
    uses.add(dataElement_->usedBy());
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value))
        uses.add(command_->parameters().reference(value->getName())->usedBy(3));
    for (const goffsetParameter& parameter : offsetParameters_)
        parameter.addReferences(uses);
}

const gstr& gcommandDataRef::describe() const
{
    if (description_.isEmpty() && command_) {
        description_.assign(command_->getName());
        g2driverParameterValue::describeList(description_, command_->parameters().ordered(), values_);
    }
    if (description_.isNull())
        description_.assign("");
    return description_;
}
