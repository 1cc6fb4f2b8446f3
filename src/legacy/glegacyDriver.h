#pragma once

#include "store/gimportableDriver.h"
#include "store/gtitledObject.h"

// A legacy device driver (object type DRIVER), kept in the station's or the
// library's legacy driver table. Its commands and responses come with the
// legacy drivers; so far it is its tag and title.
class glegacyDriver : public gtitledObject, public gimportableDriver {
public:
    glegacyDriver() = default;

    const gobjectType* getObjectType() const override;
    glegacyDriver* clone() const { return new glegacyDriver(*this); }
    void importIntoStation() override;
};
