#include "formats/gnumberOutputFormat.h"

#include "formats/gintegerType.h"
#include "formats/gnumberInputFormat.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr double twoToThe32 = 4294967296.0;

// The low 32 bits of the two's complement of an integral value.
uint32_t lowBits(double integral)
{
    double low = std::fmod(integral, twoToThe32);
    return static_cast<uint32_t>(low < 0 ? low + twoToThe32 : low);
}

// The digits of an integral, non-negative value in base 2, 8 or 16; the
// divisions are exact in these bases.
gstr digitsInBase(double integral, uint32_t base, char hexCase)
{
    gstr reversed("");
    do {
        double digit = std::fmod(integral, base);
        char c = hexDigitChar(static_cast<int>(digit));
        reversed.append(hexCase == 'a' && c > '9' ? static_cast<char>(c - 'A' + 'a') : c);
        integral = (integral - digit) / base;
    } while (integral > 0);
    std::reverse(reversed.getBuffer(), reversed.getBuffer() + reversed.length());
    return reversed;
}

// The integer part of a finite value as decimal digits, with the thousands
// separator between groups of three when one is given.
gstr integerText(double v, const gcharOption& separator)
{
    char digits[330];
    auto end = std::to_chars(digits, digits + sizeof digits, std::floor(v), std::chars_format::fixed, 0).ptr;
    int32_t count = static_cast<int32_t>(end - digits);
    gstr out("");
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0 && separator.hasCharacter())
            out.append(separator.character());
        out.append(digits[i]);
    }
    return out;
}

void appendCharacter(gstr& out, const gcharOption& option)
{
    if (option.hasCharacter())
        out.append(option.character());
}

} // namespace

void gnumberOutputFormat::setDecimals(int32_t decimals, const gcharOption& marker)
{
    decimals_ = decimals;
    decimalsGiven_ = true;
    decimalMarker_ = marker;
}

void gnumberOutputFormat::setExponent(int32_t digits, int32_t mantissaDigits, const gstrSlice& positive,
                                      const gstrSlice& negative)
{
    exponentDigits_ = digits;
    mantissaDigits_ = mantissaDigits;
    positivePrefix_.assign(positive);
    negativePrefix_.assign(negative);
}

gloadStatus gnumberOutputFormat::loadField(int token, const gstr& value)
{
    switch (token) {
    case kw::DECIMALS:
        if (decimalsGiven_)
            return gload::alreadyLoaded;
        return readDecimals(value);
    case kw::EXPONENT:
        if (exponentDigits_ != -1)
            return gload::alreadyLoaded;
        return readExponent(value);
    case kw::SYMBOLS:
        if (hasSymbols())
            return gload::alreadyLoaded;
        return parseCharOptions(value.data(), symbols_, 3) ? gload::accepted : gload::invalidValue;
    default:
        return gintegerOutputFormat::loadField(token, value, true);
    }
}

gloadStatus gnumberOutputFormat::readDecimals(const gstr& value)
{
    int32_t number = 0;
    const char* next = nullptr;
    int result = parseIntItem(value.data(), number, next);
    gcharOption marker;
    if (result == itemResult::error
        || (result == itemResult::comma && (number == 0 || marker.parse(next, next, true) != itemResult::end)))
        return gload::invalidValue;
    setDecimals(number, marker);
    return gload::accepted;
}

// "EXPONENT 0", or "EXPONENT digits, mantissa digits, positive, negative".
gloadStatus gnumberOutputFormat::readExponent(const gstr& value)
{
    int32_t digits = 0;
    const char* next = nullptr;
    int result = parseIntItem(value.data(), digits, next);
    if (result == itemResult::end && digits == 0) {
        exponentDigits_ = 0;
        return gload::accepted;
    }
    int32_t mantissa = 0;
    gstr positive;
    gstr negative;
    if (result != itemResult::comma || digits <= 0 || parseIntItem(next, mantissa, next) != itemResult::comma
        || mantissa < 0 || positive.parse(next, next) != itemResult::comma || !negative.parseValue(next)
        || positive.isEmpty() || negative.isEmpty())
        return gload::invalidValue;
    setExponent(digits, mantissa, positive, negative);
    return gload::accepted;
}

void gnumberOutputFormat::writeFields(CObjectFile& file, int indent) const
{
    gintegerOutputFormat::writeFields(file, indent);
    bool decimal = type() == gintegerType::decimal;
    if (decimal && hasSymbols()) {
        gkeyword::byToken(kw::SYMBOLS).writeKey(file, indent);
        for (int i = 0; i < 3; ++i)
            symbols_[i].write(file, i < 2 ? 2 : 1);
    }
    // A negative count is written back too: it scales the byte types.
    if (decimals_ != 0) {
        bool withMarker = decimal && decimalMarker_.isSet();
        gkeyword::byToken(kw::DECIMALS).writeKey(file, indent);
        file.writeInt(decimals_, withMarker ? 2 : 1);
        if (withMarker)
            decimalMarker_.write(file, 1);
    }
    // Empty prefixes would not load again.
    if (decimal && exponentDigits_ > 0 && mantissaDigits_ >= 0 && !positivePrefix_.isEmpty()
        && !negativePrefix_.isEmpty()) {
        gkeyword::byToken(kw::EXPONENT).writeKey(file, indent);
        file.writeInt(exponentDigits_, 2);
        file.writeInt(mantissaDigits_, 2);
        positivePrefix_.write(file, 2);
        negativePrefix_.write(file, 1);
    }
}

