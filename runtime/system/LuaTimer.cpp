// LuaTimer: start/resume arithmetic, pause, stop and the tick.
#include "system/LuaTimer.h"

#include <cmath>
#include <limits>

#include <tolua++.h>

#include "bridge/Callback.h"
#include "bridge/Numbers.h"
#include "system/Clock.h"

namespace {

// Whether a Lua-owned object has lost its userdata to the collector, which will delete it at its
// finalisation. tolua++ keeps owned objects in the registry's "tolua_gc" table and live userdata
// in a weak "tolua_ubox" table that Lua clears as soon as a userdata is condemned; pushing the
// object in between would make a second userdata that outlives the object.
bool CondemnedByCollector(lua_State* L, void* object, const char* type)
{
    lua_pushstring(L, "tolua_gc");
    lua_rawget(L, LUA_REGISTRYINDEX);
    lua_pushlightuserdata(L, object);
    lua_rawget(L, -2);
    const bool owned = !lua_isnil(L, -1);
    lua_pop(L, 2);
    if (!owned)
        return false;
    luaL_getmetatable(L, type);
    lua_pushstring(L, "tolua_ubox");
    lua_rawget(L, -2);
    if (lua_isnil(L, -1)) {
        lua_pop(L, 1);
        lua_pushstring(L, "tolua_ubox");
        lua_rawget(L, LUA_REGISTRYINDEX);
    }
    bool boxed = false;
    if (lua_istable(L, -1)) {
        lua_pushlightuserdata(L, object);
        lua_rawget(L, -2);
        boxed = !lua_isnil(L, -1);
        lua_pop(L, 1);
    }
    lua_pop(L, 2);
    return !boxed;
}

} // namespace

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
    // A timer the collector has condemned is as good as stopped: its callback would get a userdata
    // that outlives it.
    if (L == nullptr || !on_tick_.IsSet() || CondemnedByCollector(L, this, "LuaTimer"))
        return;
    // Last step: on_tick may start, stop or re-configure this timer.
    bridge::CallSlot(L, on_tick_, [this](lua_State* state) {
        tolua_pushusertype(state, this, "LuaTimer");
        return 1;
    });
}
