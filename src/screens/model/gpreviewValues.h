#pragma once

#include "foundation/gstr.h"

#include <cstdint>

// What the screen editor shows instead of live values: the state each kind
// of indicator is drawn in (a state id), the blink phase the bar's timer
// flips, and the values of the Indicator Values settings. One set for the
// whole program, kept across screens and stations.
struct gpreviewValues {
    int32_t bistateState = 4;
    int32_t multistateState = 2;
    uint32_t multistateNumber = 0;
    int32_t digitalState = 4;
    int32_t stringState = 4;
    int32_t analogState = 4;
    int32_t dialState = 4;
    int32_t markerState = 12;
    int32_t blinkPhase = 0;
    uint32_t digitalValue = 720;
    double analogValue = 1.53;
    gstr stringText;
};

gpreviewValues& previewValues();

// The state shown for a state that may blink: the on state (3) unless the
// register's alarm level is 3 or more, then on or blink by the phase.
int blinkingState(int level);
