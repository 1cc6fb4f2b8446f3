#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

class g2driverDataCommandElement;

// The name of a place in a command template where each command inserts its
// own data: declared by one DATA element of the template, filled by the
// commands' DATA blocks of that name.
class g2driverCommandDataName : public jhashDatabaseObject {
public:
    g2driverCommandDataName() = default;
    g2driverCommandDataName(const g2driverCommandDataName&) = delete;
    g2driverCommandDataName& operator=(const g2driverCommandDataName&) = delete;

    // The DATA element that declares the name; null for a placeholder.
    g2driverDataCommandElement* getOwner() const noexcept { return owner_; }
    void setOwner(g2driverDataCommandElement* element) noexcept { owner_ = element; }
    // The commands' data entries that fill it.
    gusedByList& usedBy() noexcept { return usedBy_; }

private:
    g2driverDataCommandElement* owner_ = nullptr;
    gusedByList usedBy_;
};

using g2driverCommandDataNameTable = jhashTypedDatabaseTable<g2driverCommandDataName>;
