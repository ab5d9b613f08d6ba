// Devices: the five default device wrappers the host opens at start-up and publishes as the Lua
// globals display, keyboard, mouse, joystick and audio. A pointer is null when its device is missing.
#pragma once

struct lua_State;
class LuaDisplay;
class LuaKeyboard;
class LuaMouse;
class LuaJoystick;
class LuaAudio;

namespace host {

struct DeviceSet {
    LuaDisplay* display = nullptr;
    LuaKeyboard* keyboard = nullptr;
    LuaMouse* mouse = nullptr;
    LuaJoystick* joystick = nullptr;
    LuaAudio* audio = nullptr;
};

// The process-wide device wrappers.
DeviceSet& Devices();

// Finds and opens the default video, keyboard, mouse, joystick and audio devices, in that order,
// through the loaded plugins; logs each outcome and publishes each opened device as its global.
void OpenDefaultDevices(lua_State* L);

}  // namespace host
