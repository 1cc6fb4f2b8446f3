#include "registers/sources/g2driverCommandDataSource.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

g2driverCommandDataSource::g2driverCommandDataSource(const g2driverCommandDataSource& other,
                                                     const g2driverSourceTables& tables)
    : g2driverDataSource(other), reference_(*this)
{
    reference_.copyFrom(other.reference_, tables.commands);
}

void g2driverCommandDataSource::writeFields(CObjectFile& file, int indent) const
{
    reference_.writeFields(file, indent);
}

gloadStatus g2driverCommandDataSource::loadField(int token, gstr& value)
{
    gloadStatus status = reference_.loadField(token, value);
    if (status != gload::unknownKeyword)
        return status;
    return g2driverDataSource::loadField(token, value);
}

void g2driverCommandDataSource::afterLoad() { reference_.afterLoad(); }

bool g2driverCommandDataSource::isComplete() const { return reference_.isComplete(); }

gstr g2driverCommandDataSource::describe() const { return reference_.describe(); }

void g2driverCommandDataSource::setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters)
{
    g2driverDataSource::setOwner(owner, parameters);
    reference_.rebindOffsetParameters(parameters);
}

void g2driverCommandDataSource::bindDriver(g2driver* driver) { reference_.bindDriver(driver); }

void g2driverCommandDataSource::collectUses(gusesList& uses) { reference_.collectUses(uses); }

void g2driverCommandDataSource::resolveReferences() { reference_.resolveReferences(); }

gloadStatus g2driverCommandDataSource::loadLength(const gstr& value, int32_t& length)
{
    if (length != 0)
        return gload::alreadyLoaded;
    int32_t read = 0;
    if (parseIntItem(value.data(), read) != itemResult::end || read < 1)
        return gload::invalidValue;
    length = read;
    return gload::accepted;
}

void g2driverCommandDataSource::writeLength(CObjectFile& file, int indent, int32_t length)
{
    if (length == 0)
        return;
    gkeyword::byToken(kw::LENGTH).writeKey(file, indent);
    file.writeInt(length, 1);
}
