#include "legacy/glegacyDriver.h"

#include "store/gobjectType.h"
#include "store/gstation.h"

const gobjectType* glegacyDriver::getObjectType() const { return &objectTypes::legacyDriver(); }

void glegacyDriver::importIntoStation()
{
    moveIntoStation(*this, driverLibrary::legacyDrivers(), station::legacyDrivers());
}
