// LuaKeyboard: the script's `keyboard`, the default keyboard of the input plugin.
#pragma once

#include "input/LuaInputDevice.h"

class LuaKeyboard : public LuaInputDevice {
public:
    using LuaInputDevice::LuaInputDevice;

    bool update() override;
};
