// LuaInputDevice: key-state queries, button-event dispatch and window binding shared by the
// keyboard, mouse and joystick. Needs the input plugin, the script state and the display.
#include "input/LuaInputDevice.h"

#include "bridge/Callback.h"
#include "bridge/ScriptState.h"
#include "display/LuaDisplay.h"
#include "host/Devices.h"
#include "bridge/Numbers.h"

namespace {

// A key code from a script's number: truncated toward zero, then taken modulo 2^32 as the
// unsigned code the plugin gets (-1 asks about 4294967295); no range check on the code itself.
uint32_t KeyCodeFrom(double value)
{
    return static_cast<uint32_t>(bridge::Truncate<int64_t>(value));
}

} // namespace

LuaInputDevice::LuaInputDevice(IInput* input, DeviceHandle device)
    : input_(input)
    , device_(device)
{
}

LuaInputDevice::~LuaInputDevice() = default;

bool LuaInputDevice::KeyState(lua_Number& key, uint8_t ask) const
{
    const uint32_t code = KeyCodeFrom(key);
    key = code;
    uint8_t flag = ask;
    input_->KeyState(device_, code, &flag); // the answer travels in the flag; the result is unused
    return flag != 0;
}

bool LuaInputDevice::is_down(lua_Number& key) const
{
    return KeyState(key, 0);
}

bool LuaInputDevice::is_up(lua_Number& key) const
{
    return KeyState(key, 1);
}

bool LuaInputDevice::dispatch_events()
{
    if (!on_press_.IsSet() && !on_release_.IsSet())
        return true;
    events_.clear();
    if (!input_->Events(device_, &events_)) {
        events_.clear();
        return false;
    }
    lua_State* L = ScriptState;
    // By index and by copy: a callback may run anything, so the list is re-read at every step.
    for (size_t i = 0; i < events_.size(); ++i) {
        const ButtonEvent event = events_[i];
        const bridge::LuaRef& slot = event.down ? on_press_ : on_release_;
        bridge::CallSlot(L, slot, [&event](lua_State* S) {
            lua_pushnumber(S, event.code);
            return 1;
        });
    }
    events_.clear();
    return true;
}

bool LuaInputDevice::bind_window(bool first, bool second)
{
    WindowHandle window = nullptr;
    LuaDisplay* display = host::Devices().display;
    if (display == nullptr || !display->get_window(&window))
        return false;
    return input_->Bind(window, device_, first, second);
}
