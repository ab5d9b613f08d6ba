// WindowRenderer: the SDL renderer the plugin draws a window with, tied to that window's id. The
// renderer is made by the plugin and destroyed by it while its window lives: the display tells
// the plugin before the window goes (IVideo::ForgetWindow). It is also left on the window as the
// window data kWindowRendererKey, which is how the window layer paints a window black through it.
// Should a window vanish without that word, its renderer is forgotten, never destroyed: SDL2 does
// not free a renderer with its window, and freeing it afterwards reads freed memory.
#pragma once

#include <SDL.h>

#include "contracts/WindowHandle.h"

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
    // Whether the renderer blends with custom blend modes, so colours travel premultiplied and
    // every blend mode is exact; false on SDL's software renderer.
    bool Premultiplied() const { return premultiplied_; }

private:
    bool WindowAlive() const;
    void Forget();

    SDL_Window* window_ = nullptr;
    Uint32 windowId_ = 0;
    SDL_Renderer* renderer_ = nullptr;
    bool premultiplied_ = false;
};

} // namespace sdlvideo
