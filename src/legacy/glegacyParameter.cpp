#include "legacy/glegacyParameter.h"

#include "store/gobjectType.h"

const gobjectType* glegacyParameter::getObjectType() const { return &objectTypes::legacyParameter(); }
