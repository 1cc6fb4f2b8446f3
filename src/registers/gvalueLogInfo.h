#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>
#include <map>
#include <vector>

struct gregisterBatchOptions;

// Which values of a digital register are logged, how they are written, and
// the custom log text of single values: the block "VALUE_LOG_INFO" ...
// "END" of a digital register.
class gvalueLogInfo : public gstorable {
public:
    enum mode : int32_t { notSet = 0, none = 1, all = 2, onState = 3, offState = 4, include = 5, exclude = 6 };

    gvalueLogInfo() = default;
    gvalueLogInfo(const gvalueLogInfo&) = default;
    gvalueLogInfo& operator=(const gvalueLogInfo&) = default;
    // The edited record handed back by a dialog; the other is left empty.
    void transferFrom(gvalueLogInfo& other);

    // The custom log text per value, in ascending value order.
    std::map<uint32_t, gstr>& valueLogStrings() noexcept { return valueLogStrings_; }
    const std::map<uint32_t, gstr>& valueLogStrings() const noexcept { return valueLogStrings_; }
    int32_t getMode() const noexcept { return mode_; }
    void setMode(int32_t mode) noexcept { mode_ = mode; }
    // The values that INCLUDE logs or EXCLUDE leaves out, in file order.
    std::vector<uint32_t>& values() noexcept { return values_; }
    const std::vector<uint32_t>& values() const noexcept { return values_; }
    const gstr& getPrefix() const noexcept { return prefix_; }
    void setPrefix(const gstrSlice& text) { prefix_.assign(text); }
    const gstr& getSuffix() const noexcept { return suffix_; }
    void setSuffix(const gstrSlice& text) { suffix_.assign(text); }
    // 2, 8, 10 or 16; 0 while not given.
    int32_t getBase() const noexcept { return base_; }
    void setBase(int32_t base) noexcept { base_ = base; }
    // The fewest digits; 0 none.
    int32_t getWidth() const noexcept { return width_; }
    void setWidth(int32_t width) noexcept { width_ = width; }
    int32_t getUseValueNames() const noexcept { return useValueNames_; }
    void setUseValueNames(int32_t use) noexcept { useValueNames_ = use; }

    // "VALUE_LOG_INFO".
    void writeHeader(CObjectFile& file, int indent) const override;
    // The VALUE_LOG_STR lines in any mode, the rest from mode 2 (ALL) on.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

    // Under the log-strings switch: every value log string and, in modes 5
    // and 6, the prefix and the suffix; the number of replacements.
    int replaceText(const gregisterBatchOptions& options);

private:
    gloadStatus loadValueLogString(const gstr& value);
    gloadStatus loadMode(const gstr& value);

    std::map<uint32_t, gstr> valueLogStrings_;
    int32_t mode_ = notSet;
    std::vector<uint32_t> values_;
    gstr prefix_;
    gstr suffix_;
    int32_t base_ = 0;
    int32_t width_ = 0;
    int32_t useValueNames_ = -1;
};
