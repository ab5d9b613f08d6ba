// Cursor on SDL2: global mouse state and warping in screen coordinates, and a display counter
// applied with SDL_ShowCursor once video runs.
#include "platform/Cursor.h"

#include "WindowTable.h"

namespace platform::sdl {

namespace {

int displayCounter = 0;

} // namespace

void ApplyCursorVisibility()
{
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
        SDL_ShowCursor(displayCounter >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

} // namespace platform::sdl

namespace platform {

bool GetCursorPos(Point* point)
{
    if (point == nullptr || !sdl::EnsureVideo())
        return false;
    // SDL's global position is refreshed only by raw device motion on X11, so it misses warps
    // (SetCursorPos, other programs). Over one of our windows, the window's position plus the
    // pointer's place in it follows every motion event instead.
    if (SDL_Window* focus = SDL_GetMouseFocus()) {
        int windowX = 0, windowY = 0;
        SDL_GetWindowPosition(focus, &windowX, &windowY);
        SDL_GetMouseState(&point->x, &point->y);
        point->x += windowX;
        point->y += windowY;
        return true;
    }
    SDL_GetGlobalMouseState(&point->x, &point->y);
    return true;
}

bool SetCursorPos(int x, int y)
{
    if (!sdl::EnsureVideo())
        return false;
    return SDL_WarpMouseGlobal(x, y) == 0;
}

int ShowCursor(bool show)
{
    sdl::displayCounter += show ? 1 : -1;
    // Applied now when video can run, else when it starts.
    if (sdl::EnsureVideo())
        sdl::ApplyCursorVisibility();
    return sdl::displayCounter;
}

} // namespace platform
