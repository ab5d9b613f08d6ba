// LuaInputDevice: the base of the keyboard, mouse and joystick wrappers; holds the input plugin,
// the opened device's handle and the on_press/on_release slots. The host creates the devices and
// calls update() every frame; button events reach the scripts only from there.
#pragma once

#include <lua.hpp>

#include "bridge/LuaRef.h"
#include "contracts/IInput.h"

class LuaInputDevice {
public:
    LuaInputDevice(IInput* input, DeviceHandle device);
    virtual ~LuaInputDevice();
    LuaInputDevice(const LuaInputDevice&) = delete;
    LuaInputDevice& operator=(const LuaInputDevice&) = delete;

    // Polls the device once per frame and calls the script's callbacks; each device has its own.
    virtual bool update() = 0;

    // Key-state queries for scripts. `key` comes in as the script's number and goes back out as
    // the key code asked about (truncated toward zero), which the glue returns as a second result.
    bool is_down(lua_Number& key) const;
    bool is_up(lua_Number& key) const;

    // Reads the device's pending button events and calls on_press/on_release for each, in order.
    // Reads nothing while both are unset; false (and nothing delivered) when the plugin fails.
    bool dispatch_events();

    // Ties the device to the game window through the input plugin with the two flags; false when
    // there is no display or no window.
    bool bind_window(bool first, bool second);

    bridge::LuaRef& OnPress() { return on_press_; }
    bridge::LuaRef& OnRelease() { return on_release_; }

    IInput* input() const { return input_; }
    DeviceHandle device() const { return device_; }

protected:
    IInput* input_;
    DeviceHandle device_;

private:
    // Asks the plugin with the flag preset to `ask` (0: down?, 1: up?) and returns its answer.
    bool KeyState(lua_Number& key, uint8_t ask) const;

    bridge::LuaRef on_press_;
    bridge::LuaRef on_release_;
    // Reused every frame so dispatching allocates nothing once it has grown.
    ButtonEventList events_;
};
