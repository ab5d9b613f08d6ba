// SelfCallback: the collector check on tolua++'s tables.
#include "bridge/SelfCallback.h"

namespace bridge {

// tolua++ keeps the objects Lua owns in the registry's "tolua_gc" table, and live userdata in a
// weak "tolua_ubox" table (the class's, or the registry's) that Lua clears as soon as a userdata
// is condemned.
bool CondemnedByCollector(lua_State* L, void* object, const char* type)
{
    lua_pushstring(L, "tolua_gc");
    lua_rawget(L, LUA_REGISTRYINDEX);
    lua_pushlightuserdata(L, object);
    lua_rawget(L, -2);
    const bool owned = !lua_isnil(L, -1);
    lua_pop(L, 2);
    if (!owned)
        return false;
    luaL_getmetatable(L, type);
    lua_pushstring(L, "tolua_ubox");
    lua_rawget(L, -2);
    if (lua_isnil(L, -1)) {
        lua_pop(L, 1);
        lua_pushstring(L, "tolua_ubox");
        lua_rawget(L, LUA_REGISTRYINDEX);
    }
    bool boxed = false;
    if (lua_istable(L, -1)) {
        lua_pushlightuserdata(L, object);
        lua_rawget(L, -2);
        boxed = !lua_isnil(L, -1);
        lua_pop(L, 1);
    }
    lua_pop(L, 2);
    return !boxed;
}

} // namespace bridge
