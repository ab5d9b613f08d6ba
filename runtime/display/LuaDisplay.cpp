// LuaDisplay: the device side of the display. The window itself (creation, placement, window
// messages) and the scene's root list with the renderer arrive with the window layer and the
// scene graph; until then there is never a window, so the window operations report failure.
#include "display/LuaDisplay.h"

#include "Vorn/Log.h"

LuaDisplay::LuaDisplay(IVideo* video, DeviceHandle device)
    : video_(video)
    , device_(device)
{
}

LuaDisplay::~LuaDisplay() = default;

bool LuaDisplay::get_window(WindowHandle* out) const
{
    if (window_ == nullptr)
        return false;
    *out = platform::GetNativeWindow(window_);
    return true;
}

bool LuaDisplay::get_mode(DisplayMode* mode)
{
    return video_->GetMode(mode);
}

bool LuaDisplay::set_mode(const DisplayMode* mode)
{
    DisplayMode current{};
    if (!video_->GetMode(&current)) {
        Vorn::Log::Output("[vorn]: cannot get current display mode\n");
        return false;
    }
    if (!resize(mode)) {
        Vorn::Log::Output("[vorn] set_mode: failed to resize window\n");
        return false;
    }
    if (video_->SetMode(platform::GetNativeWindow(window_), mode))
        return true;
    Vorn::Log::Output("[vorn] set_mode [%d x %d x %d @ %dHz %s] failed.\n", static_cast<int>(mode->width),
        static_cast<int>(mode->height), static_cast<int>(mode->depth), static_cast<int>(mode->refresh),
        mode->windowed ? "win" : "fs");
    resize(&current);
    return false;
}

// The window layer fits the window to the mode; without a window there is nothing to fit.
bool LuaDisplay::resize(const DisplayMode*)
{
    return false;
}

// Placement changes need the window layer; without a window they fail.
bool LuaDisplay::minimize()
{
    return false;
}

bool LuaDisplay::restore()
{
    return false;
}

// The device's frame: ready check, mode, begin, clear to black, end. Painting a not-ready window
// black, the frustum and drawing the root list arrive with the window layer and the scene graph.
void LuaDisplay::render()
{
    if (!video_->Ready())
        return;
    DisplayMode mode{};
    if (!video_->GetMode(&mode))
        return;
    const Color black{0, 0, 0};
    video_->BeginFrame();
    video_->Clear(&black);
    video_->EndFrame();
}
