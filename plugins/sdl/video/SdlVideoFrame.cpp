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

bool SdlVideo::BeginFrame()
{
    inFrame_ = Ready();
    return inFrame_;
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
    ++presentedFrames_;
    if (capture_.Wants(presentedFrames_))
        capture_.Write(renderer, presentedFrames_);
    SDL_RenderPresent(renderer);
    return true;
}

} // namespace sdlvideo
