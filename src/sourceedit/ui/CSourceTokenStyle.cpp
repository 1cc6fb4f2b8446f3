#include "sourceedit/ui/CSourceTokenStyle.h"

#include "sourceedit/sourceColour.h"

#include <QFont>
#include <QFontDatabase>
#include <array>

CSourceTokenStyle::CSourceTokenStyle() = default;
CSourceTokenStyle::~CSourceTokenStyle() = default;

int CSourceTokenStyle::getFont(QFont& font, int) const
{
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Characters a whole number of pixels wide fill the view's cells.
    font.setHintingPreference(QFont::PreferFullHinting);
    return 1;
}

void CSourceTokenStyle::setColour(colourSlot which, uint32_t value, int set)
{
    static constexpr uint8_t bits[] = {screenForegroundSet, screenBackgroundSet, printForegroundSet,
                                       printBackgroundSet};
    uint32_t* values[] = {&screenForeground, &screenBackground, &printForeground, &printBackground};
    *values[which] = set ? value : 0;
    styleFlags = static_cast<uint8_t>(set ? styleFlags | bits[which] : styleFlags & ~bits[which]);
}

int CSourceTokenStyle::getForeground(uint32_t& colour, int printing) const
{
    if (!(styleFlags & (printing ? printForegroundSet : screenForegroundSet)))
        return 0;
    colour = printing ? printForeground : screenForeground;
    return 1;
}

int CSourceTokenStyle::getBackground(uint32_t& colour, int printing) const
{
    if (!(styleFlags & (printing ? printBackgroundSet : screenBackgroundSet)))
        return 0;
    colour = printing ? printBackground : screenBackground;
    return 1;
}

void CSourceTokenStyle::setFontStyle(uint8_t style, int printing, int set)
{
    uint8_t bit = printing ? printFontStyleSet : screenFontStyleSet;
    (printing ? printFontStyle : screenFontStyle) = set ? style : fontNormal;
    styleFlags = static_cast<uint8_t>(set ? styleFlags | bit : styleFlags & ~bit);
}

int CSourceTokenStyle::getFontStyle(int printing) const
{
    if (!(styleFlags & (printing ? printFontStyleSet : screenFontStyleSet)))
        return 0;
    return printing ? printFontStyle : screenFontStyle;
}

CSourceTokenStyle& sourceBaseTokenStyle(int kind)
{
    static std::array<CSourceTokenStyle, sourceTokenStyleCount> table = [] {
        std::array<CSourceTokenStyle, sourceTokenStyleCount> t;
        t[3].setColour(CSourceTokenStyle::screenForegroundColour, rgbColour(0, 80, 80), 1);
        t[4].setColour(CSourceTokenStyle::screenForegroundColour, rgbColour(80, 80, 80), 1);
        t[5].setColour(CSourceTokenStyle::screenForegroundColour, rgbColour(0, 0, 180), 1);
        t[6].setColour(CSourceTokenStyle::screenForegroundColour, rgbColour(0, 0, 80), 1);
        return t;
    }();
    return table[static_cast<size_t>(kind < 0 || kind >= sourceTokenStyleCount ? 0 : kind)];
}

CSourceTokenStyle& sourceBaseDefaultStyle()
{
    static CSourceTokenStyle style = [] {
        CSourceTokenStyle s;
        s.setColour(CSourceTokenStyle::screenForegroundColour, systemColourRef(sysColourIndexWindowText), 1);
        s.setColour(CSourceTokenStyle::screenBackgroundColour, systemColourRef(sysColourIndexWindow), 1);
        s.setColour(CSourceTokenStyle::printForegroundColour, rgbColour(0, 0, 0), 1);
        s.setColour(CSourceTokenStyle::printBackgroundColour, rgbColour(255, 255, 255), 1);
        return s;
    }();
    return style;
}
