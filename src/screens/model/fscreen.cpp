#include "screens/model/fscreen.h"

#include "store/gobjectType.h"

const gobjectType* fscreen::getObjectType() const { return &objectTypes::screen(); }
