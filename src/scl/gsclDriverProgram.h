#pragma once

#include "scl/gsclProgramBody.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// The SCL side of a program of a G2 device driver: its body and whether the
// program is internal to the driver, with the lines the program writes and
// reads inside the driver's block ("PROGRAM" and the tag, the body, INTERNAL,
// "END"). The driver's program class adds the entry of the driver's program
// table, whose tag names the program (programTag); a driver program has no
// title.
//
// The internal flag is -1 while a file is read and has not given it, 0 or 1
// otherwise.
class gsclDriverProgram : public gsclProgramBody, public gstorable {
public:
    // Empty code, no limit, no coders, internal flag -1.
    gsclDriverProgram() = default;
    gsclDriverProgram(const gsclDriverProgram& other) = default;
    gsclDriverProgram& operator=(const gsclDriverProgram&) = delete;
    ~gsclDriverProgram() override = default;

    const gstr& getOwnerTitle() const override { return programTag(); }

    int32_t getInternal() const noexcept { return internal_; }
    void setInternal(int32_t flag) noexcept { internal_ = flag != 0 ? 1 : 0; }

    // "PROGRAM", the keyword padding and the tag as a value.
    void writeHeader(CObjectFile& file, int indent) const override;
    // The body, then INTERNAL when set.
    void writeFields(CObjectFile& file, int indent) const override;
    // INTERNAL, the body's lines, then "END".
    gloadStatus loadField(int token, gstr& value) override;
    // An internal flag still unset becomes 0.
    void afterLoad() override;

private:
    int32_t internal_ = -1;
};
