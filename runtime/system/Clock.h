// Clock: the time source timers read. It is the platform's high-resolution counter unless a test
// installs its own clock, so timer arithmetic can be checked without waiting.
#pragma once

#include <cstdint>

namespace sys {

class Clock {
public:
    virtual ~Clock() = default;
    // Current value, in counts since an arbitrary fixed point; never goes backwards.
    virtual int64_t Now() = 0;
    // Counts per second.
    virtual int64_t Frequency() = 0;
};

// Installs `clock` (not owned; it must outlive its use) as the time source; nullptr restores the
// platform counter.
void SetClock(Clock* clock);

int64_t ClockNow();
int64_t ClockFrequency();

} // namespace sys
