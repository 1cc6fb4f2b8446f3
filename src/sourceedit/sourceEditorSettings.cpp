#include "sourceedit/sourceEditorSettings.h"

unsigned sourceEditorOptions = 0;
uint32_t sourceEditorHighlightColour = 0;
int sourceEditorMode = 0;

void sourceEditorSetOptions(unsigned bits, bool on)
{
    sourceEditorOptions = on ? sourceEditorOptions | bits : sourceEditorOptions & ~bits;
}
