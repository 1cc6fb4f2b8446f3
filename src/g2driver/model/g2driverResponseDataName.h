#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

class g2driverResponseElement;

// The name of a command template's response data: declared by a DATA
// response element, read by the data-object sources of the driver.
class g2driverResponseDataName : public jhashDatabaseObject {
public:
    g2driverResponseDataName() = default;
    g2driverResponseDataName(const g2driverResponseDataName&) = delete;
    g2driverResponseDataName& operator=(const g2driverResponseDataName&) = delete;

    // The DATA element that declares the name; null for a placeholder.
    g2driverResponseElement* getDefiner() const noexcept { return definer_; }
    void setDefiner(g2driverResponseElement* element) noexcept { definer_ = element; }
    gusedByList& usedBy() noexcept { return usedBy_; }

private:
    g2driverResponseElement* definer_ = nullptr;
    gusedByList usedBy_;
};

using g2driverResponseDataNameTable = jhashTypedDatabaseTable<g2driverResponseDataName>;
