#pragma once

#include <cstddef>
#include <cstdint>

// A running checksum over bytes. result hands out the value and starts again
// from the initial value, so one object checks frame after frame.
class jchecksum {
public:
    virtual ~jchecksum() = default;
    virtual void update(const void* bytes, size_t count) = 0;
    // Writes resultSize bytes, least significant first, then restarts.
    virtual void result(uint8_t* out) = 0;
    virtual int resultSize() const = 0;
    virtual void compute(uint8_t* out, const void* bytes, size_t count);
};

// The table-driven CRCs. The register starts at the initial value; the value
// is the register XOR the final mask. The 16-bit kinds keep only the low 16
// bits of both.
class jcrc : public jchecksum {
public:
    void result(uint8_t* out) override;
    uint32_t value() const noexcept { return register_ ^ finalXor_; }

protected:
    jcrc(uint32_t initial, uint32_t finalXor) noexcept
        : initial_(initial), finalXor_(finalXor), register_(initial)
    {
    }

    uint32_t initial_;
    uint32_t finalXor_;
    uint32_t register_;
};

// Polynomial 0x04C11DB7, reflected (least significant bit first).
class jcrc32 : public jcrc {
public:
    jcrc32(uint32_t initial, uint32_t finalXor) noexcept : jcrc(initial, finalXor) {}
    void update(const void* bytes, size_t count) override;
    int resultSize() const override { return 4; }
};

// Polynomial 0x8005, reflected.
class jcrc16 : public jcrc {
public:
    jcrc16(uint32_t initial, uint32_t finalXor) noexcept : jcrc(initial & 0xFFFF, finalXor & 0xFFFF) {}
    void update(const void* bytes, size_t count) override;
    int resultSize() const override { return 2; }
};

// Polynomial 0x1021, not reflected (most significant bit first).
class jcrcCcitt : public jcrc {
public:
    jcrcCcitt(uint32_t initial, uint32_t finalXor) noexcept : jcrc(initial & 0xFFFF, finalXor & 0xFFFF) {}
    void update(const void* bytes, size_t count) override;
    int resultSize() const override { return 2; }
};
