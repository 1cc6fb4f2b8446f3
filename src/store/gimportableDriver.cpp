#include "store/gimportableDriver.h"

#include "foundation/gfault.h"
#include "store/gstationState.h"
#include "store/gtitledObject.h"
#include "store/jhashDatabaseTable.h"

void moveIntoStation(gtitledObject& object, jhashDatabaseTable& library, jhashDatabaseTable& station)
{
    library.remove(&object);
    gstr tag(object.getTag());
    gstr candidate(tag);
    // Each taken number is an entry of the station table, so a free one comes
    // after at most as many tries as the table has entries.
    for (int n = 2; station.findEntry(candidate); ++n)
        candidate.format("%s-%d", tag, n);
    object.setName(candidate);
    if (!station.insert(&object))
        throw gfault("insert failed in moveIntoStation()");
    object.setLibraryFlag(0);
    stationState().modified = 1;
}
