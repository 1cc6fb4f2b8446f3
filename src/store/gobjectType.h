#pragma once

#include "foundation/jhashObject.h"
#include "foundation/jhashTable.h"

#include <cstdint>

class gtitledObject;
class jhashDatabaseTable;

// The descriptor of one object-type keyword of a station file: which station
// table holds its objects, which library table receives them when a
// device-driver library is read for import (none: the type is not allowed in
// a library), and the name the user sees.
class gobjectType : public jhashNamedObject {
public:
    gobjectType(const char* keyword, jhashDatabaseTable& stationTable, jhashDatabaseTable* libraryTable,
                bool sharesTable, int displayNameId);

    const gstr& keyword() const noexcept { return getName(); }
    jhashDatabaseTable& stationTable() const noexcept { return *stationTable_; }
    jhashDatabaseTable* libraryTable() const noexcept { return libraryTable_; }
    bool allowedInLibrary() const noexcept { return libraryTable_ != nullptr; }
    // Uses the station table of a type registered before it (the register
    // kinds after BISTATE_REG); walks once per table skip it.
    bool sharesTable() const noexcept { return sharesTable_; }
    int displayNameId() const noexcept { return displayNameId_; }

    // Defines the tag in the library table (intoLibrary) or the station
    // table, tells the object its type and sets its library flag. Null when
    // the tag is already defined there. The object may be a placeholder of
    // another kind sharing the table: callers compare getObjectType.
    gtitledObject* defineObject(const gstrSlice& tag, bool intoLibrary) const;
    // Appends a line "\n <display name>: "<tag>"" per placeholder of the
    // type's table and lets every defined object list its own.
    void listUndefined(gstr& text, bool library) const;

private:
    jhashDatabaseTable* stationTable_;
    jhashDatabaseTable* libraryTable_;
    bool sharesTable_;
    int displayNameId_;
};

// The registry of the 13 object types, looked up ignoring letter case. Its
// iteration order (20 buckets, case-folding hash, insertion order within a
// bucket) is the order of the types in a saved file: MASK, ANALOG_REG, PORT,
// IMAGE, DRIVER, REQUEST, BISTATE_REG, STRING_REG, PROGRAM, DIGITAL_REG,
// G2DRIVER, SCREEN, PARAMETER.
class jhashObjectTypeTable : public jhashNoCaseStringTable {
public:
    jhashObjectTypeTable() : jhashNoCaseStringTable(20) {}

    const gobjectType* find(const gstrSlice& keyword) const
    {
        return static_cast<const gobjectType*>(jhashNoCaseStringTable::find(keyword));
    }
};

// Built on first use with the 13 descriptors in registration order.
const jhashObjectTypeTable& objectTypeRegistry();

namespace objectTypes {
const gobjectType& image();
const gobjectType& screen();
const gobjectType& legacyDriver();
const gobjectType& legacyMask();
const gobjectType& bistateRegister();
const gobjectType& digitalRegister();
const gobjectType& analogRegister();
const gobjectType& stringRegister();
const gobjectType& serialPort();
const gobjectType& legacyParameter();
const gobjectType& program();
const gobjectType& request();
const gobjectType& g2Driver();
} // namespace objectTypes

// The undefined-object lines of all types, in registry order.
gstr listUndefinedObjects(bool library);
// No station table of a type without a library table holds an entry.
bool holdsOnlyDriverObjects();
// A station table of DRIVER, MASK or G2DRIVER holds an entry.
bool holdsDriverObjects();
