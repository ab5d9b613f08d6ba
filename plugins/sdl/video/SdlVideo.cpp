// SdlVideo: start-up, shutdown, devices and display modes of the video plugin.
#include "SdlVideo.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "Displays.h"
#include "PluginLog.h"
#include "WindowMode.h"

namespace sdlvideo {

namespace {

constexpr const char* kPlugin = "VornDX8";

bool Wanted(uint32_t subclass)
{
    return subclass == DEV_SUBCLASS_ALL;
}

} // namespace

SdlVideo::~SdlVideo()
{
    Shutdown();
}

bool SdlVideo::Initialize()
{
    if (initialized_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        sdlplugin::Log(kPlugin, "cannot start SDL video: %s", SDL_GetError());
        return false;
    }
    initialized_ = true;
    const char* vsync = std::getenv("VORN_VSYNC");
    vsync_ = !(vsync != nullptr && std::strcmp(vsync, "0") == 0);
    capture_.Configure(std::getenv("VORN_CAPTURE_FRAMES"), std::getenv("VORN_CAPTURE_DIR"));
    return true;
}

void SdlVideo::Update()
{
    if (!initialized_)
        return;
    // Render resets are this plugin's events; nobody else takes them from the queue.
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_RENDER_TARGETS_RESET, SDL_RENDER_DEVICE_RESET) == 1) {
        if (event.type == SDL_RENDER_DEVICE_RESET)
            sdlplugin::Log(kPlugin, "the render device was reset");
        textures_.Lost(); // the owners upload again from their own copies
    }
}

void SdlVideo::Shutdown()
{
    if (!initialized_)
        return;
    textures_.UseRenderer(nullptr, false);
    renderer_.Release();
    openDisplays_.clear();
    hasMode_ = false;
    inFrame_ = false;
    initialized_ = false;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlVideo::EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context)
{
    if (!initialized_)
        return false;
    if (!Wanted(subclass))
        return true;
    const int count = DisplayCount();
    for (int i = 0; i < count; ++i) {
        const DeviceInfo info = DisplayDevice(i);
        if (callback != nullptr)
            callback(&info, context);
    }
    return true;
}

bool SdlVideo::FindDefaultDevice(uint32_t subclass, DeviceInfo* out)
{
    if (!initialized_ || out == nullptr || !Wanted(subclass) || DisplayCount() == 0)
        return false;
    *out = DisplayDevice(0);
    return true;
}

bool SdlVideo::OpenDevice(const DeviceInfo* info, DeviceHandle* out)
{
    if (!initialized_ || info == nullptr || out == nullptr || info->devclass != DEV_CLASS_VIDEO)
        return false;
    if (info->id >= static_cast<uint32_t>(DisplayCount()))
        return false;
    const DeviceHandle handle = nextHandle_++;
    openDisplays_[handle] = static_cast<int>(info->id);
    *out = handle;
    return true;
}

void SdlVideo::ReleaseDevice(DeviceHandle handle)
{
    openDisplays_.erase(handle);
}

bool SdlVideo::SetMode(WindowHandle window, const DisplayMode* mode)
{
    if (!initialized_ || window == nullptr || mode == nullptr || !IsSensibleMode(*mode))
        return false;
    SDL_Window* sdlWindow = static_cast<SDL_Window*>(window);
    if (SDL_GetWindowID(sdlWindow) == 0)
        return false;
    // The renderer first: without one the mode is refused before the window changes.
    if (!renderer_.Attach(sdlWindow, vsync_))
        return false;
    textures_.UseRenderer(renderer_.Get(), renderer_.Premultiplied());
    DisplayMode inUse {};
    if (!ApplyWindowMode(sdlWindow, *mode, &inUse))
        return false;
    // The frame keeps the mode's size; each frame stretches it over the window (BeginFrame).
    mode_ = inUse;
    std::memset(mode_.pad, 0, sizeof mode_.pad);
    hasMode_ = true;
    return true;
}

// Until a mode is set, the desktop's mode of the opened display (the first one otherwise).
bool SdlVideo::GetMode(DisplayMode* out)
{
    if (!initialized_ || out == nullptr)
        return false;
    if (!hasMode_)
        return DesktopMode(openDisplays_.empty() ? 0 : openDisplays_.begin()->second, out);
    *out = mode_;
    return true;
}

bool SdlVideo::EnumerateModes(const DeviceInfo* info, ModeEnumCallback callback, void* context)
{
    if (!initialized_ || info == nullptr)
        return false;
    const auto open = openDisplays_.find(info->id);
    if (open == openDisplays_.end())
        return false;
    return EnumerateDisplayModes(open->second, callback, context);
}

} // namespace sdlvideo
