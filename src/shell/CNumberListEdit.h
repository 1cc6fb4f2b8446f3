#pragma once

#include "foundation/garrayVariable.h"
#include "shell/CFilteredEdit.h"

#include <cstdint>

// An edit of a list of unsigned numbers, separated by the user's list
// separator (blanks around the numbers allowed). It has no spin; typing is
// limited to digits, blanks and the separator.
class CNumberListEdit : public CKeyFilteredEdit {
public:
    using CKeyFilteredEdit::CKeyFilteredEdit;

    bool acceptsChar(unsigned char c) const override;
    // The items with "%u", each separator followed by one space. An empty
    // list leaves the text as it is.
    void setValues(const garrayVariable<uint32_t>& list);
    // The numbers of the text; an empty text gives true and no numbers. On
    // false the list keeps the numbers read before the fault. A minus sign,
    // which only a paste can bring, is a fault.
    bool getValues(garrayVariable<uint32_t>& list) const;
};
