#include "platform/settingsRegisterDataStore.h"

#include "platform/settingsStore.h"

namespace {

std::optional<settingsHive> hiveOf(const gstrSlice& key)
{
    for (settingsHive hive : {settingsHive::currentUser, settingsHive::localMachine}) {
        if (settings().keyExists(hive, key))
            return hive;
    }
    return std::nullopt;
}

} // namespace

bool settingsRegisterDataStore::keyExists(const gstrSlice& key) const { return hiveOf(key).has_value(); }

// A 32-bit number as the store reads it: its bits, whether written signed or
// unsigned.
std::optional<uint32_t> settingsRegisterDataStore::readNumber(const gstrSlice& key, const gstrSlice& name) const
{
    std::optional<settingsHive> hive = hiveOf(key);
    if (!hive)
        return std::nullopt;
    std::optional<int> value = settings().readInt(*hive, key, name);
    if (!value)
        return std::nullopt;
    return static_cast<uint32_t>(*value);
}

std::optional<gstr> settingsRegisterDataStore::readText(const gstrSlice& key, const gstrSlice& name) const
{
    std::optional<settingsHive> hive = hiveOf(key);
    if (!hive)
        return std::nullopt;
    return settings().readString(*hive, key, name);
}

settingsRegisterDataStore& theRegisterDataStore()
{
    static settingsRegisterDataStore store;
    return store;
}
