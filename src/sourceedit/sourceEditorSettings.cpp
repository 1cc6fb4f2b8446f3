#include "sourceedit/sourceEditorSettings.h"

#include "sourceedit/sourceColour.h"

#include <algorithm>

unsigned sourceEditorOptions = 0;
uint32_t sourceEditorHighlightColour = rgbColour(0, 0, 180);
int sourceEditorMode = 4;
bool sourceEditorOverwrite = false;
uint32_t sourceEditorBackground = systemColourRef(sysColourIndexWindow);

void sourceEditorSetOptions(unsigned bits, bool on)
{
    sourceEditorOptions = on ? sourceEditorOptions | bits : sourceEditorOptions & ~bits;
}

bool sourceEditorOptionSet(unsigned bits) { return (sourceEditorOptions & bits) != 0; }

int sourceEditorTabWidth() { return std::clamp(sourceEditorMode, 1, 64); }
