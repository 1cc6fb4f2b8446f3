#include "screens/model/gimage.h"

#include "store/gobjectType.h"

const gobjectType* gimage::getObjectType() const { return &objectTypes::image(); }

void imagesAfterStationLoad() {}

void imagesBeforeStationSave() {}

void imagesAfterStationSave() {}

void imageLibraryCleanUp() {}
