// SdlVideoTextures: the texture operations of the video plugin and the end of a window's
// renderer, over the texture table.
#include "SdlVideo.h"

namespace sdlvideo {

SDL_Renderer* SdlVideo::Renderer()
{
    SDL_Renderer* renderer = renderer_.Get();
    if (renderer == nullptr && textures_.Renderer() != nullptr)
        textures_.Abandon(); // the window went without ForgetWindow
    return renderer;
}

TextureHandle SdlVideo::CreateTexture(uint32_t width, uint32_t height)
{
    return initialized_ ? textures_.Create(width, height, false) : 0;
}

bool SdlVideo::UpdateTexture(
    TextureHandle texture, const VideoRect* area, const uint8_t* pixels, uint32_t pitch)
{
    Renderer();
    return textures_.Update(texture, area, pixels, pitch);
}

void SdlVideo::ReleaseTexture(TextureHandle texture)
{
    Renderer();
    textures_.Release(texture);
}

uint32_t SdlVideo::TextureGeneration()
{
    Renderer();
    return textures_.Generation();
}

uint32_t SdlVideo::TextureWidth(TextureHandle texture)
{
    return textures_.Width(texture);
}

uint32_t SdlVideo::TextureHeight(TextureHandle texture)
{
    return textures_.Height(texture);
}

TextureHandle SdlVideo::CreateTarget(uint32_t width, uint32_t height)
{
    return initialized_ ? textures_.Create(width, height, true) : 0;
}

void SdlVideo::ForgetWindow(WindowHandle window)
{
    if (window == nullptr || Renderer() == nullptr || renderer_.Window() != static_cast<SDL_Window*>(window))
        return;
    textures_.UseRenderer(nullptr, false);
    renderer_.Release();
    inFrame_ = false;
}

} // namespace sdlvideo
