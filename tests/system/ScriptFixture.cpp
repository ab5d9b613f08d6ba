// ScriptFixture: state set-up and tear-down, and the recording error handler.
#include "ScriptFixture.h"

#include <tolua++.h>

#include "bridge/Callback.h"
#include "bridge/ScriptState.h"

std::vector<std::string> ScriptFixture::errors;

namespace {

// Records the message and returns it, as the runtime's handler does once the user chose OK.
int RecordError(lua_State* L)
{
    const char* text = lua_tostring(L, 1);
    ScriptFixture::errors.emplace_back(text != nullptr ? text : "(not a string)");
    return 1;
}

} // namespace

void ScriptFixture::OpenWith(PackageOpen open)
{
    errors.clear();
    L = luaL_newstate();
    ASSERT_NE(L, nullptr);
    luaL_openlibs(L);
    tolua_open(L);
    open(L);
    lua_settop(L, 0);
    lua_pushcfunction(L, RecordError);
    bridge::SetErrorHandler(L, 1);
    ScriptState = L;
}

void ScriptFixture::TearDown()
{
    if (L != nullptr)
        lua_close(L);
    ScriptState = nullptr;
    L = nullptr;
}

bool ScriptFixture::Run(const char* code)
{
    const int before = static_cast<int>(errors.size());
    if (luaL_loadstring(L, code) != 0) {
        ADD_FAILURE() << "does not compile: " << lua_tostring(L, -1);
        lua_settop(L, 1);
        return false;
    }
    const int status = lua_pcall(L, 0, 0, 1);
    lua_settop(L, 1);
    if (status != 0)
        return false;
    return static_cast<int>(errors.size()) == before;
}

std::string ScriptFixture::ErrorOf(const char* code)
{
    const std::size_t before = errors.size();
    if (Run(code) || errors.size() == before)
        return "";
    std::string message = errors.back();
    errors.pop_back();
    return message;
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
