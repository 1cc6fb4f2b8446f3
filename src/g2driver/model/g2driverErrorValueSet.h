#pragma once

#include "foundation/gregexp.h"

#include <cstdint>
#include <vector>

class CObjectFile;

// Which error values one rule of a driver's error handling applies to: none,
// the default ones, or the values listed (numbers for a numerical error code,
// one pattern for a string error code).
class g2driverErrorValueSet {
public:
    static constexpr int32_t unset = 0;
    static constexpr int32_t none = 1;
    static constexpr int32_t byDefault = 2;
    static constexpr int32_t values = 3;

    g2driverErrorValueSet() : pattern_(false) {}

    int32_t getKind() const noexcept { return kind_; }
    const std::vector<uint32_t>& numbers() const noexcept { return numbers_; }
    const gregexp& pattern() const noexcept { return pattern_; }

    void setKind(int32_t kind) noexcept { kind_ = kind; }
    void clear();
    // VALUES with these numbers, or with this pattern (taken over).
    void setNumbers(std::vector<uint32_t> numbers);
    void setPattern(gregexp& pattern);

    // NONE or DEFAULT alone, or VALUES, a comma and the values for an error
    // code of the given kind (0 none, 1 numerical, 2 string; VALUES needs
    // one). The item result; on 0 the set is unchanged.
    int parse(const char* text, int32_t errorCodeKind);
    // The keyword and for VALUES ", " and the values, then the ending.
    void write(CObjectFile& file, int ending) const;

private:
    int parseValues(const char* text, int32_t errorCodeKind);

    int32_t kind_ = unset;
    std::vector<uint32_t> numbers_;
    gregexp pattern_;
};
