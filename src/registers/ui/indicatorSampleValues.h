#pragma once

#include "foundation/gstr.h"

#include <cstdint>

// The values indicators show while a screen is edited ("Settings":
// "DigitalValue", "AnalogValue", "StringValue"); the log format samples of
// the register dialogs show them too. A stored text that is not wholly a
// number of its kind gives the default: 720, 1.53 and an empty text.
uint32_t indicatorDigitalValue();
double indicatorAnalogValue();
gstr indicatorStringValue();
