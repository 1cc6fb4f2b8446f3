#include "registers/sources/gdataObjectRef.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gdataObjectRef::gdataObjectRef(const gdataObjectRef& other, dataObjectTable& table)
    : gstorable(other), header_(other.header_), internalAllowed_(other.internalAllowed_), table_(&table)
{
    if (other.object_)
        object_ = table.reference(other.object_->getName());
    g2driverParameterValue::copyAll(other.values_, values_);
}

gdataObjectRef::gdataObjectRef(const gdataObjectRef& other)
    : gstorable(other), header_(other.header_), internalAllowed_(other.internalAllowed_), driver_(other.driver_),
      table_(other.table_), object_(other.object_)
{
    g2driverParameterValue::copyAll(other.values_, values_);
}

gdataObjectRef::~gdataObjectRef() = default;

void gdataObjectRef::bindDriver(g2driver* driver)
{
    driver_ = driver;
    table_ = driver ? &driver->dataObjects() : nullptr;
    if (object_ && driver)
        object_ = driver->referenceDataObject(object_->getName());
}

void gdataObjectRef::bindTable(dataObjectTable* table)
{
    driver_ = nullptr;
    table_ = table;
    if (object_ && table)
        object_ = table->reference(object_->getName());
}

void gdataObjectRef::copyValues(const g2driverParameterValueTable& table)
{
    values_.deleteAll();
    g2driverParameterValue::copyAll(table, values_);
}

int gdataObjectRef::replaceInValues(const gstrSlice& find, const gstrSlice& replacement, bool matchCase,
                                    bool wholeWord)
{
    int count = 0;
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value))
        count += value->replace(find, replacement, matchCase, wholeWord);
    return count;
}

void gdataObjectRef::addParameterUses(gusesList& uses)
{
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value))
        uses.add(object_->parameters().reference(value->getName())->usedBy(2));
}

void gdataObjectRef::collectUses(gusesList& uses)
{
    if (!object_)
        return;
    uses.add(object_->usedBy(1));
    addParameterUses(uses);
}

void gdataObjectRef::collectUsesWithinDriver(gusesList& uses)
{
    if (!object_)
        return;
    uses.add(object_->usedBy(0));
    addParameterUses(uses);
}

gstr gdataObjectRef::describe() const
{
    gstr text("");
    if (!object_)
        return text;
    text.assign(object_->getName());
    g2driverParameterValue::describeList(text, object_->parameters().ordered(), values_);
    return text;
}

void gdataObjectRef::writeHeader(CObjectFile& file, int indent) const
{
    if (header_ < 0)
        return;
    gkeyword::byToken(header_).writeIndented(file, indent);
    file.newLine();
}

void gdataObjectRef::writeFields(CObjectFile& file, int indent) const
{
    if (object_) {
        gkeyword::byToken(kw::OBJECT).writeKey(file, indent);
        object_->getName().write(file, 1);
    }
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        gkeyword::byToken(kw::PARAMETER).writeKey(file, indent);
        value->write(file, 1);
    }
}

gloadStatus gdataObjectRef::loadField(int token, gstr& value)
{
    if (token == kw::OBJECT)
        return loadObject(value);
    if (token == kw::PARAMETER)
        return g2driverParameterValue::loadLine(values_, value);
    return gstorable::loadField(token, value);
}

gloadStatus gdataObjectRef::loadObject(const gstr& value)
{
    if (object_)
        return gload::alreadyLoaded;
    gstr name;
    if (!name.parseValue(value.data()) || name.isEmpty() || !table_)
        return gload::invalidValue;
    g2driverDataObject* object = driver_ ? driver_->referenceDataObject(name) : table_->reference(name);
    if (!internalAllowed_ && !object->acceptOutsideUser())
        return gload::invalidValue;
    object_ = object;
    return gload::accepted;
}

void gdataObjectRef::afterLoad()
{
    if (!object_)
        return;
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        if (!object_->parameters().reference(value->getName())->acceptKind(value->getKind())) {
            object_ = nullptr;
            return;
        }
    }
}
