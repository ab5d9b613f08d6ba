// TimerList: the process-wide list of live timers, walked once per frame by the timer pass.
// Timers add themselves when constructed and only mark their entry dead when destroyed; the pass
// alone erases entries, so a timer may die at any moment (even inside another timer's on_tick)
// without disturbing the walk.
#pragma once

#include <cstddef>
#include <list>

struct lua_State;
class LuaTimer;

namespace sys {

class TimerList {
public:
    struct Entry {
        LuaTimer* timer;
        bool alive;
    };
    using Handle = std::list<Entry>::iterator;

    // Appends a live entry for `timer`; the handle stays valid until the pass erases the entry.
    Handle Add(LuaTimer* timer);
    // Marks the entry dead; the next pass erases it.
    static void Kill(Handle entry) { entry->alive = false; }

    // One pass in list order: updates every live timer (which may call its on_tick through L, when
    // L is not null) and erases the dead entries. Entries appended during the pass are visited too.
    void RunPass(lua_State* L);

    // Number of entries, dead ones not yet erased included.
    std::size_t Size() const { return entries_.size(); }
    // Number of entries whose timer is alive.
    std::size_t AliveCount() const;

private:
    std::list<Entry> entries_;
};

// The one list of the process; it never owns the timers.
TimerList& Timers();

} // namespace sys
