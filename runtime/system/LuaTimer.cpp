// LuaTimer: start/resume arithmetic, pause, stop and the tick.
#include "system/LuaTimer.h"

#include <cmath>
#include <limits>

#include "bridge/Numbers.h"
#include "bridge/SelfCallback.h"
#include "system/Clock.h"

LuaTimer::LuaTimer()
    : frequency_(sys::ClockFrequency())
    , entry_(sys::Timers().Add(this))
{
}

LuaTimer::~LuaTimer()
{
    on_tick_.Release();
    sys::TimerList::Kill(entry_);
}

void LuaTimer::set_interval(double milliseconds)
{
    interval_ = bridge::Truncate<int32_t>(milliseconds);
}

void LuaTimer::set_paused(bool paused)
{
    if (paused)
        pause();
    else
        start();
}

void LuaTimer::start(double interval, bool recur_flag)
{
    set_interval(interval);
    recur = recur_flag;
    start();
}

void LuaTimer::start(double interval)
{
    set_interval(interval);
    start();
}

void LuaTimer::start()
{
    if (!paused_)
        return;
    paused_ = false;
    const int64_t now = sys::ClockNow();
    const int64_t period = Period();
    if (elapsed_ == 0) {
        last_ = now;
        due_ = now + period;
        return;
    }
    // Resume: complete the interrupted period with what was left of it; the pause itself does not
    // count. due_ holds the pause moment (or one period ahead after a one-shot tick).
    due_ = now + period - (due_ - last_);
    last_ = due_ - period;
}

void LuaTimer::pause()
{
    if (paused_)
        return;
    paused_ = true;
    due_ = sys::ClockNow();
}

void LuaTimer::stop()
{
    paused_ = true;
    elapsed_ = 0;
}

double LuaTimer::get_delta_ms() const
{
    // In double precision so that a delta just under 1.04 with interval 100 gives 103, not 104.
    return std::trunc(static_cast<double>(interval_) * static_cast<double>(delta_));
}

double LuaTimer::get_elapsed() const
{
    return static_cast<double>(elapsed_) / static_cast<double>(frequency_) * 1000.0;
}

void LuaTimer::Update(lua_State* L)
{
    if (interval_ < 1 || paused_)
        return;
    const int64_t now = sys::ClockNow();
    if (now < due_)
        return;
    const int64_t period = Period();
    if (period < 1) // a counter slower than 1 kHz gives no whole counts per millisecond
        return;
    delta_ = static_cast<float>(static_cast<double>(now - last_) / static_cast<double>(period));
    elapsed_ += now - last_;
    // Missed periods are not caught up: the schedule restarts from the actual tick.
    last_ = now;
    due_ = now + period;
    if (!recur)
        paused_ = true;
    // Last step: on_tick may start, stop or re-configure this timer. A timer the collector has
    // condemned is as good as stopped: no call.
    if (L != nullptr)
        bridge::CallWithSelf(L, on_tick_, this, "LuaTimer");
}
