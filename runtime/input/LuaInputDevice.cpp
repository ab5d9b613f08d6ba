// LuaInputDevice: the shared part of the input device wrappers.
#include "input/LuaInputDevice.h"

#include "display/LuaDisplay.h"
#include "host/Devices.h"

LuaInputDevice::LuaInputDevice(IInput* input, DeviceHandle device)
    : input_(input)
    , device_(device)
{
}

LuaInputDevice::~LuaInputDevice() = default;

bool LuaInputDevice::bind_window(bool first, bool second)
{
    WindowHandle window = nullptr;
    LuaDisplay* display = host::Devices().display;
    if (display == nullptr || !display->get_window(&window))
        return false;
    return input_->Bind(window, device_, first, second);
}
