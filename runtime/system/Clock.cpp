// Clock: forwards to the installed test clock, or to the platform counter when none is installed.
#include "system/Clock.h"

#include "platform/Counter.h"

namespace sys {

namespace {

Clock* installed = nullptr;

} // namespace

void SetClock(Clock* clock)
{
    installed = clock;
}

int64_t ClockNow()
{
    return installed != nullptr ? installed->Now() : platform::CounterNow();
}

int64_t ClockFrequency()
{
    return installed != nullptr ? installed->Frequency() : platform::CounterFrequency();
}

} // namespace sys
