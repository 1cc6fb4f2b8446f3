#pragma once

#include "store/keywordTokens.h"
#include "store/numericField.h"

#include <cstdint>

// The numeric fields of ports, devices and driver error handling, as their
// loaders, writers and dialogs take them.
namespace portFields {

// A port's minimum delay between commands.
inline constexpr gsecondsField minimumDelay{kw::DELAY, anySeconds, {0, 4294967000}, 10217};
// A G2 device's custom retry count (0 in memory: none given).
inline constexpr gintegerField deviceRetries{kw::RETRIES, {1, INT32_MAX}, {1, 2147483646}, 10499};
// A legacy device's timeout tolerance (-1 in memory: none given).
inline constexpr gintegerField tolerance{kw::TOLERANCE, {0, INT32_MAX}, {0, INT32_MAX}, 10111};
// The delay between retries of a driver's error handling.
inline constexpr gsecondsField retryDelay{kw::DELAY, anySeconds, {0, 4294967000}, 10622};
// The most retries of a driver's error handling (0 in memory: none given).
inline constexpr gintegerField retries{kw::RETRIES, {2, INT32_MAX}, {2, 2147483646}, 10623};

} // namespace portFields
