#include "registers/sources/g2driverDerivedDataSource.h"

#include "g2driver/model/g2driverDataObject.h"
#include "store/keywordTokens.h"

g2driverDerivedDataSource::g2driverDerivedDataSource(const g2driverDerivedDataSource& other,
                                                     const g2driverSourceTables& tables)
    : g2driverDataSource(other), reference_(other.reference_, tables.dataObjects)
{
}

void g2driverDerivedDataSource::writeFields(CObjectFile& file, int indent) const
{
    reference_.writeFields(file, indent);
}

gloadStatus g2driverDerivedDataSource::loadField(int token, gstr& value)
{
    if (token == kw::OBJECT || token == kw::PARAMETER)
        return reference_.loadField(token, value);
    return g2driverDataSource::loadField(token, value);
}

void g2driverDerivedDataSource::afterLoad() { reference_.afterLoad(); }

bool g2driverDerivedDataSource::isComplete() const { return reference_.isComplete(); }

bool g2driverDerivedDataSource::acceptsValueKind(int32_t kind) const { return kind == 1; }

gstr g2driverDerivedDataSource::describe() const { return reference_.describe(); }

void g2driverDerivedDataSource::bindDriver(g2driver* driver) { reference_.bindDriver(driver); }

void g2driverDerivedDataSource::collectUses(gusesList& uses) { reference_.collectUsesWithinDriver(uses); }

void g2driverDerivedDataSource::requireObjectKind(int32_t kind)
{
    g2driverDataObject* object = reference_.getDataObject();
    if (!object)
        return;
    if (object->getTypeCode() == 0)
        object->setTypeCode(kind);
    else if (object->getTypeCode() != kind)
        reference_.dropDataObject();
}
