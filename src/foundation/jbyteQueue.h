#pragma once

#include "foundation/jbyteStream.h"

#include <deque>

// Stores bytes in chunks of a fixed size until they are read. A chunk that
// was filled and read completely is freed; there is always at least one.
class jbyteQueue : public jbyteStream {
public:
    // A chunk size below 1 is an internal fault.
    explicit jbyteQueue(size_t chunkSize);

    size_t available() override { return available_; }
    void write(const void* bytes, size_t count) override;
    void put(uint8_t byte) override;
    size_t read(void* buffer, size_t count) override;
    int get(uint8_t& byte) override;
    int peek(uint8_t& byte) override;

    size_t chunkCount() const noexcept { return chunks_.size(); }

private:
    struct chunk {
        explicit chunk(size_t size);
        chunk(chunk&& other) noexcept = default;
        chunk& operator=(chunk&& other) noexcept = default;
        ~chunk();

        std::unique_ptr<uint8_t[]> bytes;
        size_t size;
        size_t written = 0;
        size_t readPosition = 0;
    };

    chunk& writableChunk();
    void dropReadChunks();

    size_t chunkSize_;
    size_t available_ = 0;
    std::deque<chunk> chunks_;
};
