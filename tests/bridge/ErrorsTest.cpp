// Errors: the helpers' exact texts, raised from C functions as hand-written glue does.
#include <tolua++.h>

#include "ScriptFixture.h"
#include "bridge/Errors.h"
#include "bridge/Guarded.h"

#include <stdexcept>
#include <vector>

namespace {

int RaisePercent(lua_State* L)
{
    bridge::RaiseMessage(L, "100% sure: %s %d");
}

int RaiseSelf(lua_State* L)
{
    bridge::RaiseInvalidSelf(L, "Load");
}

int RaiseSelfVariable(lua_State* L)
{
    bridge::RaiseInvalidSelfVariable(L, "interval");
}

int RaiseArgument(lua_State* L)
{
    tolua_Error err;
    if (!tolua_isnumber(L, 1, 0, &err))
        bridge::RaiseArgumentError(L, "pause", &err);
    return 0;
}

int RaiseAssignment(lua_State* L)
{
    tolua_Error err;
    if (!tolua_isnumber(L, 1, 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    return 0;
}

int RaiseExpected(lua_State* L)
{
    bridge::RaiseExpected(L, "set_source_image", "Image", 1);
}

} // namespace

class ErrorsTest : public ScriptFixture {
protected:
    // The error text of calling `fn` with `args` from a Lua line of chunk "t".
    std::string ErrorOf(lua_CFunction fn, const char* args)
    {
        lua_register(L, "f", fn);
        const std::string chunk = std::string("f(") + args + ")";
        luaL_loadbuffer(L, chunk.c_str(), chunk.size(), "=t");
        lua_pcall(L, 0, 0, 0);
        std::string text = lua_tostring(L, -1);
        lua_pop(L, 1);
        return text;
    }
};

TEST_F(ErrorsTest, PlainTextsCarryThePositionAndAreNotFormats)
{
    EXPECT_EQ(ErrorOf(RaisePercent, ""), "t:1: 100% sure: %s %d");
    EXPECT_EQ(ErrorOf(RaiseSelf, ""), "t:1: invalid 'self' in function 'Load'");
    EXPECT_EQ(ErrorOf(RaiseSelfVariable, ""), "t:1: invalid 'self' in accessing variable 'interval'");
    EXPECT_EQ(ErrorOf(RaiseExpected, "nil"), "t:1: set_source_image: Image expected, got nil");
}

TEST_F(ErrorsTest, MismatchTextsMatchTheGeneratedGlue)
{
    EXPECT_EQ(ErrorOf(RaiseArgument, "'x'").rfind("t:1: error in function 'pause'.", 0), 0u);
    EXPECT_NE(ErrorOf(RaiseArgument, "'x'").find("#1 is 'string'; 'number' expected"), std::string::npos);
    const std::string assignment = ErrorOf(RaiseAssignment, "{}");
    EXPECT_EQ(assignment.rfind("t:1: invalid type in variable assignment.", 0), 0u) << assignment;
    EXPECT_NE(assignment.find("'table'; 'number' expected"), std::string::npos) << assignment;
}

namespace {

// Glue shape: a throwing engine call inside CallGuarded; the result comes out by reference.
int GuardedCall(lua_State* L)
{
    const bool fail = lua_toboolean(L, 1) != 0;
    int result = 0;
    bridge::CallGuarded(L, [fail, &result] {
        std::vector<int> scratch(4, 7); // a destructor that must run before the Lua error
        if (fail)
            throw std::runtime_error("disk full");
        result = scratch[0];
    });
    lua_pushnumber(L, result);
    return 1;
}

} // namespace

TEST_F(ErrorsTest, CppExceptionsBecomeLuaErrorsAfterTheirFrameEnds)
{
    EXPECT_EQ(ErrorOf(GuardedCall, "true"), "t:1: disk full");
    lua_register(L, "g", GuardedCall);
    ASSERT_EQ(Run("assert(g(false) == 7)"), "");
}
