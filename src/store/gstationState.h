#pragma once

#include <cstdint>

// The state of the open station, shared by the whole program.
struct gstationState {
    int32_t open = 0;       // a station (or library) is open
    int32_t modified = 0;   // it has unsaved changes; set by every edit
    int32_t unresolved = 0; // placeholders made by references and not yet
                            // defined; meaningful only during a load
};

gstationState& stationState();
