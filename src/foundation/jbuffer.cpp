#include "foundation/jbuffer.h"

#include "foundation/gfault.h"

#include <cstring>

void jbuffer::create(int32_t newSize)
{
    if (block_)
        throw gfault("block not NULL in jbuffer::create()");
    if (newSize < 1)
        throw gfault("newSize not positive in jbuffer::create()");
    block_ = std::make_unique<uint8_t[]>(static_cast<size_t>(newSize));
    capacity_ = newSize;
    used_ = 0;
}

void jbuffer::append(const void* bytes, int32_t n)
{
    if (!block_ || n <= 0)
        return;
    const auto* input = static_cast<const uint8_t*>(bytes);
    if (n >= capacity_) {
        std::memcpy(block_.get(), input + (n - capacity_), static_cast<size_t>(capacity_));
        used_ = capacity_;
        return;
    }
    if (used_ + n > capacity_) {
        int32_t keep = capacity_ - n;
        std::memmove(block_.get(), block_.get() + (used_ - keep), static_cast<size_t>(keep));
        used_ = keep;
    }
    std::memcpy(block_.get() + used_, input, static_cast<size_t>(n));
    used_ += n;
}

void jbuffer::assign(const void* bytes, int32_t n)
{
    used_ = 0;
    append(bytes, n);
}
