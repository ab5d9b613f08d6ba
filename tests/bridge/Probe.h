// Probe: a test-only bound class with a callback property built with VORN_CALLBACK_PROPERTY, fired
// through the engine's one calling protocol.
#pragma once

#include <lua.hpp>
#include <tolua++.h>

#include "bridge/Callback.h"
#include "bridge/LuaRef.h"

class Probe {
public:
    // Calls on_event with this probe; Ask reads its result as a boolean.
    void Fire(lua_State* L)
    {
        bridge::CallSlot(L, onEvent, [this](lua_State* S) { return Push(S); });
    }
    bool Ask(lua_State* L)
    {
        return bridge::CallSlot(
            L, onEvent, [this](lua_State* S) { return Push(S); }, true);
    }

    bridge::LuaRef onEvent;

private:
    int Push(lua_State* L)
    {
        tolua_pushusertype(L, this, "Probe");
        return 1;
    }
};
