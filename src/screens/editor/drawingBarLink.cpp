#include "screens/editor/drawingBarLink.h"

namespace {

drawingBarTarget* installed = nullptr;

} // namespace

void installDrawingBar(drawingBarTarget* bar) { installed = bar; }

void barShowSelection(fscreen& screen)
{
    if (installed)
        installed->showSelection(screen);
}

void barShowDefaults()
{
    if (installed)
        installed->showDefaults();
}

void barRefreshScreenList()
{
    if (installed)
        installed->refreshScreenList();
}
