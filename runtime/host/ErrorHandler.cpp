// ErrorHandler: message and backtrace into the log, then the box. Cancel ends the process from
// inside the handler, after the same finalisation as a normal end of the run.
#include "host/ErrorHandler.h"

#include <lua.hpp>

#include <cstdio>
#include <string>

#include "Vorn/core/Log.h"
#include "display/LuaDisplay.h"
#include "host/Devices.h"
#include "host/Engine.h"
#include "host/Plugins.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

namespace host {

namespace {

constexpr const char* kBoxTitle = "Lua Error";
constexpr const char* kPrompt = "\nPress OK to continue, Cancel to exit";

// The text of the error value: strings and numbers as Lua converts them; anything else is
// described by its type, so that the handler always has something to log and show.
std::string ErrorText(lua_State* L)
{
    if (lua_type(L, -1) == LUA_TSTRING || lua_type(L, -1) == LUA_TNUMBER) {
        // A copy is converted, so that a number stays a number as the handler's result.
        lua_pushvalue(L, -1);
        std::size_t length = 0;
        const char* text = lua_tolstring(L, -1, &length);
        std::string result(text, length);
        lua_pop(L, 1);
        return result;
    }
    char text[64];
    std::snprintf(text, sizeof text, "(error object is a %s value)", luaL_typename(L, -1));
    return text;
}

// One backtrace line per readable stack level, level 1 (the function that raised) numbered 0.
void LogBacktrace(lua_State* L)
{
    lua_Debug ar;
    if (lua_getstack(L, 1, &ar) == 0)
        return;
    Vorn::Log::Output("Backtrace:\n");
    for (int level = 1; lua_getstack(L, level, &ar) != 0; ++level) {
        if (lua_getinfo(L, "Snl", &ar) == 0)
            continue;
        Vorn::Log::Output("%d. ", level - 1);
        if (ar.currentline > 0)
            Vorn::Log::Output("Call on line %d from ", ar.currentline);
        if (ar.namewhat != nullptr && *ar.namewhat != '\0')
            Vorn::Log::Output("'%s' ", ar.name != nullptr ? ar.name : "?");
        const std::string what = ar.what != nullptr ? ar.what : "";
        if (what == "main")
            Vorn::Log::Output("Main chunk");
        else if (what == "C")
            Vorn::Log::Output("C function");
        else if (what == "tail")
            Vorn::Log::Output("Tail recursive function");
        else
            Vorn::Log::Output("Lua function defined in '%s' on line %d", ar.short_src, ar.linedefined);
        Vorn::Log::Output("\n");
    }
}

}  // namespace

int ErrorHandler(lua_State* L)
{
    if (lua_gettop(L) == 0)
        lua_pushnil(L);
    const std::string text = ErrorText(L);
    Vorn::Log::Output("%s\n", text.c_str());
    LogBacktrace(L);
    if (ReportError(text.c_str()))
        return 1;
    // Cancel: the same finalisation as the end of a run, then a normal process exit. The state
    // closed here is the one this handler runs in; control never returns into it.
    ReleaseEngine();
    UnloadPlugins();
    Vorn::Log::Output("exitting...\n");
    platform::ExitProcess(0);
}

bool ReportError(const char* text)
{
    const std::string body = std::string(text) + kPrompt;
    LuaDisplay* display = Devices().display;
    DisplayMode mode{};
    const bool fullScreen = display != nullptr && display->get_mode(&mode) && !mode.windowed;
    if (fullScreen) {
        DisplayMode windowed = mode;
        windowed.windowed = true;
        display->set_mode(&windowed);
        display->minimize();
    }
    const bool ok = platform::ShowOkCancelBox(kBoxTitle, body.c_str()) == platform::BoxAnswer::Ok;
    if (display == nullptr)
        platform::ExitProcess(0);
    if (ok && fullScreen) {
        display->set_mode(&mode);
        display->restore();
    }
    return ok;
}

}  // namespace host
