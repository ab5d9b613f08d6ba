// Displays: enumeration of SDL displays and their modes.
#include "Displays.h"

#include <SDL.h>

#include <cstring>
#include <string>

#include "DeviceName.h"

namespace sdlvideo {

int DisplayCount()
{
    const int count = SDL_GetNumVideoDisplays();
    return count > 0 ? count : 0;
}

DeviceInfo DisplayDevice(int index)
{
    const std::string fallback = "Display " + std::to_string(index + 1);
    return sdlplugin::MakeDeviceInfo(DEV_CLASS_VIDEO, DEV_SUBCLASS_ALL, static_cast<uint32_t>(index),
        SDL_GetDisplayName(index), fallback.c_str());
}

DisplayMode FromSdl(const SDL_DisplayMode& sdlMode)
{
    DisplayMode mode;
    std::memset(&mode, 0, sizeof mode);
    mode.width = static_cast<uint32_t>(sdlMode.w);
    mode.height = static_cast<uint32_t>(sdlMode.h);
    mode.depth = SDL_BITSPERPIXEL(sdlMode.format);
    mode.windowed = false;
    mode.refresh = static_cast<uint32_t>(sdlMode.refresh_rate);
    return mode;
}

bool EnumerateDisplayModes(int display, ModeEnumCallback callback, void* context)
{
    const int count = SDL_GetNumDisplayModes(display);
    if (count < 0)
        return false;
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode sdlMode;
        if (SDL_GetDisplayMode(display, i, &sdlMode) != 0)
            return false;
        const DisplayMode mode = FromSdl(sdlMode);
        if (callback != nullptr)
            callback(&mode, context);
    }
    return true;
}

bool DesktopMode(int display, DisplayMode* out)
{
    SDL_DisplayMode sdlMode;
    if (SDL_GetDesktopDisplayMode(display, &sdlMode) != 0)
        return false;
    *out = FromSdl(sdlMode);
    out->windowed = true;
    return true;
}

} // namespace sdlvideo
