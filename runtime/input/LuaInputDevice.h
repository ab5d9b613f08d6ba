// LuaInputDevice: the base of the keyboard, mouse and joystick wrappers; holds the input plugin
// and the opened device's handle. The host creates the devices and calls update() every frame.
#pragma once

#include "contracts/IInput.h"

class LuaInputDevice {
public:
    LuaInputDevice(IInput* input, DeviceHandle device);
    virtual ~LuaInputDevice();
    LuaInputDevice(const LuaInputDevice&) = delete;
    LuaInputDevice& operator=(const LuaInputDevice&) = delete;

    // Polls the device once per frame and calls the script's callbacks; each device has its own.
    virtual bool update() = 0;

    // Ties the device to the game window through the input plugin with the two flags; false when
    // there is no display or no window.
    bool bind_window(bool first, bool second);

    IInput* input() const { return input_; }
    DeviceHandle device() const { return device_; }

protected:
    IInput* input_;
    DeviceHandle device_;
};
