#pragma once

#include "foundation/gstr.h"
#include "store/gprocessorCall.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>

class CObjectFile;

// How a checksum is computed: the algorithm with its word layout or its CRC
// start value and final xor, an optional complement, or the driver program
// that computes it. Shared by the checksum command and response elements,
// whose uses list it keeps pointed at its program.
class g2driverChecksum {
public:
    static constexpr int32_t notSet = 0;
    static constexpr int32_t sum = 1;
    static constexpr int32_t lrc = 2;
    static constexpr int32_t crc16 = 3;
    static constexpr int32_t crcCcitt = 4;
    static constexpr int32_t crc32 = 5;
    static constexpr int32_t mod128 = 6;
    static constexpr int32_t mod256 = 7;
    static constexpr int32_t printable = 8;
    static constexpr int32_t processor = 9;

    explicit g2driverChecksum(const greferrer* owner) : uses_(owner) {}
    // A copy with the program bound by tag in programs (none: the table of
    // the original's call).
    g2driverChecksum(const g2driverChecksum& other, const greferrer* owner, gprocessorCall::programTable* programs);
    g2driverChecksum(const g2driverChecksum&) = delete;
    g2driverChecksum& operator=(const g2driverChecksum&) = delete;

    int32_t kind() const noexcept { return kind_; }
    int32_t complement() const noexcept { return complement_; }
    int32_t wordOption() const noexcept { return wordOption_; }
    uint32_t initialValue() const noexcept { return initial_; }
    uint32_t finalXor() const noexcept { return finalXor_; }
    const gprocessorCall& program() const noexcept { return program_; }

    // Any kind but PROCESSOR drops the program.
    void setKind(int32_t kind);
    void setOptions(int32_t complement, int32_t wordOption, uint32_t initial, uint32_t finalXor) noexcept;
    // A copy of the call, with the uses pointed at its program.
    void setProgram(const gprocessorCall& call);
    // The program bound again by tag in the driver's programs.
    void setDriver(gprocessorCall::programTable* programs);
    // Points the uses at the program (or at nothing).
    void relink();

    // CHECKSUM, COMPLEMENT and the PROGRAM block.
    void write(CObjectFile& file, int indent) const;
    // CHECKSUM, COMPLEMENT and PROGRAM (whose block the owner reads on);
    // unknownKeyword for the rest.
    gloadStatus loadKeyword(gstorable& owner, int token, const gstr& value);
    // A kind; no complement for the CRCs and PROCESSOR; a program exactly
    // for PROCESSOR.
    bool isValid() const;
    // The checksum of the bytes; 0 for PROCESSOR, which the driver program
    // computes at run time.
    uint32_t compute(const gstrSlice& bytes) const;

    static bool isCrc(int32_t kind) noexcept { return kind >= crc16 && kind <= crc32; }

private:
    gloadStatus loadKind(const gstr& value);

    int32_t kind_ = notSet;
    int32_t complement_ = 0;
    int32_t wordOption_ = 0;
    uint32_t initial_ = 0;
    uint32_t finalXor_ = 0;
    gprocessorCall program_;
    gusesList uses_;
};
