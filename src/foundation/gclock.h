#pragma once

#include <cstdint>

// The tick count and the sleep that deadlines and delays use. By default a
// steady clock read as a wrapping 32-bit count of milliseconds; tests install
// a clock of their own so that no test waits on real time.
class gclock {
public:
    virtual ~gclock() = default;
    // Milliseconds since some fixed point, wrapping at 2^32.
    virtual uint32_t tickCount() = 0;
    virtual void sleep(uint32_t milliseconds) = 0;
};

gclock& currentClock();
// Installs a clock (not owned); null puts back the steady clock.
void installClock(gclock* clock) noexcept;
