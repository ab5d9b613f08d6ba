// WindowMode: switching a window between windowed and full-screen display modes.
#include "WindowMode.h"

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

bool ApplyFullScreen(SDL_Window* window, const DisplayMode& mode)
{
    int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0)
        display = 0;
    SDL_DisplayMode wanted {};
    wanted.w = static_cast<int>(mode.width);
    wanted.h = static_cast<int>(mode.height);
    wanted.refresh_rate = static_cast<int>(mode.refresh);
    SDL_DisplayMode closest {};
    if (SDL_GetClosestDisplayMode(display, &wanted, &closest) == nullptr) {
        sdlplugin::Log(kPlugin, "no full-screen mode near %ux%u@%u on display %d", mode.width, mode.height,
            mode.refresh, display);
        return false;
    }
    SDL_DisplayMode previous {};
    const bool hadPrevious = SDL_GetWindowDisplayMode(window, &previous) == 0;
    if (SDL_SetWindowDisplayMode(window, &closest) != 0) {
        sdlplugin::Log(
            kPlugin, "cannot choose full-screen mode %dx%d: %s", closest.w, closest.h, SDL_GetError());
        return false;
    }
    if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
        sdlplugin::Log(kPlugin, "cannot enter full screen: %s", SDL_GetError());
        if (hadPrevious)
            SDL_SetWindowDisplayMode(window, &previous);
        return false;
    }
    return true;
}

} // namespace

bool IsSensibleMode(const DisplayMode& mode)
{
    return mode.width > 0 && mode.height > 0 && mode.width <= kMaxModeSide && mode.height <= kMaxModeSide
        && mode.refresh <= 1000;
}

bool ApplyWindowMode(SDL_Window* window, const DisplayMode& mode)
{
    if (window == nullptr || !IsSensibleMode(mode))
        return false;
    return mode.windowed ? ApplyWindowed(window, mode) : ApplyFullScreen(window, mode);
}

} // namespace sdlvideo
