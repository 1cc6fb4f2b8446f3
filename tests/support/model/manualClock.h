#pragma once

#include "foundation/gclock.h"

#include <cstdint>
#include <vector>

// A clock that moves only when told to, or by the sleeps asked of it. It is
// installed for its lifetime.
class manualClock : public gclock {
public:
    explicit manualClock(uint32_t start = 0);
    ~manualClock() override;
    manualClock(const manualClock&) = delete;
    manualClock& operator=(const manualClock&) = delete;

    uint32_t tickCount() override { return now_; }
    void sleep(uint32_t milliseconds) override;

    void advance(uint32_t milliseconds) { now_ += milliseconds; }
    const std::vector<uint32_t>& sleeps() const { return sleeps_; }

private:
    uint32_t now_;
    std::vector<uint32_t> sleeps_;
};
