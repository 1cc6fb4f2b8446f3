#include "legacy/glegacyDriver.h"

#include "store/gobjectType.h"

const gobjectType* glegacyDriver::getObjectType() const { return &objectTypes::legacyDriver(); }
