#pragma once

#include "store/gtitledObject.h"

// An image carried inside a station file (object type IMAGE). Its image data
// comes with the screen model; so far it is its tag and title.
class gimage : public gtitledObject {
public:
    gimage() = default;

    const gobjectType* getObjectType() const override;
    gimage* clone() const { return new gimage(*this); }
};
