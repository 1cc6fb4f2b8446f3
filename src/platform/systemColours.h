#pragma once

#include <cstdint>

class QBrush;
class QColor;

// The system colours the custom-drawn controls paint with, taken from the
// application's palette so that they follow the desktop's theme.
enum class sysColour {
    window,          // the ground of edits and lists
    windowText,
    windowFrame,     // thin frames around cells and swatches
    buttonFace,
    buttonShadow,
    buttonHighlight,
    buttonText,
    grayText,        // text of disabled items
    highlight,       // ground of selected items
    highlightText,
};

QColor systemColour(sysColour which);

// The framework's halftone brush: a 50 per cent dither of the two colours,
// one pixel each, as the platform paints fields that hold no value.
QBrush halftoneBrush(const QColor& fore, const QColor& back);

// A COLORREF: red in the low byte, green in the next, blue in the third.
QColor colourFromRef(uint32_t colour);
uint32_t refFromColour(const QColor& colour);
