#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class jhashObject;

// The lookup index a hash table keeps beside its chains. The chains keep the
// order in which entries are written out (bucket by bucket, insertion order
// within a bucket) and their few buckets never grow, so a station with many
// objects would search long chains; the index finds an entry by its full hash
// in a few probes instead. It decides no order: it is never walked.
//
// Open addressing with linear probing; a removal shifts the following slots
// back, so there are no tombstones and the index never degrades.
class jhashIndex {
public:
    jhashIndex() noexcept = default;
    jhashIndex(const jhashIndex&) = delete;
    jhashIndex& operator=(const jhashIndex&) = delete;

    // The first entry stored under the hash for which matches(entry) is true,
    // or null.
    template <class Matches>
    jhashObject* find(uint32_t hash, Matches&& matches) const;

    void insert(jhashObject* entry, uint32_t hash);
    // Takes out that very entry, stored under the hash; nothing when absent.
    void erase(const jhashObject* entry, uint32_t hash) noexcept;
    void clear() noexcept;
    void swap(jhashIndex& other) noexcept;

private:
    struct Slot {
        jhashObject* entry;
        uint32_t hash;
    };

    size_t home(uint32_t hash) const noexcept;
    size_t following(size_t slot) const noexcept { return (slot + 1) & mask_; }
    void grow();
    void place(jhashObject* entry, uint32_t hash) noexcept;

    std::vector<Slot> slots_;
    size_t mask_ = 0;
    size_t used_ = 0;
};

inline size_t jhashIndex::home(uint32_t hash) const noexcept
{
    // The table hashes are weak (rotate and XOR), so they are mixed before
    // they choose a slot.
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    hash ^= hash >> 16;
    return hash & mask_;
}

template <class Matches>
jhashObject* jhashIndex::find(uint32_t hash, Matches&& matches) const
{
    if (used_ == 0)
        return nullptr;
    for (size_t i = home(hash); slots_[i].entry; i = following(i)) {
        if (slots_[i].hash == hash && matches(slots_[i].entry))
            return slots_[i].entry;
    }
    return nullptr;
}
