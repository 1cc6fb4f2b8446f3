#pragma once

#include <cstdint>

// The TYPE codes of the integer and number formats: how an integer sits in
// device data. 1 to 7 are bytes, 8 to 11 text digits.
namespace gintegerType {

constexpr int32_t notGiven = 0;
constexpr int32_t byte = 1;
constexpr int32_t signedByte = 2;
constexpr int32_t multibyteLoHi = 3;
constexpr int32_t signedMultibyteLoHi = 4;
constexpr int32_t multibyteHiLo = 5;
constexpr int32_t signedMultibyteHiLo = 6;
constexpr int32_t bcd = 7;
constexpr int32_t decimal = 8;
constexpr int32_t hex = 9;
constexpr int32_t binary = 10;
constexpr int32_t octal = 11;

constexpr bool isByteType(int32_t type) { return type >= byte && type <= bcd; }
constexpr bool isTextType(int32_t type) { return type >= decimal && type <= octal; }
constexpr bool isSigned(int32_t type)
{
    return type == signedByte || type == signedMultibyteLoHi || type == signedMultibyteHiLo;
}
constexpr bool isSingleByte(int32_t type) { return type == byte || type == signedByte; }
constexpr bool isMultibyte(int32_t type) { return type >= multibyteLoHi && type <= signedMultibyteHiLo; }
constexpr bool isLoHi(int32_t type) { return type == multibyteLoHi || type == signedMultibyteLoHi; }

// The base of a text type: 10, 16, 2 or 8; 0 for the others.
constexpr uint32_t base(int32_t type)
{
    switch (type) {
    case decimal: return 10;
    case hex: return 16;
    case binary: return 2;
    case octal: return 8;
    default: return 0;
    }
}

// The station-file keyword token of a type (code 1 to 11).
int keywordToken(int32_t type);
// The type a keyword token names, or notGiven.
int32_t fromToken(int token);

// Whether WIDTH suits the type as validity and completeness require: 1 for
// the single bytes, 2 to 4 for multibytes, at least 1 for BCD; any width for
// text types. False without a type.
bool widthFits(int32_t type, int32_t width);

// The widest field an output format builds (bytes). Wider fields, which only
// a hand-edited file holds, give no bytes rather than exhaust memory.
constexpr int32_t maxOutputWidth = 65536;

} // namespace gintegerType
