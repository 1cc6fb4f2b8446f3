#include "formats/gintegerInputFormat.h"

#include "formats/gintegerType.h"
#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

gloadStatus readType(const gstr& value, bool allowSigned, int32_t& type)
{
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    int32_t found = gintegerType::fromToken(token);
    if (found == gintegerType::notGiven || (gintegerType::isSigned(found) && !allowSigned))
        return gload::invalidValue;
    type = found;
    return gload::accepted;
}

} // namespace

int digitInBase(char c, uint32_t base) noexcept
{
    if (!charClass::isHexDigit(c))
        return -1;
    int digit = hexDigitValue(c);
    return static_cast<uint32_t>(digit) < base ? digit : -1;
}

gloadStatus gintegerInputFormat::readKeyword(int token, const gstr& value, bool allowSigned)
{
    switch (token) {
    case kw::LEADING: {
        if (!leading_.isNull())
            return gload::alreadyLoaded;
        gstr set;
        if (!set.parseValue(value.data()))
            return gload::invalidValue;
        leading_.adopt(set);
        return gload::accepted;
    }
    case kw::WIDTH: {
        if (width_ != -1)
            return gload::alreadyLoaded;
        const char* next = nullptr;
        int32_t number = 0;
        int result = parseIntItem(value.data(), number, next);
        if (result == itemResult::error || number < 0)
            return gload::invalidValue;
        // A trailing set after WIDTH 0 means nothing and is passed over.
        gstr set;
        if (result == itemResult::comma && number > 0 && !set.parseValue(next))
            return gload::invalidValue;
        width_ = number;
        trailing_.adopt(set);
        return gload::accepted;
    }
    case kw::TYPE:
        if (type_ != gintegerType::notGiven)
            return gload::alreadyLoaded;
        return readType(value, allowSigned, type_);
    default:
        return gload::unknownKeyword;
    }
}

void gintegerInputFormat::write(CObjectFile& file, int indent) const
{
    bool text = gintegerType::isTextType(type_);
    if (text && !leading_.isNull()) {
        gkeyword::byToken(kw::LEADING).writeKey(file, indent);
        leading_.write(file, 1);
    }
    if (width_ > 0) {
        bool withTrailing = text && !trailing_.isNull();
        gkeyword::byToken(kw::WIDTH).writeKey(file, indent);
        file.writeInt(width_, withTrailing ? 2 : 1);
        if (withTrailing)
            trailing_.write(file, 1);
    }
    if (type_ != gintegerType::notGiven) {
        gkeyword::byToken(kw::TYPE).writeKey(file, indent);
        gkeyword::byToken(gintegerType::keywordToken(type_)).writeValue(file, 1);
    }
}

void gintegerInputFormat::afterLoad() noexcept
{
    if (width_ == -1)
        width_ = 0;
}

bool gintegerInputFormat::isValid() const noexcept
{
    if (!gintegerType::widthFits(type_, width_))
        return false;
    return gintegerType::isTextType(type_) || (leading_.isNull() && trailing_.isNull());
}

int gintegerInputFormat::decode(const char*& cursor, int32_t available, uint32_t& value) const
{
    if (!isValid() || available < width_)
        return 0;
    if (gintegerType::isTextType(type_))
        return parseText(cursor, available, value, gintegerType::base(type_));
    const auto* bytes = reinterpret_cast<const unsigned char*>(cursor);
    uint64_t v = 0;
    for (int32_t i = 0; i < width_; ++i) {
        unsigned char b = bytes[gintegerType::isLoHi(type_) ? width_ - 1 - i : i];
        if (type_ != gintegerType::bcd) {
            v = v << 8 | b;
            continue;
        }
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            return 0;
        v = v * 100 + (b >> 4) * 10 + (b & 0x0F);
        if (v > UINT32_MAX)
            return 0;
    }
    value = static_cast<uint32_t>(v);
    cursor += width_;
    return 1;
}

int gintegerInputFormat::parseText(const char*& cursor, int32_t available, uint32_t& value, uint32_t base) const
{
    const char* fieldEnd = cursor + (width_ > 0 ? width_ : available);
    const char* p = skipLeading(cursor, fieldEnd, [base](char c) { return digitInBase(c, base) >= 0; });
    uint64_t v = 0;
    const char* digits = p;
    for (int digit = 0; p < fieldEnd && (digit = digitInBase(*p, base)) >= 0; ++p) {
        v = v * base + static_cast<uint32_t>(digit);
        if (v > UINT32_MAX)
            return 0;
    }
    if (p == digits)
        return 0;
    if (width_ > 0 && !(p = endOfField(p, fieldEnd)))
        return 0;
    value = static_cast<uint32_t>(v);
    cursor = p;
    return 1;
}

const char* gintegerInputFormat::endOfField(const char* p, const char* fieldEnd) const noexcept
{
    if (trailing_.isNull())
        return p == fieldEnd ? p : nullptr;
    if (trailing_.isEmpty())
        return fieldEnd;
    while (p < fieldEnd && trailing_.contains(*p))
        ++p;
    return p == fieldEnd ? p : nullptr;
}
