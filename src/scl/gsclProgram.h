#pragma once

#include "store/gtitledObject.h"
#include "store/gusedByList.h"

// A station SCL program (object type PROGRAM). It is its own used-by list,
// which program calls hold it by. Code, instruction limit, coders and
// schedules come with the SCL programs; so far it is its tag, title and
// callers.
class gsclProgram : public gtitledObject, public gprogramUsedByList {
public:
    gsclProgram() = default;
    // A copy has its own (empty) list of callers.
    gsclProgram(const gsclProgram& other) = default;

    const gobjectType* getObjectType() const override;
    const gstr& programTag() const override { return getTag(); }
    gsclProgram* clone() const { return new gsclProgram(*this); }
};
