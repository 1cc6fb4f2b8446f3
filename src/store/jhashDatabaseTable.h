#pragma once

#include "foundation/jhashTable.h"

#include <cstdint>

// A table of station objects keyed by tag (letter case counts). It owns its
// entries. A tag may be referred to before its object is read or created: the
// reference makes a placeholder, and the definition later takes that very
// placeholder over, so every pointer handed out while it was a placeholder
// stays valid.
class jhashDatabaseTable : public jhashStringTable {
public:
    struct defineForm_t {};
    static constexpr defineForm_t defineForm{};

    explicit jhashDatabaseTable(int32_t bucketCount) : jhashStringTable(bucketCount) {}
    ~jhashDatabaseTable() override;

    jhashDatabaseObject* findEntry(const gstrSlice& tag) const
    {
        return static_cast<jhashDatabaseObject*>(find(tag));
    }
    // Reference form: the entry of that tag, placeholder or defined; an
    // unknown tag gets a new placeholder, counted as unresolved. Never null.
    jhashDatabaseObject* crossReference(const gstrSlice& tag);
    // Define form: the entry now defined (a placeholder is taken over and
    // no longer counted), or null when the tag was already defined.
    jhashDatabaseObject* crossReference(const gstrSlice& tag, defineForm_t);
    // Deletes every own entry, then takes over all of the other's.
    void copyFrom(jhashDatabaseTable& other);

    // A new placeholder of the table's element class (no tag yet).
    virtual jhashDatabaseObject* createObject() const = 0;

private:
    jhashDatabaseObject* enterNew(const gstrSlice& tag);
};
