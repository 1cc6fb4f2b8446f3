#include "screens/model/gshapeGeometry.h"

#include "foundation/rectCorner.h"
#include "foundation/valueParsers.h"
#include "screens/model/gbezier.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/glineInfo.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cmath>
#include <cstdlib>

namespace {

bool near(int64_t a, int64_t b) { return std::llabs(a - b) < 2; }

// Within the 5 x 5 square centred on the point.
bool onSquare(int64_t x, int64_t y, int64_t px, int64_t py)
{
    return std::llabs(x - px) <= 2 && std::llabs(y - py) <= 2;
}

gloadStatus loadIntegers(const gstr& value, int32_t* out, int count)
{
    const char* next = value.data();
    for (int i = 0; i < count; ++i) {
        int status = parseIntItem(next, out[i], next);
        if (status != (i + 1 < count ? itemResult::comma : itemResult::end))
            return gload::invalidValue;
    }
    return gload::accepted;
}

void movePoint(int32_t& x, int32_t& y, int32_t dx, int32_t dy)
{
    x = wrapCoordinate(int64_t(x) + dx);
    y = wrapCoordinate(int64_t(y) + dy);
}

void transformNode(grect& node, int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    if (node.isEmpty())
        return;
    transformPoint(node.left, node.top, cx2, cy2, rotation, flipH, flipV);
    transformPoint(node.right, node.bottom, cx2, cy2, rotation, flipH, flipV);
}

grect transformNode(const grect& node, const gtransform& t)
{
    if (node.isEmpty())
        return node;
    return grect{t.x(node.left), t.y(node.top), t.x(node.right), t.y(node.bottom)};
}

} // namespace

gloadStatus loadRectangle(grect& rect, const gstr& value, bool normalise)
{
    if (!rect.isEmpty())
        return gload::alreadyLoaded;
    grect read;
    if (read.parse(value.data()) != itemResult::end)
        return gload::invalidValue;
    rect = normalise ? read.normalized() : read;
    return gload::accepted;
}

void writeRectangle(CObjectFile& file, int indent, int token, const grect& rect)
{
    gkeyword::byToken(token).writeKey(file, indent);
    rect.write(file, 1);
}

// Line.

gloadStatus glineGeometry::loadPoints(const gstr& value)
{
    if (isSet())
        return gload::alreadyLoaded;
    int32_t p[4] = {0, 0, 0, 0};
    if (loadIntegers(value, p, 4) != gload::accepted)
        return gload::invalidValue;
    flip = (p[0] < p[2] && p[3] < p[1]) || (p[2] < p[0] && p[1] < p[3]);
    rect = grect{p[0], p[1], p[2], p[3]}.normalized();
    return gload::accepted;
}

void glineGeometry::writePoints(CObjectFile& file, int indent) const
{
    grect points = flip ? grect{rect.left, rect.bottom, rect.right, rect.top} : rect;
    writeRectangle(file, indent, kw::POINTS, points);
}

void glineGeometry::endPoints(const gtransform& t, int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2) const
{
    grect r = t.rect(rect);
    x1 = r.left;
    x2 = r.right;
    y1 = flip ? r.bottom : r.top;
    y2 = flip ? r.top : r.bottom;
}

void glineGeometry::draw(gdrawContext& dc, const gtransform& t, const glineInfo& line) const
{
    int32_t x1, y1, x2, y2;
    endPoints(t, x1, y1, x2, y2);
    dc.line(x1, y1, x2, y2, line);
}

void glineGeometry::drawHandles(gdrawContext& dc) const
{
    dc.handle(rect.left, flip ? rect.bottom : rect.top);
    dc.handle(rect.right, flip ? rect.top : rect.bottom);
}

int glineGeometry::hitTest(int32_t x, int32_t y, int32_t width, const gtransform& t, bool bodyOnly) const
{
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(rect, x, y, !flip, flip))
            return code;
    }
    if (!paintedBounds(t, width).contains(x, y))
        return 0;
    int32_t x1, y1, x2, y2;
    endPoints(t, x1, y1, x2, y2);
    if (x1 == x2 || y1 == y2)
        return 1;
    double ux = double(x2) - x1;
    double uy = double(y2) - y1;
    double cross = ux * (double(y1) - y) - (double(x1) - x) * uy;
    double squared = cross * cross / (ux * ux + uy * uy);
    double reach = width + 0.5;
    return 4 * squared <= reach * reach ? 1 : 0;
}

void glineGeometry::endGeometryChange(const gtransform& t)
{
    rect = t.rect(rect);
    if (rect.left == rect.right || rect.top == rect.bottom)
        flip = false;
    else if ((rect.left > rect.right) != (rect.top > rect.bottom))
        flip = !flip;
    rect = rect.normalized();
}

int glineGeometry::beginCreate(int32_t x, int32_t y)
{
    rect = grect{x, y, x, y};
    flip = false;
    return rectCorner::bottomRight;
}

// Spline.

gloadStatus gsplineGeometry::loadPoints(const gstr& value)
{
    if (isSet())
        return gload::alreadyLoaded;
    int32_t p[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    if (loadIntegers(value, p, 8) != gload::accepted)
        return gload::invalidValue;
    first = grect{p[0], p[1], p[2], p[3]};
    second = grect{p[4], p[5], p[6], p[7]};
    return gload::accepted;
}

void gsplineGeometry::writePoints(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::POINTS).writeKey(file, indent);
    first.write(file, 2);
    second.write(file, 1);
}

