#pragma once

#include "foundation/gmilliseconds.h"
#include "registers/sources/gregisterSource.h"

#include <cstdint>

// The ping source (type code 10, "SOURCE PING", bistate registers only):
// whether a host answers pings. The station pings one IPv4 address every
// interval, waits up to the timeout for each answer, tries the number of
// retries and may treat network errors as alarms.
//
// Lines: ADDRESS, INTERVAL (seconds, at least 0.5), TIMEOUT (seconds, not
// 0; written when not 500 ms), RETRIES (written above 1), ERROR_AS_ALARM
// YES. Complete with an address and an interval of at least the timeout
// times the retries plus 500 ms.
class gsourcePing final : public gbistateRegisterSource {
public:
    static constexpr uint32_t defaultTimeout = 500;
    static constexpr uint32_t shortestInterval = 500;

    using gbistateRegisterSource::gbistateRegisterSource;

    // A first byte of 0: not set.
    const uint8_t (&getAddress() const noexcept)[4] { return address_; }
    void setAddress(const uint8_t (&address)[4]);
    gmilliseconds getInterval() const noexcept { return interval_; }
    void setInterval(gmilliseconds interval) noexcept { interval_ = interval; }
    gmilliseconds getTimeout() const noexcept { return timeout_; }
    void setTimeout(gmilliseconds timeout) noexcept { timeout_ = timeout; }
    // 0: not set.
    uint32_t getRetries() const noexcept { return retries_; }
    void setRetries(uint32_t retries) noexcept { retries_ = retries; }
    // -1 while not read, then 0 or 1.
    int32_t getErrorAsAlarm() const noexcept { return errorAsAlarm_; }
    void setErrorAsAlarm(int32_t flag) noexcept { errorAsAlarm_ = flag; }

    // Whether an interval suits a timeout and a number of retries.
    static bool intervalCovers(double intervalMs, double timeoutMs, double retries);

    int getSourceType() const override { return 10; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

private:
    gloadStatus loadAddress(const gstr& value);
    gloadStatus loadRetries(const gstr& value);

    uint8_t address_[4] = {};
    gmilliseconds interval_;
    gmilliseconds timeout_;
    uint32_t retries_ = 0;
    int32_t errorAsAlarm_ = -1;
};
