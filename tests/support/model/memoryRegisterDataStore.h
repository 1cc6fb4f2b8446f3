#pragma once

#include "registers/gregisterDataStore.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>

// The run-time program's register data held in memory, installed as the
// store for its lifetime. A value is a number or a text, as the run-time
// program wrote it.
class memoryRegisterDataStore final : public gregisterDataStore {
public:
    memoryRegisterDataStore();
    ~memoryRegisterDataStore() override;
    memoryRegisterDataStore(const memoryRegisterDataStore&) = delete;
    memoryRegisterDataStore& operator=(const memoryRegisterDataStore&) = delete;

    bool keyExists(const gstrSlice& key) const override;
    std::optional<uint32_t> readNumber(const gstrSlice& key, const gstrSlice& name) const override;
    std::optional<gstr> readText(const gstrSlice& key, const gstrSlice& name) const override;

    void createKey(const std::string& key) { keys_[key]; }
    void setNumber(const std::string& key, const std::string& name, uint32_t value) { keys_[key][name] = value; }
    void setText(const std::string& key, const std::string& name, const std::string& text)
    {
        keys_[key][name] = text;
    }

private:
    using value = std::variant<uint32_t, std::string>;
    const value* find(const gstrSlice& key, const gstrSlice& name) const;

    std::map<std::string, std::map<std::string, value>> keys_;
};
