#pragma once

#include "foundation/gstr.h"

#include <cstdint>
#include <optional>

// What the run-time program keeps about registers on the station computer
// (the calibration points measured on site), under
// "SOFTWARE\Korvel Viziveridizuva Inc.\K.O.R.V.E.L.\Register Data\<station
// file name>\<register tag>". The editor only reads it. The platform
// installs the real store; tests install one of their own; without either
// nothing is there.
class gregisterDataStore {
public:
    virtual ~gregisterDataStore() = default;

    // Whether the key can be opened for reading.
    virtual bool keyExists(const gstrSlice& key) const = 0;
    // A 32-bit number value; nothing when absent or not a number.
    virtual std::optional<uint32_t> readNumber(const gstrSlice& key, const gstrSlice& name) const = 0;
    // A text value; nothing when absent.
    virtual std::optional<gstr> readText(const gstrSlice& key, const gstrSlice& name) const = 0;
};

// The key of a register's data: the station file's name (the path after its
// last separator, '\' or '/') and the register's tag.
gstr registerDataKey(const gstrSlice& stationPath, const gstrSlice& registerTag);

gregisterDataStore& registerDataStore();
// Installs a store (not owned); null puts back the empty one.
void installRegisterDataStore(gregisterDataStore* store) noexcept;
