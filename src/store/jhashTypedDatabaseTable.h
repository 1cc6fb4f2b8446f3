#pragma once

#include "foundation/jhashIterator.h"
#include "store/jhashDatabaseTable.h"

#include <concepts>
#include <vector>

// The object database table of one element class E: its lookups hand out E,
// and a reference to an unknown tag makes a placeholder E (E's default
// constructor: a complete, empty object with its own inner tables built).
// E's database part need not be its first part.
template <class E>
class jhashTypedDatabaseTable : public jhashDatabaseTable {
public:
    using jhashDatabaseTable::jhashDatabaseTable;

    E* find(const gstrSlice& tag) const { return cast(findEntry(tag)); }
    E* reference(const gstrSlice& tag) { return cast(crossReference(tag)); }
    // Null when the tag is already defined.
    E* define(const gstrSlice& tag) { return cast(crossReference(tag, defineForm)); }

    jhashDatabaseObject* createObject() const override
    {
        static_assert(std::derived_from<E, jhashDatabaseObject>);
        return new E();
    }

    static E* cast(jhashDatabaseObject* entry) noexcept { return static_cast<E*>(entry); }
};

// The table's entries in the order its iterator yields them.
template <class E>
std::vector<E*> entriesOf(const jhashTypedDatabaseTable<E>& table)
{
    std::vector<E*> entries;
    jhashTypedIterator<E> it(table);
    E* entry = nullptr;
    while (it.get(entry))
        entries.push_back(entry);
    return entries;
}
