// ScriptFixture: state creation in the host's order, a recording error handler and the runner.
#include "ScriptFixture.h"

#include <tolua++.h>

#include "bridge/Callback.h"
#include "bridge/ScriptState.h"
#include "host/Packages.h"

void ScriptFixture::SetUp()
{
    L = luaL_newstate();
    lua_gc(L, LUA_GCSTOP, 0);
    luaL_openlibs(L);
    tolua_open(L);
    host::RegisterPackages(L);
    lua_gc(L, LUA_GCRESTART, 0);
    ScriptState = L;

    lua_pushlightuserdata(L, this);
    lua_pushcclosure(L, ErrorHandler, 1);
    ASSERT_EQ(lua_gettop(L), bridge::kErrorHandlerIndex);
    bridge::SetErrorHandler(L, bridge::kErrorHandlerIndex);
}

void ScriptFixture::TearDown()
{
    CloseState();
}

void ScriptFixture::CloseState()
{
    if (L == nullptr)
        return;
    lua_close(L);
    L = nullptr;
    ScriptState = nullptr;
}

// Like the host's handler after OK: records the text and returns the error value unchanged.
int ScriptFixture::ErrorHandler(lua_State* L)
{
    auto* self = static_cast<ScriptFixture*>(lua_touserdata(L, lua_upvalueindex(1)));
    const char* text = lua_tostring(L, -1);
    self->handled.emplace_back(text != nullptr ? text : "(error value without text)");
    return 1;
}

std::string ScriptFixture::Run(const char* chunk)
{
    if (luaL_loadstring(L, chunk) == 0 && lua_pcall(L, 0, 0, bridge::kErrorHandlerIndex) == 0)
        return "";
    const char* text = lua_tostring(L, -1);
    const std::string error = text != nullptr ? text : "(error value without text)";
    lua_pop(L, 1);
    return error;
}

double ScriptFixture::Number(const char* global)
{
    lua_getglobal(L, global);
    const double value = lua_tonumber(L, -1);
    lua_pop(L, 1);
    return value;
}

bool ScriptFixture::Boolean(const char* global)
{
    lua_getglobal(L, global);
    const bool value = lua_toboolean(L, -1) != 0;
    lua_pop(L, 1);
    return value;
}
