// Counter: the high-resolution monotonic counter timers run on.
#pragma once

#include <cstdint>

namespace platform {

// Current counter value, in counts since an arbitrary fixed point.
int64_t CounterNow();
// Counts per second.
int64_t CounterFrequency();

}  // namespace platform
