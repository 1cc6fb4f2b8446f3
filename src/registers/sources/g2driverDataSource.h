#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>
#include <memory>

class g2driver;
class g2driverCommand;
class g2driverDataObject;
class g2driverParameterTable;
class g2driverProgram;
class gusesList;
template <class E>
class jhashTypedDatabaseTable;

// The tables of the driver a source is copied into: the Edit Device Driver
// dialog's working tables, or another driver's own. The copy refers to the
// commands, data objects and programs of these tables by name (placeholders
// when a name is absent).
struct g2driverSourceTables {
    jhashTypedDatabaseTable<g2driverCommand>& commands;
    jhashTypedDatabaseTable<g2driverDataObject>& dataObjects;
    jhashTypedDatabaseTable<g2driverProgram>& programs;
};

// How a G2 data object obtains its value: its block SOURCE <kind> ... END
// inside the OBJECT block. Seventeen kinds (the kind keyword follows
// SOURCE); each accepts some value kinds of data objects (1 bistate, 2
// digital, 3 analog, 4 string) and is edited by the pane of its pane type
// (1 to 17). The data object owns its source; the source's references to
// commands, response data names, programs, parameters and other data
// objects are linked through the data object's source uses list
// (collectUses), so that none of them can be deleted while the source
// names it.
class g2driverDataSource : public gstorable {
public:
    g2driverDataSource() = default;
    g2driverDataSource& operator=(const g2driverDataSource&) = delete;
    ~g2driverDataSource() override;

    // The factory for the value of a SOURCE line: the kind keyword (and, for
    // LIMIT only, its argument); null for an unknown keyword, a kind that
    // does not accept the object's value kind, MULTIPLE when not allowed,
    // or anything else after the keyword. The new source has its owner and
    // the object's driver.
    static std::unique_ptr<g2driverDataSource> create(const gstr& value, g2driverDataObject& object,
                                                      bool allowMultiple);

    // "SOURCE" and the kind keyword.
    void writeHeader(CObjectFile& file, int indent) const override;

    // The rest of the SOURCE line after the kind keyword, whose item status
    // (1 end, 2 a comma follows) is given: 1 accepts the line. Only LIMIT
    // takes text after its keyword.
    virtual int parseHeaderArguments(int itemStatus, const char* rest);
    virtual bool acceptsValueKind(int32_t kind) const = 0;
    // A deep copy for another data object, referring to the given tables.
    virtual std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const = 0;
    virtual int getPaneType() const = 0;
    // The kind's display name, read from the string table once.
    virtual const gstr& getKindName() const = 0;
    // One line saying where the value comes from.
    virtual gstr describe() const = 0;
    // Whether the value is read with the greater-than and less-than marks
    // of a text number format.
    virtual bool hasGreaterLessSymbols() const;
    virtual void setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters);
    // The data object moved to another driver: its references are looked up
    // again there by name.
    virtual void bindDriver(g2driver* driver);
    // Links everything the source refers to into the uses list.
    virtual void collectUses(gusesList& uses);
    // After the driver's whole block was read.
    virtual void resolveReferences();

    g2driverDataObject* getOwner() const noexcept { return owner_; }
    // The owner's driver, or null.
    g2driver* getDriver() const;
    // The owner's value kind, 0 without an owner.
    int32_t ownerKind() const;

protected:
    g2driverDataSource(const g2driverDataSource&) = default;
    // The kind keyword token written after SOURCE.
    virtual int kindKeyword() const = 0;
    // The copy of the text of a string-table id kept for the program's life.
    static const gstr& kindNameText(int id);

private:
    g2driverDataObject* owner_ = nullptr;
};

// The pane types by number, as the source-type hosts list them: the display
// name's string id and the value kind a data object needs (0 any); 0 for a
// number outside 1 to 17.
namespace g2sourcePane {
constexpr int onOffString = 1;
constexpr int bitMask = 2;
constexpr int searchString = 3;
constexpr int valueList = 4;
constexpr int valueLimits = 5;
constexpr int patternMatch = 6;
constexpr int digitalNumber = 7;
constexpr int digitalStrings = 8;
constexpr int thresholds = 9;
constexpr int bitCollection = 10;
constexpr int analogNumber = 11;
constexpr int string = 12;
constexpr int filter = 13;
constexpr int processor = 14;
constexpr int summary = 15;
constexpr int parameter = 16;
constexpr int multiple = 17;
constexpr int last = 17;

int nameId(int paneType);
int32_t valueKind(int paneType);
} // namespace g2sourcePane
