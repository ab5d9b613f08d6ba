// WindowRenderer: creating, keeping and releasing the renderer of the game window.
#include "WindowRenderer.h"

#include "BlendModes.h"
#include "PluginLog.h"

namespace sdlvideo {

namespace {

constexpr const char* kPlugin = "VornDX8";

SDL_Renderer* CreateRenderer(SDL_Window* window, bool vsync)
{
    const Uint32 vsyncFlag = vsync ? static_cast<Uint32>(SDL_RENDERER_PRESENTVSYNC) : 0u;
    const Uint32 flags
        = static_cast<Uint32>(SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE) | vsyncFlag;
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags);
    if (renderer == nullptr && vsync)
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (renderer == nullptr) {
        sdlplugin::Log(kPlugin, "no accelerated renderer (%s); using the software renderer", SDL_GetError());
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (renderer == nullptr) {
        sdlplugin::Log(kPlugin, "cannot create a renderer: %s", SDL_GetError());
        return nullptr;
    }
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0)
        sdlplugin::Log(kPlugin, "drawing with the %s renderer%s", info.name,
            (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 ? ", vsync on" : "");
    return renderer;
}

} // namespace

bool WindowRenderer::Attach(SDL_Window* window, bool vsync)
{
    if (window == nullptr)
        return false;
    if (Get() != nullptr && window_ == window)
        return true;
    Release();
    SDL_Renderer* renderer = CreateRenderer(window, vsync);
    if (renderer == nullptr)
        return false;
    window_ = window;
    windowId_ = SDL_GetWindowID(window);
    renderer_ = renderer;
    premultiplied_ = SupportsExactBlending(renderer);
    if (!premultiplied_)
        sdlplugin::Log(kPlugin,
            "this renderer has no custom blend modes: BM_SELECT ignores alpha, BM_SUBTRACT "
            "draws as BM_NONE and shaped clips fall back to their bounding box");
    SDL_SetWindowData(window, kWindowRendererKey, renderer);
    return true;
}

void WindowRenderer::Release()
{
    if (renderer_ != nullptr && WindowAlive()) {
        SDL_SetWindowData(window_, kWindowRendererKey, nullptr);
        SDL_DestroyRenderer(renderer_);
    }
    Forget();
}

SDL_Renderer* WindowRenderer::Get()
{
    if (renderer_ != nullptr && !WindowAlive())
        Forget();
    return renderer_;
}

bool WindowRenderer::WindowAlive() const
{
    // Looked up by id: a destroyed window's pointer must not be dereferenced.
    return windowId_ != 0 && SDL_WasInit(SDL_INIT_VIDEO) != 0 && SDL_GetWindowFromID(windowId_) == window_;
}

void WindowRenderer::Forget()
{
    window_ = nullptr;
    windowId_ = 0;
    renderer_ = nullptr;
    premultiplied_ = false;
}

} // namespace sdlvideo
