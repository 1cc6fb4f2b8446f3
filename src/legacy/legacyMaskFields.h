#pragma once

#include "store/keywordTokens.h"
#include "store/numericField.h"

// The numeric fields of a legacy data mask, as its loader, writer and dialog
// take them.
namespace legacyMaskFields {

// How long a reply may take to arrive.
inline constexpr gsecondsField timeout{kw::TIMEOUT, anyTimeout, {1, 2147483647}, 10949};

} // namespace legacyMaskFields
