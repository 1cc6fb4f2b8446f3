#pragma once

#include "foundation/goffsetParameter.h"
#include "foundation/gregexp.h"
#include "foundation/gstr.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "store/gstorable.h"

#include <climits>
#include <cstdint>
#include <vector>

class g2driver;
class g2driverCommand;
class g2driverDataObject;
class g2driverParameterTable;
class g2driverResponseDataName;
class gusesList;
template <class E>
class jhashTypedDatabaseTable;

using goffsetParameterList = std::vector<goffsetParameter>;

// What embeds a command-data reference: it answers the data object whose
// source the reference belongs to, and through it the driver and the
// object's parameter table.
class gcommandDataRefOwner {
public:
    virtual g2driverDataObject* getDataObject() const = 0;

protected:
    ~gcommandDataRefOwner() = default;
};

// Where in the response to one of the driver's commands a value is read:
// the command with the values given to its parameters, the response data
// name (a DATA response element of the command's template), an optional
// search key, an offset and offset parameters (digital parameters of the
// data object that add to the offset). Its lines: DATA, PARAMETER, KEY,
// OFFSET, OFFSET_PARAM. While a driver is read the data element is kept by
// name until the driver's block has ended (resolveReferences).
class gcommandDataRef {
public:
    static constexpr int32_t offsetNotRead = INT_MAX;

    explicit gcommandDataRef(gcommandDataRefOwner& owner) : owner_(&owner) {}
    gcommandDataRef(const gcommandDataRef&) = delete;
    gcommandDataRef& operator=(const gcommandDataRef&) = delete;

    g2driverCommand* getCommand() const noexcept { return command_; }
    g2driverResponseDataName* getDataElement() const noexcept { return dataElement_; }
    // The data element's name, or the name still waiting to be resolved.
    gstrSlice dataElementName() const;
    const g2driverParameterValueTable& values() const noexcept { return values_; }
    const gregexp& key() const noexcept { return key_; }
    int32_t getOffset() const noexcept { return offset_; }
    const goffsetParameterList& offsetParameters() const noexcept { return offsetParameters_; }

    // What a pane stores: the command, copies of the values and the data
    // element; the key (unset clears it), the offset and the offset
    // parameters.
    void setLocation(g2driverCommand* command, const g2driverParameterValueTable& values,
                     g2driverResponseDataName* dataElement);
    void setKey(const gregexp& key) { key_ = key; }
    void setOffset(int32_t offset) noexcept { offset_ = offset; }
    void setOffsetParameters(const goffsetParameterList& list) { offsetParameters_ = list; }

    // A copy of the other's settings whose command is the one of the same
    // tag in commands (a placeholder when absent) and whose data element is
    // the name of the same name in that command's template.
    void copyFrom(const gcommandDataRef& other, jhashTypedDatabaseTable<g2driverCommand>& commands);
    // Each offset parameter becomes the parameter of its tag in the table.
    void rebindOffsetParameters(g2driverParameterTable& parameters);

    void writeFields(CObjectFile& file, int indent) const;
    // DATA, KEY, OFFSET, OFFSET_PARAM and PARAMETER; unknownKeyword for any
    // other.
    gloadStatus loadField(int token, const gstr& value);
    // An unread offset becomes 0; the values are checked against the
    // command's parameters (a parameter internal to the command or of
    // another kind drops the command).
    void afterLoad();
    // A command, and a key, an offset parameter or an offset not below 0.
    bool isComplete() const;
    void bindDriver(g2driver* driver);
    void resolveReferences();
    // With a data element: the command, the data element, the command's
    // parameter of each value and the parameter of each offset parameter.
    void collectUses(gusesList& uses);
    // The command's tag and the list of its values, kept until the
    // reference changes.
    const gstr& describe() const;

private:
    gloadStatus loadData(const gstr& value);
    gloadStatus loadKey(const gstr& value);
    gloadStatus loadOffset(const gstr& value);
    gloadStatus loadOffsetParameter(const gstr& value);
    // The data element of the name in the command's template (a placeholder
    // when the template has none); with an undefined command the name waits.
    void bindDataElement(const gstrSlice& name);

    gcommandDataRefOwner* owner_;
    g2driverCommand* command_ = nullptr;
    g2driverParameterValueTable values_{5};
    g2driverResponseDataName* dataElement_ = nullptr;
    gstr pendingName_;
    gregexp key_{false};
    int32_t offset_ = offsetNotRead;
    goffsetParameterList offsetParameters_;
    mutable gstr description_;
};
