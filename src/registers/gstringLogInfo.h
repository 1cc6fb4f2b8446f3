#pragma once

#include "foundation/gregexp.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

struct gregisterBatchOptions;

// Which texts of a string register are logged and what stands around them:
// the block "VALUE_LOG_INFO" ... "END" of a string register. INCLUDE logs
// the texts the pattern matches, EXCLUDE the others.
class gstringLogInfo : public gstorable {
public:
    enum mode : int32_t { notSet = 0, none = 1, all = 2, onState = 3, offState = 4, include = 5, exclude = 6 };

    gstringLogInfo() = default;
    gstringLogInfo(const gstringLogInfo&) = default;
    gstringLogInfo& operator=(const gstringLogInfo&) = default;
    // The edited record handed back by a dialog; the other is left empty.
    void transferFrom(gstringLogInfo& other);

    int32_t getMode() const noexcept { return mode_; }
    void setMode(int32_t mode) noexcept { mode_ = mode; }
    // Never matches an empty text.
    gregexp& pattern() noexcept { return pattern_; }
    const gregexp& pattern() const noexcept { return pattern_; }
    const gstr& getPrefix() const noexcept { return prefix_; }
    void setPrefix(const gstrSlice& text) { prefix_.assign(text); }
    const gstr& getSuffix() const noexcept { return suffix_; }
    void setSuffix(const gstrSlice& text) { suffix_.assign(text); }

    // "VALUE_LOG_INFO".
    void writeHeader(CObjectFile& file, int indent) const override;
    // Nothing below mode 2 (ALL).
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

    // In modes 5 and 6 the prefix and the suffix, whatever the request's
    // scope switches; the number of replacements.
    int replaceText(const gregisterBatchOptions& options);

private:
    gloadStatus loadMode(const gstr& value);

    int32_t mode_ = notSet;
    gregexp pattern_{false};
    gstr prefix_;
    gstr suffix_;
};
