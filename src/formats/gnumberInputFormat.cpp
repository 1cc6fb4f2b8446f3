#include "formats/gnumberInputFormat.h"

#include "formats/gintegerType.h"
#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// Beyond 10^22 powers of ten are no longer exact doubles.
constexpr double largestExactPower = 22;

bool startsWith(const char* p, const char* end, const gstr& prefix)
{
    return !prefix.isNull() && end - p >= prefix.length()
        && std::memcmp(p, prefix.data(), static_cast<size_t>(prefix.length())) == 0;
}

} // namespace

double scaleByPowerOf10(double value, double exponent)
{
    if (value == 0 || exponent == 0)
        return value;
    if (std::fabs(exponent) <= largestExactPower) {
        double power = std::pow(10.0, std::fabs(exponent));
        return exponent > 0 ? value * power : value / power;
    }
    double half = std::trunc(exponent / 2);
    return value * std::pow(10.0, half) * std::pow(10.0, exponent - half);
}

gnumberInputFormat::gnumberInputFormat(bool separatorAllowsZeroLength) : separator_(separatorAllowsZeroLength) {}

void gnumberInputFormat::transferFrom(gnumberInputFormat& other)
{
    if (&other == this)
        return;
    gintegerInputFormat::operator=(other);
    for (int i = 0; i < 4; ++i)
        symbols_[i] = other.symbols_[i];
    positiveExponent_.adopt(other.positiveExponent_);
    negativeExponent_.adopt(other.negativeExponent_);
    decimals_ = other.decimals_;
    greater_ = other.greater_;
    less_ = other.less_;
    separator_.transferFrom(other.separator_);
}

void gnumberInputFormat::setExponent(const gstrSlice& positive, const gstrSlice& negative)
{
    positiveExponent_.assign(positive);
    negativeExponent_.assign(negative);
}

void gnumberInputFormat::setMarkers(const gcharOption& greater, const gcharOption& less)
{
    greater_ = greater;
    less_ = less;
}

gloadStatus gnumberInputFormat::readKeyword(int token, const gstr& value, bool allowExtended)
{
    switch (token) {
    case kw::DECIMALS: {
        if (decimals_ != -1)
            return gload::alreadyLoaded;
        int32_t number = 0;
        if (parseIntItem(value.data(), number) != itemResult::end || number < 0)
            return gload::invalidValue;
        decimals_ = number;
        return gload::accepted;
    }
    case kw::EXPONENT:
        if (!positiveExponent_.isNull())
            return gload::alreadyLoaded;
        return readExponent(value);
    case kw::SYMBOLS:
        if (hasSymbols())
            return gload::alreadyLoaded;
        return parseCharOptions(value.data(), symbols_, 4) ? gload::accepted : gload::invalidValue;
    case kw::GREATER_LESS: {
        if (!allowExtended)
            break;
        if (greater_.isSet())
            return gload::alreadyLoaded;
        gcharOption markers[2];
        if (!parseCharOptions(value.data(), markers, 2))
            return gload::invalidValue;
        setMarkers(markers[0], markers[1]);
        return gload::accepted;
    }
    case kw::SEPARATOR:
        if (!allowExtended)
            break;
        if (separator_.isSet())
            return gload::alreadyLoaded;
        return separator_.parse(value.data(), false, false) == itemResult::end ? gload::accepted
                                                                               : gload::invalidValue;
    default:
        break;
    }
    return gintegerInputFormat::readKeyword(token, value, true);
}

gloadStatus gnumberInputFormat::readExponent(const gstr& value)
{
    gstr positive;
    gstr negative;
    const char* next = nullptr;
    if (positive.parse(value.data(), next) != itemResult::comma || !negative.parseValue(next)
        || positive.isEmpty() || negative.isEmpty())
        return gload::invalidValue;
    positiveExponent_.adopt(positive);
    negativeExponent_.adopt(negative);
    return gload::accepted;
}

void gnumberInputFormat::write(CObjectFile& file, int indent) const
{
    gintegerInputFormat::write(file, indent);
    if (type() == gintegerType::decimal && hasSymbols()) {
        gkeyword::byToken(kw::SYMBOLS).writeKey(file, indent);
        for (int i = 0; i < 4; ++i)
            symbols_[i].write(file, i < 3 ? 2 : 1);
    }
    // Empty prefixes would not load again.
    if (type() == gintegerType::decimal && !positiveExponent_.isEmpty() && !negativeExponent_.isEmpty()) {
        gkeyword::byToken(kw::EXPONENT).writeKey(file, indent);
        positiveExponent_.write(file, 2);
        negativeExponent_.write(file, 1);
    }
    if (decimals_ > 0) {
        gkeyword::byToken(kw::DECIMALS).writeKey(file, indent);
        file.writeInt(decimals_, 1);
    }
    // A less-than marker alone is kept too: it means something without the
    // greater-than marker.
    if (gintegerType::isTextType(type()) && (greater_.hasCharacter() || less_.hasCharacter())) {
        gkeyword::byToken(kw::GREATER_LESS).writeKey(file, indent);
        greater_.write(file, 2);
        less_.write(file, 1);
    }
    if (separator_.isSet()) {
        gkeyword::byToken(kw::SEPARATOR).writeKey(file, indent);
        separator_.write(file, 1);
    }
}

void gnumberInputFormat::afterLoad()
{
    gintegerInputFormat::afterLoad();
    if (decimals_ == -1)
        decimals_ = 0;
    if (gintegerType::isTextType(type()) && !greater_.isSet())
        setMarkers(gcharOption::makeNone(), gcharOption::makeNone());
}

