#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"

// A program of a G2 device driver, kept in the driver's program table. Its
// used-by list comes first and is what program calls hold it by; the table
// finds the program from its database part. Its code comes with the G2
// driver model; so far it is its tag and callers.
class g2driverProgram : public gprogramUsedByList, public jhashDatabaseObject {
public:
    g2driverProgram() = default;
    g2driverProgram(const g2driverProgram& other) = default;

    const gstr& programTag() const override { return getName(); }
};
