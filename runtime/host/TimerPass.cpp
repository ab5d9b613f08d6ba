// TimerPass: empty until the timer package exists; timers and their list arrive with it, and this
// function then walks the list.
#include "host/TimerPass.h"

namespace host {

void RunTimerPass()
{
}

}  // namespace host
