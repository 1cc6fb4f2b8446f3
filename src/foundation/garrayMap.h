#pragma once

#include "foundation/garray.h"
#include "foundation/gfault.h"
#include "foundation/gsortedList.h"

#include <cstdint>
#include <memory>

template <class T>
class garrayMapIterator;

// An array of element pointers keyed by integers: an index in ascending key
// order (unsigned, so -1 sorts last) maps each key to its slot. Removing an
// element empties its slot but keeps the key, so a later insertion under that
// key reuses the slot; the slot count is the number of keys ever inserted
// since the last clear. The map does not own its elements.
template <class T>
class garrayMap {
public:
    garrayMap() = default;
    garrayMap(const garrayMap&) = default;
    garrayMap& operator=(const garrayMap&) = default;
    ~garrayMap() = default;

    // 1 when stored; 0 when the key already holds an element.
    int insert(T* element, int32_t key)
    {
        auto node = std::make_unique<gvalueMapEntry>();
        node->key = key;
        node->value = slots_.size();
        if (index_.insert(node.get())) {
            node.release();
            slots_.append(element);
            return 1;
        }
        gvalueMapEntry* taken = index_.find(key);
        if (slots_[taken->value])
            return 0;
        slots_.replace(taken->value, element);
        return 1;
    }

    // The element under the key, or null when the key is absent or emptied.
    T* find(int32_t key) const
    {
        const gvalueMapEntry* node = index_.find(key);
        return node ? slots_[node->value] : nullptr;
    }

    // Takes the element out of its slot and keeps the key; null when absent.
    T* remove(int32_t key)
    {
        const gvalueMapEntry* node = index_.find(key);
        return node ? slots_.remove(node->value) : nullptr;
    }

    int32_t size() const noexcept { return slots_.size(); }

    void clear() noexcept
    {
        index_.clear();
        slots_.clear();
    }

protected:
    // Every element in slot order, null slots included.
    T* slot(int32_t index) const { return slots_[index]; }

private:
    friend class garrayMapIterator<T>;

    garray<T> slots_;
    gsortedList<gvalueMapEntry> index_;
};

// A keyed array that owns its non-null elements.
template <class T>
class garrayMapOwned : public garrayMap<T> {
public:
    garrayMapOwned() = default;
    garrayMapOwned(const garrayMapOwned&) = delete;
    garrayMapOwned& operator=(const garrayMapOwned&) = delete;
    ~garrayMapOwned() { deleteElements(); }

    void deleteAll()
    {
        deleteElements();
        this->clear();
    }

    // A new default element under the key, or null when the key holds one.
    T* appendNew(int32_t key)
    {
        auto element = garrayElementMaker<T>::make();
        if (!this->insert(element.get(), key))
            return nullptr;
        return element.release();
    }

    void deleteKey(int32_t key) { delete this->remove(key); }

    // Deletes the own elements and takes over the other's keys and elements;
    // the other is left empty and deletes nothing.
    void transferFrom(garrayMapOwned& other)
    {
        if (&other == this)
            return;
        deleteElements();
        garrayMap<T>::operator=(other);
        other.clear();
    }

private:
    void deleteElements() noexcept
    {
        for (int32_t i = 0; i < this->size(); ++i)
            delete this->slot(i);
    }
};

// Walks a keyed array in ascending key order, skipping emptied slots. Past
// the end it is back before the first key and stays attached. The keyed array
// must outlive it and not change while it is walked.
template <class T>
class garrayMapIterator {
public:
    garrayMapIterator() noexcept = default;
    explicit garrayMapIterator(const garrayMap<T>& map) noexcept : map_(&map) {}

    void attach(const garrayMap<T>& map) noexcept
    {
        map_ = &map;
        current_ = nullptr;
    }

    // 1 with the next element and its key; 0 at the end, with element null.
    int get(T*& element, int32_t& key)
    {
        if (!map_)
            throw gfault("unitialized iterator in garrayMapIterator<objectType>::get()");
        for (;;) {
            current_ = current_ ? current_->next : map_->index_.first();
            if (!current_) {
                element = nullptr;
                return 0;
            }
            key = current_->key;
            element = map_->slots_[current_->value];
            if (element)
                return 1;
        }
    }

    int get(T*& element)
    {
        int32_t key = 0;
        return get(element, key);
    }

private:
    const garrayMap<T>* map_ = nullptr;
    const gvalueMapEntry* current_ = nullptr;
};
