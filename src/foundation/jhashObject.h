#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class jhashTable;
class jhashImplementedTable;

// An entry of a chained hash table. The entry carries its own chain link, so
// a table is only an array of bucket heads. An entry is in at most one table
// at a time; one that is destroyed while in a table takes itself out first,
// so no chain is left pointing at freed memory.
class jhashObject {
public:
    jhashObject() noexcept = default;
    // A copy is a new entry, in no table.
    jhashObject(const jhashObject&) noexcept {}
    jhashObject& operator=(const jhashObject&) noexcept { return *this; }
    virtual ~jhashObject();

    bool isInTable() const noexcept { return table_ != nullptr; }

private:
    friend class jhashTable;
    friend class jhashIterator;

    jhashObject* next_ = nullptr;  // the chain link: null when last or in no table
    jhashObject* prev_ = nullptr;  // so that an entry leaves its chain without a walk
    jhashTable* table_ = nullptr;  // the table the entry is in
    uint32_t hash_ = 0;            // the key's hash when it was inserted
};

// An entry that yields its key. Entries whose key is a slice of a static text
// (the station-file keywords) derive from it directly.
class jhashKeyedObject : public jhashObject {
public:
    virtual gstrSlice getKey() const = 0;

    int insertInto(jhashImplementedTable& table);
    void removeFrom(jhashImplementedTable& table);
};

// An entry keyed by its own name. The name must not change while the entry
// is in a table: renaming takes removal, the new name and a new insertion.
class jhashNamedObject : public jhashKeyedObject {
public:
    jhashNamedObject() noexcept = default;
    explicit jhashNamedObject(const gstrSlice& name) : name_(name) {}

    gstrSlice getKey() const override { return name_; }
    const gstr& getName() const noexcept { return name_; }
    void setName(const gstrSlice& text) { name_.assign(text); }
    // Takes over the other's buffer; the other is left without one.
    void adoptName(gstr& other) noexcept;
    // 1 when the first occurrence of text in the name was replaced.
    int replaceInName(const gstrSlice& text, const gstrSlice& replacement, bool wholeWord, bool matchCase);

private:
    gstr name_;
};

// An entry that can be referred to by tag: a placeholder (made by a reference
// before the definition was read) or a defined object.
class jhashDatabaseObject : public jhashNamedObject {
public:
    jhashDatabaseObject() noexcept = default;
    // A copy of an object is a defined object of its own.
    jhashDatabaseObject(const jhashDatabaseObject& other) : jhashNamedObject(other), defined_(1) {}
    jhashDatabaseObject& operator=(const jhashDatabaseObject&) = default;

    void setDefined(int32_t flag) noexcept { defined_ = flag; }
    int32_t isDefined() const noexcept { return defined_; }

private:
    int32_t defined_ = 0;
};
