#pragma once

#include "scl/gsclProgramBody.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"

// A station SCL program (object type PROGRAM). It is its own used-by list,
// which program calls hold it by. Code, instruction limit and schedules come
// with the SCL programs; so far it is its tag, title, callers and the data
// decoders and encoders of its body.
class gsclProgram : public gtitledObject, public gprogramUsedByList {
public:
    gsclProgram() = default;
    // A copy has its own (empty) list of callers and clones of the coders.
    gsclProgram(const gsclProgram& other) = default;

    const gobjectType* getObjectType() const override;
    const gstr& programTag() const override { return getTag(); }
    gsclProgram* clone() const { return new gsclProgram(*this); }

    const gsclProgramBody& body() const noexcept { return body_; }
    gsclProgramBody& body() noexcept { return body_; }

    // TITLE, then the coder blocks.
    void writeFields(CObjectFile& file, int indent) const override;
    // DECODER and ENCODER lines open a coder; the rest as a titled object.
    gloadStatus loadField(int token, gstr& value) override;

private:
    gsclProgramBody body_;
};
