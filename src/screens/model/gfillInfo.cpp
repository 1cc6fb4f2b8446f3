#include "screens/model/gfillInfo.h"

#include "foundation/valueParsers.h"
#include "screens/model/gpropValues.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr gcolor black(0, 0, 0);
constexpr gcolor white(255, 255, 255);

int patternLimit(int32_t kind)
{
    return kind == gfillInfo::pattern ? gfillInfo::hatchCount : gfillInfo::colourPatternCount;
}

} // namespace

void gfillInfo::set(int32_t kind, int32_t patternNumber, const gcolor& foreground, const gcolor& background) noexcept
{
    kind_ = kind;
    pattern_ = patternNumber;
    foreground_ = foreground;
    background_ = background;
}

int gfillInfo::parse(const char* text)
{
    const char* next = nullptr;
    return parse(text, next);
}

int gfillInfo::parse(const char* text, const char*& next)
{
    int token = -1;
    const char* p = nullptr;
    int status = parseKeywordItem(text, token, p);
    if (status == itemResult::error)
        return status;
    switch (token) {
    case kw::EMPTY: set(empty, 0, black, white); break;
    case kw::COLOR: {
        gcolor fore;
        if (status != itemResult::comma || (status = fore.parse(p, p)) == itemResult::error)
            return itemResult::error;
        set(colour, 0, fore, white);
        break;
    }
    case kw::PATTERN: {
        int32_t n = -1;
        gcolor fore;
        gcolor back;
        if (status != itemResult::comma || parseIntItem(p, n, p) != itemResult::comma || n < 0 || n >= hatchCount
            || fore.parse(p, p) != itemResult::comma || (status = back.parse(p, p)) == itemResult::error)
            return itemResult::error;
        set(pattern, n, fore, back);
        break;
    }
    case kw::V_COLOR_PATTERN: {
        int32_t n = -1;
        if (status != itemResult::comma || (status = parseIntItem(p, n, p)) == itemResult::error || n < 0
            || n >= colourPatternCount)
            return itemResult::error;
        set(colourPattern, n, black, white);
        break;
    }
    default: return itemResult::error;
    }
    next = p;
    return status;
}

void gfillInfo::write(CObjectFile& file, int ending) const
{
    switch (kind_) {
    case colour:
        gkeyword::byToken(kw::COLOR).writeValue(file, 2);
        foreground_.write(file, ending);
        return;
    case pattern:
        gkeyword::byToken(kw::PATTERN).writeValue(file, 2);
        file.writeInt(pattern_, 2);
        foreground_.write(file, 2);
        background_.write(file, ending);
        return;
    case colourPattern:
        gkeyword::byToken(kw::V_COLOR_PATTERN).writeValue(file, 2);
        file.writeInt(pattern_, ending);
        return;
    default: gkeyword::byToken(kw::EMPTY).writeValue(file, ending); return;
    }
}

void gfillInfo::takeKind(const gpropFillValues& values)
{
    if (!values.kind.hasValue() || values.kind.get() < empty || values.kind.get() > colourPattern) {
        kind_ = empty;
        pattern_ = 0;
        return;
    }
    kind_ = values.kind.get();
    values.pattern.getOr(pattern_, 0);
    if (kind_ == empty || kind_ == colour || pattern_ >= patternLimit(kind_))
        pattern_ = 0;
}

void gfillInfo::apply(const gpropFillValues& values)
{
    takeKind(values);
    foreground_ = values.foreground.isSet() ? values.foreground : black;
    background_ = values.background.isSet() ? values.background : white;
}

void gfillInfo::applyOne(const gpropFillValues& values, int id)
{
    // A fill taking its first property starts from the defaults, so that it
    // is never written half made.
    if (id != gprop::fillKind && id != gprop::fillForeground && id != gprop::fillBackground)
        return;
    if (!isSet())
        set(empty, 0, black, white);
    if (id == gprop::fillKind)
        takeKind(values);
    else if (id == gprop::fillForeground)
        foreground_ = values.foreground.isSet() ? values.foreground : black;
    else if (id == gprop::fillBackground)
        background_ = values.background.isSet() ? values.background : white;
}

void gfillInfo::mergeInto(gpropFillValues& values) const
{
    values.kind.merge(kind_);
    switch (kind_) {
    case colour: values.foreground.gather(foreground_); return;
    case pattern:
        values.pattern.merge(pattern_);
        values.background.gather(background_);
        values.foreground.gather(foreground_);
        return;
    case colourPattern: values.pattern.merge(pattern_); return;
    default: return;
    }
}
