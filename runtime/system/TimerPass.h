// TimerPass: the per-frame step the host's main loop makes over the timers.
#pragma once

namespace sys {

// Updates every live timer in list order (their on_tick callbacks run on ScriptState with the
// error handler at stack index 1) and erases the entries of destroyed timers.
void RunTimerPass();

} // namespace sys
