#pragma once

#include "foundation/gstr.h"

class CObjectListCtrl;
class QWidget;

// Placement and columns of an object-list window in its "Select Dialogs\..."
// section. A placement saved on a screen of another size is scaled to the
// current one; without all four values the window keeps its own placement,
// but its columns are still restored.
void restoreWindowState(QWidget& window, CObjectListCtrl& list, const gstrSlice& section);
void saveWindowState(const QWidget& window, const CObjectListCtrl& list, const gstrSlice& section);

// value x current / saved, rounded; unchanged when the sizes are equal.
int scaleToScreen(int value, int current, int saved);

// The screen size the main frame saved its bar state on, for the scaling:
// "ScreenCX" and "ScreenCY" of "Control Bars\0005-Summary".
extern const char* const barStateSection;
extern const char* const barSummarySection;
