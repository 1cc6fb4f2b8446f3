#pragma once

class fscreen;

// What the screen windows and dialogs tell the drawing-properties bar. The
// bar installs itself while it exists; without one nothing is done.
class drawingBarTarget {
public:
    virtual ~drawingBarTarget() = default;
    // The bar shows the screen's selection (its drawing defaults when
    // nothing is selected).
    virtual void showSelection(fscreen& screen) = 0;
    virtual void showDefaults() = 0;
    // The control pane reads the station's screens again.
    virtual void refreshScreenList() = 0;
};

void installDrawingBar(drawingBarTarget* bar);

void barShowSelection(fscreen& screen);
void barShowDefaults();
void barRefreshScreenList();
