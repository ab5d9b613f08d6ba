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

std::string ScriptFixture::Call(int loadStatus)
{
    std::string error;
    if (loadStatus != 0) {
        error = lua_tostring(L, -1);
    } else if (lua_pcall(L, 0, 0, bridge::kErrorHandlerIndex) != 0) {
        const char* text = lua_tostring(L, -1);
        error = text != nullptr ? text : "(error value without text)";
    } else {
        return error;
    }
    lua_pop(L, 1);
    return error;
}

std::string ScriptFixture::RunFile(const char* relativePath)
{
    const std::string path = std::string(VORN_SOURCE_DIR) + "/" + relativePath;
    return Call(luaL_loadfile(L, path.c_str()));
}

std::string ScriptFixture::Run(const char* chunk)
{
    return Call(luaL_loadstring(L, chunk));
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