void gnumberOutputFormat::afterLoad()
{
    gintegerOutputFormat::afterLoad();
    if (type() == gintegerType::decimal && exponentDigits_ == -1)
        exponentDigits_ = 0;
}

bool gnumberOutputFormat::isComplete() const noexcept
{
    if (!gintegerOutputFormat::isComplete())
        return false;
    if (type() != gintegerType::decimal)
        return !hasSymbols() && !decimalMarker_.isSet() && exponentDigits_ == -1;
    if (!hasSymbols() || (decimals_ > 0 && !decimalMarker_.isSet()))
        return false;
    if (exponentDigits_ > 0 && decimals_ <= 0 && mantissaDigits_ <= 0)
        return false;
    return isValidFor(width());
}

bool gnumberOutputFormat::isValidFor(int32_t width) const noexcept
{
    if (type() != gintegerType::decimal || width == 0)
        return true;
    bool separators = symbols_[thousandsSeparator].hasCharacter();
    int64_t need = decimals_ != 0 ? 1 : 0;
    if (exponentDigits_ > 0) {
        int64_t mantissa = mantissaDigits_;
        need = int64_t{exponentDigits_} + decimals_ + mantissa
            + std::max(positivePrefix_.length(), negativePrefix_.length());
        if (mantissa > 3 && separators)
            need += (mantissa - 1) / 3;
    }
    if (decimals_ != 0) {
        need += decimalMarker_.hasCharacter() ? 1 : 0;
        if (decimals_ > 3 && separators)
            need += (int64_t{decimals_} - 1) / 3;
    }
    return width >= need;
}

gstr gnumberOutputFormat::format(double value) const
{
    if (type() == gintegerType::notGiven || width() > gintegerType::maxOutputWidth)
        return gstr("");
    if (type() == gintegerType::decimal)
        return formatDecimal(value);
    return formatBytes(decimals_ != 0 ? scaleByPowerOf10(value, decimals_) : value);
}

gstr gnumberOutputFormat::formatBytes(double value) const
{
    if (!std::isfinite(value))
        return gstr("");
    if (gintegerType::isSigned(type()))
        return encode(lowBits(std::round(value)));
    double magnitude = std::floor(std::fabs(value) + 0.5);
    if (gintegerType::isTextType(type()))
        return placeInField(digitsInBase(magnitude, gintegerType::base(type()), hexCase()));
    if (type() != gintegerType::bcd)
        return encode(lowBits(magnitude));
    gstr out(std::max(width(), 0));
    for (int32_t i = out.length() - 1; i >= 0; --i) {
        double pair = std::fmod(magnitude, 100);
        magnitude = (magnitude - pair) / 100;
        int p = static_cast<int>(pair);
        *out.at(i) = static_cast<char>(p / 10 * 16 + p % 10);
    }
    return out;
}

gstr gnumberOutputFormat::formatDecimal(double value) const
{
    int32_t decimals = std::max(decimals_, 0);
    if (!std::isfinite(value) || decimals > gintegerType::maxOutputWidth
        || exponentDigits_ > gintegerType::maxOutputWidth)
        return gstr("");
    gstr sign("");
    appendCharacter(sign, symbols_[value < 0 ? minusSign : plusSign]);
    double v = std::fabs(value);

    bool withExponent = exponentDigits_ > 0;
    double e = 0;
    if (withExponent && v != 0) {
        e = std::floor(std::log10(v)) - mantissaDigits_ + 1;
        v = scaleByPowerOf10(v, -e);
    }
    v += scaleByPowerOf10(0.5, -decimals);
    if (withExponent && v >= scaleByPowerOf10(1, mantissaDigits_)) {
        e += 1;
        v /= 10;
    }
    if (!std::isfinite(v))
        return gstr("");

    gstr digits = integerText(v, symbols_[thousandsSeparator]);
    gstr fraction("");
    if (decimals > 0) {
        appendCharacter(fraction, decimalMarker_);
        double rest = v - std::floor(v);
        for (int32_t i = 1; i <= decimals; ++i) {
            rest *= 10;
            double digit = std::min(std::floor(rest), 9.0);
            rest -= digit;
            fraction.append(static_cast<char>('0' + static_cast<int>(digit)));
            if (i % 3 == 0 && i < decimals)
                appendCharacter(fraction, symbols_[thousandsSeparator]);
        }
    }
    gstr exponent("");
    if (withExponent) {
        exponent.assign(e < 0 ? negativePrefix_ : positivePrefix_);
        gstr places(exponentDigits_);
        double magnitude = std::fabs(e);
        for (int32_t i = places.length() - 1; i >= 0; --i) {
            double digit = std::fmod(magnitude, 10);
            magnitude = (magnitude - digit) / 10;
            *places.at(i) = static_cast<char>('0' + static_cast<int>(digit));
        }
        exponent.append(places);
    }

    int32_t others = sign.length() + fraction.length() + exponent.length();
    int32_t length = width() > 0 ? width() : others + digits.length();
    // A field too short keeps the lowest integer digits that fit.
    int32_t kept = std::clamp(length - others, 0, digits.length());
    gstrSlice integer(digits.end() - kept, kept);
    gstr padding(std::max(length - others - kept, 0));
    std::fill_n(padding.getBuffer(), padding.length(), padByte());

    gstr out("");
    if (field().alignment == gfieldWidth::fullRight)
        out.append(padding);
    out.append(sign);
    if (field().alignment != gfieldWidth::left && field().alignment != gfieldWidth::fullRight)
        out.append(padding);
    out.append(integer);
    out.append(fraction);
    out.append(exponent);
    if (field().alignment == gfieldWidth::left)
        out.append(padding);
    return out;
}
