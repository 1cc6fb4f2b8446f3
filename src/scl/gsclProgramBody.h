#pragma once

#include "foundation/garrayMap.h"
#include "formats/gdecoder.h"
#include "formats/gencoder.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>

class CObjectFile;

// What both kinds of SCL program hold: the program text, the instruction
// limit and the numbered data decoders and encoders. It is the program's
// used-by list, by which program calls hold the program, so a program whose
// list is not empty cannot be deleted.
//
// The text keeps its lines separated by a single CR, with none after the last
// line. The coder tables are keyed by the coder's number (an unsigned 32-bit
// number kept as the key's bits) and own their coders.
class gsclProgramBody : public gprogramUsedByList {
public:
    gsclProgramBody() = default;
    // Text, limit and clones of the coders; no callers.
    gsclProgramBody(const gsclProgramBody& other);
    // Callers refer to this program, not to its contents: they stay.
    gsclProgramBody& operator=(const gsclProgramBody& other);
    ~gsclProgramBody() override = default;

    // The tag under which the program is named in used-by messages (the
    // program-call tag), and the text shown for it there.
    const gstr& getOwnerName() const { return programTag(); }
    virtual const gstr& getOwnerTitle() const = 0;

    // Becomes equal to the other: its text, its limit and clones of its
    // coders under the same numbers. The callers are not touched.
    void assign(const gsclProgramBody& other);

    // Empty when the program has no code.
    const gstr& code() const noexcept { return code_; }
    // An empty text clears the code.
    void setCode(const gstrSlice& text);
    // 0: no limit; a set limit is at least 1.
    int32_t limit() const noexcept { return limit_; }
    void setLimit(int32_t limit) noexcept { limit_ = limit > 0 ? limit : 0; }

    const garrayMapOwned<gdecoder>& decoders() const noexcept { return decoders_; }
    garrayMapOwned<gdecoder>& decoders() noexcept { return decoders_; }
    const garrayMapOwned<gencoder>& encoders() const noexcept { return encoders_; }
    garrayMapOwned<gencoder>& encoders() noexcept { return encoders_; }

    // At the indent of the owner's fields: one CODE line per line of the
    // text, LIMIT when set, then a block per decoder and per encoder in
    // ascending number ("DECODER n, KIND", the coder's fields one level
    // deeper, "END").
    void writeFields(CObjectFile& file, int indent) const;
    // CODE, LIMIT, DECODER and ENCODER lines; a new coder becomes the owner's
    // embedded target, which sends it the following lines up to its END.
    // Other tokens answer unknownKeyword.
    gloadStatus loadField(gstorable& owner, int token, gstr& value);
    // A body that read no code has none.
    void afterLoad();

private:
    gloadStatus loadCode(const gstr& value);
    gloadStatus loadLimit(const gstr& value);
    gloadStatus loadCoder(gstorable& owner, int token, const gstr& value);

    // Without a buffer until the first CODE line is read, so that empty
    // lines at the start of a program are kept like any other line.
    gstr code_;
    int32_t limit_ = 0;
    // Declared in this order so that the encoders are deleted first.
    garrayMapOwned<gdecoder> decoders_;
    garrayMapOwned<gencoder> encoders_;
};
