#pragma once

#include "store/gimportableDriver.h"
#include "store/gtitledObject.h"

// A device driver of the current generation (object type G2DRIVER), kept in the
// station's or the library's G2 driver table. Its commands, templates,
// parameters, data objects, error codes and programs come with the G2 driver
// model; so far it is its tag and title.
class g2driver : public gtitledObject, public gimportableDriver {
public:
    g2driver() = default;

    const gobjectType* getObjectType() const override;
    g2driver* clone() const { return new g2driver(*this); }
    void importIntoStation() override;
};
