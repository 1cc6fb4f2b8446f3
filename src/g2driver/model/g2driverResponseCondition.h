#pragma once

#include "foundation/gregexp.h"
#include "g2driver/model/g2driverResponseValue.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;
class jhashNamedObjectTable;

// The CONDITION of a response element: the element is part of the
// response only when a named value decoded earlier in the same response
// compares as the condition says. Numbers compare as unsigned 32-bit values
// (=, <>, <, >, <=, >=); texts against a pattern (IS, IS_NOT: the whole
// text; CONTAINS, DOES_NOT_CONTAIN: anywhere in it).
class g2driverResponseCondition {
public:
    static constexpr int32_t equal = 0;
    static constexpr int32_t notEqual = 1;
    static constexpr int32_t less = 2;
    static constexpr int32_t greater = 3;
    static constexpr int32_t lessOrEqual = 4;
    static constexpr int32_t greaterOrEqual = 5;
    static constexpr int32_t is = 6;
    static constexpr int32_t isNot = 7;
    static constexpr int32_t contains = 8;
    static constexpr int32_t doesNotContain = 9;

    g2driverResponseCondition() : pattern_(false) {}
    g2driverResponseCondition(const g2driverResponseCondition& other) = default;
    g2driverResponseCondition& operator=(const g2driverResponseCondition& other) = default;

    g2driverResponseValue* value() const noexcept { return value_; }
    int32_t op() const noexcept { return op_; }
    uint32_t number() const noexcept { return number_; }
    const gregexp& pattern() const noexcept { return pattern_; }
    void setValue(g2driverResponseValue* value) noexcept { value_ = value; }
    // A comparison with a number (operators 0 to 5).
    void setNumberTest(int32_t op, uint32_t number);
    // A test of a text (operators 6 to 9).
    void setTextTest(int32_t op, const gregexp& pattern);

    // The value kind an operator needs: 1 numerical (0 to 5), 2 text.
    static int32_t neededKind(int32_t op) noexcept { return op <= greaterOrEqual ? 1 : 2; }

    // The value of a CONDITION line: the name, the operator and the number
    // or pattern; the name is referenced in values and takes the kind the
    // operator needs. accepted or invalidValue.
    gloadStatus read(const gstr& text, g2driverResponseValueTable& values);
    // The CONDITION line.
    void write(CObjectFile& file, int indent) const;
    // Against the named values decoded so far: false when the value is not
    // among them or not of the kind the operator needs.
    bool holds(const jhashNamedObjectTable& decoded) const;

private:
    g2driverResponseValue* value_ = nullptr;
    int32_t op_ = equal;
    gregexp pattern_;
    uint32_t number_ = 0;
};
