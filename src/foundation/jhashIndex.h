#pragma once

#include "foundation/gstr.h"

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
// back, so there are no tombstones and the index never degrades. A slot also
// holds a copy of a short key, so that a lookup compares it there and reads
// neither the entry nor its key: in a large table each of those is a cache
// miss of its own. A longer key is compared through the entry.
class jhashIndex {
public:
    jhashIndex() noexcept = default;
    jhashIndex(const jhashIndex&) = delete;
    jhashIndex& operator=(const jhashIndex&) = delete;

    // The first entry stored under the hash whose key equal(stored key, key)
    // accepts, or null. keyOf(entry) gives the key of an entry whose key was
    // too long to copy.
    template <class Equal, class KeyOf>
    jhashObject* find(uint32_t hash, const gstrSlice& key, Equal&& equal, KeyOf&& keyOf) const;

    // The key must stay the entry's key while the entry is indexed.
    void insert(jhashObject* entry, uint32_t hash, const gstrSlice& key);
    // Takes out that very entry, stored under the hash; nothing when absent.
    void erase(const jhashObject* entry, uint32_t hash) noexcept;
    void clear() noexcept;
    void swap(jhashIndex& other) noexcept;

private:
    static constexpr int shortKey = 19;
    static constexpr uint8_t longKey = 0xFF;

    // Two to a cache line.
    struct alignas(32) Slot {
        jhashObject* entry; // null: free
        uint32_t hash;
        uint8_t keyLength;  // longKey when the key is longer than shortKey
        char key[shortKey];
    };
    static_assert(sizeof(Slot) == 32);

    size_t home(uint32_t hash) const noexcept;
    size_t following(size_t slot) const noexcept { return (slot + 1) & mask_; }
    void grow();
    void place(const Slot& slot) noexcept;

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

template <class Equal, class KeyOf>
jhashObject* jhashIndex::find(uint32_t hash, const gstrSlice& key, Equal&& equal, KeyOf&& keyOf) const
{
    if (used_ == 0)
        return nullptr;
    for (size_t i = home(hash); slots_[i].entry; i = following(i)) {
        const Slot& s = slots_[i];
        if (s.hash != hash)
            continue;
        if (s.keyLength == longKey ? equal(keyOf(s.entry), key) : equal(gstrSlice(s.key, s.keyLength), key))
            return s.entry;
    }
    return nullptr;
}
