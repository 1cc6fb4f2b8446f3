#pragma once

#include "store/gtitledObject.h"

// A legacy data mask (object type MASK), kept in the station's or the
// library's mask table. Its patterns, buffer size and time-out come with the
// legacy drivers; so far it is its tag and title.
class glegacyMask : public gtitledObject {
public:
    glegacyMask() = default;

    const gobjectType* getObjectType() const override;
    glegacyMask* clone() const { return new glegacyMask(*this); }
};
