#pragma once

#include "foundation/gfault.h"

#include <cstdint>
#include <memory>
#include <vector>

// A growable array of pointers that does not own what they point at. A slot
// may hold null: remove empties a slot without closing the gap, so slot
// numbers held elsewhere stay valid until pack. Code that walks an array
// skips null slots.
template <class T>
class garray {
public:
    garray() = default;
    garray(const garray&) = default;
    garray& operator=(const garray& other)
    {
        if (this != &other)
            slots_ = other.slots_;
        return *this;
    }
    ~garray() = default;

    int32_t size() const noexcept { return static_cast<int32_t>(slots_.size()); }

    // Returns the pointer it appended.
    T* append(T* element)
    {
        slots_.push_back(element);
        return element;
    }

    T* operator[](int32_t index) const
    {
        check(index, "garray index out of range in garray::operator[]");
        return slots_[static_cast<size_t>(index)];
    }

    // Empties the slot and returns what it held; the count stays.
    T* remove(int32_t index)
    {
        check(index, "garray index out of range in garray::remove()");
        T* old = slots_[static_cast<size_t>(index)];
        slots_[static_cast<size_t>(index)] = nullptr;
        return old;
    }

    T* replace(int32_t index, T* element)
    {
        check(index, "garray index out of range in garray::replace()");
        T* old = slots_[static_cast<size_t>(index)];
        slots_[static_cast<size_t>(index)] = element;
        return old;
    }

    // Frees the slots; the elements are untouched.
    void clear() noexcept { std::vector<T*>().swap(slots_); }

    // Closes the gaps, keeping the order of the remaining pointers.
    void pack()
    {
        std::erase(slots_, nullptr);
        if (slots_.empty())
            clear();
    }

    // The first slot holding exactly that pointer, or -1.
    int32_t indexOf(const T* element) const noexcept
    {
        for (size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i] == element)
                return static_cast<int32_t>(i);
        }
        return -1;
    }

    // The slots themselves, for sorting in place; null when there are none.
    T** data() noexcept { return slots_.empty() ? nullptr : slots_.data(); }

private:
    void check(int32_t index, const char* fault) const
    {
        // A negative index is refused like one past the end.
        if (static_cast<uint32_t>(index) >= slots_.size())
            throw gfault(fault);
    }

    std::vector<T*> slots_;
};

// How garrayOwned::appendNew and garrayMapOwned::appendNew make a new element:
// with the class's defaults. An element class whose new entries need a
// constructor argument specialises this beside its own declaration (a new
// pattern of a keyed array, for one, does not allow zero-length matches).
template <class T>
struct garrayElementMaker {
    static std::unique_ptr<T> make() { return std::make_unique<T>(); }
};

// A garray that owns its non-null elements and deletes them (through their
// virtual destructor where the class has one).
template <class T>
class garrayOwned : public garray<T> {
public:
    garrayOwned() = default;
    garrayOwned(const garrayOwned&) = delete;
    garrayOwned& operator=(const garrayOwned&) = delete;
    ~garrayOwned() { deleteElements(); }

    void deleteAll()
    {
        deleteElements();
        this->clear();
    }

    // A new default element, appended.
    T* appendNew()
    {
        auto element = garrayElementMaker<T>::make();
        this->append(element.get());
        return element.release();
    }

    // Deletes the element in the slot; the slot stays, empty.
    void deleteAt(int32_t index) { delete this->remove(index); }

    // Deletes the own elements and takes over the other's; the other is left
    // empty and deletes nothing.
    void transferFrom(garrayOwned& other)
    {
        if (&other == this)
            return;
        deleteElements();
        garray<T>::operator=(other);
        other.clear();
    }

private:
    void deleteElements() noexcept
    {
        for (int32_t i = 0; i < this->size(); ++i)
            delete this->remove(i);
    }
};
