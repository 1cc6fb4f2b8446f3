#pragma once

#include "foundation/gstr.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "store/gstorable.h"

#include <cstdint>

class g2driver;
class g2driverDataObject;
class gusesList;
template <class E>
class jhashTypedDatabaseTable;

// A reference to one data object of a G2 driver with the values given to
// the object's parameters: the lines OBJECT <name> and one PARAMETER line
// per value. Under a header keyword (OBJECT, MIN_OBJECT, MAX_OBJECT) the
// reference is a block of its own; without one its lines stand among its
// owner's. The name is looked up in the data-object table of the driver it
// is bound to (a placeholder until the object is defined). A reference from
// outside the driver refuses an internal data object.
class gdataObjectRef : public gstorable {
public:
    using dataObjectTable = jhashTypedDatabaseTable<g2driverDataObject>;

    // headerKeyword -1: no header.
    gdataObjectRef(int headerKeyword, bool internalAllowed) noexcept
        : header_(headerKeyword), internalAllowed_(internalAllowed)
    {
    }
    // A copy whose object is the one of the same name in the table (a
    // placeholder when absent); the driver is set by the next bindDriver.
    gdataObjectRef(const gdataObjectRef& other, dataObjectTable& table);
    // A copy in the same driver.
    gdataObjectRef(const gdataObjectRef& other);
    gdataObjectRef& operator=(const gdataObjectRef&) = delete;
    ~gdataObjectRef() override;

    g2driver* getDriver() const noexcept { return driver_; }
    g2driverDataObject* getDataObject() const noexcept { return object_; }
    const g2driverParameterValueTable& values() const noexcept { return values_; }
    g2driverParameterValueTable& values() noexcept { return values_; }
    bool allowsInternal() const noexcept { return internalAllowed_; }

    // Points the reference at the driver; an object already named is looked
    // up again by name in the driver's table.
    void bindDriver(g2driver* driver);
    // The same for a table that belongs to no driver (a working copy).
    void bindTable(dataObjectTable* table);
    void setDataObject(g2driverDataObject* object) noexcept { object_ = object; }
    // Replaces the values by copies of the table's.
    void copyValues(const g2driverParameterValueTable& table);
    // Drops the object (a kind that does not fit).
    void dropDataObject() noexcept { object_ = nullptr; }
    // The batch tools' find and replace in the values; the count changed.
    int replaceInValues(const gstrSlice& find, const gstrSlice& replacement, bool matchCase, bool wholeWord);

    // The object (in its list of outside users) and, for each value, the
    // object's parameter of that tag.
    void collectUses(gusesList& uses);
    // The same, the object in the list of users within its driver.
    void collectUsesWithinDriver(gusesList& uses);
    // The object's name and the list of values; empty without an object.
    gstr describe() const;

    // The header keyword alone, when the reference has one.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    // OBJECT and PARAMETER, then the storable base (END).
    gloadStatus loadField(int token, gstr& value) override;
    // Each value is checked against the object's parameter of its tag: an
    // untyped parameter takes the value's kind, another kind drops the
    // object.
    void afterLoad() override;
    bool isComplete() const override { return object_ != nullptr; }

private:
    gloadStatus loadObject(const gstr& value);
    void addParameterUses(gusesList& uses);

    int header_;
    bool internalAllowed_;
    g2driver* driver_ = nullptr;
    dataObjectTable* table_ = nullptr;
    g2driverDataObject* object_ = nullptr;
    g2driverParameterValueTable values_{5};
};
