// TimerList: entry bookkeeping and the per-frame walk.
#include "system/TimerList.h"

#include "system/LuaTimer.h"

namespace sys {

TimerList::Handle TimerList::Add(LuaTimer* timer)
{
    return entries_.insert(entries_.end(), Entry { timer, true });
}

void TimerList::RunPass(lua_State* L)
{
    // end() is re-read on every step, so entries appended by an on_tick are visited in this pass.
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->alive) {
            it->timer->Update(L);
            ++it;
        } else {
            it = entries_.erase(it);
        }
    }
}

std::size_t TimerList::AliveCount() const
{
    std::size_t alive = 0;
    for (const Entry& entry : entries_)
        alive += entry.alive ? 1 : 0;
    return alive;
}

TimerList& Timers()
{
    static TimerList list;
    return list;
}

} // namespace sys
