// DisplayModes: the display's video side: reading, changing and listing modes, and one frame.
// Needs the video device; set_mode also fits the window through the window layer.
#include <new>

#include "Vorn/core/Log.h"
#include "bridge/Errors.h"
#include "display/LuaDisplay.h"

namespace {

// EnumerateModes' callback: appends to the display's list. Nothing may be thrown back through
// the plugin, so a failed allocation only ends the list early.
void CollectMode(const DisplayMode* mode, void* context)
{
    auto* modes = static_cast<std::vector<DisplayMode>*>(context);
    try {
        modes->push_back(*mode);
    } catch (const std::bad_alloc&) {
        Vorn::Log::Output("[vorn] display modes: out of memory, list cut short\n");
    }
}

} // namespace

bool LuaDisplay::get_mode(DisplayMode* mode, lua_State* L)
{
    if (mode == nullptr)
        bridge::RaiseMessage(L, "Invalid argument #2 to get_mode, DisplayMode expected, got nil");
    return get_mode(mode);
}

bool LuaDisplay::set_mode(const DisplayMode* mode, lua_State* L)
{
    if (mode == nullptr)
        bridge::RaiseMessage(L, "Invalid argument #2 to set_mode, DisplayMode expected, got nil");
    return set_mode(mode);
}

bool LuaDisplay::get_mode(DisplayMode* mode)
{
    return video_->GetMode(mode);
}

// Without a window the resize fails and says so; the device is never asked to go back to the
// old mode, only the window is fitted back to it.
bool LuaDisplay::set_mode(const DisplayMode* mode)
{
    DisplayMode current {};
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

bool LuaDisplay::list_modes()
{
    modes_.clear();
    DeviceInfo request {};
    request.devclass = DEV_CLASS_VIDEO;
    request.subclass = DEV_SUBCLASS_ALL;
    request.id = device_;
    if (video_->EnumerateModes(&request, CollectMode, &modes_))
        return true;
    Vorn::Log::Output("[vorn] EnumerateDisplayModes failed.\n");
    return false;
}

// The frustum is centred on the origin and spans the mode, y up, as the mouse's coordinates.
void LuaDisplay::render()
{
    if (!video_->Ready()) {
        if (window_ != nullptr)
            platform::FillClientBlack(window_);
        return;
    }
    DisplayMode mode {};
    if (!video_->GetMode(&mode))
        return;
    const Vorn::AABB frustum(
        0.0f, 0.0f, static_cast<float>(mode.width) * 0.5f, static_cast<float>(mode.height) * 0.5f);
    renderer_->PushFrustum(frustum);
    const Color black { 0, 0, 0 };
    video_->BeginFrame();
    video_->Clear(&black);
    for (const Vorn::Ref<Vorn::SceneNode>& child : children_)
        child->Draw(*renderer_);
    renderer_->Process();
    video_->EndFrame();
    renderer_->PopFrustum();
}
