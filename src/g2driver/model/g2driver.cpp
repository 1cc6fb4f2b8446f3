#include "g2driver/model/g2driver.h"

#include "store/gobjectType.h"

const gobjectType* g2driver::getObjectType() const { return &objectTypes::g2Driver(); }
