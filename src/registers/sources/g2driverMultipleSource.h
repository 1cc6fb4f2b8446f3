#pragma once

#include "registers/sources/g2driverDataSource.h"

// The source made of several sources of one data object, which serves a
// data object of any type.
class g2driverMultipleSource : public g2driverDataSource {
public:
    int acceptsObjectType(int typeCode) const override;
};
