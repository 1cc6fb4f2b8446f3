#include "formats/gexponentNotation.h"

#include "foundation/valueParsers.h"
#include "resources/stringTable.h"
#include "screens/model/gfontName.h"
#include "screens/model/gpropExponentValues.h"
#include "screens/model/gtextInfo.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int defaultMarkerId = 20019;

const gstr& defaultMarker()
{
    static const gstr text(stringTableText(defaultMarkerId));
    return text;
}

} // namespace

gexponentNotation::gexponentNotation() : marker_(defaultMarker()) {}

void gexponentNotation::setSize(int32_t reduction, int32_t raise) noexcept
{
    reduction_ = reduction;
    raise_ = raise;
}

bool gexponentNotation::parseHeader(const gstr& value)
{
    gstr text;
    if (!text.parseValue(value.data()) || text.isEmpty())
        return false;
    marker_.adopt(text);
    return true;
}

void gexponentNotation::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::EXPONENT).writeKey(file, indent);
    marker_.write(file, 1);
}

void gexponentNotation::writeFields(CObjectFile& file, int indent) const
{
    if (width_ > 1) {
        gkeyword::byToken(kw::WIDTH).writeKey(file, indent);
        file.writeInt(width_, 1);
    }
    if (plusSign_ == 0 || plusSign_ == 1) {
        gkeyword::byToken(kw::PLUS_SIGN).writeKey(file, indent);
        gkeyword::byToken(plusSign_ ? kw::YES : kw::NO).writeValue(file, 1);
    }
    if (font_) {
        gkeyword::byToken(kw::FONT).writeKey(file, indent);
        gstrSlice(font_->name()).write(file, 1);
    }
    if (reduction_ > 0 || raise_ > 0) {
        gkeyword::byToken(kw::SIZE).writeKey(file, indent);
        file.writeInt(-std::max(reduction_, 0), 2);
        file.writeInt(raise_, 1);
    }
}

gloadStatus gexponentNotation::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::WIDTH: return readWidth(value);
    case kw::PLUS_SIGN: return loadBooleanKeyword(value, plusSign_, kw::YES, kw::NO);
    case kw::FONT: return readFont(value);
    case kw::SIZE: return readSize(value);
    default: return gstorable::loadField(token, value);
    }
}

gloadStatus gexponentNotation::readWidth(const gstr& value)
{
    if (width_ != 0)
        return gload::alreadyLoaded;
    int32_t number = 0;
    if (parseIntItem(value.data(), number) != itemResult::end || number < 0)
        return gload::invalidValue;
    width_ = number;
    return gload::accepted;
}

gloadStatus gexponentNotation::readFont(const gstr& value)
{
    if (fontLoaded_)
        return gload::alreadyLoaded;
    gstr name;
    if (!name.parseValue(value.data()))
        return gload::invalidValue;
    const gfontName* found = findFontName(name);
    if (!found)
        return gload::invalidValue;
    font_ = found;
    fontLoaded_ = true;
    return gload::accepted;
}

// "SIZE -reduction, raise": the first 0 or negative, the second 0 or more.
gloadStatus gexponentNotation::readSize(const gstr& value)
{
    if (reduction_ != -1)
        return gload::alreadyLoaded;
    int32_t shrink = 0;
    int32_t lift = 0;
    const char* next = nullptr;
    if (parseIntItem(value.data(), shrink, next) != itemResult::comma || shrink > 0
        || shrink == std::numeric_limits<int32_t>::min() || parseIntItem(next, lift) != itemResult::end || lift < 0)
        return gload::invalidValue;
    setSize(-shrink, lift);
    return gload::accepted;
}

void gexponentNotation::afterLoad()
{
    if (width_ == 0)
        width_ = 1;
    if (plusSign_ == -1)
        plusSign_ = 1;
    if (reduction_ == -1)
        reduction_ = 0;
}

void gexponentNotation::apply(const gpropExponentValues& values)
{
    for (int id = 48; id <= 53; ++id)
        applyOne(values, id);
}

int gexponentNotation::applyOne(const gpropExponentValues& values, int id)
{
    switch (id) {
    case 48:
        if (values.marker.hasValue() && !values.marker.getValue().isEmpty())
            marker_.assign(values.marker.getValue());
        else
            marker_.assign(defaultMarker());
        return 1;
    case 49: values.digits.getOr(width_, 2); width_ = std::max(width_, int32_t(1)); return 1;
    case 50: values.plusSign.getOr(plusSign_, 1); return 1;
    case 51: values.font.getOr(font_, nullptr); return 1;
    case 52: values.reduceBy.getOr(reduction_, 2); return 1;
    case 53: values.raiseBy.getOr(raise_, 5); return 1;
    default: return 0;
    }
}

void gexponentNotation::mergeInto(gpropExponentValues& values) const
{
    values.marker.merge(marker_);
    values.digits.merge(width_);
    values.plusSign.merge(plusSign_);
    values.font.merge(font_);
    values.reduceBy.merge(std::max(reduction_, int32_t(0)));
    values.raiseBy.merge(raise_);
}

void gexponentNotation::styleExponent(gtextInfo& style, int32_t& raise) const
{
    style.adjustSize(font_, -std::max(reduction_, int32_t(0)));
    raise = raise_;
}
