// KeepAlive: the sentinel userdata and its finaliser.
#include "bridge/KeepAlive.h"

#include <Vorn/core/Node.h>

namespace bridge {

namespace {

// Addresses used as private keys: in peer tables (the sentinel) and in the registry (its metatable).
const char kSentinelKey = 0;
const char kMetatableKey = 0;

int ReleaseKeeper(lua_State* L)
{
    auto** slot = static_cast<Vorn::Node**>(lua_touserdata(L, 1));
    if (slot != nullptr && *slot != nullptr) {
        Vorn::Node* node = *slot;
        *slot = nullptr;
        node->DropRef();
    }
    return 0;
}

void PushSentinelMetatable(lua_State* L)
{
    lua_pushlightuserdata(L, const_cast<char*>(&kMetatableKey));
    lua_rawget(L, LUA_REGISTRYINDEX);
    if (!lua_isnil(L, -1))
        return;
    lua_pop(L, 1);
    lua_newtable(L);
    lua_pushcfunction(L, ReleaseKeeper);
    lua_setfield(L, -2, "__gc");
    lua_pushlightuserdata(L, const_cast<char*>(&kMetatableKey));
    lua_pushvalue(L, -2);
    lua_rawset(L, LUA_REGISTRYINDEX);
}

} // namespace

void PushKeepingAlive(lua_State* L, void* object, const char* type, Vorn::Node* keeper)
{
    tolua_pushusertype(L, object, type);
    // tolua keeps an object's script fields in the userdata's environment table; one without
    // fields has the registry there instead.
    lua_getfenv(L, -1);
    if (lua_rawequal(L, -1, LUA_REGISTRYINDEX)) {
        lua_pop(L, 1);
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_setfenv(L, -3);
    }
    lua_pushlightuserdata(L, const_cast<char*>(&kSentinelKey));
    lua_rawget(L, -2);
    const bool kept = !lua_isnil(L, -1);
    lua_pop(L, 1);
    if (!kept) {
        lua_pushlightuserdata(L, const_cast<char*>(&kSentinelKey));
        auto** slot = static_cast<Vorn::Node**>(lua_newuserdata(L, sizeof(Vorn::Node*)));
        *slot = nullptr;
        PushSentinelMetatable(L);
        lua_setmetatable(L, -2);
        keeper->AddRef();
        *slot = keeper;
        lua_rawset(L, -3);
    }
    lua_pop(L, 1); // the peer table; the object stays on top
}

} // namespace bridge
