#pragma once

#include <cstdint>

// The settings every source view of the process shares. Start-up sets them
// once (the margin, automatic indentation and both print options on, tab
// width 3, bookmarks red); the colour settings change the background later.
// They are read by every view and written only from the user-interface
// thread.

// Option bits of sourceEditorOptions.
constexpr unsigned sourceOptionMargin = 0x01;          // show the bookmark margin
constexpr unsigned sourceOptionTabBlanks = 0x02;       // a typed tab inserts blanks
constexpr unsigned sourceOptionAutoIndent = 0x04;      // a line break repeats the leading blanks
constexpr unsigned sourceOptionPrintLineNumbers = 0x08;
constexpr unsigned sourceOptionPrintWrapMark = 0x10;
constexpr unsigned sourceOptionFixedMargin = 0x20;     // the margin stays when the text scrolls

extern unsigned sourceEditorOptions;
// The bookmark colour: red in the low byte, green in the next, blue in the
// third.
extern uint32_t sourceEditorHighlightColour;
// The tab width: display columns between tab stops.
extern int sourceEditorMode;
// Typed characters replace the one under the caret; Insert toggles it.
extern bool sourceEditorOverwrite;
// What fills the window behind the text: a colour reference, a system colour
// when the top bit is set (sourceColour.h).
extern uint32_t sourceEditorBackground;

// Sets (on) or clears (off) the given bits of the option word.
void sourceEditorSetOptions(unsigned bits, bool on);
bool sourceEditorOptionSet(unsigned bits);
// The tab width kept within 1 to 64, so that no setting divides by zero or
// outgrows the blanks a tab is drawn from.
int sourceEditorTabWidth();
