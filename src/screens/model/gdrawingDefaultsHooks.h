#pragma once

// The drawing defaults (gdrawingProperties) live in the model, which keeps
// their references across closing and loading stations itself. The screen
// editor shows them in its drawing-properties bar; it installs these hooks
// to hear when the station changed under them. Without hooks nothing more
// is done.
class gdrawingDefaultsHooks {
public:
    virtual ~gdrawingDefaultsHooks() = default;
    // The station is being closed: the defaults have kept the tags of what
    // they referred to and refer to nothing of it any more.
    virtual void resetDefaults() = 0;
    // A station was loaded: the defaults refer to its objects again and
    // their images were found again.
    virtual void refreshDefaults() = 0;
};

void installDrawingDefaultsHooks(gdrawingDefaultsHooks* hooks);
gdrawingDefaultsHooks* drawingDefaultsHooks();
