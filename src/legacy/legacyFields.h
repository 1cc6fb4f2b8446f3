#pragma once

#include "store/keywordTokens.h"
#include "store/numericField.h"

// The times of legacy drivers and data masks, as their loaders, writers and
// dialogs take them.
namespace legacyFields {

// How long a data mask waits for its reply.
inline constexpr gsecondsField maskTimeout{kw::TIMEOUT, anyTimeout, {1, 2147483647}, 10949};
// How long a driver waits after a command without a response; a dialog
// takes whatever the file does.
inline constexpr gsecondsField driverDelay{kw::DELAY, anySeconds, anySeconds, 10940};

} // namespace legacyFields
