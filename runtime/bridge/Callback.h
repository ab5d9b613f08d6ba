// Callback: the one protocol for calling a script's callback from the engine: a protected call
// with the error handler as message handler, so an error is reported and the engine carries on.
// Needs the host to have called SetErrorHandler (the handler is taken from the registry, since
// inside a bound C function stack index 1 is that function's first argument).
#pragma once

#include <lua.hpp>

#include "bridge/LuaRef.h"

namespace bridge {

// Index of the error handler on the script state's stack, for the host's top-level calls.
constexpr int kErrorHandlerIndex = 1;

// Remembers the function at `index` as the message handler of every callback call.
void SetErrorHandler(lua_State* L, int index);
// Pushes that handler, or nil before SetErrorHandler.
void PushErrorHandler(lua_State* L);

// Calls the slot's value with the arguments that push_args pushes (it returns their count).
// Does nothing and returns false when the slot is unset. With want_result, returns the call's
// first result read as a boolean; a failed call leaves its error value there, which reads as true.
// The stack is left as it was found. Works at any nesting depth and on any Lua thread.
template <typename PushArgs>
bool CallSlot(lua_State* L, const LuaRef& slot, PushArgs push_args, bool want_result = false)
{
    if (!slot.IsSet())
        return false;
    const int top = lua_gettop(L);
    PushErrorHandler(L);
    const int handler = lua_isnil(L, -1) ? 0 : top + 1;
    slot.Push(L);
    const int nargs = push_args(L);
    lua_pcall(L, nargs, want_result ? 1 : 0, handler);
    const bool result = want_result && lua_toboolean(L, -1) != 0;
    lua_settop(L, top);
    return want_result ? result : true;
}

} // namespace bridge
