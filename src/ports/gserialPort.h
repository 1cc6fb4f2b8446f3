#pragma once

#include "store/gtitledObject.h"

// A serial port of the station (object type PORT). Device path, line
// settings, devices and polling come with the serial ports; so far it is its
// tag and title.
class gserialPort : public gtitledObject {
public:
    gserialPort() = default;

    const gobjectType* getObjectType() const override;
    gserialPort* clone() const { return new gserialPort(*this); }
};
