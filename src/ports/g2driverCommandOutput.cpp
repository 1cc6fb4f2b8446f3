#include "ports/g2driverCommandOutput.h"

#include "ports/gserialPort.h"

gstr g2driverCommandOutput::allBytes() const
{
    gstr bytes("");
    for (const gstr& s : segments_)
        bytes.append(s);
    return bytes;
}

void g2driverCommandOutput::clear() noexcept
{
    segments_.clear();
    delays_.clear();
}

void g2driverCommandOutput::addSegment(const gstrSlice& bytes, gmilliseconds delay)
{
    segments_.emplace_back(bytes.isNull() ? gstrSlice::empty : bytes);
    delays_.push_back(delay);
}

void g2driverCommandOutput::append(const g2driverCommandOutput& other)
{
    if (&other == this)
        return append(g2driverCommandOutput(other));
    if (segments_.empty() || delays_.back().isSet())
        addSegment(gstrSlice::empty, gmilliseconds::notSet);
    for (int32_t i = 0; i < other.segmentCount(); ++i) {
        segments_.back().append(other.segment(i));
        if (!other.delay(i).isSet())
            continue;
        delays_.back() = other.delay(i);
        if (i + 1 < other.segmentCount())
            addSegment(gstrSlice::empty, gmilliseconds::notSet);
    }
}

void g2driverCommandOutput::send(gserialPort& port) const
{
    port.discardInputForTest();
    for (int32_t i = 0; i < segmentCount(); ++i) {
        if (!segment(i).isEmpty())
            port.writeForTest(segment(i));
        port.waitForTest(delay(i));
    }
}
