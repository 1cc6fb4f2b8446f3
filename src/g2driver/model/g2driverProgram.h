#pragma once

#include "foundation/jhashObject.h"
#include "scl/gsclProgramBody.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>

// A program of a G2 device driver (block PROGRAM inside the driver), kept
// in the driver's program table: its body and whether it is internal to
// the driver. Its used-by list comes first and is what program calls hold
// it by; the table finds the program from its database part.
class g2driverProgram : public gprogramUsedByList, public jhashDatabaseObject, public gstorable {
public:
    g2driverProgram() = default;
    g2driverProgram(const g2driverProgram& other) = default;

    const gstr& programTag() const override { return getName(); }
    const gsclProgramBody& body() const noexcept { return body_; }
    gsclProgramBody& body() noexcept { return body_; }
    // -1 while not read, then 0 or 1.
    int32_t getInternal() const noexcept { return internal_; }
    void setInternal(int32_t flag) noexcept { internal_ = flag; }

    // PROGRAM and the tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    // The body, then INTERNAL YES when internal.
    void writeFields(CObjectFile& file, int indent) const override;
    // INTERNAL YES or NO; the body's lines.
    gloadStatus loadField(int token, gstr& value) override;
    // An unread internal flag becomes 0; the program is defined.
    void afterLoad() override;

private:
    gsclProgramBody body_;
    int32_t internal_ = -1;
};
