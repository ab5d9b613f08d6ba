// Errors: raising the fixed texts. The "#f"/"#v" forms go through tolua_error so hand-written glue
// words its mismatches exactly as the generated glue does.
#include "bridge/Errors.h"

#include <cstdio>
#include <cstdlib>

namespace bridge {

namespace {

// Long enough for any member name the API has; a longer name is cut, never overrun.
constexpr int kTextSize = 160;

[[noreturn]] void RaiseFormatted(lua_State* L, const char* format, const char* name)
{
    char text[kTextSize];
    std::snprintf(text, sizeof text, format, name);
    RaiseMessage(L, text);
}

} // namespace

void RaiseInvalidSelf(lua_State* L, const char* member)
{
    RaiseFormatted(L, "invalid 'self' in function '%s'", member);
}

void RaiseInvalidSelfVariable(lua_State* L, const char* field)
{
    RaiseFormatted(L, "invalid 'self' in accessing variable '%s'", field);
}

void RaiseArgumentError(lua_State* L, const char* luaName, tolua_Error* err)
{
    char text[kTextSize];
    std::snprintf(text, sizeof text, "#ferror in function '%s'.", luaName);
    tolua_error(L, text, err);
    std::abort(); // not reached: tolua_error always raises
}

void RaiseAssignmentError(lua_State* L, tolua_Error* err)
{
    tolua_error(L, "#vinvalid type in variable assignment.", err);
    std::abort(); // not reached: tolua_error always raises
}

void RaiseMessage(lua_State* L, const char* text)
{
    luaL_error(L, "%s", text);
    std::abort(); // not reached: luaL_error always raises
}

void RaiseExpected(lua_State* L, const char* operation, const char* expected, int index)
{
    luaL_error(L, "%s: %s expected, got %s", operation, expected, tolua_typename(L, index));
    std::abort(); // not reached: luaL_error always raises
}

} // namespace bridge
