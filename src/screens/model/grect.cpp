#include "screens/model/grect.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"

#include <algorithm>
#include <cmath>

namespace {

bool between(int64_t v, int64_t a, int64_t b) noexcept { return a <= b ? (v >= a && v <= b) : (v >= b && v <= a); }

// The low two bits: never negative.
int mod4(int64_t v) noexcept { return static_cast<int>(static_cast<uint64_t>(v) & 3u); }

constexpr int turnTable[4][4] = {{0, -1, 0, 1}, {0, 0, 0, 0}, {0, 1, 0, -1}, {0, 0, 0, 0}};

void adjustCentre(int64_t& cx2, int64_t& cy2) noexcept
{
    cx2 += turnTable[mod4(cy2)][mod4(cx2)];
    cy2 += turnTable[mod4(cx2)][mod4(cy2)];
}

} // namespace

grect grect::normalized() const noexcept
{
    return grect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

bool grect::contains(int64_t x, int64_t y) const noexcept
{
    return !isEmpty() && between(x, left, right) && between(y, top, bottom);
}

bool grect::overlaps(const grect& other) const noexcept
{
    if (isEmpty() || other.isEmpty())
        return false;
    grect a = normalized();
    grect b = other.normalized();
    if (b.right < a.left || b.left > a.right)
        return false;
    return !(b.bottom < a.top || b.top > a.bottom);
}

bool grect::isInside(const grect& outer) const noexcept
{
    if (isEmpty() || outer.isEmpty())
        return false;
    return outer.contains(left, top) && outer.contains(right, bottom);
}

bool grect::ellipseContains(int64_t x, int64_t y) const noexcept
{
    if (left == right || top == bottom)
        return contains(x, y);
    double w = double(std::llabs(int64_t(right) - left) + 1);
    double h = double(std::llabs(int64_t(bottom) - top) + 1);
    double dx = (double(x) - double(int64_t(left) + right) / 2) / (w / 2);
    double dy = (double(y) - double(int64_t(top) + bottom) / 2) / (h / 2);
    return dx * dx + dy * dy < 1;
}

grect grect::inset(int32_t dx, int32_t dy) const noexcept
{
    if (isEmpty())
        return *this;
    int64_t l = left, r = right, t = top, b = bottom;
    if (l <= r) {
        l += dx;
        r -= dx;
        if (l > r)
            return grect{};
    } else {
        l -= dx;
        r += dx;
        if (l < r)
            return grect{};
    }
    if (t <= b) {
        t += dy;
        b -= dy;
        if (t > b)
            return grect{};
    } else {
        t -= dy;
        b += dy;
        if (t < b)
            return grect{};
    }
    return grect{wrapCoordinate(l), wrapCoordinate(t), wrapCoordinate(r), wrapCoordinate(b)};
}

grect grect::penBounds(int32_t w) const noexcept
{
    if (isEmpty())
        return *this;
    grect n = normalized();
    int64_t before = int64_t(w) / 2;
    int64_t after = (int64_t(w) - 1) / 2;
    return grect{wrapCoordinate(n.left - before), wrapCoordinate(n.top - before), wrapCoordinate(n.right + after),
                 wrapCoordinate(n.bottom + after)};
}

grect grect::unite(const grect& a, const grect& b) noexcept
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    grect na = a.normalized();
    grect nb = b.normalized();
    return grect{std::min(na.left, nb.left), std::min(na.top, nb.top), std::max(na.right, nb.right),
                 std::max(na.bottom, nb.bottom)};
}

void grect::center(int32_t& x, int32_t& y) const noexcept
{
    if (isEmpty()) {
        x = emptyCoordinate;
        y = emptyCoordinate;
        return;
    }
    x = wrapCoordinate((int64_t(left) + right) / 2);
    y = wrapCoordinate((int64_t(top) + bottom) / 2);
}

void grect::moveHandle(int code, int32_t dx, int32_t dy) noexcept
{
    auto add = [](int32_t& v, int32_t d) { v = wrapCoordinate(int64_t(v) + d); };
    switch (code) {
    case 1: offsetBy(dx, dy); return;
    case 2:
        add(left, dx);
        add(top, dy);
        return;
    case 3:
        add(right, dx);
        add(top, dy);
        return;
    case 4:
        add(left, dx);
        add(bottom, dy);
        return;
    case 5:
        add(right, dx);
        add(bottom, dy);
        return;
    default: return;
    }
}

