#include "screens/model/gpropValues.h"

#include "screens/model/gbitmap.h"
#include "screens/model/gfontName.h"
#include "screens/model/gimageLibrary.h"

namespace {

constexpr gcolor black(0, 0, 0);
constexpr gcolor white(255, 255, 255);
constexpr gcolor grey(128, 128, 128);

// The defaults of one state kind (0 to 12) where they differ by kind.
struct kindLook {
    gcolor line;
    int32_t fillKind; // 0: no fill defaults (the marker parts of a dial)
    int32_t pattern;
    gcolor fill;
    gcolor text;
};

kindLook lookOf(int kind)
{
    switch (kind) {
    case 0: return {grey, 1, 0, grey, grey};
    case 1: return {black, 3, 1, gcolor(255, 128, 128), gcolor(255, 0, 0)};
    case 2: return {black, 1, 0, black, grey};
    case 3: return {black, 2, 0, gcolor(255, 0, 0), black};
    case 4: return {black, 2, 0, gcolor(0, 255, 0), black};
    case 5:
    case 6:
    case 7: return {black, 1, 0, gcolor(255, 255, 0), black};
    case 8:
    case 9:
    case 10: return {black, 0, 0, black, black};
    case 11: return {black, 2, 0, gcolor(0, 0, 255), black};
    default: return {black, 1, 0, black, black};
    }
}

void takeColour(gcolor& to, const gcolor& from, int mode)
{
    if (mode == gmergeMode::everything && from.isSet())
        to = from;
}

template <class T>
void takeValue(T& to, const T& from)
{
    if (from.hasValue())
        to = from;
}

} // namespace

const gstrSlice& noImageName()
{
    static const gstrSlice name("\0 NONE", 6);
    return name;
}

void gpropLineValues::setStateDefault(int kind)
{
    style.set(1);
    width.set(1);
    colour = lookOf(kind).line;
}

void gpropLineValues::clear()
{
    style.reset();
    width.reset();
    colour.clear();
}

void gpropLineValues::merge(const gpropLineValues& other, int mode)
{
    takeValue(width, other.width);
    if (mode != gmergeMode::shapeOnly)
        takeValue(style, other.style);
    takeColour(colour, other.colour, mode);
}

void gpropFillValues::setStateDefault(int kind)
{
    kindLook look = lookOf(kind);
    background = white;
    if (look.fillKind == 0)
        return;
    this->kind.set(look.fillKind);
    pattern.set(look.pattern);
    foreground = look.fill;
}

void gpropFillValues::clear()
{
    kind.reset();
    pattern.reset();
    foreground.clear();
    background.clear();
}

void gpropFillValues::merge(const gpropFillValues& other, int mode)
{
    if (mode != gmergeMode::shapeOnly) {
        takeValue(kind, other.kind);
        takeValue(pattern, other.pattern);
    }
    takeColour(foreground, other.foreground, mode);
    takeColour(background, other.background, mode);
}

void gpropTextValues::setStateDefault(int kind)
{
    font.set(alternateFont());
    size.set(14);
    alignment.set(1);
    bold.set(0);
    italic.set(0);
    colour = lookOf(kind).text;
}

void gpropTextValues::clear()
{
    font.reset();
    size.reset();
    alignment.reset();
    bold.reset();
    italic.reset();
    colour.clear();
}

void gpropTextValues::merge(const gpropTextValues& other, int mode)
{
    takeValue(font, other.font);
    takeValue(size, other.size);
    takeValue(alignment, other.alignment);
    takeValue(bold, other.bold);
    takeValue(italic, other.italic);
    takeColour(colour, other.colour, mode);
}

void gpropImageValue::setDefault()
{
    gbitmap* first = imageLibrary().first();
    name.set(first ? static_cast<const gstrSlice&>(first->getName()) : noImageName());
}

void gpropImageValue::merge(const gpropImageValue& other, int)
{
    if (other.name.hasValue())
        name.set(other.name.getValue());
}

void gpropImageValue::resolve()
{
    if (!name.hasValue() || imageLibrary().find(name.getValue()))
        return;
    if (gbitmap* first = imageLibrary().first())
        name.set(first->getName());
}

void gpropAppearanceValues::setStateDefault(int kind)
{
    line.setStateDefault(kind);
    fill.setStateDefault(kind);
    textValues.setStateDefault(kind);
    image.setDefault();
    text.setEmpty();
}

void gpropAppearanceValues::clear()
{
    line.clear();
    fill.clear();
    textValues.clear();
    image.clear();
    text.reset();
}

void gpropAppearanceValues::merge(const gpropAppearanceValues& other, int mode)
{
    line.merge(other.line, mode);
    fill.merge(other.fill, mode);
    textValues.merge(other.textValues, mode);
    image.merge(other.image, mode);
    if (mode != gmergeMode::shapeOnly && other.text.hasValue())
        text.set(other.text.getValue());
}
