#pragma once

#include <cstdint>

class QFont;

// How one token kind looks: foreground and background colours and a font
// style, each for the screen and for printing, each possibly unset. What a
// style leaves unset comes from the view's default style.
class CSourceTokenStyle {
public:
    // Bits of styleFlags.
    static constexpr uint8_t screenForegroundSet = 0x01;
    static constexpr uint8_t screenBackgroundSet = 0x02;
    static constexpr uint8_t printForegroundSet = 0x04;
    static constexpr uint8_t printBackgroundSet = 0x08;
    static constexpr uint8_t screenFontStyleSet = 0x10;
    static constexpr uint8_t printFontStyleSet = 0x20;
    // Which colour setColour sets.
    enum colourSlot { screenForegroundColour, screenBackgroundColour, printForegroundColour, printBackgroundColour };
    // Font styles.
    static constexpr uint8_t fontNormal = 1;
    static constexpr uint8_t fontBold = 2;
    static constexpr uint8_t fontItalic = 3;

    CSourceTokenStyle();
    virtual ~CSourceTokenStyle();
    CSourceTokenStyle(const CSourceTokenStyle&) = default;
    CSourceTokenStyle& operator=(const CSourceTokenStyle&) = default;

    // The font of this kind; non-zero when it supplied one. The base gives
    // the system's fixed-pitch font.
    virtual int getFont(QFont& font, int printing) const;

    // Clearing stores 0 and clears the set bit.
    void setColour(colourSlot which, uint32_t value, int set);
    // The print colour when printing, else the screen colour; 0 when unset.
    int getForeground(uint32_t& colour, int printing) const;
    int getBackground(uint32_t& colour, int printing) const;
    void setFontStyle(uint8_t style, int printing, int set = 1);
    // 0 when unset.
    int getFontStyle(int printing) const;

    uint8_t styleFlags = 0;
    uint8_t screenFontStyle = fontNormal;
    uint8_t printFontStyle = fontNormal;
    uint32_t screenForeground = 0;
    uint32_t screenBackground = 0;
    uint32_t printForeground = 0;
    uint32_t printBackground = 0;
};

// The engine's own colour table: 65 styles indexed by token kind, unset but
// for the foregrounds of integers, reals, identifiers and strings.
constexpr int sourceTokenStyleCount = 65;
CSourceTokenStyle& sourceBaseTokenStyle(int kind);
// The engine's default style: the system window colours on screen, black on
// white in print.
CSourceTokenStyle& sourceBaseDefaultStyle();
