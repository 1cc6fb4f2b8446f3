#pragma once

#include <cstdint>

// Seconds typed into a dialog field as whole milliseconds, the fraction cut
// off. A product that misses a whole number only by the rounding of the
// binary fraction counts as that number, so 2147483.647 s is 2147483647 ms
// and 1.2345 s is 1234 ms. A value beyond the 32-bit range gives its limit.
uint32_t truncatedMilliseconds(double seconds);
