#include "support/model/memoryRegisterDataStore.h"

memoryRegisterDataStore::memoryRegisterDataStore() { installRegisterDataStore(this); }

memoryRegisterDataStore::~memoryRegisterDataStore() { installRegisterDataStore(nullptr); }

bool memoryRegisterDataStore::keyExists(const gstrSlice& key) const
{
    return keys_.count(std::string(key.view())) != 0;
}

const memoryRegisterDataStore::value* memoryRegisterDataStore::find(const gstrSlice& key,
                                                                     const gstrSlice& name) const
{
    auto k = keys_.find(std::string(key.view()));
    if (k == keys_.end())
        return nullptr;
    auto v = k->second.find(std::string(name.view()));
    return v == k->second.end() ? nullptr : &v->second;
}

std::optional<uint32_t> memoryRegisterDataStore::readNumber(const gstrSlice& key, const gstrSlice& name) const
{
    const value* v = find(key, name);
    if (!v || !std::holds_alternative<uint32_t>(*v))
        return std::nullopt;
    return std::get<uint32_t>(*v);
}

std::optional<gstr> memoryRegisterDataStore::readText(const gstrSlice& key, const gstrSlice& name) const
{
    const value* v = find(key, name);
    if (!v || !std::holds_alternative<std::string>(*v))
        return std::nullopt;
    const std::string& text = std::get<std::string>(*v);
    return gstr(gstrSlice(text.data(), static_cast<int32_t>(text.size())));
}
