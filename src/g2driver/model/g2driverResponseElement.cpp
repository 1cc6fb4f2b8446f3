#include "g2driver/model/g2driverResponseElement.h"

bool g2driverResponseElement::conditionHolds(const jhashNamedObjectTable&) const { return true; }

int g2driverResponseElement::decode(g2serialTransaction&, const char*&, int32_t) { return badData; }
