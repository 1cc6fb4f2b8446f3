#pragma once

#include "g2driver/model/g2driverParameterTable.h"
#include "store/gusedByList.h"

#include <cstdint>

// A data object of a G2 driver: a value that registers read, with the
// parameters its sources depend on. Its sources and block come with the G2
// driver model; so far it is its parameter table and type.
class g2driverDataObject : public jhashDatabaseObject {
public:
    g2driverDataObject() = default;
    g2driverDataObject(const g2driverDataObject&) = delete;
    g2driverDataObject& operator=(const g2driverDataObject&) = delete;

    g2driverParameterTable& parameters() noexcept { return parameters_; }
    // 1 bistate, 2 digital, 3 analog, 4 string; 0 while not known.
    int32_t getTypeCode() const noexcept { return typeCode_; }
    void setTypeCode(int32_t code) noexcept { typeCode_ = code; }
    gusedByList& usedBy() noexcept { return usedBy_; }

private:
    g2driverParameterTable parameters_;
    int32_t typeCode_ = 0;
    gusedByList usedBy_;
};
