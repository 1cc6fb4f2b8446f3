#include "store/jhashDatabaseTable.h"

#include "foundation/gfault.h"
#include "store/gstationState.h"

#include <memory>

jhashDatabaseTable::~jhashDatabaseTable() { deleteAll(); }

jhashDatabaseObject* jhashDatabaseTable::enterNew(const gstrSlice& tag)
{
    std::unique_ptr<jhashDatabaseObject> entry(createObject());
    entry->setName(tag);
    if (!insert(entry.get()))
        throw gfault("enter failed in jhashDatabaseTable::crossReference()");
    return entry.release();
}

jhashDatabaseObject* jhashDatabaseTable::crossReference(const gstrSlice& tag)
{
    if (jhashDatabaseObject* entry = findEntry(tag))
        return entry;
    jhashDatabaseObject* entry = enterNew(tag);
    ++stationState().unresolved;
    return entry;
}

jhashDatabaseObject* jhashDatabaseTable::crossReference(const gstrSlice& tag, defineForm_t)
{
    jhashDatabaseObject* entry = findEntry(tag);
    if (!entry) {
        entry = enterNew(tag);
    } else if (entry->isDefined()) {
        return nullptr;
    } else {
        --stationState().unresolved;
    }
    entry->setDefined(1);
    return entry;
}

void jhashDatabaseTable::copyFrom(jhashDatabaseTable& other)
{
    deleteAll();
    transferFrom(other);
}
