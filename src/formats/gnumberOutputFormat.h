#pragma once

#include "formats/gintegerOutputFormat.h"
#include "g2driver/model/gcharOption.h"

#include <cstdint>

// How a real number is put into data sent to a device: rounded into one of
// the byte types, or written as text; decimal text with chosen sign
// characters, thousands separators, decimals, decimal marker and an optional
// exponent part in a field of fixed width.
class gnumberOutputFormat : public gintegerOutputFormat {
public:
    // The places of the three SYMBOLS options.
    static constexpr int plusSign = 0;
    static constexpr int minusSign = 1;
    static constexpr int thousandsSeparator = 2;

    gnumberOutputFormat() = default;

    const gcharOption& symbol(int place) const { return symbols_[place]; }
    void setSymbol(int place, const gcharOption& option) { symbols_[place] = option; }
    bool hasSymbols() const noexcept { return symbols_[plusSign].isSet(); }
    // 0 when not given. A negative count, which only a file gives, scales the
    // byte and digit types down and counts as 0 for decimal text.
    int32_t decimals() const noexcept { return decimals_; }
    const gcharOption& decimalMarker() const noexcept { return decimalMarker_; }
    void setDecimals(int32_t decimals, const gcharOption& marker);
    // -1 not given, 0 no exponent part, else the number of exponent digits.
    int32_t exponentDigits() const noexcept { return exponentDigits_; }
    int32_t mantissaDigits() const noexcept { return mantissaDigits_; }
    const gstr& positivePrefix() const noexcept { return positivePrefix_; }
    const gstr& negativePrefix() const noexcept { return negativePrefix_; }
    void setExponent(int32_t digits, int32_t mantissaDigits, const gstrSlice& positive, const gstrSlice& negative);

    // DECIMALS, EXPONENT, SYMBOLS; everything else goes to the integer part
    // with the signed types and FULL RIGHT allowed.
    gloadStatus loadField(int token, const gstr& value);
    void writeFields(CObjectFile& file, int indent) const;
    void afterLoad();
    bool isComplete() const noexcept;
    // Whether a field of the given width holds the decimal text this format
    // needs at least; always true for the other types and for width 0.
    bool isValidFor(int32_t width) const noexcept;

    // The bytes or text of the value. A value that is not finite, or that
    // the decimals make infinite, gives no bytes.
    gstr format(double value) const;

private:
    gloadStatus readDecimals(const gstr& value);
    gloadStatus readExponent(const gstr& value);
    gstr formatBytes(double value) const;
    gstr formatDecimal(double value) const;

    gcharOption symbols_[3];
    int32_t decimals_ = 0;
    bool decimalsGiven_ = false;
    gcharOption decimalMarker_;
    int32_t exponentDigits_ = -1;
    int32_t mantissaDigits_ = 0;
    gstr positivePrefix_;
    gstr negativePrefix_;
};
