// Counter on POSIX: CLOCK_MONOTONIC in nanoseconds, so the frequency is 1,000,000,000.
#include "platform/Counter.h"

#include <ctime>

namespace platform {

int64_t CounterNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

int64_t CounterFrequency()
{
    return 1'000'000'000;
}

}  // namespace platform
