#pragma once

#include "store/jhashTypedDatabaseTable.h"

class fscreen;
class g2driver;
class gimage;
class glegacyDriver;
class glegacyMask;
class glegacyParameter;
class gregister;
class gsabusRequest;
class gsclProgram;
class gserialPort;

// The tables of the open station, one per object type (the four register
// kinds share one), and the three library tables that hold a device-driver
// library while it is read for import. Each is built on first use and lives
// until the end of the run; loading and closing empty and refill them.
namespace station {
jhashTypedDatabaseTable<gimage>& images();
jhashTypedDatabaseTable<fscreen>& screens();
jhashTypedDatabaseTable<glegacyDriver>& legacyDrivers();
jhashTypedDatabaseTable<glegacyMask>& legacyMasks();
jhashTypedDatabaseTable<gregister>& registers();
jhashTypedDatabaseTable<gserialPort>& serialPorts();
jhashTypedDatabaseTable<glegacyParameter>& legacyParameters();
jhashTypedDatabaseTable<gsclProgram>& programs();
jhashTypedDatabaseTable<gsabusRequest>& requests();
jhashTypedDatabaseTable<g2driver>& g2Drivers();
} // namespace station

namespace driverLibrary {
jhashTypedDatabaseTable<glegacyDriver>& legacyDrivers();
jhashTypedDatabaseTable<glegacyMask>& legacyMasks();
jhashTypedDatabaseTable<g2driver>& g2Drivers();
} // namespace driverLibrary
