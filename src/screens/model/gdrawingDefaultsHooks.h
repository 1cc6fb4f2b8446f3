#pragma once

// The drawing defaults belong to the screen editor in the window layer; the
// station loader reaches them through this interface, which the editor
// installs. Without one nothing is done.
class gdrawingDefaultsHooks {
public:
    virtual ~gdrawingDefaultsHooks() = default;
    // Back to the initial state (closing a station).
    virtual void resetDefaults() = 0;
    // Re-read fonts, pens, brushes and images for the loaded station.
    virtual void refreshDefaults() = 0;
};

void installDrawingDefaultsHooks(gdrawingDefaultsHooks* hooks);
gdrawingDefaultsHooks* drawingDefaultsHooks();
