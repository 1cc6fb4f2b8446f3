#include "screens/editor/screenEditorHooks.h"

namespace {

screenObjectsChanger& changer()
{
    static screenObjectsChanger run;
    return run;
}

} // namespace

void installScreenObjectsChanger(screenObjectsChanger run) { changer() = std::move(run); }

const screenObjectsChanger& screenObjectsChangerDialog() { return changer(); }
