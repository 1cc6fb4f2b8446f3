#include "g2driver/model/g2driver.h"

#include "store/gobjectType.h"
#include "store/gstation.h"

const gobjectType* g2driver::getObjectType() const { return &objectTypes::g2Driver(); }

void g2driver::importIntoStation() { moveIntoStation(*this, driverLibrary::g2Drivers(), station::g2Drivers()); }
