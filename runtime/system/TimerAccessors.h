// TimerAccessors: the on_tick property of Timer, written by hand because it stores a registry
// reference. Included by the generated glue, whose own two accessors these macros switch off.
#pragma once

struct lua_State;

#define TOLUA_DISABLE_tolua_get_LuaTimer_on_tick
#define TOLUA_DISABLE_tolua_set_LuaTimer_on_tick

// Pushes the stored callback, or nil.
int tolua_get_LuaTimer_on_tick(lua_State* L);
// Stores any non-nil value as the callback; nil clears it.
int tolua_set_LuaTimer_on_tick(lua_State* L);
