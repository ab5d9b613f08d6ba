// Engine: the run's order of events and the frame loop, with every step logged as the host's
// fixed lines. Script errors never leave a protected call: they end in the error handler.
#include "host/Engine.h"

#include <lua.hpp>
#include <tolua++.h>

#include "Vorn/core/Log.h"
#include "Vorn/scene/NodeManager.h"
#include "audio/LuaAudio.h"
#include "bridge/Callback.h"
#include "bridge/ScriptState.h"
#include "display/LuaDisplay.h"
#include "host/Devices.h"
#include "host/ErrorHandler.h"
#include "host/Packages.h"
#include "host/Plugins.h"
#include "input/LuaJoystick.h"
#include "input/LuaKeyboard.h"
#include "input/LuaMouse.h"
#include "platform/Messages.h"
#include "system/TimerPass.h"

namespace host {

namespace {

constexpr const char* kDefaultScript = "Scripts/main.lua";

// Deletes a wrapper, clears its pointer and returns whether one existed, with its handle.
template <typename Wrapper> bool DeleteDevice(Wrapper*& wrapper, DeviceHandle& handle)
{
    if (wrapper == nullptr)
        return false;
    handle = wrapper->device();
    delete wrapper;
    wrapper = nullptr;
    return true;
}

// One frame: plugin updates and input polls, timers, the frame itself, window messages; then
// what nobody read is dropped.
// Returns true when the quit message ended the loop.
void DropUnreadEvents()
{
    const PluginSet& plugins = Plugins();
    platform::DropUnreadEvents(
        { plugins.video != nullptr, plugins.input != nullptr, plugins.audio != nullptr });
}

bool RunFrame()
{
    const PluginSet& plugins = Plugins();
    DeviceSet& devices = Devices();
    if (plugins.video != nullptr)
        plugins.video->Update();
    if (plugins.input != nullptr) {
        plugins.input->Update();
        if (devices.keyboard != nullptr)
            devices.keyboard->update();
        if (devices.mouse != nullptr)
            devices.mouse->update();
        if (devices.joystick != nullptr)
            devices.joystick->update();
    }
    if (plugins.audio != nullptr)
        plugins.audio->Update();
    sys::RunTimerPass();
    Vorn::NODE_MANAGER.Rebuild();
    devices.display->render();
    if (PumpMessages())
        return true;
    DropUnreadEvents();
    return false;
}

// Frames run while the game window exists; no sleeping, no frame limiting. What nobody reads is
// dropped (and input without a reader no longer queued) from before the first frame's pump.
void RunMainLoop()
{
    DropUnreadEvents();
    while (Devices().display != nullptr && Devices().display->has_window()) {
        if (RunFrame())
            break;
    }
}

// require finds the game's own modules: Scripts/<name>.lua, after what Lua looks at by default.
void AddScriptsToModulePath(lua_State* L)
{
    lua_getglobal(L, "package");
    lua_getfield(L, -1, "path");
    lua_pushfstring(L, "%s;Scripts/?.lua", lua_tostring(L, -1));
    lua_setfield(L, -3, "path");
    lua_pop(L, 2);
}

} // namespace

bool PumpMessages()
{
    for (;;) {
        switch (platform::PeekAndDispatch()) {
        case platform::PeekResult::Quit:
            return true;
        case platform::PeekResult::Empty:
            return false;
        case platform::PeekResult::Dispatched:
            break;
        }
    }
}

void InitEngine()
{
    lua_State* L = luaL_newstate();
    ScriptState = L;
    lua_gc(L, LUA_GCSTOP, 0);
    luaL_openlibs(L);
    AddScriptsToModulePath(L);
    tolua_open(L);
    RegisterPackages(L);
    lua_gc(L, LUA_GCRESTART, 0);
    OpenDefaultDevices(L);
}

void ReleaseEngine()
{
    DeviceSet& devices = Devices();
    DeviceHandle keyboard = 0, mouse = 0, joystick = 0, audio = 0, video = 0;
    const bool hadKeyboard = DeleteDevice(devices.keyboard, keyboard);
    const bool hadMouse = DeleteDevice(devices.mouse, mouse);
    const bool hadJoystick = DeleteDevice(devices.joystick, joystick);
    const bool hadAudio = DeleteDevice(devices.audio, audio);
    const bool hadVideo = DeleteDevice(devices.display, video);

    if (ScriptState != nullptr) {
        lua_State* L = ScriptState;
        lua_close(L);
        ScriptState = nullptr;
    }

    const PluginSet& plugins = Plugins();
    if (hadAudio) {
        Vorn::Log::Output("[vorn] releasing audio...\n");
        plugins.audio->ReleaseDevice(audio);
    }
    if (hadJoystick) {
        Vorn::Log::Output("[vorn] releasing joystick...\n");
        plugins.input->ReleaseDevice(joystick);
    }
    if (hadMouse) {
        Vorn::Log::Output("[vorn] releasing mouse...\n");
        plugins.input->ReleaseDevice(mouse);
    }
    if (hadKeyboard) {
        Vorn::Log::Output("[vorn] releasing keyboard...\n");
        plugins.input->ReleaseDevice(keyboard);
    }
    if (hadVideo) {
        Vorn::Log::Output("[vorn] releasing video...\n");
        plugins.video->ReleaseDevice(video);
    }
}

int RunEngine(const char* path)
{
    LoadPlugins();
    InitEngine();
    lua_State* L = ScriptState;

    // The error handler sits at index 1 for the whole run and is also the global `Error`.
    lua_settop(L, 0);
    lua_pushcfunction(L, ErrorHandler);
    lua_pushvalue(L, bridge::kErrorHandlerIndex);
    lua_setglobal(L, "Error");
    bridge::SetErrorHandler(L, bridge::kErrorHandlerIndex);

    const char* script = path != nullptr && *path != '\0' ? path : kDefaultScript;
    Vorn::Log::Output("[vorn] will load file [%s]\n", script);
    if (luaL_loadfile(L, script) != 0) {
        // Called directly on the load error; it returns only on OK, and the chunk is not run.
        ErrorHandler(L);
        lua_settop(L, bridge::kErrorHandlerIndex);
        Vorn::Log::Output("[vorn] engine initialized, running lua global code...\n");
    } else {
        Vorn::Log::Output("[vorn] engine initialized, running lua global code...\n");
        lua_pcall(L, 0, 0, bridge::kErrorHandlerIndex);
        lua_settop(L, bridge::kErrorHandlerIndex);
    }

    Vorn::Log::Output("[vorn] entering main loop\n");
    RunMainLoop();

    if (ScriptState != nullptr)
        lua_pop(ScriptState, 1);
    Vorn::Log::Output("[vorn] finalization started.\n");
    ReleaseEngine();
    Vorn::Log::Output("[vorn] lua state released.\n");
    UnloadPlugins();
    Vorn::Log::Output("[vorn] all interfaces released. Exitting.\n");
    return 0;
}

} // namespace host
