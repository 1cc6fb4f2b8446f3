#include "screens/model/gdrawingDefaultsHooks.h"

namespace {

gdrawingDefaultsHooks*& installed()
{
    static gdrawingDefaultsHooks* hooks = nullptr;
    return hooks;
}

} // namespace

void installDrawingDefaultsHooks(gdrawingDefaultsHooks* hooks) { installed() = hooks; }

gdrawingDefaultsHooks* drawingDefaultsHooks() { return installed(); }
