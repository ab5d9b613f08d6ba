// Messages: the thread's message queue as the runtime sees it. Only window messages and the quit
// message travel here; input events stay queued for the input plugin.
#pragma once

namespace platform {

enum class PeekResult {
    Empty,        // nothing was waiting
    Dispatched,   // one message was handed to its window's procedure
    Quit,         // the quit message was taken; later messages stay unread
};

// Takes the next message without waiting and dispatches it (translate + dispatch).
PeekResult PeekAndDispatch();

// Queues the quit message with an exit code, as a window does when it is finally destroyed.
void PostQuit(int exitCode);

}  // namespace platform
