#pragma once

#include "store/keywordTokens.h"
#include "store/numericField.h"

// The numeric fields of SCL programs, as their loader, writer and dialog take
// them.
namespace programFields {

// How often the run-time program runs the program.
inline constexpr gsecondsField interval{kw::INTERVAL, anyTimeout, {1, 2147483000}, 10084};

} // namespace programFields
