#pragma once

#include "foundation/jhashObject.h"
#include "scl/gsclDriverProgram.h"

// A program of a G2 device driver (block PROGRAM inside the driver), kept
// in the driver's program table: the SCL side's driver program (code, limit,
// coders, internal flag, and the used-by list that program calls hold it
// by) plus its entry in the table, whose tag names the program.
class g2driverProgram : public gsclDriverProgram, public jhashDatabaseObject {
public:
    g2driverProgram() = default;
    g2driverProgram(const g2driverProgram& other) = default;

    const gstr& programTag() const override { return getName(); }
};
