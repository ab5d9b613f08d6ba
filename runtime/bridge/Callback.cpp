// Callback: the registry home of the error handler used by every callback call.
#include "bridge/Callback.h"

namespace bridge {

namespace {

// Its address is the registry key: unique, and no script can name it.
const char kHandlerKey = 0;

} // namespace

void SetErrorHandler(lua_State* L, int index)
{
    lua_pushvalue(L, index);
    lua_pushlightuserdata(L, const_cast<char*>(&kHandlerKey));
    lua_insert(L, -2);
    lua_rawset(L, LUA_REGISTRYINDEX);
}

void PushErrorHandler(lua_State* L)
{
    lua_pushlightuserdata(L, const_cast<char*>(&kHandlerKey));
    lua_rawget(L, LUA_REGISTRYINDEX);
}

} // namespace bridge
