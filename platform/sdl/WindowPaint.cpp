// WindowPaint: painting a window's client area black, through the SDL renderer the video plugin
// left on the window (its data under kWindowRendererKey); without one there is nothing to paint
// with.
#include "WindowTable.h"

namespace platform {

bool FillClientBlack(Hwnd window)
{
    const sdl::WindowRecord* record = sdl::Find(window);
    if (record == nullptr) {
        sdl::SetLastError(kErrorInvalidWindowHandle);
        return false;
    }
    if (auto* renderer = static_cast<SDL_Renderer*>(SDL_GetWindowData(record->native, kWindowRendererKey))) {
        // Leave the renderer as the plugin set it: target and draw colour are restored.
        SDL_Texture* target = SDL_GetRenderTarget(renderer);
        Uint8 r = 0, g = 0, b = 0, a = 0;
        SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
        SDL_SetRenderTarget(renderer, nullptr);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
        const bool cleared = SDL_RenderClear(renderer) == 0;
        SDL_RenderPresent(renderer);
        SDL_SetRenderDrawColor(renderer, r, g, b, a);
        SDL_SetRenderTarget(renderer, target);
        return cleared;
    }
    // No renderer yet (the mode is not set): nothing to paint with. The window surface is left
    // alone, since taking it would bind a renderer of SDL's own to the window and keep the video
    // plugin from creating its own.
    return true;
}

} // namespace platform
