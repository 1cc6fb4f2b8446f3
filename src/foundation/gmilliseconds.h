#pragma once

#include <cstdint>

class CObjectFile;

// A duration, or a time stamp on the wrapping tick count, in milliseconds.
// Station files hold it in seconds. All ones means "not set", the state of
// every new value.
class gmilliseconds {
public:
    static constexpr uint32_t notSetCount = 0xFFFFFFFF;
    static const gmilliseconds notSet;

    constexpr gmilliseconds() noexcept = default;
    constexpr explicit gmilliseconds(uint32_t count) noexcept : count_(count) {}

    void set(uint32_t count) noexcept { count_ = count; }
    uint32_t get() const noexcept { return count_; }
    bool isSet() const noexcept { return count_ != notSetCount; }

    // The tick count of the installed clock.
    static gmilliseconds now();
    // Blocks for the count; a value that is not set does not block (it would
    // otherwise stand for about 49 days).
    void sleep() const;

    // Comparisons of time stamps that stay right across a wrap of the tick
    // count while the two lie less than 2^31 ms apart.
    bool isBefore(gmilliseconds other) const noexcept { return static_cast<int32_t>(other.count_ - count_) > 0; }
    bool isAfter(gmilliseconds other) const noexcept { return static_cast<int32_t>(count_ - other.count_) > 0; }
    gmilliseconds plus(gmilliseconds other) const noexcept { return gmilliseconds(count_ + other.count_); }
    gmilliseconds minus(gmilliseconds other) const noexcept { return gmilliseconds(count_ - other.count_); }

    // The count is the exact decimal value of the seconds rounded up to whole
    // milliseconds (2.007 s is 2007 ms, 0.0004 s is 1 ms). Negative values,
    // and values whose count would reach the "not set" count, are refused and
    // leave the value alone. A double is taken at the 15 significant digits
    // it is written with.
    bool setSeconds(double seconds);
    // A real-number item (results 0, 1, 2 of the item parsers).
    int parseSeconds(const char* text);
    int parseSeconds(const char* text, const char*& next);
    // The decimal seconds, then the ending code: count / 1000 is the double
    // nearest to them, which the real writer gives in those very digits.
    // Every set count reads back as itself; the "not set" count is written as
    // 4294967.295, which the reader refuses, so callers leave unset values
    // out of files.
    void writeSeconds(CObjectFile& file, int ending) const;

    friend constexpr bool operator==(gmilliseconds a, gmilliseconds b) noexcept { return a.count_ == b.count_; }

private:
    uint32_t count_ = notSetCount;
};

inline constexpr gmilliseconds gmilliseconds::notSet{};

// Seconds typed into or shown by a dialog as whole milliseconds, the fraction
// cut off. The cut is made on the decimal digits of the value (the 15
// significant digits a double is written with), not on the binary product,
// so 1.001 s is 1001 ms, 1.0005 s is 1000 ms and 2147483.647 s is
// 2147483647 ms. Negative values give 0, values beyond the 32-bit range
// its limit.
uint32_t truncatedMilliseconds(double seconds);
