// Messages on SDL2: the pump takes only window events and the quit events from SDL's queue
// (input events stay queued for the input plugin). Window events become messages for their
// window's procedure; SDL_QUIT (an interrupt or termination signal) asks every window to close;
// the layer's own quit message is an SDL user event, taken only when no window event waits.
// What nobody reads is dropped at the end of each frame.
#include "platform/Messages.h"

#include <SDL.h>

#include "WindowTable.h"

namespace platform {

namespace {

Uint32 QuitEventType()
{
    static const Uint32 type = SDL_RegisterEvents(1);
    return type;
}

// SDL_FilterEvents callback: keeps what someone reads (1), drops the rest (0).
int IsRead(void* data, SDL_Event* event)
{
    const auto& readers = *static_cast<const EventReaders*>(data);
    const Uint32 type = event->type;
    if (type == SDL_WINDOWEVENT || type == SDL_QUIT || type == QuitEventType())
        return 1;
    if (type >= SDL_KEYDOWN && type < SDL_CLIPBOARDUPDATE)
        return readers.input ? 1 : 0;
    if (type == SDL_RENDER_TARGETS_RESET || type == SDL_RENDER_DEVICE_RESET)
        return readers.video ? 1 : 0;
    if (type == SDL_AUDIODEVICEADDED || type == SDL_AUDIODEVICEREMOVED)
        return readers.audio ? 1 : 0;
    return 0;
}

// Close to each window, as a user closing them would.
void CloseEveryWindow()
{
    for (Hwnd window : sdl::AllWindows())
        if (IsWindow(window))
            SendMessage(window, Message::Close);
}

} // namespace

PeekResult PeekAndDispatch()
{
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT) == 1)
        if (sdl::DispatchWindowEvent(event.window))
            return PeekResult::Dispatched;
    if (sdl::DispatchGestureEnd())
        return PeekResult::Dispatched;
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_QUIT, SDL_QUIT) == 1) {
        CloseEveryWindow();
        return PeekResult::Dispatched;
    }
    const Uint32 quit = QuitEventType();
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, quit, quit) == 1)
        return PeekResult::Quit;
    return PeekResult::Empty;
}

// Without an input reader, input events are not even queued: a flood of them arriving within one
// pump (X hands SDL everything pending at once) would otherwise fill the queue and push out the
// window events behind it, a close request included. SDL keeps the key and mouse state either way.
void IgnoreInputUnlessRead(bool read)
{
    static int state = -1;
    const int wanted = read ? SDL_ENABLE : SDL_IGNORE;
    if (state == wanted)
        return;
    state = wanted;
    for (Uint32 type = SDL_KEYDOWN; type < SDL_CLIPBOARDUPDATE; ++type)
        SDL_EventState(type, wanted);
}

void DropUnreadEvents(EventReaders readers)
{
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0)
        return;
    IgnoreInputUnlessRead(readers.input);
    SDL_FilterEvents(IsRead, &readers);
}

void PostQuit(int exitCode)
{
    // The queue must run for the message to be kept, with or without a window.
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0)
        SDL_InitSubSystem(SDL_INIT_EVENTS);
    SDL_Event event {};
    event.type = QuitEventType();
    event.user.code = exitCode;
    SDL_PushEvent(&event);
}

} // namespace platform
