#include "registers/sources/g2driverMultipleSource.h"

int g2driverMultipleSource::acceptsObjectType(int) const { return 1; }
