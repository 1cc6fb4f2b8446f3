#include "screens/model/stationScreens.h"

#include "foundation/jhashIterator.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gimage.h"
#include "screens/model/gimageEvents.h"
#include "store/gstation.h"

void screensAfterStationLoad()
{
    finishImageLoad();
    drawingDefaults().reattachReferences();
    screensImagesLoaded(true);
}

void screensBeforeStationSave()
{
    jhashTypedIterator<fscreen> it(station::screens());
    fscreen* screen = nullptr;
    while (it.get(screen))
        screen->collectImages();
}

void screensAfterStationSave() { releaseImageObjects(); }

void screensBeforeStationClose()
{
    drawingDefaults().detachReferences();
    clipboardScreen().deleteAllObjects();
    jhashTypedIterator<fscreen> it(station::screens());
    fscreen* screen = nullptr;
    while (it.get(screen))
        screen->deleteAllObjects();
}

void screensAfterStationClear()
{
    clipboardScreen().deleteAllObjects();
    removeStationImages();
}
