#pragma once

#include "foundation/gmilliseconds.h"
#include "foundation/gregexp.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"

#include <cstdint>

// A legacy data mask (object type MASK), kept in the station's or the
// library's mask table: how the data of a legacy response is found in the
// bytes received (the pattern, with an optional prefix and suffix, and an
// error pattern), the size of the receive buffer and the time to wait. A mask
// is complete with a pattern, a buffer size and a timeout.
class glegacyMask : public gtitledObject {
public:
    glegacyMask() = default;
    glegacyMask(const glegacyMask&) = delete;
    glegacyMask& operator=(const glegacyMask&) = delete;

    const gobjectType* getObjectType() const override;

    gusedByList& usedBy() noexcept { return usedBy_; }
    static constexpr int32_t largestBufferSize = 2147483647;

    gregexp& prefix() noexcept { return prefix_; }
    gregexp& pattern() noexcept { return pattern_; }
    gregexp& suffix() noexcept { return suffix_; }
    gregexp& errorPattern() noexcept { return errorPattern_; }
    const gregexp& prefix() const noexcept { return prefix_; }
    const gregexp& pattern() const noexcept { return pattern_; }
    const gregexp& suffix() const noexcept { return suffix_; }
    const gregexp& errorPattern() const noexcept { return errorPattern_; }
    // 0: not set.
    int32_t getBufferSize() const noexcept { return bufferSize_; }
    gmilliseconds getTimeout() const noexcept { return timeout_; }
    void setLimits(int32_t bufferSize, gmilliseconds timeout) noexcept
    {
        bufferSize_ = bufferSize;
        timeout_ = timeout;
    }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

private:
    gloadStatus loadPattern(gregexp& pattern, const gstr& value, bool bracesLiteral);

    gusedByList usedBy_;
    gregexp prefix_{false};
    gregexp pattern_{true};
    gregexp suffix_{false};
    gregexp errorPattern_{false};
    int32_t bufferSize_ = 0;
    gmilliseconds timeout_;
};
