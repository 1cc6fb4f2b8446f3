#pragma once

#include <cstdint>

// The source editor's program-wide settings, set at start-up. What the option
// bits and the mode mean is the source editor's own business.
extern unsigned sourceEditorOptions;
// A colour with red in the low byte, green in the next and blue in the third.
extern uint32_t sourceEditorHighlightColour;
extern int sourceEditorMode;

// Sets (on) or clears (off) the given bits of the option word.
void sourceEditorSetOptions(unsigned bits, bool on);
