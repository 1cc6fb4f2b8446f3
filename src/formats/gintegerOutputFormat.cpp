#include "formats/gintegerOutputFormat.h"

#include "formats/gintegerType.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>

namespace {

// TYPE: a type keyword ending the value; HEX takes ", A" or ", a" after it.
gloadStatus readType(const gstr& value, bool allowSigned, int32_t& type, char& hexCase)
{
    int token = -1;
    const char* next = nullptr;
    int result = parseKeywordItem(value.data(), token, next);
    int32_t found = gintegerType::fromToken(token);
    if (result == itemResult::error || found == gintegerType::notGiven
        || (gintegerType::isSigned(found) && !allowSigned))
        return gload::invalidValue;
    if (found != gintegerType::hex) {
        if (result != itemResult::end)
            return gload::invalidValue;
        type = found;
        return gload::accepted;
    }
    gstr letter;
    if (result != itemResult::comma || !letter.parseValue(next) || letter.length() != 1
        || (letter[0] != 'A' && letter[0] != 'a'))
        return gload::invalidValue;
    type = found;
    hexCase = letter[0];
    return gload::accepted;
}

} // namespace

gstr integerDigits(uint32_t value, uint32_t base, char hexCase)
{
    char digits[32];
    char* p = digits + sizeof digits;
    do {
        char d = hexDigitChar(static_cast<int>(value % base));
        *--p = hexCase == 'a' && d > '9' ? static_cast<char>(d - 'A' + 'a') : d;
        value /= base;
    } while (value != 0);
    return gstr(gstrSlice(p, static_cast<int32_t>(digits + sizeof digits - p)));
}

gloadStatus gintegerOutputFormat::loadField(int token, const gstr& value, bool allowSigned)
{
    if (token == kw::WIDTH)
        return field_.read(token, value, allowSigned, true);
    if (token != kw::TYPE)
        return gload::unknownKeyword;
    if (type_ != gintegerType::notGiven)
        return gload::alreadyLoaded;
    return readType(value, allowSigned, type_, hexCase_);
}

void gintegerOutputFormat::writeFields(CObjectFile& file, int indent) const
{
    field_.write(file, indent);
    if (type_ == gintegerType::notGiven)
        return;
    gkeyword::byToken(kw::TYPE).writeKey(file, indent);
    bool hex = type_ == gintegerType::hex;
    gkeyword::byToken(gintegerType::keywordToken(type_)).writeValue(file, hex ? 2 : 1);
    if (hex)
        gstrSlice(&hexCase_, 1).write(file, 1);
}

void gintegerOutputFormat::afterLoad() noexcept { field_.afterLoad(); }

bool gintegerOutputFormat::isComplete() const noexcept
{
    if (!gintegerType::widthFits(type_, field_.width))
        return false;
    bool needsAlignment = gintegerType::isTextType(type_) && field_.width > 0;
    return needsAlignment == (field_.alignment != 0);
}

gstr gintegerOutputFormat::encode(uint32_t value) const
{
    int32_t width = field_.width;
    if (type_ == gintegerType::notGiven || width > gintegerType::maxOutputWidth)
        return gstr("");
    if (gintegerType::isTextType(type_))
        return placeInField(integerDigits(value, gintegerType::base(type_), hexCase_));
    if (gintegerType::isSingleByte(type_))
        width = 1;
    gstr out(std::max(width, 0));
    for (int32_t i = 0; i < out.length(); ++i) {
        // Byte i counted from the least significant end.
        int32_t place = gintegerType::isLoHi(type_) ? i : out.length() - 1 - i;
        if (type_ == gintegerType::bcd) {
            uint32_t pair = value % 100;
            value /= 100;
            *out.at(place) = static_cast<char>(pair / 10 * 16 + pair % 10);
            continue;
        }
        *out.at(place) = static_cast<char>(value & 0xFF);
        value = i < 3 ? value >> 8 : 0;
    }
    return out;
}

gstr gintegerOutputFormat::placeInField(const gstrSlice& digits) const
{
    int32_t width = field_.width;
    if (width <= 0 || width == digits.length())
        return gstr(digits);
    if (width > gintegerType::maxOutputWidth)
        return gstr("");
    if (digits.length() > width)
        return gstr(gstrSlice(digits.end() - width, width));
    gstr out;
    gstr padding(width - digits.length());
    std::fill_n(padding.getBuffer(), padding.length(), padByte());
    if (field_.alignment == gfieldWidth::left) {
        out.assign(digits);
        out.append(padding);
    } else {
        out.adopt(padding);
        out.append(digits);
    }
    return out;
}

char gintegerOutputFormat::padByte() const noexcept
{
    return field_.pad.hasCharacter() ? field_.pad.character() : ' ';
}
