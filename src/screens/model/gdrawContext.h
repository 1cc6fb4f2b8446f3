#pragma once

#include "foundation/gcolor.h"
#include "foundation/gstr.h"
#include "screens/model/grect.h"

#include <cstdint>

class gbitmap;
class gfillInfo;
class glineInfo;
class gtextInfo;

struct gpoint {
    int32_t x;
    int32_t y;
};

// The drawing surface of screens, in screen coordinates. Graphic objects
// describe what they draw (lines, areas, texts by their appearance values)
// and the surface makes the pens, brushes and fonts. Rectangles are
// inclusive (from 0 to 9 covers ten pixels) and are normalised by the
// surface; a rectangle that stands for two points is passed as four
// coordinates.
class gdrawContext {
public:
    virtual ~gdrawContext() = default;

    // Whether the rectangle meets the area being painted.
    virtual bool isVisible(const grect& rect) const = 0;
    // The box of the area being painted; the empty rectangle when the whole
    // screen is painted.
    virtual grect paintBounds() const = 0;

    virtual void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const glineInfo& line) = 0;
    // A Bezier segment between two nodes (point, control point).
    virtual void bezier(const grect& nodeA, const grect& nodeB, const glineInfo& line) = 0;
    virtual void rectangle(const grect& rect, const glineInfo& line, const gfillInfo& fill) = 0;
    virtual void ellipse(const grect& rect, const glineInfo& line, const gfillInfo& fill) = 0;
    virtual void polyline(const gpoint* points, int count, const glineInfo& line) = 0;
    virtual void polygon(const gpoint* points, int count, const glineInfo& line, const gfillInfo& fill) = 0;
    // The text in the rectangle with the appearance's font, colour and
    // layout flags, on a transparent ground.
    virtual void text(const grect& rect, const gstrSlice& text, const gtextInfo& style) = 0;
    virtual int32_t textWidth(const gstrSlice& text, const gtextInfo& style) = 0;
    virtual int32_t ascent(const gtextInfo& style) = 0;
    // With useColour and a set colour that colour; otherwise the window
    // colour (useColour) or the button-face colour.
    virtual void fillBackground(const grect& rect, bool useColour, const gcolor& colour) = 0;
    // A raised button edge with the caption centred and word-wrapped inside.
    virtual void buttonFace(const grect& rect, const gstrSlice& caption) = 0;
    // The image with its reference point at (x, y); transparent pixels keep
    // what lies below.
    virtual void image(int32_t x, int32_t y, const gbitmap& image) = 0;
    // The 3D area types 1 to 9.
    virtual void area3d(const grect& rect, int type) = 0;
    // Selection feedback, all inverting what lies below: a 5 x 5 handle, a
    // hollow handle, the dotted leader of a Bezier control point, the margin
    // marks of value indicators, a grey frame and a grey line.
    virtual void handle(int32_t x, int32_t y) = 0;
    virtual void hollowHandle(int32_t x, int32_t y) = 0;
    virtual void controlLeader(int32_t px, int32_t py, int32_t qx, int32_t qy) = 0;
    virtual void marginMarker(int32_t px, int32_t py, int32_t qx, int32_t qy) = 0;
    virtual void xorFrame(const grect& rect) = 0;
    virtual void xorLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void pixel(int32_t x, int32_t y, const gcolor& colour) = 0;
    // The system colour the ground of a screen without a background takes:
    // the window colour for screens in the menu, else the button face.
    virtual gcolor systemColour(bool window) const = 0;
};

// The view that shows a screen. Rectangles are client pixels, right and
// bottom exclusive.
class gscreenWindow {
public:
    virtual ~gscreenWindow() = default;
    virtual void invalidate(const grect& clientRect) = 0;
    // An inverting focus rectangle drawn straight away (the rubber band).
    virtual void drawFocusRect(const grect& clientRect) = 0;
};
