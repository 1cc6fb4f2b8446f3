#include "formats/gexponentNotation.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "resources/stringTable.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int defaultMarkerId = 20019;

constexpr const char* symbolicFonts[gexponentNotation::symbolicFontCount] = {
    "DEFAULT", "ALTERNATE", "MONOSPACE", "SANS SERIF", "SERIF", "HELVETICA", "TIMES", "COURIER",
};

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

const char* gexponentNotation::symbolicFontName(int32_t font)
{
    if (font < 0 || font >= symbolicFontCount)
        throw gfault("font out of range in gexponentNotation::symbolicFontName()");
    return symbolicFonts[font];
}

int32_t gexponentNotation::findSymbolicFont(const gstrSlice& name)
{
    for (int32_t i = 0; i < symbolicFontCount; ++i) {
        if (name.compareNoCase(symbolicFonts[i]) == 0)
            return i;
    }
    return -1;
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
    if (font_ >= 0) {
        gkeyword::byToken(kw::FONT).writeKey(file, indent);
        gstrSlice(symbolicFontName(font_)).write(file, 1);
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
    if (font_ != -1)
        return gload::alreadyLoaded;
    gstr name;
    if (!name.parseValue(value.data()))
        return gload::invalidValue;
    int32_t found = findSymbolicFont(name);
    if (found < 0)
        return gload::invalidValue;
    font_ = found;
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
