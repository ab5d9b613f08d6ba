// Callback: the one protocol for calling a script's callback from the engine. The function held
// by a slot is called in protected mode with the error handler (stack index 1) as message
// handler, so an error is logged and shown in the error box and the engine carries on.
#pragma once

#include <lua.hpp>

#include "bridge/LuaRef.h"

namespace bridge {

// Index of the error handler on the script state's stack for the whole run.
constexpr int kErrorHandlerIndex = 1;

// Calls the slot's value with the arguments that push_args pushes (it returns their count).
// Does nothing and returns false when the slot is unset. With want_result, returns the call's
// first result read as a boolean; a failed call leaves its error value there, which reads as true.
// The stack is left as it was found.
template <typename PushArgs>
bool CallSlot(lua_State* L, const LuaRef& slot, PushArgs push_args, bool want_result = false)
{
    if (!slot.IsSet())
        return false;
    const int top = lua_gettop(L);
    slot.Push(L);
    const int nargs = push_args(L);
    lua_pcall(L, nargs, want_result ? 1 : 0, kErrorHandlerIndex);
    const bool result = want_result && lua_toboolean(L, -1) != 0;
    lua_settop(L, top);
    return want_result ? result : true;
}

}  // namespace bridge
