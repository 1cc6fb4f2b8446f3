#include "sabus/gsabusRequest.h"

#include "store/gobjectType.h"

const gobjectType* gsabusRequest::getObjectType() const { return &objectTypes::request(); }
