#pragma once

#include <cstdint>

class CDialog;

// Readers of the number fields of the source panes.

// The text of an unsigned field as a number of 0 to 4294967295 (blanks and
// one '+' in front allowed). The spin edit reads a larger number as its
// largest value; the panes' messages promise the range, so such a number is
// refused here. False when the text is no such number.
bool readUnsignedField(const CDialog& pane, int id, uint32_t& value);
