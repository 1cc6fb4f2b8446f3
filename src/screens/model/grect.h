#pragma once

#include <cstdint>
#include <cstdlib>

// A rectangle of screen coordinates. All four coordinates at the largest
// 32-bit value make the empty rectangle.
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
        return grect{wrap(left, dx), wrap(top, dy), wrap(right, dx), wrap(bottom, dy)};
    }

    int64_t width() const noexcept { return std::llabs(int64_t(right) - left); }
    int64_t height() const noexcept { return std::llabs(int64_t(bottom) - top); }

    friend constexpr bool operator==(const grect&, const grect&) = default;

private:
    // Coordinates wrap rather than overflow.
    static constexpr int32_t wrap(int32_t a, int32_t d) noexcept
    {
        return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(d));
    }
};
