// LuaTimer: the script class Timer. A timer with an interval in milliseconds, polled once per frame
// by the timer pass; when due it ticks, records its lateness, adds to its running total and calls
// on_tick with itself. Needs the clock (system/Clock.h) and the callback slot (bridge/LuaRef.h).
#pragma once

#include <cstdint>

#include "bridge/LuaRef.h"
#include "system/TimerList.h"

class LuaTimer {
public:
    // A new timer is paused with interval 0; it is appended to the timer list.
    LuaTimer();
    // Releases on_tick and marks the list entry dead (the pass erases it).
    virtual ~LuaTimer();
    LuaTimer(const LuaTimer&) = delete;
    LuaTimer& operator=(const LuaTimer&) = delete;

    // Script property `interval` (milliseconds). Setting truncates toward zero and does not
    // reschedule: the new value applies from the next period computation.
    double get_interval() const { return interval_; }
    void set_interval(double milliseconds);

    // Script property `paused`: true pauses, false resumes.
    bool get_paused() const { return paused_; }
    void set_paused(bool paused);

    // Script property `recur`: tick repeatedly instead of pausing after one tick.
    bool recur = false;

    // Starts or resumes; a running timer is not restarted (the interval still changes).
    void start(double interval, bool recur);
    void start(double interval);
    void start();
    void pause();
    // Pauses and clears the running total, so the next start is fresh.
    void stop();

    float get_delta() const { return delta_; }
    // interval x delta, truncated toward zero.
    double get_delta_ms() const;
    // Running total of active time in milliseconds, summed at ticks.
    double get_elapsed() const;

    // The on_tick callback slot.
    bridge::LuaRef& OnTick() { return on_tick_; }

    // The pass's per-timer step: ticks when due, then calls on_tick through L (when not null).
    void Update(lua_State* L);

private:
    // Period in counter ticks: whole counts per millisecond times the interval.
    int64_t Period() const { return frequency_ / 1000 * interval_; }

    bridge::LuaRef on_tick_;
    int32_t interval_ = 0;
    float delta_ = 0.0f;
    int64_t elapsed_ = 0;
    int64_t last_ = 0;
    // Next tick; while paused by pause(), the counter value at the moment of pausing.
    int64_t due_ = 0;
    int64_t frequency_;
    bool paused_ = true;
    sys::TimerList::Handle entry_;
};
