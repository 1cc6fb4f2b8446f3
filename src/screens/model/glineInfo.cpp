#include "screens/model/glineInfo.h"

#include "foundation/valueParsers.h"
#include "screens/model/gpropValues.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cstdint>

namespace {

constexpr int styleTokens[] = {kw::SOLID, kw::DASHED, kw::DOTTED, kw::V_CENTER_LINE, kw::V_BREAK_LINE};

int styleOfToken(int token)
{
    for (int i = 0; i < 5; ++i) {
        if (styleTokens[i] == token)
            return i + 1;
    }
    return 0;
}

bool isStyleId(int id) { return id == gprop::lineStyle || id == gprop::firstLineStyle || id == gprop::secondLineStyle; }
bool isWidthId(int id) { return id == gprop::lineWidth || id == gprop::firstLineWidth || id == gprop::secondLineWidth; }
bool isColourId(int id)
{
    return id == gprop::lineColour || id == gprop::firstLineColour || id == gprop::secondLineColour;
}

} // namespace

void glineInfo::set(int32_t style, int32_t width, const gcolor& colour) noexcept
{
    style_ = style;
    width_ = width;
    colour_ = colour;
}

int glineInfo::parse(const char* text)
{
    const char* next = nullptr;
    return parse(text, next);
}

int glineInfo::parse(const char* text, const char*& next)
{
    int token = -1;
    const char* p = nullptr;
    if (parseKeywordItem(text, token, p) != itemResult::comma)
        return itemResult::error;
    int style = styleOfToken(token);
    int32_t width = 0;
    if (style == 0 || parseIntItem(p, width, p) != itemResult::comma || width <= 0)
        return itemResult::error;
    gcolor colour;
    int status = colour.parse(p, p);
    if (status == itemResult::error)
        return status;
    set(style, width, colour);
    next = p;
    return status;
}

void glineInfo::write(CObjectFile& file, int ending) const
{
    gkeyword::byToken(styleTokens[(style_ >= 1 && style_ <= 5 ? style_ : 1) - 1]).writeValue(file, 2);
    file.writeInt(width_, 2);
    colour_.write(file, ending);
}

void glineInfo::apply(const gpropLineValues& values)
{
    values.style.getOr(style_, solid);
    values.width.getOr(width_, 1);
    colour_ = values.colour.isSet() ? values.colour : gcolor(0, 0, 0);
}

void glineInfo::applyOne(const gpropLineValues& values, int id)
{
    // A line taking its first property starts from the defaults, so that it
    // is never written half made.
    if (!isStyleId(id) && !isWidthId(id) && !isColourId(id))
        return;
    if (!isSet())
        set(solid, 1, gcolor(0, 0, 0));
    if (isStyleId(id))
        values.style.getOr(style_, solid);
    else if (isWidthId(id))
        values.width.getOr(width_, 1);
    else if (isColourId(id))
        colour_ = values.colour.isSet() ? values.colour : gcolor(0, 0, 0);
}

void glineInfo::mergeInto(gpropLineValues& values) const
{
    values.style.merge(style_);
    values.width.merge(width_);
    values.colour.gather(colour_);
}

int glineInfo::dashes(int32_t style, int32_t width, int32_t* out) noexcept
{
    static constexpr int multipliers[5][7] = {
        {0}, {2, 4, 4}, {2, 0, 2}, {4, 6, 2, 0, 2}, {6, 6, 2, 0, 2, 0, 2},
    };
    if (style < 1 || style > 5)
        return 0;
    const int* m = multipliers[style - 1];
    for (int i = 0; i < m[0]; ++i) {
        int64_t length = int64_t(width) * m[i + 1] + 1;
        out[i] = length > INT32_MAX ? INT32_MAX : static_cast<int32_t>(length);
    }
    return m[0];
}
