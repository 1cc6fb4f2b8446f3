#include "legacy/ui/fieldSeconds.h"

#include <algorithm>
#include <cmath>

namespace {

// Far above the error of reading a decimal into a double and scaling it,
// far below a thousandth of a millisecond at any count in range.
constexpr double relativeSlack = 1e-12;

} // namespace

uint32_t truncatedMilliseconds(double seconds)
{
    double ms = seconds * 1000;
    double nearest = std::round(ms);
    if (std::fabs(ms - nearest) <= relativeSlack * std::max(1.0, std::fabs(nearest)))
        ms = nearest;
    ms = std::floor(ms);
    if (ms <= 0)
        return 0;
    return ms >= 4294967295.0 ? 4294967295u : static_cast<uint32_t>(ms);
}
