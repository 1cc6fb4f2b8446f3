#pragma once

#include "foundation/garray.h"
#include "foundation/jhashObject.h"
#include "g2driver/model/g2driverCommandElement.h"
#include "store/gstorable.h"
#include "store/jhashTypedDatabaseTable.h"

class g2driver;
class g2driverCommand;
class g2driverParameterTable;

// A command's content for one DATA element of its template (block DATA,
// named after that element): the content elements, which are built on
// their own when the command is assembled.
class g2driverCommandData : public jhashDatabaseObject, public gstorable {
public:
    g2driverCommandData() = default;
    g2driverCommandData(const g2driverCommandData&) = delete;
    g2driverCommandData& operator=(const g2driverCommandData&) = delete;
    ~g2driverCommandData() override;

    g2driverCommand* getCommand() const noexcept { return command_; }
    // Sets the command on every element, last to first.
    void setCommand(g2driverCommand* command);
    void setDriver(g2driver* driver);
    const garrayOwned<g2driverCommandElement>& elements() const noexcept { return elements_; }
    // Copies of the source's elements, bound in the command's parameters.
    void copyFrom(const g2driverCommandData& source, g2driverParameterTable& parameters,
                  g2driverProgramTable* programs);
    // Takes over the elements; the given array is left empty.
    void assignElements(garrayOwned<g2driverCommandElement>& elements);
    // Hands the elements over to the (empty) array; the entry is left with
    // none.
    void takeElements(garrayOwned<g2driverCommandElement>& out) { out.transferFrom(elements_); }

    // DATA and the tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    // COMMAND_ELEMENT of any kind but DATA.
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { setDefined(1); }
    // At least one element.
    bool isComplete() const override { return elements_.size() > 0; }

private:
    g2driverCommand* command_ = nullptr;
    garrayOwned<g2driverCommandElement> elements_;
};

using g2driverCommandDataTable = jhashTypedDatabaseTable<g2driverCommandData>;
