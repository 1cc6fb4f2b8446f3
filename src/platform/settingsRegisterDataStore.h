#pragma once

#include "registers/gregisterDataStore.h"

// The register data of the run-time program (calibration points measured on
// site) in the settings store. The run-time program keeps it under the local
// machine; on this platform that hive is read only to programs run by the
// user, so a run-time program run by the user writes the same key into the
// current user's hive. A key in the user's hive therefore answers first, the
// machine's otherwise; values never mix between the two. The editor never
// writes this data.
class settingsRegisterDataStore final : public gregisterDataStore {
public:
    bool keyExists(const gstrSlice& key) const override;
    std::optional<uint32_t> readNumber(const gstrSlice& key, const gstrSlice& name) const override;
    std::optional<gstr> readText(const gstrSlice& key, const gstrSlice& name) const override;
};

settingsRegisterDataStore& theRegisterDataStore();
