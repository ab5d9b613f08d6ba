// TimerAccessors: get and set of Timer.on_tick through the timer's callback slot.
#include "system/TimerAccessors.h"

#include <tolua++.h>

#include "system/LuaTimer.h"

int tolua_get_LuaTimer_on_tick(lua_State* L)
{
    auto* self = static_cast<LuaTimer*>(tolua_tousertype(L, 1, nullptr));
    if (self == nullptr)
        tolua_error(L, "invalid 'self' in accessing variable 'on_tick'", nullptr);
    self->OnTick().Push(L);
    return 1;
}

int tolua_set_LuaTimer_on_tick(lua_State* L)
{
    auto* self = static_cast<LuaTimer*>(tolua_tousertype(L, 1, nullptr));
    tolua_Error error;
    if (self == nullptr)
        tolua_error(L, "invalid 'self' in accessing variable 'on_tick'", nullptr);
    if (!tolua_isvalue(L, 2, 0, &error))
        tolua_error(L, "#vinvalid type in variable assignment.", &error);
    self->OnTick().Set(L, 2);
    return 0;
}
