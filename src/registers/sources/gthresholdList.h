#pragma once

#include "foundation/gsortedList.h"
#include "registers/gvalueListNodes.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// The steps of a thresholds source: the value below the lowest point, and
// the threshold points, each with the digital value that goes with it,
// ascending by point with no point twice. Its lines are BOTTOM and one
// THRESHOLD per point, the same in every source family that has one.
class gthresholdList {
public:
    uint32_t getBottom() const noexcept { return bottom_; }
    bool hasBottom() const noexcept { return bottomGiven_; }
    void setBottom(uint32_t value) noexcept
    {
        bottom_ = value;
        bottomGiven_ = true;
    }
    gsortedList<gthreshold>& points() noexcept { return points_; }
    const gsortedList<gthreshold>& points() const noexcept { return points_; }

    void write(CObjectFile& file, int indent) const;
    // BOTTOM and THRESHOLD; unknownKeyword for any other.
    gloadStatus loadField(int token, const gstr& value);
    // A bottom value and at least one point.
    bool isComplete() const noexcept { return bottomGiven_ && points_.first() != nullptr; }

private:
    uint32_t bottom_ = 0;
    bool bottomGiven_ = false;
    gsortedList<gthreshold> points_;
};
