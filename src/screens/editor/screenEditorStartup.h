#pragma once

class CMainFrame;

// Joins the screen editor to the started main frame: the services the
// shell's windows ask of it, the Indicator Values command, and the
// drawing-properties bar showing the drawing defaults with fresh image
// lists.
void startScreenEditor(CMainFrame& frame);
