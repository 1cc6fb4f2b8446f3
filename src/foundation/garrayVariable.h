#pragma once

#include "foundation/gfault.h"

#include <cstdint>
#include <utility>
#include <vector>

// A growable array of 32-bit values: schedule times, value lists, the bytes
// of a command being assembled.
template <class V>
class garrayVariable {
public:
    int32_t size() const noexcept { return static_cast<int32_t>(values_.size()); }

    // The index of the new element.
    int32_t append(const V& value)
    {
        values_.push_back(value);
        return size() - 1;
    }

    V& operator[](int32_t index) { return values_[checked(index)]; }
    const V& operator[](int32_t index) const { return values_[checked(index)]; }

    // The first index holding an equal value, or -1.
    int32_t find(const V& value) const
    {
        for (size_t i = 0; i < values_.size(); ++i) {
            if (values_[i] == value)
                return static_cast<int32_t>(i);
        }
        return -1;
    }

    void clear() noexcept { std::vector<V>().swap(values_); }

    // Takes the other's elements and leaves it empty.
    void transferFrom(garrayVariable& other) noexcept
    {
        if (&other == this)
            return;
        values_ = std::move(other.values_);
        other.clear();
    }

private:
    size_t checked(int32_t index) const
    {
        if (index < 0 || index >= size())
            throw gfault("index out of range in garrayVariable::operator []()");
        return static_cast<size_t>(index);
    }

    std::vector<V> values_;
};
