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

// The screen model's steps around loading, saving and clearing a station,
// which the station-file loader and writer call. Until screens hold images
// they leave the station IMAGE table as it is, so IMAGE objects are read and
// written back like any other object.
void imagesAfterStationLoad();
void imagesBeforeStationSave();
void imagesAfterStationSave();
void imageLibraryCleanUp();
