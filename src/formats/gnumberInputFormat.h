#pragma once

#include "formats/gintegerInputFormat.h"
#include "foundation/gregexp.h"
#include "g2driver/model/gcharOption.h"

#include <cstdint>

// How a real number is found in received device data: an integer input
// format with implied decimals for the byte types, and for decimal text the
// sign, thousands and decimal symbols and the exponent prefixes. The owner
// that allows it also gives a greater-than or less-than marker in front of
// the number and a separator pattern, which this record only keeps.
class gnumberInputFormat : public gintegerInputFormat {
public:
    // The places of the four SYMBOLS options.
    static constexpr int plusSign = 0;
    static constexpr int minusSign = 1;
    static constexpr int thousandsSeparator = 2;
    static constexpr int decimalMarker = 3;

    // The SEPARATOR pattern may match nothing unless told otherwise.
    explicit gnumberInputFormat(bool separatorAllowsZeroLength = true);
    gnumberInputFormat(const gnumberInputFormat& other) = default;
    gnumberInputFormat& operator=(const gnumberInputFormat& other) = default;
    // Takes the other's texts and pattern over without copying them.
    void transferFrom(gnumberInputFormat& other);

    const gcharOption& symbol(int place) const { return symbols_[place]; }
    void setSymbol(int place, const gcharOption& option) { symbols_[place] = option; }
    bool hasSymbols() const noexcept { return symbols_[plusSign].isSet(); }
    // No buffer: not given.
    const gstr& positiveExponent() const noexcept { return positiveExponent_; }
    const gstr& negativeExponent() const noexcept { return negativeExponent_; }
    void setExponent(const gstrSlice& positive, const gstrSlice& negative);
    int32_t decimals() const noexcept { return decimals_; }
    void setDecimals(int32_t decimals) noexcept { decimals_ = decimals; }
    const gcharOption& greaterMarker() const noexcept { return greater_; }
    const gcharOption& lessMarker() const noexcept { return less_; }
    void setMarkers(const gcharOption& greater, const gcharOption& less);
    const gregexp& separator() const noexcept { return separator_; }
    gregexp& separator() noexcept { return separator_; }

    // DECIMALS, EXPONENT, SYMBOLS, and with allowExtended GREATER_LESS and
    // SEPARATOR; everything else goes to the integer part with the signed
    // types allowed.
    gloadStatus readKeyword(int token, const gstr& value, bool allowExtended);
    void write(CObjectFile& file, int indent) const;
    void afterLoad();
    bool isValid() const noexcept;

    // 1 with the value, marker 0 or 1 after the greater-than marker or -1
    // after the less-than marker, and the cursor past what was read; else 0.
    int decode(const char*& cursor, int32_t available, double& value, int& marker) const;

private:
    gloadStatus readExponent(const gstr& value);
    int decodeBytes(const char*& cursor, int32_t available, double& value) const;
    int decodeText(const char*& cursor, int32_t available, double& value, int& marker) const;
    bool isSymbol(char c) const noexcept;
    // v times 10^-DECIMALS.
    double withDecimals(double v) const;

    gcharOption symbols_[4];
    gstr positiveExponent_;
    gstr negativeExponent_;
    int32_t decimals_ = -1;
    gcharOption greater_;
    gcharOption less_;
    gregexp separator_;
};

// value times 10^exponent, in two steps so that a large value and a large
// negative exponent (or the reverse) do not pass through infinity or zero.
double scaleByPowerOf10(double value, double exponent);
