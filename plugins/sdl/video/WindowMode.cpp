// WindowMode: switching a window between windowed and full-screen display modes.
#include "WindowMode.h"

#include "Displays.h"
#include "PluginLog.h"

namespace sdlvideo {

namespace {

constexpr const char* kPlugin = "VornDX8";

bool ApplyWindowed(SDL_Window* window, const DisplayMode& mode)
{
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0
        && SDL_SetWindowFullscreen(window, 0) != 0) {
        sdlplugin::Log(kPlugin, "cannot leave full screen: %s", SDL_GetError());
        return false;
    }
    // A maximised window keeps its size until it is restored.
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) != 0)
        SDL_RestoreWindow(window);
    SDL_SetWindowSize(window, static_cast<int>(mode.width), static_cast<int>(mode.height));
    return true;
}

// Whether the display offers `offered` for `wanted`: the same size, the same refresh unless none
// is asked for (0), the same depth unless none is asked for; 32 bits is also a 24-bit colour mode
// kept in four bytes.
bool Offers(const SDL_DisplayMode& offered, const DisplayMode& wanted)
{
    const uint32_t bits = SDL_BITSPERPIXEL(offered.format);
    const bool depth = wanted.depth == 0 || wanted.depth == bits
        || (wanted.depth == 32 && SDL_BYTESPERPIXEL(offered.format) == 4);
    return static_cast<uint32_t>(offered.w) == wanted.width
        && static_cast<uint32_t>(offered.h) == wanted.height
        && (wanted.refresh == 0 || static_cast<uint32_t>(offered.refresh_rate) == wanted.refresh) && depth;
}

bool ApplyFullScreen(SDL_Window* window, const DisplayMode& mode, DisplayMode* inUse)
{
    int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0)
        display = 0;
    // Only a mode the display offers: a game that tries modes in turn must see the refusal.
    SDL_DisplayMode chosen {};
    bool found = false;
    for (int i = 0, count = SDL_GetNumDisplayModes(display); i < count && !found; ++i)
        found = SDL_GetDisplayMode(display, i, &chosen) == 0 && Offers(chosen, mode);
    if (!found) {
        sdlplugin::Log(kPlugin, "display %d offers no full-screen mode %ux%ux%u@%u", display, mode.width,
            mode.height, mode.depth, mode.refresh);
        return false;
    }
    SDL_DisplayMode previous {};
    const bool hadPrevious = SDL_GetWindowDisplayMode(window, &previous) == 0;
    if (SDL_SetWindowDisplayMode(window, &chosen) != 0) {
        sdlplugin::Log(
            kPlugin, "cannot choose full-screen mode %dx%d: %s", chosen.w, chosen.h, SDL_GetError());
        return false;
    }
    if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
        sdlplugin::Log(kPlugin, "cannot enter full screen: %s", SDL_GetError());
        if (hadPrevious)
            SDL_SetWindowDisplayMode(window, &previous);
        return false;
    }
    *inUse = FromSdl(chosen);
    return true;
}

} // namespace

bool IsSensibleMode(const DisplayMode& mode)
{
    return mode.width > 0 && mode.height > 0 && mode.width <= kMaxModeSide && mode.height <= kMaxModeSide
        && mode.refresh <= 1000;
}

bool ApplyWindowMode(SDL_Window* window, const DisplayMode& mode, DisplayMode* inUse)
{
    if (window == nullptr || !IsSensibleMode(mode))
        return false;
    *inUse = mode;
    return mode.windowed ? ApplyWindowed(window, mode) : ApplyFullScreen(window, mode, inUse);
}

} // namespace sdlvideo
