// LuaInputDevice: the shared part of the input device wrappers.
#include "input/LuaInputDevice.h"

LuaInputDevice::LuaInputDevice(IInput* input, DeviceHandle device)
    : input_(input)
    , device_(device)
{
}

LuaInputDevice::~LuaInputDevice() = default;
