#pragma once

#include "foundation/goffsetParameter.h"

#include <cstdint>
#include <vector>

class QComboBox;
class g2driverParameter;

// The source page that opens a rotate or offset parameter list: its terms,
// which the list dialog replaces in one step at OK, and the parameters of
// the data object being edited.
class parameterTermOwner {
public:
    virtual ~parameterTermOwner() = default;

    virtual std::vector<goffsetParameter>& parameterTerms() = 0;
    // Fills the combo with the data object's parameters of the value kind
    // (tag as text, the parameter as the item's object), the chosen one
    // selected, else the first; the number of entries.
    virtual int fillParameterCombo(QComboBox& combo, int32_t kind, const g2driverParameter* chosen) = 0;
};
