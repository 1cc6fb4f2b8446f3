#pragma once

#include "foundation/gstr.h"
#include "foundation/jhashIndex.h"
#include "foundation/jhashIterator.h"
#include "foundation/jhashObject.h"

#include <cstdint>
#include <memory>

// A chained hash table with a fixed number of buckets. New entries go to the
// end of their bucket's chain, and the table is walked bucket by bucket, in
// insertion order within a bucket: objects are saved in that order, so it is
// part of the file format. Lookups go through an index beside the chains,
// which changes no order.
//
// The table does not own its entries: destroying it frees its buckets and
// leaves the entries alive (and in no table). Owners of heap entries delete
// them with deleteAll.
class jhashTable {
public:
    explicit jhashTable(int32_t bucketCount);
    virtual ~jhashTable();
    jhashTable(const jhashTable&) = delete;
    jhashTable& operator=(const jhashTable&) = delete;

    // Deletes every entry, bucket by bucket in chain order.
    void deleteAll();
    int32_t count() const noexcept { return count_; }
    // Takes over the other's entries without rehashing them; the other is
    // left empty. Entries this table still held leave it undeleted: callers
    // empty it first with deleteAll.
    void transferFrom(jhashTable& other);

    int32_t getBucketCount() const noexcept { return bucketCount_; }
    // The head of a bucket's chain, null when the bucket is empty.
    jhashObject* getBucket(int32_t bucket) const noexcept { return buckets_[bucket].head; }

protected:
    // Appends the entry to the chain of the hash's bucket and indexes it
    // under its key.
    void link(jhashObject* entry, uint32_t hash, const gstrSlice& key);
    // Takes the entry out of its chain and the index; it is left in no table.
    void unlink(jhashObject* entry) noexcept;
    static jhashTable* tableOf(const jhashObject* entry) noexcept { return entry->table_; }
    int32_t bucketOf(uint32_t hash) const noexcept { return static_cast<int32_t>(hash % static_cast<uint32_t>(bucketCount_)); }

    jhashIndex index_;

private:
    friend class jhashObject;

    struct Bucket {
        jhashObject* head;
        jhashObject* tail;
    };

    void detachAll() noexcept;

    int32_t bucketCount_;
    int32_t count_ = 0;
    std::unique_ptr<Bucket[]> buckets_;
};

// A table whose entries are keyed: the key rule (hash and equality) is the
// derived table's. Keys that are equal must hash alike.
class jhashImplementedTable : public jhashTable {
public:
    using jhashTable::jhashTable;

    virtual uint32_t hashKey(const gstrSlice& key) const = 0;
    virtual int keysEqual(const gstrSlice& a, const gstrSlice& b) const = 0;

    // The entry with an equal key, or null.
    jhashKeyedObject* find(const gstrSlice& key) const;
    // 1 when inserted; 0 when an entry with an equal key is already here.
    int insert(jhashKeyedObject* entry);
    // Unlinks that very entry (by identity); it is not deleted.
    void remove(jhashKeyedObject* entry);

private:
    jhashKeyedObject* findHashed(const gstrSlice& key, uint32_t hash) const;
};

// Keys compared exactly: object tags.
class jhashStringTable : public jhashImplementedTable {
public:
    using jhashImplementedTable::jhashImplementedTable;

    // From 0x0AAAAAAA: rotate left 5 bits, XOR each byte sign-extended.
    static uint32_t hashText(const gstrSlice& key) noexcept;

    uint32_t hashKey(const gstrSlice& key) const override { return hashText(key); }
    int keysEqual(const gstrSlice& a, const gstrSlice& b) const override { return a.compare(b) == 0; }
};

// Keys compared ignoring letter case: keywords, type keywords, image names.
class jhashNoCaseStringTable : public jhashImplementedTable {
public:
    using jhashImplementedTable::jhashImplementedTable;

    // From 0xAAAAAAAA: rotate left 5 bits, XOR each byte AND 0x5F.
    static uint32_t hashText(const gstrSlice& key) noexcept;

    uint32_t hashKey(const gstrSlice& key) const override { return hashText(key); }
    int keysEqual(const gstrSlice& a, const gstrSlice& b) const override { return a.compareNoCase(b) == 0; }
};

// Named values of serial transactions and command templates.
class jhashNamedObjectTable : public jhashStringTable {
public:
    jhashNamedObjectTable() : jhashStringTable(5) {}

    jhashNamedObject* find(const gstrSlice& name) const
    {
        return static_cast<jhashNamedObject*>(jhashStringTable::find(name));
    }
};
