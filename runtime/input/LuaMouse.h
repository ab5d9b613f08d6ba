// LuaMouse: the script's `mouse`, the default mouse of the input plugin.
#pragma once

#include "input/LuaInputDevice.h"

class LuaMouse : public LuaInputDevice {
public:
    using LuaInputDevice::LuaInputDevice;

    bool update() override;
};
