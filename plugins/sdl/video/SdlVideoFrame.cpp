// SdlVideoFrame: readiness and the frame operations of the video plugin (begin, clear, present),
// with the optional capture of presented frames.
#include "SdlVideo.h"

#include <SDL.h>

namespace sdlvideo {

bool SdlVideo::Ready()
{
    SDL_Window* window = renderer_.Window();
    if (!initialized_ || window == nullptr)
        return false;
    const Uint32 flags = SDL_GetWindowFlags(window);
    return (flags & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) == 0;
}

// The frame is the mode's size, stretched over the whole client area whatever its size (a
// resized window, full screen at another shape), as the mouse's display coordinates assume.
bool SdlVideo::BeginFrame()
{
    inFrame_ = Ready() && hasMode_;
    if (!inFrame_)
        return false;
    SDL_Renderer* renderer = renderer_.Get();
    SDL_SetRenderTarget(renderer, nullptr);
    int width = 0;
    int height = 0;
    if (SDL_GetRendererOutputSize(renderer, &width, &height) == 0 && width > 0 && height > 0)
        SDL_RenderSetScale(renderer, static_cast<float>(width) / static_cast<float>(mode_.width),
            static_cast<float>(height) / static_cast<float>(mode_.height));
    SDL_RenderSetViewport(renderer, nullptr);
    SDL_RenderSetClipRect(renderer, nullptr);
    return true;
}

bool SdlVideo::Clear(const Color* color)
{
    SDL_Renderer* renderer = renderer_.Get();
    if (renderer == nullptr || color == nullptr)
        return false;
    SDL_SetRenderDrawColor(renderer, color->r, color->g, color->b, SDL_ALPHA_OPAQUE);
    return SDL_RenderClear(renderer) == 0;
}

bool SdlVideo::EndFrame()
{
    const bool began = inFrame_;
    inFrame_ = false;
    SDL_Renderer* renderer = renderer_.Get();
    if (!began || renderer == nullptr)
        return false;
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_RenderSetClipRect(renderer, nullptr);
    ++presentedFrames_;
    if (capture_.Wants(presentedFrames_))
        capture_.Write(renderer, presentedFrames_);
    SDL_RenderPresent(renderer);
    return true;
}

} // namespace sdlvideo
