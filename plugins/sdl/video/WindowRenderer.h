// WindowRenderer: the SDL renderer the plugin draws a window with, tied to that window's id.
// SDL2 does not free a renderer with its window, and freeing it after the window is gone reads
// freed memory; so a renderer whose window has disappeared is forgotten, never destroyed here:
// whoever destroys the window destroys the window's renderer first.
#pragma once

#include <SDL.h>

namespace sdlvideo {

class WindowRenderer {
public:
    WindowRenderer() = default;
    ~WindowRenderer() { Release(); }
    WindowRenderer(const WindowRenderer&) = delete;
    WindowRenderer& operator=(const WindowRenderer&) = delete;

    // Makes sure `window` has our renderer: keeps the current one for the same live window,
    // otherwise releases it and creates one (accelerated, else software). False: none exists.
    bool Attach(SDL_Window* window, bool vsync);
    // Destroys the renderer while its window lives; forgets it when the window is gone.
    void Release();
    // The renderer, or null when there is none or its window has been destroyed.
    SDL_Renderer* Get();
    SDL_Window* Window() { return Get() != nullptr ? window_ : nullptr; }

private:
    bool WindowAlive() const;
    void Forget();

    SDL_Window* window_ = nullptr;
    Uint32 windowId_ = 0;
    SDL_Renderer* renderer_ = nullptr;
    bool owned_ = false; // false: adopted from the window, someone else made it
};

} // namespace sdlvideo
