// Devices: finding, opening, wrapping and publishing the default devices at start-up.
#include "host/Devices.h"

#include <lua.hpp>
#include <tolua++.h>

#include "Vorn/core/Log.h"
#include "audio/LuaAudio.h"
#include "display/LuaDisplay.h"
#include "host/Plugins.h"
#include "input/LuaJoystick.h"
#include "input/LuaKeyboard.h"
#include "input/LuaMouse.h"

namespace host {

namespace {

// What one default device is called: its subclass code, log lines, global and registered type.
struct DeviceKind {
    uint32_t subclass;
    const char* found;
    const char* openFailed;
    const char* notFound;
    const char* global;
    const char* type;
};

constexpr DeviceKind kVideo{DEV_SUBCLASS_ALL, "[vorn] found default video [%s]\n",
    "[vorn] Failed to initialize video.\n", "[vorn] no default video found.\n", "display", "LuaDisplay"};
constexpr DeviceKind kKeyboard{DEV_SUBCLASS_KEYBOARD, "[vorn] found default keyboard [%s]\n",
    "[vorn] failed to initialize keyboard.\n", "[vorn] no default keyboard found.\n", "keyboard",
    "LuaKeyboard"};
constexpr DeviceKind kMouse{DEV_SUBCLASS_MOUSE, "[vorn] found default mouse [%s]\n",
    "[vorn] failed to initialize mouse.\n", "[vorn] no default mouse found.\n", "mouse", "LuaMouse"};
constexpr DeviceKind kJoystick{DEV_SUBCLASS_JOYSTICK, "[vorn] found default joystick [%s]\n",
    "[vorn] failed to initialize joystick.\n", "[vorn] no default joystick found.\n", "joystick",
    "LuaJoystick"};
constexpr DeviceKind kAudio{DEV_SUBCLASS_PLAY, "[vorn] found default audio [%s]\n",
    "[vorn] failed to initialize audio.\n", "[vorn] no default audio found.\n", "audio", "LuaAudio"};

// Finds and opens one default device through `plugin` (which may be null), wraps it and stores
// it as its global, without ownership: the host deletes the wrapper at finalisation.
template <typename Wrapper, typename Plugin>
Wrapper* OpenDefault(lua_State* L, Plugin* plugin, const DeviceKind& kind)
{
    DeviceInfo info{};
    if (plugin == nullptr || !plugin->FindDefaultDevice(kind.subclass, &info)) {
        Vorn::Log::Output("%s", kind.notFound);
        return nullptr;
    }
    info.name[sizeof info.name - 1] = '\0';
    Vorn::Log::Output(kind.found, info.name);
    DeviceHandle handle = 0;
    if (!plugin->OpenDevice(&info, &handle)) {
        Vorn::Log::Output("%s", kind.openFailed);
        return nullptr;
    }
    auto* wrapper = new Wrapper(plugin, handle);
    tolua_pushusertype(L, wrapper, kind.type);
    lua_setglobal(L, kind.global);
    return wrapper;
}

}  // namespace

DeviceSet& Devices()
{
    static DeviceSet devices;
    return devices;
}

void OpenDefaultDevices(lua_State* L)
{
    const PluginSet& plugins = Plugins();
    DeviceSet& devices = Devices();
    devices.display = OpenDefault<LuaDisplay>(L, plugins.video, kVideo);
    devices.keyboard = OpenDefault<LuaKeyboard>(L, plugins.input, kKeyboard);
    devices.mouse = OpenDefault<LuaMouse>(L, plugins.input, kMouse);
    devices.joystick = OpenDefault<LuaJoystick>(L, plugins.input, kJoystick);
    devices.audio = OpenDefault<LuaAudio>(L, plugins.audio, kAudio);
}

}  // namespace host
