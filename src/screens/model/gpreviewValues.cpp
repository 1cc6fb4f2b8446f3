#include "screens/model/gpreviewValues.h"

gpreviewValues& previewValues()
{
    static gpreviewValues values;
    return values;
}

int blinkingState(int level) { return level < 3 ? 3 : 3 - previewValues().blinkPhase; }