void grect::transform(int32_t cx2In, int32_t cy2In, int rotation, bool flipH, bool flipV) noexcept
{
    if (isEmpty())
        return;
    int64_t cx2 = cx2In == emptyCoordinate ? int64_t(left) + right : cx2In;
    int64_t cy2 = cy2In == emptyCoordinate ? int64_t(top) + bottom : cy2In;
    int64_t l = left, t = top, r = right, b = bottom;
    if (rotation != 0) {
        adjustCentre(cx2, cy2);
        if (rotation == 1) {
            left = wrapCoordinate((cx2 - cy2 + 2 * t) / 2);
            top = wrapCoordinate((cx2 + cy2 - 2 * l) / 2);
            right = wrapCoordinate((cx2 - cy2 + 2 * b) / 2);
            bottom = wrapCoordinate((cx2 + cy2 - 2 * r) / 2);
        } else {
            left = wrapCoordinate((cx2 + cy2 - 2 * t) / 2);
            top = wrapCoordinate((cy2 - cx2 + 2 * l) / 2);
            right = wrapCoordinate((cx2 + cy2 - 2 * b) / 2);
            bottom = wrapCoordinate((cy2 - cx2 + 2 * r) / 2);
        }
        return;
    }
    if (flipH) {
        left = wrapCoordinate(cx2 - l);
        right = wrapCoordinate(cx2 - r);
    }
    if (flipV) {
        top = wrapCoordinate(cy2 - t);
        bottom = wrapCoordinate(cy2 - b);
    }
}

void grect::transformPosition(int32_t cx2In, int32_t cy2In, int rotation, bool flipH, bool flipV) noexcept
{
    if (cx2In == emptyCoordinate || isEmpty())
        return;
    int64_t cx2 = cx2In;
    int64_t cy2 = cy2In;
    if (rotation != 0)
        adjustCentre(cx2, cy2);
    int64_t a = cx2 - (int64_t(left) + right);
    int64_t b = cy2 - (int64_t(top) + bottom);
    int64_t dx = 0;
    int64_t dy = 0;
    if (rotation == 1) {
        dx = (a - b) / 2;
        dy = (b + a) / 2;
    } else if (rotation != 0) {
        dx = (a + b) / 2;
        dy = (b - a) / 2;
    } else {
        dx = flipH ? a : 0;
        dy = flipV ? b : 0;
    }
    offsetBy(wrapCoordinate(dx), wrapCoordinate(dy));
}

bool grect::hitBand(int kind, int64_t x, int64_t y) const noexcept
{
    grect r = normalized();
    if (kind == 1) {
        int64_t c = (int64_t(r.top) + r.bottom + 1) / 2;
        r.bottom = wrapCoordinate(c);
        r.top = wrapCoordinate(c - 2);
    } else if (kind == 2) {
        int64_t c = (int64_t(r.left) + r.right + 1) / 2;
        r.right = wrapCoordinate(c);
        r.left = wrapCoordinate(c - 2);
    }
    if (!r.contains(x, y))
        return false;
    if (kind != 3)
        return true;
    return !(r.width() > 4 && r.height() > 4 && r.inset(2).contains(x, y));
}

int grect::parse(const char* text)
{
    int32_t v[4] = {0, 0, 0, 0};
    const char* next = text;
    int status = 0;
    for (int i = 0; i < 4; ++i) {
        status = parseIntItem(next, v[i], next);
        if (status == itemResult::error || (i < 3 && status != itemResult::comma))
            return itemResult::error;
    }
    *this = grect{v[0], v[1], v[2], v[3]};
    return status;
}

void grect::write(CObjectFile& file, int ending) const
{
    file.writeInt(left, 2);
    file.writeInt(top, 2);
    file.writeInt(right, 2);
    file.writeInt(bottom, ending);
}

void adjustTurnCentre(int32_t& cx2, int32_t& cy2) noexcept
{
    int64_t x = cx2;
    int64_t y = cy2;
    adjustCentre(x, y);
    cx2 = wrapCoordinate(x);
    cy2 = wrapCoordinate(y);
}

void transformPoint(int32_t& x, int32_t& y, int32_t cx2In, int32_t cy2In, int rotation, bool flipH, bool flipV) noexcept
{
    if (cx2In == grect::emptyCoordinate)
        return;
    int64_t cx2 = cx2In;
    int64_t cy2 = cy2In;
    if (rotation != 0) {
        adjustCentre(cx2, cy2);
        int64_t a = cx2 - 2 * int64_t(x);
        int64_t b = cy2 - 2 * int64_t(y);
        if (rotation == 1) {
            x = wrapCoordinate(x + (a - b) / 2);
            y = wrapCoordinate(y + (a + b) / 2);
        } else {
            x = wrapCoordinate(x + (a + b) / 2);
            y = wrapCoordinate(y + (b - a) / 2);
        }
        return;
    }
    if (flipH)
        x = wrapCoordinate(cx2 - x);
    if (flipV)
        y = wrapCoordinate(cy2 - y);
}
