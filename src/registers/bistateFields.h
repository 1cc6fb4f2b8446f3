#pragma once

#include "store/keywordTokens.h"
#include "store/numericField.h"

// The numeric fields of a bistate register, as its loader, writer and dialog
// take them.
namespace bistateFields {

// The response time; the dialog rounds typed seconds up to whole
// milliseconds.
inline constexpr gsecondsField responseTime{kw::DELAY, anySeconds, {0, 2147483000}, 10074,
                                            gsecondsField::cut::roundUp};

} // namespace bistateFields
