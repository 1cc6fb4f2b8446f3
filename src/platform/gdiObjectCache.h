#pragma once

#include <cstdint>

// A small fixed chained hash table that makes each distinct drawing object
// once, on first use, and keeps it until the program ends. Entry supplies:
//   Entry(const Key&)                    makes the drawing object
//   bool matches(const Key&) const       all key fields equal
//   static uint32_t keyBits(const Key&)  the key's 32-bit fields XORed together
//   Entry* next                          the next entry of its bucket
template <class Entry>
class gdiObjectCache {
public:
    static constexpr int bucketCount = 11;

    gdiObjectCache() = default;
    ~gdiObjectCache() { destroyAll(); }
    gdiObjectCache(const gdiObjectCache&) = delete;
    gdiObjectCache& operator=(const gdiObjectCache&) = delete;

    template <class Key>
    static int bucketOf(const Key& key)
    {
        return static_cast<int>((Entry::keyBits(key) ^ 0xAAAAAAAAu) % bucketCount);
    }

    // New entries go in front of their bucket's chain.
    template <class Key>
    Entry& findOrCreate(const Key& key)
    {
        Entry*& head = buckets_[bucketOf(key)];
        for (Entry* e = head; e; e = e->next) {
            if (e->matches(key))
                return *e;
        }
        auto* made = new Entry(key);
        made->next = head;
        head = made;
        return *made;
    }

    // At program exit: every drawing object is released.
    void destroyAll()
    {
        for (Entry*& head : buckets_) {
            while (head) {
                Entry* next = head->next;
                delete head;
                head = next;
            }
        }
    }

    const Entry* bucketHead(int bucket) const { return buckets_[bucket]; }

private:
    Entry* buckets_[bucketCount] = {};
};
