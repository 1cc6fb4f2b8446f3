#pragma once

#include "foundation/gstr.h"

class g2driverDataObject;
class gdevice;
struct gregisterBatchOptions;

// Where a serial data-object source's data lies: a G2 device on a serial
// port and a data object of the device's G2 driver.
struct gserialObjectPlace {
    gdevice* device = nullptr;
    g2driverDataObject* object = nullptr;
};

// Follows the Modify/Duplicate Registers run's port change, device renaming
// and serial-object renaming for the data-object location of one source:
// looks up the renamed device and object in the new port, falls back to the
// old names and the old port, and says in the log what it kept, "specified
// by" the owner's title. Answers the count of changes made and leaves in
// the place the device and object found (unchanged when none is found).
// The caller renames its parameter values beforehand and points its data-
// object reference and uses list at the place afterwards.
int rebindSerialObject(const gregisterBatchOptions& options, const gstrSlice& owner, gserialObjectPlace& place,
                       gstr& log);
