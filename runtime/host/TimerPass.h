// TimerPass: the per-frame walk over the timer list, called by the main loop after the input and
// audio updates and before the frame is rendered.
#pragma once

namespace host {

// Updates every live timer (which may call its on_tick) and erases the dead entries.
void RunTimerPass();

}  // namespace host
