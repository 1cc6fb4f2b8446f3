#include "g2driver/model/g2driverResponseList.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "store/gkeyword.h"

#include <memory>

g2driverResponseList::~g2driverResponseList() { elements_.deleteAll(); }

void g2driverResponseList::append(g2driverResponseElement* element)
{
    elements_.append(element);
    element->setList(this);
}

gloadStatus g2driverResponseList::loadElement(gstorable& reader, const gstr& value)
{
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    std::unique_ptr<g2driverResponseElement> element(g2driverResponseElement::create(token, errorFlag_));
    if (!element)
        return gload::invalidValue;
    element->setList(this);
    element->setDriver(template_ ? template_->getDriver() : nullptr);
    g2driverResponseElement* adopted = element.release();
    elements_.append(adopted);
    reader.loadEmbeddedObject(adopted);
    return gload::accepted;
}

void g2driverResponseList::writeElements(CObjectFile& file, int indent) const
{
    for (int32_t i = 0; i < elements_.size(); ++i)
        elements_[i]->writeEmbedded(file, indent);
}

void g2driverResponseList::setDriver(g2driver* driver)
{
    for (int32_t i = elements_.size() - 1; i >= 0; --i)
        elements_[i]->setDriver(driver);
}

void g2driverResponseList::copyFrom(const g2driverResponseList& other, g2driverParameterTable& driverParameters,
                                    g2driverParameterTable& templateParameters,
                                    g2driverResponseDataNameTable& responseDataNames,
                                    jhashTypedDatabaseTable<g2driverProgram>* programs,
                                    g2driverErrorCodeTable& errorCodes, bool shareDataUsers)
{
    for (int32_t i = 0; i < other.elements_.size(); ++i) {
        g2driverResponseElement* copy = other.elements_[i]->duplicate(
            driverParameters, templateParameters, values_, responseDataNames, programs, errorCodes, shareDataUsers);
        append(copy);
    }
}

void g2driverResponseList::replaceFrom(g2driverResponseList& other)
{
    elements_.deleteAll();
    values_.copyFrom(other.values_);
    elements_.transferFrom(other.elements_);
    for (int32_t i = 0; i < elements_.size(); ++i)
        elements_[i]->setList(this);
}

void g2driverResponseList::listUndefined(const gstrSlice& description, gstr& out) const
{
    jhashTypedIterator<g2driverResponseValue> it(values_);
    g2driverResponseValue* value = nullptr;
    gstr line;
    while (it.get(value)) {
        if (!value->isDefined())
            out.append(line.format(20216, description, value->getName()));
    }
}
