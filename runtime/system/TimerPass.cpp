// TimerPass: runs the list's pass on the process-wide script state.
#include "system/TimerPass.h"

#include "bridge/ScriptState.h"
#include "system/TimerList.h"

namespace sys {

void RunTimerPass()
{
    Timers().RunPass(ScriptState);
}

} // namespace sys
