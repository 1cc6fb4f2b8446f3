#pragma once

#include "foundation/gmilliseconds.h"
#include "foundation/gstr.h"

#include <cstdint>
#include <vector>

class gserialPort;

// The bytes of one built command: segments, each followed by a delay (not
// set: none) that is waited after the segment is written. Consecutive
// segments are always separated by a delay.
class g2driverCommandOutput {
public:
    int32_t segmentCount() const noexcept { return static_cast<int32_t>(segments_.size()); }
    const gstr& segment(int32_t index) const { return segments_.at(static_cast<size_t>(index)); }
    gmilliseconds delay(int32_t index) const { return delays_.at(static_cast<size_t>(index)); }
    // Every segment's bytes one after the other.
    gstr allBytes() const;

    void clear() noexcept;
    // A segment of its own with its delay, as an element's output is made.
    void addSegment(const gstrSlice& bytes, gmilliseconds delay);
    // Continues the last segment unless a delay ends it, then takes the
    // other's segments, joining its first to that segment.
    void append(const g2driverCommandOutput& other);
    // Empties the port's input queue, then writes each non-empty segment to
    // the port and waits its delay.
    void send(gserialPort& port) const;

private:
    std::vector<gstr> segments_;
    std::vector<gmilliseconds> delays_;
};
