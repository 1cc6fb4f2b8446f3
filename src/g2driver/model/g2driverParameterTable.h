#pragma once

#include "foundation/garray.h"
#include "g2driver/model/g2driverParameter.h"
#include "store/gstorable.h"
#include "store/jhashTypedDatabaseTable.h"

class CObjectFile;

// The parameters of a driver, a command template, a command or a data
// object: a table by tag together with the defined parameters in the order
// of their definitions, which is the order they are written and shown in.
class g2driverParameterTable : public jhashTypedDatabaseTable<g2driverParameter> {
public:
    g2driverParameterTable() : jhashTypedDatabaseTable(5) {}

    // A PARAMETER or INTERNAL_PARAM line: tag, comma, kind keyword and, for
    // DIGITAL, pairs of a value and its name.
    gloadStatus readLine(const gstr& value, int32_t scope, int32_t internal);
    // One line per defined parameter, in definition order.
    void writeLines(CObjectFile& file, int indent) const;
    // The entry of the tag, a placeholder when absent; its scope becomes
    // the given one. Never null.
    g2driverParameter* referenceAs(const gstrSlice& tag, int32_t scope);
    // One line "\n <description>: "<tag>"" per placeholder.
    void listUndefined(const gstrSlice& description, gstr& out) const;

    const garray<g2driverParameter>& ordered() const noexcept { return ordered_; }

    // Fills an empty table with copies of the other's parameters in list
    // order; with copyUsers each copy reports the users of its original.
    void copyFrom(const g2driverParameterTable& other, bool copyUsers);
    // Redefines the parameters the other names, keeping the identity of
    // those already here, and drops the rest that nothing uses.
    void assignFrom(const g2driverParameterTable& other);
    // Every listed parameter becomes an untyped placeholder; the list empties.
    void undefineAll();
    // Defines the parameter again and appends it to the list.
    void relist(g2driverParameter* parameter);
    // Removes and destroys every placeholder that nothing uses. A placeholder
    // still in use stays, so no user is left pointing at a freed parameter.
    void removeUndefined();
    // The editors' lists: the listed parameters become these, in this order.
    void setOrder(const garray<g2driverParameter>& order) { ordered_ = order; }

private:
    garray<g2driverParameter> ordered_;
};
