#include "scl/gsclProgram.h"

#include "store/gobjectType.h"

const gobjectType* gsclProgram::getObjectType() const { return &objectTypes::program(); }
