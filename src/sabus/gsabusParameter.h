#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <memory>

// One field of the data that arrives with an SABus command request and the
// SCL variable that receives it. Its block is "PARAMETER <kind keyword>", its
// fields, "END", nested in the command body. The kinds, by code (the order of
// the Select Parameter Type dialog plus one):
//   1 STRING     data matched by a pattern, into a string variable (optional)
//   2 NUMBER     a number, into a numerical variable
//   3 BOOLEAN    one of two data strings, into a boolean variable
//   4 STRINGS    one of a set of data strings, its value into a numerical
//                variable
//   5 BIT FIELD  single bits into up to six boolean variables
// Variables are plain names: a parameter refers to no station object.
class gsabusParameter : public gstorable {
public:
    enum kind : int { stringKind = 1, numberKind, booleanKind, stringSetKind, bitsKind };

    // "PARAMETER" and the kind's keyword.
    void writeHeader(CObjectFile& file, int indent) const override;

    // The text of the parameter's row in the command dialog's list.
    virtual gstr describe() const = 0;
    // An independent copy of the same kind.
    virtual std::unique_ptr<gsabusParameter> duplicate() const = 0;
    virtual int getType() const = 0;
};

// An empty parameter of the kind whose keyword token this is; null for any
// other.
std::unique_ptr<gsabusParameter> createSabusParameter(int token);
// The keyword token of a kind code (1 to 5); 0 for any other.
int sabusParameterKeyword(int kind);
