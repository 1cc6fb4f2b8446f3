#include "shell/screenEditorServices.h"

namespace {

screenEditorServices* installed = nullptr;

} // namespace

void installScreenEditorServices(screenEditorServices* services) { installed = services; }

screenEditorServices* screenEditor() { return installed; }

void refreshDrawingPropertiesBar()
{
    if (installed)
        installed->refreshDrawingPropertiesBar();
}
