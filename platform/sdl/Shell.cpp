// Shell on SDL2: SDL_OpenURL, which needs no initialised subsystem (on X11 desktops it starts
// xdg-open from the search path in a process of its own).
#include "platform/Shell.h"

#include <SDL.h>

namespace platform {

bool OpenUrl(const char* url)
{
    return url != nullptr && SDL_OpenURL(url) == 0;
}

} // namespace platform
