#pragma once

#include <QColor>

class QImage;
class QPainter;
class QRect;
class QStyleOptionViewItem;

// What the owner-drawn lists, combos and buttons share.

// The height of one line of text: "Bogus" in the default GUI font.
int measuredTextHeight();

// An item's colours: the highlight and its text when selected, else the
// window colour and the window text.
struct itemColours {
    QColor background;
    QColor text;
};
itemColours itemColoursFor(bool selected);
bool isSelectedItem(const QStyleOptionViewItem& option);
// The inverting dotted rectangle of a focused item.
void drawItemFocus(QPainter& painter, const QRect& rect);

// The picture strips of the program's small icons, five each on the mask
// colour magenta: 0 alarm (a red square), 1 bistate (a green square),
// 2 digital (the digits 10), 3 analog (a dial), 4 string (the letter A).
// The icon lists use the 10 x 7 strip, the Registers window its rows' 12 x 10
// strip.
constexpr unsigned iconMaskColour = 0xFF00FF;
QImage classIconStrip();
QImage registerRowStrip();
