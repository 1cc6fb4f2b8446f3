#include "legacy/glegacyMask.h"

#include "store/gobjectType.h"

const gobjectType* glegacyMask::getObjectType() const { return &objectTypes::legacyMask(); }
