#include "support/model/manualClock.h"

manualClock::manualClock(uint32_t start) : now_(start) { installClock(this); }

manualClock::~manualClock() { installClock(nullptr); }

void manualClock::sleep(uint32_t milliseconds)
{
    sleeps_.push_back(milliseconds);
    now_ += milliseconds;
}
