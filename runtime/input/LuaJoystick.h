// LuaJoystick: the script's `joystick`, the default joystick of the input plugin.
#pragma once

#include "input/LuaInputDevice.h"

class LuaJoystick : public LuaInputDevice {
public:
    using LuaInputDevice::LuaInputDevice;

    bool update() override;
};