void gsplineGeometry::computeQuadrant() noexcept
{
    if (second.isEmpty()) {
        quadrant = 0;
        return;
    }
    bool left = second.left < first.left;
    bool above = second.top < first.top;
    quadrant = (left ? 1 : 0) + (above ? 2 : 0);
}

void gsplineGeometry::nodes(const gtransform& t, grect& a, grect& b) const
{
    a = transformNode(first, t);
    b = transformNode(second, t);
}

grect gsplineGeometry::paintedBounds(const gtransform& t, int32_t width) const
{
    grect a, b;
    nodes(t, a, b);
    grect box = grect{a.left, a.top, a.left, a.top};
    box.uniteWith(grect{a.right, a.bottom, a.right, a.bottom});
    if (!b.isEmpty()) {
        box.uniteWith(grect{b.left, b.top, b.left, b.top});
        box.uniteWith(grect{b.right, b.bottom, b.right, b.bottom});
    }
    return box.penBounds(width);
}

grect gsplineGeometry::curveBox(const gtransform& t) const
{
    grect a, b;
    nodes(t, a, b);
    if (b.isEmpty())
        return grect::unite(grect{a.left, a.top, a.left, a.top}, grect{a.right, a.bottom, a.right, a.bottom});
    return bezierBounds(a, b);
}

void gsplineGeometry::draw(gdrawContext& dc, const gtransform& t, const glineInfo& line) const
{
    grect a, b;
    nodes(t, a, b);
    if (b.isEmpty())
        dc.xorLine(a.left, a.top, a.right, a.bottom);
    else
        dc.bezier(a, b, line);
}

void gsplineGeometry::drawHandles(gdrawContext& dc, bool reshape) const
{
    if (!reshape) {
        dc.handle(first.left, first.top);
        if (!second.isEmpty())
            dc.handle(second.left, second.top);
        return;
    }
    dc.controlLeader(first.left, first.top, first.right, first.bottom);
    if (!second.isEmpty())
        dc.controlLeader(second.left, second.top, second.right, second.bottom);
}

int gsplineGeometry::cornerOfFirst() const noexcept { return 2 + quadrant; }

int gsplineGeometry::cornerOfSecond() const noexcept { return 5 - quadrant; }

int gsplineGeometry::hitTest(int32_t x, int32_t y, int32_t width, const gtransform& t, bool reshape,
                             bool bodyOnly) const
{
    if (!bodyOnly) {
        if (reshape) {
            const grect& leftPair = firstIsLeft() ? first : second;
            const grect& rightPair = firstIsLeft() ? second : first;
            if (!leftPair.isEmpty() && onSquare(x, y, leftPair.right, leftPair.bottom))
                return 6;
            if (!rightPair.isEmpty() && onSquare(x, y, rightPair.right, rightPair.bottom))
                return 7;
        }
        if (near(x, first.left) && near(y, first.top))
            return cornerOfFirst();
        if (!second.isEmpty() && near(x, second.left) && near(y, second.top))
            return cornerOfSecond();
    }
    grect a, b;
    nodes(t, a, b);
    if (b.isEmpty())
        return 0;
    return bezierHit(a, b, width, x, y) ? 1 : 0;
}

bool gsplineGeometry::getHandlePoint(int code, int32_t& x, int32_t& y) const
{
    const grect* pair = nullptr;
    bool control = false;
    if (code == 6 || code == 7) {
        pair = (code == 6) == firstIsLeft() ? &first : &second;
        control = true;
    } else if (code == cornerOfFirst()) {
        pair = &first;
    } else if (code == cornerOfSecond() && code >= 2 && code <= 5) {
        pair = &second;
    }
    if (!pair || pair->isEmpty())
        return false;
    x = control ? pair->right : pair->left;
    y = control ? pair->bottom : pair->top;
    return true;
}

void gsplineGeometry::moveHandle(int code, int32_t dx, int32_t dy)
{
    auto moveNode = [&](grect& node) {
        if (!node.isEmpty())
            node.offsetBy(dx, dy);
    };
    switch (code) {
    case 1:
        moveNode(first);
        moveNode(second);
        return;
    case 6:
    case 7: {
        grect& pair = (code == 6) == firstIsLeft() ? first : second;
        if (!pair.isEmpty())
            movePoint(pair.right, pair.bottom, dx, dy);
        return;
    }
    default:
        if (code == cornerOfFirst())
            moveNode(first);
        else if (code == cornerOfSecond() && code >= 2 && code <= 5)
            moveNode(second);
        return;
    }
}

void gsplineGeometry::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    if (cx2 == grect::emptyCoordinate || cy2 == grect::emptyCoordinate) {
        grect box = curveBox(gtransform());
        if (cx2 == grect::emptyCoordinate)
            cx2 = wrapCoordinate(int64_t(box.left) + box.right);
        if (cy2 == grect::emptyCoordinate)
            cy2 = wrapCoordinate(int64_t(box.top) + box.bottom);
    }
    transformNode(first, cx2, cy2, rotation, flipH, flipV);
    transformNode(second, cx2, cy2, rotation, flipH, flipV);
    computeQuadrant();
}

void gsplineGeometry::endGeometryChange(const gtransform& t)
{
    first = transformNode(first, t);
    second = transformNode(second, t);
    computeQuadrant();
}

int gsplineGeometry::beginCreate(int32_t x, int32_t y)
{
    if (second.isEmpty()) {
        first = grect{x, y, x, y};
        quadrant = 0;
        return 6;
    }
    second = grect{x, y, x, y};
    return 7;
}

int gsplineGeometry::endCreate()
{
    if (!second.isEmpty())
        return 0;
    second = grect{first.right, first.bottom, first.right, first.bottom};
    return 5;
}
