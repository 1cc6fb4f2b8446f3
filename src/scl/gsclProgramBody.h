#pragma once

#include "foundation/garrayMap.h"
#include "formats/gdecoder.h"
#include "formats/gencoder.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// What an SCL program holds besides its identity: so far its numbered data
// decoders and encoders, each table keyed by the coder's number (an unsigned
// 32-bit number kept as the key's bits).
class gsclProgramBody {
public:
    gsclProgramBody() = default;
    // Copies hold clones of the other's coders.
    gsclProgramBody(const gsclProgramBody& other);
    gsclProgramBody& operator=(const gsclProgramBody& other);
    ~gsclProgramBody() = default;

    const garrayMapOwned<gdecoder>& decoders() const noexcept { return decoders_; }
    garrayMapOwned<gdecoder>& decoders() noexcept { return decoders_; }
    const garrayMapOwned<gencoder>& encoders() const noexcept { return encoders_; }
    garrayMapOwned<gencoder>& encoders() noexcept { return encoders_; }

    // One block per decoder, then one per encoder, each table in ascending
    // number: "DECODER n, KIND", the coder's fields one level deeper, "END".
    void writeCoders(CObjectFile& file, int indent) const;
    // A DECODER or ENCODER line: the number, a comma and a kind keyword. The
    // new coder is entered under its number and becomes reader's embedded
    // target, which sends it the following lines up to its END. Other
    // tokens answer unknownKeyword.
    gloadStatus loadCoderLine(int token, const gstr& value, gstorable& reader);

private:
    garrayMapOwned<gdecoder> decoders_;
    garrayMapOwned<gencoder> encoders_;
};
