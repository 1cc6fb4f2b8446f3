#pragma once

#include "store/keywordTokens.h"
#include "store/numericField.h"

// The times of a ping source, as its loader, writer and pane take them.
namespace pingFields {

// How often the address is pinged: at least half a second.
inline constexpr gsecondsField interval{kw::INTERVAL, {500, gmilliseconds::notSetCount - 1}, {500, 2147483647}, 10404};
// How long one answer may take.
inline constexpr gsecondsField timeout{kw::TIMEOUT, anyTimeout, {1, 2147483647}, 10110};

} // namespace pingFields
