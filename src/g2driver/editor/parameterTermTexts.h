#pragma once

#include "foundation/gstr.h"

class goffsetParameter;

// The row texts of the rotate and offset parameter lists: the formula with
// the parameter's tag, and the range of values when the term has one. A
// rotate term shows its direction first ("<-" left, "-> " right, with the
// factor and 2nd offset of a right rotation shown positive).
gstr describeRotateTerm(const goffsetParameter& term);
gstr describeOffsetTerm(const goffsetParameter& term);
