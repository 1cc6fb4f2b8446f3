#include "formats/gfieldWidth.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

int alignmentOfToken(int token, bool allowFullRight)
{
    switch (token) {
    case kw::LEFT: return gfieldWidth::left;
    case kw::RIGHT: return gfieldWidth::right;
    case kw::V_FULL_RIGHT: return allowFullRight ? gfieldWidth::fullRight : 0;
    default: return 0;
    }
}

int alignmentToken(int32_t alignment)
{
    switch (alignment) {
    case gfieldWidth::left: return kw::LEFT;
    case gfieldWidth::right: return kw::RIGHT;
    default: return kw::V_FULL_RIGHT;
    }
}

} // namespace

gloadStatus gfieldWidth::read(int token, const gstr& value, bool allowFullRight, bool alignmentOptional)
{
    if (token != kw::WIDTH)
        return gload::unknownKeyword;
    if (width != -1)
        return gload::alreadyLoaded;
    const char* next = nullptr;
    int32_t number = 0;
    int result = parseIntItem(value.data(), number, next);
    if (result == itemResult::error || number < 0)
        return gload::invalidValue;
    if (result == itemResult::end) {
        if (number > 0 && !alignmentOptional)
            return gload::invalidValue;
        width = number;
        return gload::accepted;
    }
    if (number == 0)
        return gload::invalidValue;
    int token2 = -1;
    if (parseKeywordItem(next, token2, next) != itemResult::comma)
        return gload::invalidValue;
    int chosen = alignmentOfToken(token2, allowFullRight);
    gcharOption padding;
    if (chosen == 0 || padding.parse(next, next, false) != itemResult::end)
        return gload::invalidValue;
    width = number;
    alignment = chosen;
    pad = padding;
    return gload::accepted;
}

void gfieldWidth::write(CObjectFile& file, int indent) const
{
    if (width <= 0)
        return;
    gkeyword::byToken(kw::WIDTH).writeKey(file, indent);
    file.writeInt(width, alignment != 0 ? 2 : 1);
    if (alignment == 0)
        return;
    gkeyword::byToken(alignmentToken(alignment)).writeValue(file, 2);
    // The formats pad with a blank when no character was given; NONE would
    // not load.
    (pad.hasCharacter() ? pad : gcharOption(' ')).write(file, 1);
}

void gfieldWidth::afterLoad() noexcept
{
    if (width == -1)
        width = 0;
}
