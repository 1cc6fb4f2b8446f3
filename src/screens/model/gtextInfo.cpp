#include "screens/model/gtextInfo.h"

#include "foundation/valueParsers.h"
#include "screens/model/gfontName.h"
#include "screens/model/gpropValues.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>

namespace {

constexpr int weightTokens[] = {kw::NORMAL, kw::BOLD, kw::ITALIC, kw::V_BOLD_ITALIC};
constexpr int alignmentTokens[] = {kw::LEFT, kw::CENTER, kw::RIGHT};

int indexOf(const int* tokens, int count, int token)
{
    for (int i = 0; i < count; ++i) {
        if (tokens[i] == token)
            return i;
    }
    return -1;
}

uint32_t alignmentBits(int32_t alignment)
{
    if (alignment == gtextInfo::center)
        return gtextInfo::alignCenter;
    return alignment == gtextInfo::right ? gtextInfo::alignRight : 0;
}

} // namespace

void gtextInfo::set(const gfontName* font, bool bold, bool italic, int32_t size, int32_t alignment,
                    const gcolor& colour)
{
    font_ = font;
    bold_ = bold;
    italic_ = italic;
    size_ = size;
    colour_ = colour;
    setAlignment(alignment);
}

void gtextInfo::setAlignment(int32_t alignment) noexcept
{
    alignment_ = alignment;
    format_ = (format_ & ~(alignCenter | alignRight)) | alignmentBits(alignment);
}

void gtextInfo::adjustSize(const gfontName* font, int32_t delta) noexcept
{
    if (font)
        font_ = font;
    int64_t size = int64_t(size_) + delta;
    size_ = static_cast<int32_t>(std::clamp<int64_t>(size, smallestSize, INT32_MAX));
}

int gtextInfo::parse(const char* text)
{
    const char* next = nullptr;
    return parse(text, next);
}

int gtextInfo::parse(const char* text, const char*& next)
{
    gstr name;
    const char* p = nullptr;
    if (name.parse(text, p) != itemResult::comma)
        return itemResult::error;
    const gfontName* font = findFontName(name);
    int weight = -1;
    int token = -1;
    if (!font || parseKeywordItem(p, token, p) != itemResult::comma || (weight = indexOf(weightTokens, 4, token)) < 0)
        return itemResult::error;
    int32_t size = 0;
    if (parseIntItem(p, size, p) != itemResult::comma || size < smallestSize)
        return itemResult::error;
    int alignment = -1;
    if (parseKeywordItem(p, token, p) != itemResult::comma || (alignment = indexOf(alignmentTokens, 3, token)) < 0)
        return itemResult::error;
    gcolor colour;
    int status = colour.parse(p, p);
    if (status == itemResult::error)
        return status;
    set(font, (weight & 1) != 0, (weight & 2) != 0, size, alignment + 1, colour);
    next = p;
    return status;
}

void gtextInfo::write(CObjectFile& file, int ending) const
{
    gstrSlice(font_ ? font_->name() : alternateFont()->name()).write(file, 2);
    gkeyword::byToken(weightTokens[(bold_ ? 1 : 0) + (italic_ ? 2 : 0)]).writeValue(file, 2);
    file.writeInt(size_, 2);
    gkeyword::byToken(alignmentTokens[std::clamp(alignment_, left, right) - 1]).writeValue(file, 2);
    colour_.write(file, ending);
}

void gtextInfo::apply(const gpropTextValues& values)
{
    for (int id = gprop::font; id <= gprop::textColour; ++id)
        applyOne(values, id);
}

void gtextInfo::applyOne(const gpropTextValues& values, int id)
{
    // A value taking its first property starts from the defaults, so that
    // it is never written half made.
    if (id < gprop::font || id > gprop::textColour)
        return;
    if (!isSet())
        set(alternateFont(), false, false, 14, left, gcolor(0, 0, 0));
    switch (id) {
    case gprop::font: values.font.getOr(font_, alternateFont()); break;
    case gprop::bold: bold_ = values.bold.isTrue(); break;
    case gprop::italic: italic_ = values.italic.isTrue(); break;
    case gprop::size: values.size.getOr(size_, 14); break;
    case gprop::alignment: {
        int32_t alignment = left;
        values.alignment.getOr(alignment, left);
        setAlignment(alignment);
        break;
    }
    case gprop::textColour: colour_ = values.colour.isSet() ? values.colour : gcolor(0, 0, 0); break;
    default: break;
    }
}

void gtextInfo::mergeInto(gpropTextValues& values) const
{
    values.font.merge(font_);
    values.size.merge(size_);
    values.alignment.merge(alignment_);
    values.bold.merge(bold_ ? 1 : 0);
    values.italic.merge(italic_ ? 1 : 0);
    values.colour.gather(colour_);
}
