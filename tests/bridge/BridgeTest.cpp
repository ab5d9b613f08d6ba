// The bridge through the test class Probe (probe.pkg): callback properties and the one calling
// protocol with its error path, and the fixed error texts. What the binding library does on its
// own (overloads, conversions, ownership) is not retested here; LuaRef::SetObject and CallGuarded
// get their tests with their first users.
#include <tolua++.h>

#include "Probe.h"
#include "ScriptFixture.h"
#include "bridge/Errors.h"

int tolua_probe_open(lua_State* L);

namespace {

class Bridge : public ScriptFixture {
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        tolua_probe_open(L);
    }
    // Registry entries that are references (integer keys holding a value).
    int RegistryRefs()
    {
        int count = 0;
        for (lua_pushnil(L); lua_next(L, LUA_REGISTRYINDEX) != 0; lua_pop(L, 1))
            count += lua_type(L, -2) == LUA_TNUMBER && lua_type(L, -1) != LUA_TNUMBER ? 1 : 0;
        return count;
    }
};

TEST_F(Bridge, ACallbackPropertyHoldsAnyValueAndNilClearsIt)
{
    ASSERT_EQ("",
        Run("p = Probe(); p.tag = 'mine'; seen = {}\n"
            "function handler(probe) seen[#seen + 1] = probe end\n"
            "assert(p.on_event == nil, 'unset at first')\n"
            "p.on_event = handler; assert(p.on_event == handler, 'read back')\n"
            "p:fire(); p:fire()\n"
            "assert(#seen == 2 and rawequal(seen[1], p) and seen[2].tag == 'mine', 'the same object')\n"
            "p.on_event = 42; assert(p.on_event == 42, 'a number is stored')\n"
            "p.on_event = nil; assert(p.on_event == nil, 'cleared')\n"
            "p:fire(); assert(#seen == 2, 'a cleared callback is not called')"));
    EXPECT_TRUE(handled.empty()) << handled[0];
    for (const char* wrongSelf :
        { "rawget(Probe, '.set').on_event(nil, print)", "rawget(Probe, '.get').on_event(Point())" })
        EXPECT_NE(std::string::npos, Run(wrongSelf).find("invalid 'self' in accessing variable 'on_event'"));
    // One reference is held, released on replace, on clear and with its object.
    const int before = RegistryRefs();
    ASSERT_EQ("", Run("p.on_event = handler; p.on_event = function() end"));
    EXPECT_EQ(before + 1, RegistryRefs());
    ASSERT_EQ("", Run("p.on_event = nil"));
    EXPECT_EQ(before, RegistryRefs());
    ASSERT_EQ("", Run("p.on_event = handler; p, seen = nil, nil; collectgarbage()"));
    EXPECT_EQ(before, RegistryRefs());
}

// The one error path of every callback: the handler reports, the caller goes on, at any depth.
TEST_F(Bridge, CallbackErrorsEndInTheHandlerAndTheCallerGoesOn)
{
    ASSERT_EQ("", Run("p = Probe(); p.on_event = 5; p:fire(); after = true"));
    ASSERT_EQ(1u, handled.size());
    EXPECT_NE(std::string::npos, handled[0].find("attempt to call a number value")) << handled[0];
    EXPECT_EQ("", Run("assert(after)"));
    ASSERT_EQ("",
        Run("inner = Probe(); inner.on_event = function() error('deep') end\n"
            "p.on_event = function() inner:fire(); reached = true end; p:fire()"));
    ASSERT_EQ(2u, handled.size());
    EXPECT_NE(std::string::npos, handled[1].find("deep"));
    EXPECT_EQ("", Run("assert(reached)"));
    // A result is read as a boolean; a failed call's error value reads as true.
    EXPECT_EQ("",
        Run("p.on_event = function() end; local a = p:ask()\n"
            "p.on_event = function() return 1 end; local b = p:ask()\n"
            "p.on_event = function() error('no') end; local c = p:ask()\n"
            "assert(a == false and b == true and c == true, 'results')"));
    EXPECT_EQ(1, lua_gettop(L)); // only the handler is left on the stack
}

int Raise(lua_State* L)
{
    switch (static_cast<int>(lua_tonumber(L, 1))) {
    case 0:
        bridge::RaiseMessage(L, "100% sure: %s %d");
    case 1:
        bridge::RaiseInvalidSelf(L, "Load");
    default:
        bridge::RaiseInvalidSelfVariable(L, "interval");
    }
}

TEST_F(Bridge, ErrorTextsCarryThePositionAndAreNeverFormats)
{
    lua_register(L, "raise", Raise);
    auto text = [this](int which) {
        const std::string chunk = "raise(" + std::to_string(which) + ", nil)";
        luaL_loadbuffer(L, chunk.c_str(), chunk.size(), "=t");
        lua_pcall(L, 0, 0, 0);
        return std::string(lua_tostring(L, -1));
    };
    EXPECT_EQ("t:1: 100% sure: %s %d", text(0));
    EXPECT_EQ("t:1: invalid 'self' in function 'Load'", text(1));
    EXPECT_EQ("t:1: invalid 'self' in accessing variable 'interval'", text(2));
}

} // namespace
