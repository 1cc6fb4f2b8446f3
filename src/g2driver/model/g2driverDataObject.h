#pragma once

#include "g2driver/model/g2driverParameterTable.h"
#include "registers/sources/g2driverDataSource.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>
#include <map>
#include <memory>

class g2driver;

// A named value that a G2 driver delivers to the station (block OBJECT
// <tag>, <kind>): a bistate, digital, analog or string value with the
// parameters its requests give, its value names (digital) or element count
// (analog), and the SOURCE that says how it is obtained. An internal data
// object may not be used from outside the driver.
class g2driverDataObject : public jhashDatabaseObject, public gstorable, public greferrer {
public:
    // Internal states.
    static constexpr int32_t notLoaded = -1;
    static constexpr int32_t usedFromOutside = -2;

    g2driverDataObject() = default;
    g2driverDataObject(const g2driverDataObject&) = delete;
    g2driverDataObject& operator=(const g2driverDataObject&) = delete;
    ~g2driverDataObject() override;

    g2driver* getDriver() const noexcept { return driver_; }
    // Another driver: the source looks its references up again there.
    void setDriver(g2driver* driver);
    g2driverParameterTable& parameters() noexcept { return parameters_; }
    const g2driverParameterTable& parameters() const noexcept { return parameters_; }
    // 1 bistate, 2 digital, 3 analog, 4 string; 0 while not known.
    int32_t getTypeCode() const noexcept { return typeCode_; }
    void setTypeCode(int32_t code) noexcept { typeCode_ = code; }
    // The kinds a user read before the object was defined can take, one bit
    // (1 << kind) each; the object's own header of a kind outside them leaves
    // that user without its object. Every kind until such a user comes.
    void narrowKinds(uint32_t kinds) noexcept { kindsTaken_ &= kinds; }
    bool takesKind(int32_t kind) const noexcept { return (kindsTaken_ >> kind) & 1u; }
    // -1 not loaded, -2 used from outside before it was loaded, 0 not
    // internal, 1 internal.
    int32_t getInternal() const noexcept { return internal_; }
    void setInternal(int32_t state) noexcept { internal_ = state; }
    // A reference from outside the driver: refused (false) by an internal
    // object; one not loaded yet remembers it.
    bool acceptOutsideUser() noexcept;
    // The name of a digital value; empty text when it has none.
    const gstr& valueName(uint32_t value) const;
    const std::map<uint32_t, gstr>& valueNames() const noexcept { return valueNames_; }
    std::map<uint32_t, gstr>& valueNames() noexcept { return valueNames_; }
    // The number of values of an analog object.
    int32_t getElements() const noexcept { return elements_; }
    void setElements(int32_t count) noexcept { elements_ = count; }
    g2driverDataSource* getSource() const noexcept { return source_.get(); }
    // Adopts the source (the previous one is destroyed), tells it its owner
    // and links its references.
    void setSource(std::unique_ptr<g2driverDataSource> source);
    // After the driver's block was read: the source resolves its names and
    // links its references.
    void resolveSource();
    // The source's references linked again.
    void relinkSource();

    // Its referrers: 0 within the driver, 1 register sources from outside.
    gusedByList& usedBy(int list = 0) noexcept { return usedBy_[list]; }
    bool isUnused() const;
    void describeUsers(gstr& text) const;

    // An editable copy: no driver; the source is cloned to refer to the
    // given tables; with copyUsers the copy reports the source's users.
    void copyFrom(g2driverDataObject& source, const g2driverSourceTables& tables, bool copyUsers);
    // Takes the edited object's contents over; the edited object loses its
    // source. The object is then bound to no driver until setDriver.
    void assignFrom(g2driverDataObject& edited);
    // Undefined and empty.
    void reset();
    // One line per placeholder parameter.
    void listUndefinedReferences(gstr& out) const;

    // "The data object %s in device driver %s", or "The data object %s".
    void describeReferrer(gstr& text) const override;

    // The kind keyword after the tag of an OBJECT line; the item result.
    int readKind(const char* text);
    // OBJECT, the tag, ", " and the kind keyword.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // An internal state still below 0 becomes 0, elements 0 become 1.
    void afterLoad() override;
    // A source exists.
    bool isComplete() const override { return source_ != nullptr; }

private:
    gloadStatus loadInternal(const gstr& value);
    gloadStatus loadSource(const gstr& value);
    gloadStatus loadValueName(const gstr& value);

    g2driver* driver_ = nullptr;
    g2driverParameterTable parameters_;
    int32_t typeCode_ = 0;
    uint32_t kindsTaken_ = ~0u;
    int32_t internal_ = notLoaded;
    std::map<uint32_t, gstr> valueNames_;
    int32_t elements_ = 0;
    std::unique_ptr<g2driverDataSource> source_;
    gusesList sourceUses_{this};
    gusedByList usedBy_[2];
};
