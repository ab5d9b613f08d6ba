// LuaDisplay: the window operations once the window exists: visibility, title, destruction,
// placement and fitting the window to a mode. Needs the platform window layer.
#include "display/LuaDisplay.h"

#include <algorithm>

#include "Vorn/core/Log.h"
#include "display/WindowSize.h"
#include "platform/Messages.h"

LuaDisplay::LuaDisplay(IVideo* video, DeviceHandle device)
    : video_(video)
    , device_(device)
    , renderer_(std::make_unique<Vorn::Renderer>(video))
{
}

LuaDisplay::~LuaDisplay()
{
    for (platform::Hwnd window : windows_)
        if (platform::IsWindow(window))
            platform::SetWindowUserData(window, nullptr);
    onDestroy.Release();
    onCreate.Release();
    onResize.Release();
    onLoseFocus.Release();
    onGainFocus.Release();
    onSuspend.Release();
    onUnsuspend.Release();
    onClose.Release();
    cameraRef_.Release();
    renderer_.reset();
    remove_children();
}

bool LuaDisplay::get_window(WindowHandle* out) const
{
    if (window_ == nullptr)
        return false;
    *out = platform::GetNativeWindow(window_);
    return true;
}

// The layer answers whether the window was visible before, not whether the call worked.
bool LuaDisplay::show()
{
    return platform::ShowWindow(window_, platform::ShowCommand::Show);
}

bool LuaDisplay::hide()
{
    return platform::ShowWindow(window_, platform::ShowCommand::Hide);
}

// on_destroy runs inside, on the caller's Lua thread.
bool LuaDisplay::destroy(lua_State* L)
{
    if (window_ == nullptr) {
        Vorn::Log::Output("Window already destroyed\n");
        return false;
    }
    const CallerScope scope(*this, L);
    if (!platform::DestroyWindow(window_)) {
        Vorn::Log::Output("Could not destroy window\n");
        return false;
    }
    return true;
}

const char* LuaDisplay::get_title()
{
    title_ = platform::GetWindowText(window_);
    return title_.empty() ? nullptr : title_.c_str();
}

bool LuaDisplay::set_title(const char* title)
{
    if (title == nullptr || *title == '\0')
        return false;
    return platform::SetWindowText(window_, title);
}

bool LuaDisplay::resize(const DisplayMode* mode)
{
    platform::SetWindowPlacement(window_, platform::ShowCommand::Restore);
    const display::WindowSize size = display::OuterSize(*mode);
    return platform::SetWindowPos(window_, 0, 0, size.width, size.height, platform::kSwpShowWindow);
}

bool LuaDisplay::minimize()
{
    return platform::SetWindowPlacement(window_, platform::ShowCommand::ShowMinimized);
}

bool LuaDisplay::restore()
{
    return platform::SetWindowPlacement(window_, platform::ShowCommand::Restore);
}

void LuaDisplay::WindowGone(platform::Hwnd window)
{
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
    if (window != window_)
        return; // a window replaced by a later create: the game window lives on
    window_ = nullptr;
    platform::PostQuit(0);
}

// The video device lets go of a window before the window layer frees it.
void LuaDisplay::WindowGoing(platform::Hwnd window)
{
    video_->ForgetWindow(platform::GetNativeWindow(window));
}
