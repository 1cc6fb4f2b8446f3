#include "sourceedit/ui/sourceUiColours.h"

#include "platform/systemColours.h"
#include "sourceedit/sourceColour.h"

QColor sourceColour(uint32_t colour)
{
    if (!isSystemColour(colour))
        return colourFromRef(colour);
    switch (systemColourIndex(colour)) {
    case sysColourIndexScrollBar: return systemColour(sysColour::buttonFace);
    case sysColourIndexWindowText: return systemColour(sysColour::windowText);
    case sysColourIndexHighlight: return systemColour(sysColour::highlight);
    case sysColourIndexHighlightText: return systemColour(sysColour::highlightText);
    default: return systemColour(sysColour::window);
    }
}
