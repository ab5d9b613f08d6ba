// LuaRef: registry references against the process-wide script state.
#include "bridge/LuaRef.h"

#include <tolua++.h>

#include "bridge/ScriptState.h"

namespace bridge {

void LuaRef::Set(lua_State* L, int index)
{
    Release();
    lua_pushvalue(L, index);
    if (lua_isnil(L, -1)) {
        lua_pop(L, 1);
        return;
    }
    ref_ = luaL_ref(L, LUA_REGISTRYINDEX);
}

void LuaRef::SetObject(lua_State* L, void* object, const char* type, bool takeOwnership)
{
    Release();
    if (object == nullptr)
        return;
    if (takeOwnership)
        tolua_pushusertype_and_takeownership(L, object, type);
    else
        tolua_pushusertype(L, object, type);
    ref_ = luaL_ref(L, LUA_REGISTRYINDEX);
}

void LuaRef::Push(lua_State* L) const
{
    if (IsSet())
        lua_rawgeti(L, LUA_REGISTRYINDEX, ref_);
    else
        lua_pushnil(L);
}

void LuaRef::Release()
{
    if (IsSet() && ScriptState != nullptr)
        luaL_unref(ScriptState, LUA_REGISTRYINDEX, ref_);
    ref_ = LUA_REFNIL;
}

}  // namespace bridge
