#pragma once

class gtitledObject;
class jhashDatabaseTable;

// What Import Device Drivers asks of a driver that a device-driver library
// put into the library tables: to move into the station.
class gimportableDriver {
public:
    virtual ~gimportableDriver() = default;
    // Leaves its library table for its station table, under its own tag or,
    // when the station has that tag, under "<tag>-2", "<tag>-3", ... whichever
    // is free first; no longer a library object; the station is modified.
    // Never fails.
    virtual void importIntoStation() = 0;
};

// The move itself, for any titled object between two tables of its type.
void moveIntoStation(gtitledObject& object, jhashDatabaseTable& library, jhashDatabaseTable& station);
