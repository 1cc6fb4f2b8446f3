#include "screens/model/gfontName.h"

#include "resources/fontFaceNames.h"

namespace {

// The face names are kept in the order system font, default GUI font, fixed
// font, "MS Serif", "MS Sans Serif", "Arial", "Times New Roman", "Courier New".
const gfontName fonts[symbolicFontCount] = {
    {"DEFAULT", 0}, {"ALTERNATE", 1}, {"MONOSPACE", 2}, {"SANS SERIF", 4},
    {"SERIF", 3},   {"HELVETICA", 5}, {"TIMES", 6},     {"COURIER", 7},
};

} // namespace

const gstr& gfontName::faceName() const { return fontFaceName(faceIndex_); }

const gfontName* symbolicFont(int index) { return index >= 0 && index < symbolicFontCount ? &fonts[index] : nullptr; }

int symbolicFontIndex(const gfontName* font)
{
    for (int i = 0; i < symbolicFontCount; ++i) {
        if (font == &fonts[i])
            return i;
    }
    return -1;
}

const gfontName* findFontName(const gstrSlice& name)
{
    for (const gfontName& font : fonts) {
        if (name.compareNoCase(font.name()) == 0)
            return &font;
    }
    return nullptr;
}

const gfontName* alternateFont() { return &fonts[1]; }
