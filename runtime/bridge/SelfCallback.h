// SelfCallback: calling a script back with the calling object itself as the first argument. An
// object that Lua owns can still fire after the collector has condemned its userdata (during the
// same collection, before its finaliser runs); pushing it then would make a second userdata that
// outlives the object. The check reads tolua++'s private tables, and this is the one place that
// does. Needs tolua++ and bridge/Callback.h.
#pragma once

#include <tolua++.h>

#include "bridge/Callback.h"

namespace bridge {

// Whether `object`, registered as `type`, is owned by Lua and its userdata already condemned.
bool CondemnedByCollector(lua_State* L, void* object, const char* type);

// CallSlot with the object pushed as `type` as the only argument. Does nothing and returns false
// when the slot is unset or the object condemned.
inline bool CallWithSelf(
    lua_State* L, const LuaRef& slot, void* object, const char* type, bool want_result = false)
{
    if (!slot.IsSet() || CondemnedByCollector(L, object, type))
        return false;
    return CallSlot(
        L, slot,
        [object, type](lua_State* S) {
            tolua_pushusertype(S, object, type);
            return 1;
        },
        want_result);
}

} // namespace bridge
