#include "foundation/jbase64.h"

#include <algorithm>
#include <array>

namespace {

constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int lineWidth = 72;
constexpr uint8_t notInAlphabet = 0xFF;

constexpr std::array<uint8_t, 256> valueTable()
{
    std::array<uint8_t, 256> t{};
    t.fill(notInAlphabet);
    for (int i = 0; i < 64; ++i)
        t[static_cast<uint8_t>(alphabet[i])] = static_cast<uint8_t>(i);
    return t;
}

constexpr std::array<uint8_t, 256> values = valueTable();

// Output is gathered in a block of this many groups and handed on at once.
constexpr size_t groupsPerBlock = 64;

// A block of produced bytes that is wiped when it goes out of use.
template <size_t n>
struct outputBlock {
    uint8_t bytes[n];
    ~outputBlock() { wipeBytes(bytes, n); }
};

} // namespace

jbase64Encoder::jbase64Encoder(std::unique_ptr<jbyteStream> target, bool lineBreaks)
    : jbyteFilter(std::move(target)), lineBreaks_(lineBreaks)
{
}

// After each group the line grows by 4; at 72 characters the line ends.
size_t jbase64Encoder::endGroup(uint8_t* out)
{
    lineLength_ += 4;
    if (lineLength_ < lineWidth)
        return 0;
    lineLength_ = 0;
    if (!lineBreaks_)
        return 0;
    *out = '\n';
    return 1;
}

size_t jbase64Encoder::encodeGroups(const uint8_t* p, size_t groups, uint8_t* out)
{
    uint8_t* start = out;
    for (size_t g = 0; g < groups; ++g, p += 3) {
        uint32_t v = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        out[0] = static_cast<uint8_t>(alphabet[v >> 18]);
        out[1] = static_cast<uint8_t>(alphabet[(v >> 12) & 0x3F]);
        out[2] = static_cast<uint8_t>(alphabet[(v >> 6) & 0x3F]);
        out[3] = static_cast<uint8_t>(alphabet[v & 0x3F]);
        out += 4;
        out += endGroup(out);
    }
    return static_cast<size_t>(out - start);
}

void jbase64Encoder::put(uint8_t byte) { write(&byte, 1); }

void jbase64Encoder::write(const void* bytes, size_t count)
{
    const auto* p = static_cast<const uint8_t*>(bytes);
    outputBlock<groupsPerBlock * 5> block;
    while (pendingCount_ > 0 && pendingCount_ < 3 && count > 0) {
        pending_[pendingCount_++] = *p++;
        --count;
    }
    if (pendingCount_ == 3) {
        target_->write(block.bytes, encodeGroups(pending_, 1, block.bytes));
        pendingCount_ = 0;
    }
    while (count >= 3) {
        size_t groups = std::min(count / 3, groupsPerBlock);
        target_->write(block.bytes, encodeGroups(p, groups, block.bytes));
        p += groups * 3;
        count -= groups * 3;
    }
    while (count > 0) {
        pending_[pendingCount_++] = *p++;
        --count;
    }
}

void jbase64Encoder::flush()
{
    outputBlock<6> block;
    size_t n = 0;
    if (pendingCount_ > 0) {
        for (int i = pendingCount_; i < 3; ++i)
            pending_[i] = 0;
        n = encodeGroups(pending_, 1, block.bytes);
        for (int i = pendingCount_ + 1; i < 4; ++i)
            block.bytes[i] = '=';
        pendingCount_ = 0;
    }
    if (lineLength_ != 0) {
        lineLength_ = 0;
        if (lineBreaks_)
            block.bytes[n++] = '\n';
    }
    target_->write(block.bytes, n);
}

jbase64Decoder::jbase64Decoder(std::unique_ptr<jbyteStream> target) : jbyteFilter(std::move(target)) {}

void jbase64Decoder::put(uint8_t byte) { write(&byte, 1); }

void jbase64Decoder::write(const void* bytes, size_t count)
{
    const auto* p = static_cast<const uint8_t*>(bytes);
    outputBlock<groupsPerBlock * 3> block;
    size_t n = 0;
    for (size_t i = 0; i < count;) {
        if (n == sizeof block.bytes) {
            target_->write(block.bytes, n);
            n = 0;
        }
        // A whole group of four alphabet characters at once, the common case.
        if (pendingCount_ == 0 && count - i >= 4) {
            uint8_t a = values[p[i]], b = values[p[i + 1]], c = values[p[i + 2]], d = values[p[i + 3]];
            if (((a | b | c | d) & 0xC0) == 0) {
                block.bytes[n++] = static_cast<uint8_t>(a << 2 | b >> 4);
                block.bytes[n++] = static_cast<uint8_t>(b << 4 | c >> 2);
                block.bytes[n++] = static_cast<uint8_t>(c << 6 | d);
                i += 4;
                continue;
            }
        }
        uint8_t v = values[p[i++]];
        if (v == notInAlphabet)
            continue;
        pending_[pendingCount_++] = v;
        if (pendingCount_ < 4)
            continue;
        block.bytes[n++] = static_cast<uint8_t>(pending_[0] << 2 | pending_[1] >> 4);
        block.bytes[n++] = static_cast<uint8_t>(pending_[1] << 4 | pending_[2] >> 2);
        block.bytes[n++] = static_cast<uint8_t>(pending_[2] << 6 | pending_[3]);
        pendingCount_ = 0;
    }
    target_->write(block.bytes, n);
}

void jbase64Decoder::flush()
{
    uint8_t out[2];
    size_t n = 0;
    if (pendingCount_ == 1) {
        out[n++] = static_cast<uint8_t>(pending_[0] << 2);
    } else if (pendingCount_ >= 2) {
        for (int i = pendingCount_; i < 4; ++i)
            pending_[i] = 0;
        out[n++] = static_cast<uint8_t>(pending_[0] << 2 | pending_[1] >> 4);
        if (pendingCount_ == 3)
            out[n++] = static_cast<uint8_t>(pending_[1] << 4 | pending_[2] >> 2);
    }
    pendingCount_ = 0;
    target_->write(out, n);
}
