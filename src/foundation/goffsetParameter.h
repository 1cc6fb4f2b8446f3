#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class CObjectFile;
class g2driverDataObject;
class g2driverParameter;
class g2driverParameterTable;
class gusesList;

// A place in a command's response, or an amount of rotation, that depends on
// a digital parameter of a data object: (parameter value + 1st offset) *
// factor + 2nd offset, for parameter values from the lowest to the highest.
// A record is ranged when its range is not the whole unsigned range.
class goffsetParameter {
public:
    static constexpr uint32_t wholeRangeHigh = 0xFFFFFFFF;

    goffsetParameter() noexcept = default;

    g2driverParameter* getParameter() const noexcept { return parameter_; }
    void setParameter(g2driverParameter* parameter) noexcept { parameter_ = parameter; }
    int32_t getFirstOffset() const noexcept { return firstOffset_; }
    int32_t getFactor() const noexcept { return factor_; }
    int32_t getSecondOffset() const noexcept { return secondOffset_; }
    uint32_t getLowest() const noexcept { return lowest_; }
    uint32_t getHighest() const noexcept { return highest_; }
    void setTerms(int32_t firstOffset, int32_t factor, int32_t secondOffset) noexcept;
    // Needs highest not below lowest.
    void setRange(uint32_t lowest, uint32_t highest) noexcept;
    bool isRanged() const noexcept { return lowest_ != 0 || highest_ != wholeRangeHigh; }

    // The value part of an OFFSET_PARAM or ROTATE_PARAM line: the tag of a
    // parameter of the data object (made digital when untyped; bound even
    // when it is of another kind), the 1st offset, the factor and optionally
    // the 2nd offset and the range. 1 when it ended after an accepted item;
    // 2 when a comma follows the highest value; 0 on an error. Fields read
    // before a failure keep their new values.
    int parse(g2driverDataObject& owner, const char* text, const char*& cursor);
    // The value part; the range only when ranged. ending goes to the last
    // item.
    void write(CObjectFile& file, int ending) const;
    // Enters the parameter in the owner's uses list.
    void addReferences(gusesList& uses) const;
    // The parameter becomes the entry of its tag in the table (a placeholder
    // when absent); its scope and kind are left alone.
    g2driverParameter* rebindParameter(g2driverParameterTable& table);

private:
    g2driverParameter* parameter_ = nullptr;
    int32_t firstOffset_ = 0;
    int32_t factor_ = 1;
    int32_t secondOffset_ = 0;
    uint32_t lowest_ = 0;
    uint32_t highest_ = wholeRangeHigh;
};
