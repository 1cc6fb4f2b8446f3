#include "store/gstation.h"

#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyParameter.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "sabus/gsabusRequest.h"
#include "scl/gsclProgram.h"
#include "screens/model/fscreen.h"
#include "screens/model/gimage.h"

namespace {

// One object so that the tables are built together and destroyed together.
struct stationTables {
    jhashTypedDatabaseTable<gimage> images{20};
    jhashTypedDatabaseTable<fscreen> screens{20};
    jhashTypedDatabaseTable<glegacyDriver> legacyDrivers{20};
    jhashTypedDatabaseTable<glegacyMask> legacyMasks{100};
    jhashTypedDatabaseTable<gregister> registers{100};
    jhashTypedDatabaseTable<gserialPort> serialPorts{32};
    jhashTypedDatabaseTable<glegacyParameter> legacyParameters{10};
    jhashTypedDatabaseTable<gsclProgram> programs{100};
    jhashTypedDatabaseTable<gsabusRequest> requests{10};
    jhashTypedDatabaseTable<g2driver> g2Drivers{20};
    jhashTypedDatabaseTable<glegacyDriver> libraryLegacyDrivers{20};
    jhashTypedDatabaseTable<glegacyMask> libraryLegacyMasks{100};
    jhashTypedDatabaseTable<g2driver> libraryG2Drivers{20};
};

stationTables& tables()
{
    static stationTables all;
    return all;
}

} // namespace

namespace station {
jhashTypedDatabaseTable<gimage>& images() { return tables().images; }
jhashTypedDatabaseTable<fscreen>& screens() { return tables().screens; }
jhashTypedDatabaseTable<glegacyDriver>& legacyDrivers() { return tables().legacyDrivers; }
jhashTypedDatabaseTable<glegacyMask>& legacyMasks() { return tables().legacyMasks; }
jhashTypedDatabaseTable<gregister>& registers() { return tables().registers; }
jhashTypedDatabaseTable<gserialPort>& serialPorts() { return tables().serialPorts; }
jhashTypedDatabaseTable<glegacyParameter>& legacyParameters() { return tables().legacyParameters; }
jhashTypedDatabaseTable<gsclProgram>& programs() { return tables().programs; }
jhashTypedDatabaseTable<gsabusRequest>& requests() { return tables().requests; }
jhashTypedDatabaseTable<g2driver>& g2Drivers() { return tables().g2Drivers; }
} // namespace station

namespace driverLibrary {
jhashTypedDatabaseTable<glegacyDriver>& legacyDrivers() { return tables().libraryLegacyDrivers; }
jhashTypedDatabaseTable<glegacyMask>& legacyMasks() { return tables().libraryLegacyMasks; }
jhashTypedDatabaseTable<g2driver>& g2Drivers() { return tables().libraryG2Drivers; }
} // namespace driverLibrary
