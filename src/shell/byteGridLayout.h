#pragma once

class QColor;
class QPainter;
class QRect;
class QString;
class QWidget;

// The common geometry and look of the two byte controls: 32 bit cells in
// four groups of eight, under or over a row of byte labels, inside a sunken
// edge.
struct byteGridLayout {
    // The platform's 3-D edge, in pixels.
    static constexpr int edge = 2;

    // The inner area of a client rectangle of that size: shrunk by the edge
    // plus 2 pixels on every side; right and bottom exclusive.
    struct area {
        int left;
        int top;
        int right;
        int bottom;
    };
    static area inner(int clientWidth, int clientHeight);

    // The columns over [left, right): cellWidth = (right - left - 6) / 32;
    // the outer groups touch the edges and the middle gap takes the
    // remainder of the spare pixels.
    void layOutColumns(int left, int right);

    int groupX[4] = {};
    int cellWidth = 0;
};

// A cell as both controls draw it: a one-pixel frame in the window-frame
// colour over [x, x + width) and [y, y + height), filled (or not) and with
// its text centred on one line.
void drawByteCell(QPainter& painter, const QRect& cell, const QString& text, const QColor* fill,
                  const QColor& textColour);
// The sunken edge around the client area and the window colour inside it.
void drawByteGridGround(QPainter& painter, const QWidget& control);
