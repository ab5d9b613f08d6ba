// FakeClock: a test clock at the platform counter's resolution (nanoseconds) that moves only when
// told, installed as the timers' time source for the lifetime of the object.
#pragma once

#include <cstdint>

#include "system/Clock.h"

class FakeClock : public sys::Clock {
public:
    FakeClock() { sys::SetClock(this); }
    ~FakeClock() override { sys::SetClock(nullptr); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    int64_t Now() override { return now_; }
    int64_t Frequency() override { return 1'000'000'000; }

    // Moves the clock to `ms` milliseconds (fractions allowed) after its start.
    void SetMs(double ms) { now_ = kStart + static_cast<int64_t>(ms * 1'000'000.0); }
    void AdvanceMs(double ms) { now_ += static_cast<int64_t>(ms * 1'000'000.0); }

private:
    // Far from zero, as a real counter is.
    static constexpr int64_t kStart = 123'456'789'000'000;
    int64_t now_ = kStart;
};
