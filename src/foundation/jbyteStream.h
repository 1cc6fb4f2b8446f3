#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// A byte source and sink. Streams chain: a filter transforms what is written
// into it and passes the result on to the stream attached behind it, from
// which the result is read.
class jbyteStream {
public:
    jbyteStream() = default;
    jbyteStream(const jbyteStream&) = delete;
    jbyteStream& operator=(const jbyteStream&) = delete;
    virtual ~jbyteStream() = default;

    virtual size_t available() = 0;
    // Moves at most count bytes to the target in blocks of up to 256 bytes;
    // returns how many moved.
    virtual size_t copyTo(jbyteStream& target, size_t count);
    // Moves blocks to the target until a read gives nothing; returns how many
    // bytes moved.
    virtual size_t copyAllTo(jbyteStream& target);
    virtual bool isFilter() const { return false; }
    // Only filters take a target; other streams drop it.
    virtual void attach(std::unique_ptr<jbyteStream> target);
    virtual void attachLast(std::unique_ptr<jbyteStream> target);
    virtual void finish() { flush(); }
    virtual void write(const void* bytes, size_t count) = 0;
    virtual void put(uint8_t byte) = 0;
    virtual void flush() {}
    // Returns the count read.
    virtual size_t read(void* buffer, size_t count) = 0;
    // 1 when a byte was taken (or, for peek, is there), 0 when none is.
    virtual int get(uint8_t& byte) = 0;
    virtual int peek(uint8_t& byte) = 0;
};

// A stream that transforms what is written into it. It owns its target; what
// it produced is read from the target, so the reading operations pass
// straight through.
class jbyteFilter : public jbyteStream {
public:
    // Without a target the filter writes into a queue of its own.
    explicit jbyteFilter(std::unique_ptr<jbyteStream> target);

    bool isFilter() const override { return true; }
    size_t available() override { return target_->available(); }
    size_t read(void* buffer, size_t count) override { return target_->read(buffer, count); }
    int get(uint8_t& byte) override { return target_->get(byte); }
    int peek(uint8_t& byte) override { return target_->peek(byte); }

    // Finishes the current target, hands what it holds to the new one (a new
    // queue when none is given) and deletes it.
    void attach(std::unique_ptr<jbyteStream> target) override;
    // Attaches at the end of the chain of filters.
    void attachLast(std::unique_ptr<jbyteStream> target) override;
    // Flushes this filter, then finishes the target.
    void finish() override;

    jbyteStream& target() noexcept { return *target_; }

protected:
    std::unique_ptr<jbyteStream> target_;
};

// Fills bytes with zeros in a way the compiler keeps, before they are freed.
void wipeBytes(void* bytes, size_t count) noexcept;
