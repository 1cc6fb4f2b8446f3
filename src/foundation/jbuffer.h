#pragma once

#include <cstdint>
#include <memory>

// A fixed-capacity window that keeps the most recent bytes appended to it,
// oldest first. A serial exchange appends every byte received and matches the
// window against the reply it expects.
class jbuffer {
public:
    jbuffer() = default;
    jbuffer(const jbuffer&) = delete;
    jbuffer& operator=(const jbuffer&) = delete;

    // Allocates the window once; a second call or a size below 1 is an
    // internal fault.
    void create(int32_t newSize);

    void append(const void* bytes, int32_t n);
    void appendByte(uint8_t b) { append(&b, 1); }
    // Keeps the last min(capacity, n) bytes of the input and nothing else.
    void assign(const void* bytes, int32_t n);

    const uint8_t* data() const noexcept { return block_.get(); }
    int32_t used() const noexcept { return used_; }
    int32_t capacity() const noexcept { return capacity_; }

private:
    std::unique_ptr<uint8_t[]> block_;
    int32_t capacity_ = 0;
    int32_t used_ = 0;
};
