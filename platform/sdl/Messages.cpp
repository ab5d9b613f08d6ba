// Messages on SDL2: the quit message is an SDL user event registered once; window events are
// mapped to window messages by the window backend.
#include "platform/Messages.h"

#include <SDL.h>

namespace platform {

namespace {

Uint32 QuitEventType()
{
    static const Uint32 type = SDL_RegisterEvents(1);
    return type;
}

}  // namespace

PeekResult PeekAndDispatch()
{
    SDL_PumpEvents();
    SDL_Event event;
    const Uint32 quit = QuitEventType();
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, quit, quit) == 1)
        return PeekResult::Quit;
    return PeekResult::Empty;
}

void PostQuit(int exitCode)
{
    SDL_Event event{};
    event.type = QuitEventType();
    event.user.code = exitCode;
    SDL_PushEvent(&event);
}

}  // namespace platform
