#pragma once

#include <cstdint>
#include <cstdlib>

class CObjectFile;

// Coordinates wrap rather than overflow: files may hold any 32-bit values,
// and geometry on them must stay defined behaviour.
constexpr int32_t wrapCoordinate(int64_t value) noexcept
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

// A rectangle of screen coordinates. Both edges are inclusive: from 0 to 9
// covers ten pixels. It need not be normalised (left may exceed right, top
// may exceed bottom); operations say when they normalise. All four
// coordinates at the largest 32-bit value make the empty rectangle. A
// rectangle also carries pairs of points: a line (x1, y1, x2, y2) or a
// Bezier node (point x, point y, control x, control y).
struct grect {
    static constexpr int32_t emptyCoordinate = 2147483647;

    int32_t left = emptyCoordinate;
    int32_t top = emptyCoordinate;
    int32_t right = emptyCoordinate;
    int32_t bottom = emptyCoordinate;

    constexpr bool isEmpty() const noexcept
    {
        return left == emptyCoordinate && top == emptyCoordinate && right == emptyCoordinate
            && bottom == emptyCoordinate;
    }

    // A copy moved by (dx, dy); the empty rectangle stays empty.
    constexpr grect offset(int32_t dx, int32_t dy) const noexcept
    {
        if (isEmpty())
            return *this;
        return grect{wrapCoordinate(int64_t(left) + dx), wrapCoordinate(int64_t(top) + dy),
                     wrapCoordinate(int64_t(right) + dx), wrapCoordinate(int64_t(bottom) + dy)};
    }
    void offsetBy(int32_t dx, int32_t dy) noexcept { *this = offset(dx, dy); }

    int64_t width() const noexcept { return std::llabs(int64_t(right) - left); }
    int64_t height() const noexcept { return std::llabs(int64_t(bottom) - top); }

    friend constexpr bool operator==(const grect&, const grect&) = default;

    // left <= right and top <= bottom.
    grect normalized() const noexcept;
    // False for the empty rectangle; both edges inclusive, either orientation.
    bool contains(int64_t x, int64_t y) const noexcept;
    // False when either is empty; inclusive, either orientation.
    bool overlaps(const grect& other) const noexcept;
    // Both corners of this lie in the outer rectangle; false when either is
    // empty.
    bool isInside(const grect& outer) const noexcept;
    // Inside the ellipse inscribed in the rectangle.
    bool ellipseContains(int64_t x, int64_t y) const noexcept;
    // Each edge moved inward in the rectangle's own orientation; an axis that
    // would turn inside out gives the empty rectangle; negative values grow.
    grect inset(int32_t dx, int32_t dy) const noexcept;
    grect inset(int32_t d) const noexcept { return inset(d, d); }
    // The pixels a pen of width w covers along the normalised rectangle.
    grect penBounds(int32_t w) const noexcept;
    // One is empty: the other; else the normalised union.
    static grect unite(const grect& a, const grect& b) noexcept;
    void uniteWith(const grect& other) noexcept { *this = unite(*this, other); }
    // Integer halves; (INT_MAX, INT_MAX) for the empty rectangle.
    void center(int32_t& x, int32_t& y) const noexcept;
    // 1 moves all, 2 to 5 a corner (top-left, top-right, bottom-left,
    // bottom-right); other codes nothing.
    void moveHandle(int code, int32_t dx, int32_t dy) noexcept;
    // Rotation (1 a quarter turn left, -1 right, 0 none) or flips about a
    // doubled centre; INT_MAX takes the rectangle's own centre. Not
    // normalised.
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) noexcept;
    // Moves the rectangle as its centre would move, without turning it;
    // nothing when cx2 is INT_MAX.
    void transformPosition(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) noexcept;
    // The band test of 3D areas: kind 1 a middle row band, 2 a middle column
    // band, 3 the frame only.
    bool hitBand(int kind, int64_t x, int64_t y) const noexcept;

    // Four integer items: 1 (end) or 2 (a comma follows) when the value
    // holds them, else 0 and the rectangle is unchanged.
    int parse(const char* text);
    // The four values separated by ", ", then the ending.
    void write(CObjectFile& file, int ending) const;
};

// Makes two doubled coordinates the same parity before a quarter turn, so
// that the turn lands on whole pixels.
void adjustTurnCentre(int32_t& cx2, int32_t& cy2) noexcept;
// A point turned or flipped about a doubled centre; nothing when cx2 is
// INT_MAX.
void transformPoint(int32_t& x, int32_t& y, int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) noexcept;