bool gnumberInputFormat::isValid() const noexcept
{
    if (!gintegerInputFormat::isValid())
        return false;
    if (type() == gintegerType::decimal)
        return hasSymbols();
    return !hasSymbols() && positiveExponent_.isNull();
}

int gnumberInputFormat::decode(const char*& cursor, int32_t available, double& value, int& marker) const
{
    marker = 0;
    if (available < width())
        return 0;
    if (gintegerType::isTextType(type()))
        return decodeText(cursor, available, value, marker);
    return decodeBytes(cursor, available, value);
}

int gnumberInputFormat::decodeBytes(const char*& cursor, int32_t available, double& value) const
{
    double v = 0;
    if (type() == gintegerType::bcd) {
        if (!gintegerInputFormat::isValid())
            return 0;
        const auto* bytes = reinterpret_cast<const unsigned char*>(cursor);
        for (int32_t i = 0; i < width(); ++i) {
            int high = bytes[i] >> 4;
            int low = bytes[i] & 0x0F;
            if (high > 9 || low > 9 || v > (DBL_MAX - (high * 10 + low)) / 100)
                return 0;
            v = v * 100 + high * 10 + low;
        }
        cursor += width();
    } else {
        uint32_t raw = 0;
        if (!gintegerInputFormat::decode(cursor, available, raw))
            return 0;
        if (gintegerType::isSigned(type()) && width() < 4) {
            uint32_t signBit = 1u << (8 * width() - 1);
            if (raw & signBit)
                raw |= ~((signBit << 1) - 1);
        }
        v = gintegerType::isSigned(type()) ? static_cast<double>(static_cast<int32_t>(raw)) : raw;
    }
    value = withDecimals(v);
    return 1;
}

int gnumberInputFormat::decodeText(const char*& cursor, int32_t available, double& value, int& marker) const
{
    uint32_t base = gintegerType::base(type());
    bool base10 = base == 10;
    const char* fieldEnd = cursor + (width() > 0 ? width() : available);
    const char* p = skipLeading(cursor, fieldEnd,
                                [&](char c) { return digitInBase(c, base) >= 0 || (base10 && isSymbol(c)); });
    bool skipSpaces = leading().contains(' ');
    auto passSpaces = [&] {
        while (skipSpaces && p < fieldEnd && *p == ' ')
            ++p;
    };

    int found = 0;
    if (p < fieldEnd && (greater_.is(*p) || less_.is(*p)))
        found = greater_.is(*p++) ? 1 : -1;
    passSpaces();
    bool negative = false;
    if (base10 && p < fieldEnd && (symbols_[plusSign].is(*p) || symbols_[minusSign].is(*p)))
        negative = !symbols_[plusSign].is(*p++);
    passSpaces();

    double v = 0;
    double weight = 0; // 0 in the integer part, else the place of the next fraction digit
    bool afterDigit = false;
    bool needDigit = false;
    bool anyDigit = false;
    if (base10 && p < fieldEnd && symbols_[decimalMarker].is(*p)) {
        ++p;
        weight = 0.1;
        needDigit = true;
    }
    for (; p < fieldEnd; ++p) {
        if (base10 && symbols_[thousandsSeparator].is(*p)) {
            if (!afterDigit)
                return 0;
            afterDigit = false;
            needDigit = true;
            continue;
        }
        if (base10 && symbols_[decimalMarker].is(*p)) {
            // A second decimal marker makes no number.
            if (!afterDigit || weight != 0)
                return 0;
            weight = 0.1;
            afterDigit = false;
            needDigit = true;
            continue;
        }
        int digit = digitInBase(*p, base);
        if (digit < 0)
            break;
        if (weight == 0) {
            if (v > (DBL_MAX - digit) / base)
                return 0;
            v = v * base + digit;
        } else {
            v += digit * weight;
            weight /= 10;
        }
        afterDigit = anyDigit = true;
        needDigit = false;
    }
    if (needDigit || !anyDigit)
        return 0;
    v = withDecimals(negative ? -v : v);

    double exponent = 0;
    if (base10 && !positiveExponent_.isNull()) {
        // One prefix may begin the other ("E" and "E-"): the longer one that
        // matches is the one the text holds.
        bool positive = startsWith(p, fieldEnd, positiveExponent_);
        bool negative = startsWith(p, fieldEnd, negativeExponent_);
        if (positive && negative)
            positive = positiveExponent_.length() >= negativeExponent_.length();
        if (positive || negative) {
            p += positive ? positiveExponent_.length() : negativeExponent_.length();
            const char* digits = p;
            for (; p < fieldEnd && charClass::isDigit(*p); ++p) {
                if (exponent > (DBL_MAX - (*p - '0')) / 10)
                    return 0;
                exponent = exponent * 10 + (*p - '0');
            }
            if (p == digits)
                return 0;
            exponent = positive ? exponent : -exponent;
        }
    }
    if (width() > 0 && !(p = endOfField(p, fieldEnd)))
        return 0;
    v = scaleByPowerOf10(v, exponent);
    if (!std::isfinite(v))
        return 0;
    value = v;
    marker = found;
    cursor = p;
    return 1;
}

bool gnumberInputFormat::isSymbol(char c) const noexcept
{
    for (const gcharOption& symbol : symbols_) {
        if (symbol.is(c))
            return true;
    }
    return false;
}

double gnumberInputFormat::withDecimals(double v) const
{
    return decimals_ > 0 ? scaleByPowerOf10(v, -decimals_) : v;
}
