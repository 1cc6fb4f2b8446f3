#pragma once

#include "store/keywordTokens.h"
#include "store/numericField.h"

#include <cstdint>

// The numeric fields of G2 drivers, their command templates and commands, as
// their loaders, writers and dialogs take them.
namespace driverFields {

// A driver's minimum delay between commands.
inline constexpr gsecondsField minimumDelay{kw::DELAY, anySeconds, {0, 4294967000}, 10609};
// A driver's default number of attempts of a command.
inline constexpr gintegerField retries{kw::RETRIES, {1, INT32_MAX}, {1, INT32_MAX}, 10499};
// A command template's time: the response timeout of a template that reads
// a response, the delay after the command of one that does not.
inline constexpr gsecondsField templateTimeout{kw::DELAY, anySeconds, {1, 2147483647}, 10110};
inline constexpr gsecondsField templateDelay{kw::DELAY, anySeconds, {0, 2147483647}, 13010};
// A command's own timeout and retry count.
inline constexpr gsecondsField commandTimeout{kw::TIMEOUT, anyTimeout, {1, 2147483647}, 10110};
inline constexpr gintegerField commandRetries{kw::RETRIES, {1, INT32_MAX}, {1, INT32_MAX}, 10499};
// The pause of a delay command element.
inline constexpr gsecondsField elementDelay{kw::DELAY, anyTimeout, {1, 4294967000}, 10745};

} // namespace driverFields
