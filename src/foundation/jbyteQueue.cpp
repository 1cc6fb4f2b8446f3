#include "foundation/jbyteQueue.h"

#include "foundation/gfault.h"

#include <algorithm>
#include <cstring>

jbyteQueue::chunk::chunk(size_t size) : bytes(new uint8_t[size]), size(size) {}

jbyteQueue::chunk::~chunk()
{
    if (bytes)
        wipeBytes(bytes.get(), size);
}

jbyteQueue::jbyteQueue(size_t chunkSize) : chunkSize_(chunkSize)
{
    if (chunkSize < 1)
        throw gfault("chunkSize not positive in jbyteQueue::jbyteQueue()");
    chunks_.emplace_back(chunkSize_);
}

jbyteQueue::chunk& jbyteQueue::writableChunk()
{
    if (chunks_.back().written == chunks_.back().size)
        chunks_.emplace_back(chunkSize_);
    return chunks_.back();
}

void jbyteQueue::write(const void* bytes, size_t count)
{
    const auto* p = static_cast<const uint8_t*>(bytes);
    while (count > 0) {
        chunk& c = writableChunk();
        size_t n = std::min(count, c.size - c.written);
        std::memcpy(c.bytes.get() + c.written, p, n);
        c.written += n;
        available_ += n;
        p += n;
        count -= n;
    }
}

void jbyteQueue::put(uint8_t byte)
{
    chunk& c = writableChunk();
    c.bytes[c.written++] = byte;
    ++available_;
}

// Frees the leading chunks that were filled and read completely, keeping one.
void jbyteQueue::dropReadChunks()
{
    while (!chunks_.empty() && chunks_.front().readPosition == chunks_.front().size)
        chunks_.pop_front();
    if (chunks_.empty())
        chunks_.emplace_back(chunkSize_);
}

size_t jbyteQueue::read(void* buffer, size_t count)
{
    if (count == 0)
        return 0;
    auto* out = static_cast<uint8_t*>(buffer);
    size_t copied = 0;
    for (chunk& c : chunks_) {
        size_t n = std::min(count - copied, c.written - c.readPosition);
        std::memcpy(out + copied, c.bytes.get() + c.readPosition, n);
        c.readPosition += n;
        copied += n;
        if (copied == count || c.written < c.size)
            break;
    }
    available_ -= copied;
    dropReadChunks();
    return copied;
}

int jbyteQueue::get(uint8_t& byte)
{
    chunk& c = chunks_.front();
    if (c.readPosition == c.written)
        return 0;
    byte = c.bytes[c.readPosition++];
    --available_;
    dropReadChunks();
    return 1;
}

int jbyteQueue::peek(uint8_t& byte)
{
    const chunk& c = chunks_.front();
    if (c.readPosition == c.written)
        return 0;
    byte = c.bytes[c.readPosition];
    return 1;
}
