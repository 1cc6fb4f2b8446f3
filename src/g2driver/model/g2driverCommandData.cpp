#include "g2driver/model/g2driverCommandData.h"

#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "foundation/valueParsers.h"
#include "store/gkeyword.h"

g2driverCommandData::~g2driverCommandData() { elements_.deleteAll(); }

void g2driverCommandData::setCommand(g2driverCommand* command)
{
    command_ = command;
    for (int32_t i = elements_.size() - 1; i >= 0; --i)
        elements_[i]->setCommand(command);
}

void g2driverCommandData::setDriver(g2driver* driver)
{
    for (int32_t i = elements_.size() - 1; i >= 0; --i)
        elements_[i]->setDriver(driver);
}

void g2driverCommandData::copyFrom(const g2driverCommandData& source, g2driverParameterTable& parameters,
                                   g2driverProgramTable* programs)
{
    for (int32_t i = 0; i < source.elements_.size(); ++i)
        elements_.append(source.elements_[i]->duplicate(parameters, programs));
}

void g2driverCommandData::assignElements(garrayOwned<g2driverCommandElement>& elements)
{
    elements_.transferFrom(elements);
}

void g2driverCommandData::writeHeader(CObjectFile& file, int indent) const
{
    writeStringLine(file, indent, kw::DATA, getName());
}

void g2driverCommandData::writeFields(CObjectFile& file, int indent) const
{
    for (int32_t i = 0; i < elements_.size(); ++i)
        elements_[i]->writeEmbedded(file, indent);
}

gloadStatus g2driverCommandData::loadField(int token, gstr& value)
{
    if (token != kw::COMMAND_ELEMENT)
        return gstorable::loadField(token, value);
    int kind = -1;
    if (parseKeywordItem(value.data(), kind) != itemResult::end)
        return gload::invalidValue;
    g2driverCommandElement* element = g2driverCommandElement::create(kind, false);
    if (!element)
        return gload::invalidValue;
    elements_.append(element);
    element->setCommand(command_);
    element->setDriver(command_ ? command_->getDriver() : nullptr);
    loadEmbeddedObject(element);
    return gload::accepted;
}
