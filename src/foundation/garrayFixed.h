#pragma once

#include "foundation/gfault.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

// An array of values whose size is fixed when it is created; only resize
// changes it. Before creation it has size 0 and no storage. Elements are
// value-initialised (a class element is default-constructed) so that none is
// ever read uninitialised.
template <class V>
class garrayFixed {
public:
    garrayFixed() noexcept = default;

    explicit garrayFixed(int32_t size)
    {
        if (size < 1)
            throw gfault("size not positive in garrayFixed::garrayFixed(int newSize)");
        allocate(size);
    }

    garrayFixed(const garrayFixed& other)
    {
        if (other.storage_)
            *this = other;
    }

    garrayFixed& operator=(const garrayFixed& other)
    {
        if (!storage_)
            create(other.size_);
        if (other.size_ != size_)
            throw gfault("array sizes don't match in garrayFixed::operator =()");
        if (this != &other)
            std::copy_n(other.storage_.get(), size_, storage_.get());
        return *this;
    }

    int32_t size() const noexcept { return size_; }

    void create(int32_t size, const V& fill)
    {
        create(size);
        this->fill(fill);
    }

    void create(int32_t size)
    {
        if (storage_)
            throw gfault("array already initialized in garrayFized::create()");
        if (size < 1)
            throw gfault("size not positive in garrayFixed::create()");
        allocate(size);
    }

    // Keeps the first min(old, new) elements.
    void resize(int32_t size)
    {
        if (size < 1)
            throw gfault("size not positive in garrayFixed::resize()");
        auto grown = std::make_unique<V[]>(static_cast<size_t>(size));
        if (storage_)
            std::move(storage_.get(), storage_.get() + std::min(size, size_), grown.get());
        storage_ = std::move(grown);
        size_ = size;
    }

    V& operator[](int32_t index) { return storage_[checked(index)]; }
    const V& operator[](int32_t index) const { return storage_[checked(index)]; }

    void fill(const V& value) { std::fill_n(storage_.get(), size_, value); }

    void swap(garrayFixed& other) noexcept
    {
        std::swap(size_, other.size_);
        std::swap(storage_, other.storage_);
    }

private:
    void allocate(int32_t size)
    {
        storage_ = std::make_unique<V[]>(static_cast<size_t>(size));
        size_ = size;
    }

    size_t checked(int32_t index) const
    {
        if (index < 0 || index >= size_)
            throw gfault("index out of range in garrayFixed::operator []()");
        return static_cast<size_t>(index);
    }

    int32_t size_ = 0;
    std::unique_ptr<V[]> storage_;
};
