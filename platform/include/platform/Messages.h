// Messages: the thread's message queue as the runtime sees it. Only window messages and the quit
// message travel here; input events stay queued for the input plugin.
#pragma once

namespace platform {

enum class PeekResult {
    Empty, // nothing was waiting
    Dispatched, // one message was handed to its window's procedure
    Quit, // the quit message was taken; later messages stay unread
};

// Takes the next message without waiting and dispatches it (translate + dispatch).
PeekResult PeekAndDispatch();

// Who else takes events from the queue every frame: the device plugins that are loaded.
struct EventReaders {
    bool video = false; // render resets
    bool input = false; // keys, mouse, joysticks, touch
    bool audio = false; // audio devices coming and going
};
// Drops every queued event that nobody will read: all but window messages, the quit message and
// the kinds of the readers present. The host calls it at the end of each frame, so that no kind
// of event can fill the queue and crowd out a close request.
void DropUnreadEvents(EventReaders readers);

// Queues the quit message with an exit code, as a window does when it is finally destroyed.
void PostQuit(int exitCode);

} // namespace platform
