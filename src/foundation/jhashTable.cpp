#include "foundation/jhashTable.h"

#include "foundation/gfault.h"

#include <bit>
#include <utility>

jhashTable::jhashTable(int32_t bucketCount) : bucketCount_(bucketCount)
{
    if (bucketCount < 1)
        throw gfault("bucket count not positive in jhashTable::jhashTable()");
    buckets_ = std::make_unique<Bucket[]>(static_cast<size_t>(bucketCount));
}

jhashTable::~jhashTable()
{
    detachAll();
}

void jhashTable::deleteAll()
{
    // Each entry leaves the table before it is deleted, so a destructor that
    // looks up or deletes another entry of this table finds it consistent.
    for (int32_t b = 0; b < bucketCount_; ++b) {
        while (jhashObject* entry = buckets_[b].head) {
            unlink(entry);
            delete entry;
        }
    }
}

void jhashTable::transferFrom(jhashTable& other)
{
    if (other.bucketCount_ != bucketCount_)
        throw gfault("Hash tables not the same size in jhashTable::transferFrom()");
    if (&other == this)
        return;
    detachAll();
    std::swap(buckets_, other.buckets_);
    std::swap(count_, other.count_);
    index_.swap(other.index_);
    for (int32_t b = 0; b < bucketCount_; ++b) {
        for (jhashObject* e = buckets_[b].head; e; e = e->next_)
            e->table_ = this;
    }
}

void jhashTable::link(jhashObject* entry, uint32_t hash, const gstrSlice& key)
{
    index_.insert(entry, hash, key);
    Bucket& bucket = buckets_[bucketOf(hash)];
    entry->next_ = nullptr;
    entry->prev_ = bucket.tail;
    entry->table_ = this;
    entry->hash_ = hash;
    if (bucket.tail)
        bucket.tail->next_ = entry;
    else
        bucket.head = entry;
    bucket.tail = entry;
    ++count_;
}

void jhashTable::unlink(jhashObject* entry) noexcept
{
    Bucket& bucket = buckets_[bucketOf(entry->hash_)];
    if (entry->prev_)
        entry->prev_->next_ = entry->next_;
    else
        bucket.head = entry->next_;
    if (entry->next_)
        entry->next_->prev_ = entry->prev_;
    else
        bucket.tail = entry->prev_;
    index_.erase(entry, entry->hash_);
    entry->next_ = nullptr;
    entry->prev_ = nullptr;
    entry->table_ = nullptr;
    --count_;
}

void jhashTable::detachAll() noexcept
{
    for (int32_t b = 0; b < bucketCount_; ++b) {
        jhashObject* e = buckets_[b].head;
        while (e) {
            jhashObject* next = e->next_;
            e->next_ = nullptr;
            e->prev_ = nullptr;
            e->table_ = nullptr;
            e = next;
        }
        buckets_[b] = {nullptr, nullptr};
    }
    index_.clear();
    count_ = 0;
}

jhashKeyedObject* jhashImplementedTable::find(const gstrSlice& key) const
{
    return findHashed(key, hashKey(key));
}

jhashKeyedObject* jhashImplementedTable::findHashed(const gstrSlice& key, uint32_t hash) const
{
    jhashObject* found = index_.find(
        hash, key, [this](const gstrSlice& a, const gstrSlice& b) { return keysEqual(a, b) != 0; },
        [](jhashObject* entry) { return static_cast<jhashKeyedObject*>(entry)->getKey(); });
    return static_cast<jhashKeyedObject*>(found);
}

int jhashImplementedTable::insert(jhashKeyedObject* entry)
{
    if (tableOf(entry) == this)
        return 0;
    if (tableOf(entry))
        throw gfault("object already in a table in jhashImplementedTable::insert()");
    gstrSlice key = entry->getKey();
    uint32_t hash = hashKey(key);
    if (findHashed(key, hash))
        return 0;
    link(entry, hash, key);
    return 1;
}

void jhashImplementedTable::remove(jhashKeyedObject* entry)
{
    if (tableOf(entry) == this) {
        unlink(entry);
        return;
    }
    if (!getBucket(bucketOf(hashKey(entry->getKey()))))
        throw gfault("empty table in jhashImplementedTable::remove()");
    throw gfault("not in the table in jhashImplementedTable::remove()");
}

uint32_t jhashStringTable::hashText(const gstrSlice& key) noexcept
{
    uint32_t h = 0x0AAAAAAAu;
    for (int32_t i = 0; i < key.length(); ++i)
        h = std::rotl(h, 5) ^ static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(key[i])));
    return h;
}

uint32_t jhashNoCaseStringTable::hashText(const gstrSlice& key) noexcept
{
    uint32_t h = 0xAAAAAAAAu;
    for (int32_t i = 0; i < key.length(); ++i)
        h = std::rotl(h, 5) ^ (static_cast<uint32_t>(static_cast<unsigned char>(key[i])) & 0x5Fu);
    return h;
}
