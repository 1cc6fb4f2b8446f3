#include "foundation/gclock.h"

#include <chrono>
#include <thread>

namespace {

class steadyClock : public gclock {
public:
    uint32_t tickCount() override
    {
        auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }

    void sleep(uint32_t milliseconds) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

steadyClock systemClock;
gclock* installed = nullptr;

} // namespace

gclock& currentClock() { return installed ? *installed : systemClock; }

void installClock(gclock* clock) noexcept { installed = clock; }
