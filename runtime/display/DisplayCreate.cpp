// DisplayCreate: making the game window: the two create forms, class registration, the window,
// the video mode, showing it, and undoing each step when a later one fails.
// Needs the window layer, the video device and (numeric form) the input devices of the host.
#include "Vorn/core/Log.h"
#include "bridge/Errors.h"
#include "display/DisplayWindowProc.h"
#include "display/LuaDisplay.h"
#include "bridge/Numbers.h"
#include "display/WindowSize.h"
#include "host/Devices.h"
#include "input/LuaJoystick.h"
#include "input/LuaKeyboard.h"
#include "input/LuaMouse.h"

// nil passes the glue's checks of both arguments; the mode is tested first.
bool LuaDisplay::create(const char* title, const DisplayMode* mode, lua_State* L)
{
    if (mode == nullptr)
        bridge::RaiseMessage(L, "Invalid argument #3 to create: DisplayMode expected, got nil");
    if (title == nullptr)
        bridge::RaiseMessage(L, "Invalid argument #2 to create: title expected, got nil");
    return Open(L, title, *mode);
}

// The numeric form also ties each input device to the new window.
bool LuaDisplay::create(
    lua_State* L, const char* title, double width, double height, double depth, bool windowed, double refresh)
{
    if (title == nullptr)
        bridge::RaiseMessage(L, "Invalid argument #2 to create: title expected, got nil");
    DisplayMode mode {};
    mode.width = bridge::TruncateWrapped(width);
    mode.height = bridge::TruncateWrapped(height);
    mode.depth = bridge::TruncateWrapped(depth);
    mode.windowed = windowed;
    mode.refresh = bridge::TruncateWrapped(refresh);
    if (!Open(L, title, mode))
        return false;
    host::DeviceSet& devices = host::Devices();
    LuaInputDevice* const inputs[] = { devices.keyboard, devices.mouse, devices.joystick };
    for (LuaInputDevice* device : inputs)
        if (device != nullptr)
            device->bind_window(false, true);
    return true;
}

bool LuaDisplay::Open(lua_State* L, const char* title, const DisplayMode& mode)
{
    // The class is named after the title and stays registered, so a second create with the same
    // title fails here.
    if (!platform::RegisterWindowClass(title, display::DisplayWindowProc)) {
        Vorn::Log::Output("%d: Could not register window class\n", static_cast<int>(platform::LastError()));
        return false;
    }
    const CallerScope scope(*this, L);
    const display::WindowSize size = display::OuterSize(mode);
    // on_create runs inside, before the handle is stored here.
    const platform::Hwnd window = platform::CreateWindow(title, title, 0, 0, size.width, size.height, this);
    if (window == nullptr) {
        Vorn::Log::Output("Could not create window\n");
        platform::UnregisterWindowClass(title);
        return false;
    }
    window_ = window;
    if (!video_->SetMode(platform::GetNativeWindow(window), &mode)) {
        Vorn::Log::Output("Could not set display mode\n");
        Abandon(window, title);
        return false;
    }
    platform::ShowWindow(window, platform::ShowCommand::Show);
    if (!platform::UpdateWindow(window)) {
        Vorn::Log::Output("Could not update window\n");
        Abandon(window, title);
        return false;
    }
    return true;
}

// The window goes through Destroy and NcDestroy like any other: on_destroy runs, the run ends.
void LuaDisplay::Abandon(platform::Hwnd window, const char* title)
{
    platform::DestroyWindow(window);
    platform::UnregisterWindowClass(title);
}
