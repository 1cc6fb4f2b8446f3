#pragma once

#include "store/numericField.h"

#include <cstdint>

class CNonNegativeSpinEdit;
class CRealSpinEdit;
class CSpinEdit;
class CUnsignedSpinEdit;

// The spin edits of numeric fields, driven by the field's one description:
// the spin's limits are the dialog's range, the conversions those of the
// field, and reading takes what the field's dialog takes (the value the
// dialog was opened with included). Nothing here shows a message: on false
// the dialog refuses the field with the field's message.
namespace fieldEdits {

void limitSpin(CSpinEdit& edit, const gintegerField& field);
void limitSpin(CSpinEdit& edit, const gsecondsField& field);

// The duration as seconds; a value not set shows 0.
void showSeconds(CRealSpinEdit& edit, gmilliseconds value);
// The count the field stores for the text; a text that does not read as a
// number counts as the given seconds.
bool readSeconds(const CRealSpinEdit& edit, const gsecondsField& field, gmilliseconds shown, double unreadable,
                 uint32_t& count);
// The whole number of the text; one that does not read counts as the given
// number.
bool readInteger(const CNonNegativeSpinEdit& edit, const gintegerField& field, int32_t shown, int32_t unreadable,
                 int32_t& value);
bool readInteger(const CUnsignedSpinEdit& edit, const gintegerField& field, int64_t shown, uint32_t unreadable,
                 uint32_t& value);

} // namespace fieldEdits
