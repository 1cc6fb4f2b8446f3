#include "registers/gregisterDataStore.h"

namespace {

class emptyStore final : public gregisterDataStore {
public:
    bool keyExists(const gstrSlice&) const override { return false; }
    std::optional<uint32_t> readNumber(const gstrSlice&, const gstrSlice&) const override { return std::nullopt; }
    std::optional<gstr> readText(const gstrSlice&, const gstrSlice&) const override { return std::nullopt; }
};

emptyStore noStore;
gregisterDataStore* installed = &noStore;

} // namespace

gstr registerDataKey(const gstrSlice& stationPath, const gstrSlice& registerTag)
{
    int32_t start = stationPath.length();
    while (start > 0 && stationPath[start - 1] != '\\' && stationPath[start - 1] != '/')
        --start;
    gstr key("SOFTWARE\\Korvel Viziveridizuva Inc.\\K.O.R.V.E.L.\\Register Data\\");
    if (start < stationPath.length())
        key.append(stationPath.at(start), stationPath.length() - start);
    key.append('\\');
    key.append(registerTag);
    return key;
}

gregisterDataStore& registerDataStore() { return *installed; }

void installRegisterDataStore(gregisterDataStore* store) noexcept { installed = store ? store : &noStore; }
