#pragma once

#include "foundation/gstr.h"
#include "screens/model/grect.h"
#include "screens/model/gtransform.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;
class gdrawContext;
class glineInfo;

// The geometry that line and spline drawings share with the line and
// spline shapes of indicators; the owners bring the line value.

// A straight line: its end points as a normalised rectangle and whether it
// runs from bottom-left to top-right. POINTS is written leftmost point first.
struct glineGeometry {
    grect rect;
    bool flip = false;

    bool isSet() const noexcept { return !rect.isEmpty(); }
    // POINTS x1, y1, x2, y2.
    gloadStatus loadPoints(const gstr& value);
    void writePoints(CObjectFile& file, int indent) const;
    void endPoints(const gtransform& t, int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2) const;
    grect paintedBounds(const gtransform& t, int32_t width) const { return t.rect(rect).penBounds(width); }
    void draw(gdrawContext& dc, const gtransform& t, const glineInfo& line) const;
    void drawHandles(gdrawContext& dc) const;
    int hitTest(int32_t x, int32_t y, int32_t width, const gtransform& t, bool bodyOnly) const;
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) noexcept
    {
        rect.transform(cx2, cy2, rotation, flipH, flipV);
    }
    void endGeometryChange(const gtransform& t);
    int beginCreate(int32_t x, int32_t y);
};

// A cubic Bezier curve: the first pair (end point 1 and its control point)
// and the second pair (end point 2 and its control point), the second empty
// while the curve is being drawn; the quadrant says where end point 2 lies
// from end point 1 (0 right and below, 1 left and below, 2 right and
// above, 3 left and above). Handles 2 to 5 are the corners of the end
// points' rectangle, 6 the control point of the left end point, 7 that of
// the right one.
struct gsplineGeometry {
    grect first;
    grect second;
    int quadrant = 0;

    bool isSet() const noexcept { return !first.isEmpty(); }
    // POINTS x0, y0 .. x3, y3: end point 1, its control point, end point 2,
    // its control point.
    gloadStatus loadPoints(const gstr& value);
    void writePoints(CObjectFile& file, int indent) const;
    void computeQuadrant() noexcept;
    void nodes(const gtransform& t, grect& a, grect& b) const;
    grect paintedBounds(const gtransform& t, int32_t width) const;
    grect curveBox(const gtransform& t) const;
    void draw(gdrawContext& dc, const gtransform& t, const glineInfo& line) const;
    void drawHandles(gdrawContext& dc, bool reshape) const;
    int hitTest(int32_t x, int32_t y, int32_t width, const gtransform& t, bool reshape, bool bodyOnly) const;
    // Codes 2 to 7; false for any other, which the owner answers itself.
    bool getHandlePoint(int code, int32_t& x, int32_t& y) const;
    void moveHandle(int code, int32_t dx, int32_t dy);
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV);
    void endGeometryChange(const gtransform& t);
    // The two strokes of creation: the first press answers 6, the release
    // after it 5 (creation goes on), the second press 7, its release 0.
    int beginCreate(int32_t x, int32_t y);
    int endCreate();

private:
    int cornerOfFirst() const noexcept;
    int cornerOfSecond() const noexcept;
    bool firstIsLeft() const noexcept { return quadrant == 0 || quadrant == 2; }
};

// A rectangle of four integers that must end the value, normalised; 4 when
// the rectangle is already set.
gloadStatus loadRectangle(grect& rect, const gstr& value, bool normalise);
// The key and the rectangle's four values.
void writeRectangle(CObjectFile& file, int indent, int token, const grect& rect);
