#include "store/gstationState.h"

gstationState& stationState()
{
    static gstationState state;
    return state;
}
