#pragma once

#include "store/gtitledObject.h"

// A legacy parameter (object type PARAMETER). Its value comes with the legacy
// drivers; so far it is its tag and title.
class glegacyParameter : public gtitledObject {
public:
    glegacyParameter() = default;

    const gobjectType* getObjectType() const override;
    glegacyParameter* clone() const { return new glegacyParameter(*this); }
};
