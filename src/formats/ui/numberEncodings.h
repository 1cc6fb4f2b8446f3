#pragma once

// The encoding combo of the number pages: all eleven TYPEs, list position
// plus 1 being the TYPE.
namespace numberEncodings {

inline constexpr const char* names[] = {
    "Byte (unsigned)",   "Byte (signed)", "Multibyte (lo-hi, unsigned)", "Multibyte (lo-hi, signed)",
    "Multibyte (hi-lo, unsigned)", "Multibyte (hi-lo, signed)", "BCD", "Decimal", "Hexadecimal", "Binary",
    "Octal"};

// The messages both pages give for a symbol that is not one byte.
constexpr int plusMessage = 10519;
constexpr int minusMessage = 10520;
constexpr int thousandsMessage = 10521;
constexpr int decimalMarkerMessage = 10522;

} // namespace numberEncodings
