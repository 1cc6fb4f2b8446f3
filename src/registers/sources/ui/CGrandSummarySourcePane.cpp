#include "registers/sources/ui/CGrandSummarySourcePane.h"

#include "registers/gbistateSupplement.h"

std::unique_ptr<CSourcePane> CGrandSummarySourcePane::make(const gregisterSource*)
{
    return std::make_unique<CGrandSummarySourcePane>();
}

bool CGrandSummarySourcePane::create(CRegisterDialog& dialog)
{
    addLabel(-1, "(Summarizes all alarms in the station)", 0, 2, 200, 8);
    becomeChildOf(dialog, 286, 14);
    return true;
}

void CGrandSummarySourcePane::applyToBistate(gbistateSupplement& supplement) { supplement.newGrandSummarySource(); }
