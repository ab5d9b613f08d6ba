// LuaDisplay: the script's `display`, the video device the host opened, and (once the window
// layer is in) its game window. Needs the video plugin's IVideo and the device's handle.
#pragma once

#include "contracts/DisplayMode.h"
#include "contracts/IVideo.h"
#include "platform/Window.h"

class LuaDisplay {
public:
    LuaDisplay(IVideo* video, DeviceHandle device);
    virtual ~LuaDisplay();
    LuaDisplay(const LuaDisplay&) = delete;
    LuaDisplay& operator=(const LuaDisplay&) = delete;

    // Whether the game window exists: the main loop's condition.
    bool has_window() const { return window_ != nullptr; }
    // Stores the native window (for the plugins) and returns true, or returns false when there is
    // no window.
    bool get_window(WindowHandle* out) const;
    // The game window in the platform layer's terms, null when there is none.
    platform::Hwnd window() const { return window_; }
    // Asks the video device for its current mode; the device's answer.
    bool get_mode(DisplayMode* mode);
    // Switches to `mode`: reads the current mode, fits the window, asks the device.
    bool set_mode(const DisplayMode* mode);
    // Fits the window to a mode; false without a window.
    bool resize(const DisplayMode* mode);
    // Window placement changes used by the error box in full-screen mode; false without a window.
    bool minimize();
    bool restore();
    // One frame.
    void render();

    IVideo* video() const { return video_; }
    DeviceHandle device() const { return device_; }

private:
    IVideo* video_;
    DeviceHandle device_;
    platform::Hwnd window_ = nullptr;  // set when the script creates the window, cleared when it dies
};
