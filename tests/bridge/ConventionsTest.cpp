// Binding conventions: ownership and collection counted by Probe's destructor, registry
// references of callback properties, callback errors reaching the handler, and conventions.lua.
#include <tolua++.h>

#include "Probe.h"
#include "ScriptFixture.h"

int tolua_probe_open(lua_State* L);

namespace {

class Conventions : public ScriptFixture {
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
        lua_pushnil(L);
        while (lua_next(L, LUA_REGISTRYINDEX) != 0) {
            if (lua_type(L, -2) == LUA_TNUMBER && lua_type(L, -1) != LUA_TNUMBER)
                ++count;
            lua_pop(L, 1);
        }
        return count;
    }
};

} // namespace

TEST_F(Conventions, ScriptChecksPass)
{
    EXPECT_EQ(RunFile("tests/bridge/conventions.lua"), "");
}

TEST_F(Conventions, NewIsNeverCollectedNewLocalAndCallAre)
{
    ASSERT_EQ(Run("kept = Probe:new(); Probe(); Probe:new_local(1); collectgarbage()"), "");
    EXPECT_EQ(Probe::Live(), 1);
    lua_getglobal(L, "kept");
    auto* kept = static_cast<Probe*>(tolua_tousertype(L, -1, nullptr));
    lua_pop(L, 1);
    // Its userdata is collected once unreachable; the object itself stays.
    ASSERT_EQ(Run("local weak = setmetatable({ kept }, { __mode = 'v' }); kept = nil; collectgarbage();"
                  "assert(weak[1] == nil)"),
        "");
    EXPECT_EQ(Probe::Live(), 1);
    delete kept;
}

TEST_F(Conventions, ClosingTheStateDeletesLuaOwnedObjects)
{
    ASSERT_EQ(Run("a = Probe(); b = Probe:new_local(); a.on_event = print"), "");
    EXPECT_EQ(Probe::Live(), 2);
    CloseState();
    EXPECT_EQ(Probe::Live(), 0);
}

TEST_F(Conventions, ReplacingACallbackReleasesTheOldReference)
{
    ASSERT_EQ(Run("p = Probe(); f = function() end"), "");
    const int before = RegistryRefs();
    ASSERT_EQ(Run("p.on_event = f; p.on_event = f"), "");
    EXPECT_EQ(RegistryRefs(), before + 1);
    ASSERT_EQ(Run("p.on_event = function() end"), "");
    EXPECT_EQ(RegistryRefs(), before + 1);
    ASSERT_EQ(Run("p.on_event = nil"), "");
    EXPECT_EQ(RegistryRefs(), before);
    ASSERT_EQ(Run("p.on_event = f; p = nil; collectgarbage()"), "");
    EXPECT_EQ(RegistryRefs(), before); // the destructor released it
}

TEST_F(Conventions, AnAnchorKeepsTheScriptsObjectAlive)
{
    ASSERT_EQ(Run("held = Probe(); held.tag = 'anchored'"), "");
    lua_getglobal(L, "held");
    void* object = tolua_tousertype(L, -1, nullptr);
    lua_pop(L, 1);
    bridge::LuaRef anchor;
    anchor.SetObject(L, object, "Probe");
    ASSERT_EQ(Run("held = nil; collectgarbage()"), "");
    EXPECT_EQ(Probe::Live(), 1);
    anchor.Push(L); // the same userdata, script fields included
    lua_getfield(L, -1, "tag");
    EXPECT_STREQ(lua_tostring(L, -1), "anchored");
    lua_pop(L, 2);
    anchor.SetObject(L, nullptr, "Probe");
    ASSERT_EQ(Run("collectgarbage()"), "");
    EXPECT_EQ(Probe::Live(), 0);
}

TEST_F(Conventions, AnOwnedCompanionLivesWhileItsHolderDoes)
{
    {
        bridge::LuaRef companion;
        companion.SetObject(L, new Probe(), "Probe", true);
        ASSERT_EQ(Run("collectgarbage()"), "");
        EXPECT_EQ(Probe::Live(), 1);
    }
    ASSERT_EQ(Run("collectgarbage()"), "");
    EXPECT_EQ(Probe::Live(), 0);
}

TEST_F(Conventions, CallbackErrorsEndInTheHandlerAndTheCallerGoesOn)
{
    ASSERT_EQ(Run("p = Probe(); p.on_event = 5; p:fire(); after = true"), "");
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_NE(handled[0].find("attempt to call"), std::string::npos) << handled[0];
    ASSERT_EQ(Run("p.on_event = function() error('boom') end; ok = p:ask()"), "");
    ASSERT_EQ(handled.size(), 2u);
    EXPECT_NE(handled[1].find("boom"), std::string::npos);
    lua_getglobal(L, "ok");
    EXPECT_TRUE(lua_toboolean(L, -1)); // the error value left behind reads as true
    lua_pop(L, 1);
    EXPECT_EQ(lua_gettop(L), 1); // only the handler is left on the stack
}

TEST_F(Conventions, CallbacksNestAndUseTheHandlerAtEveryDepth)
{
    ASSERT_EQ(Run("outer, inner = Probe(), Probe()\n"
                  "inner.on_event = function() error('deep') end\n"
                  "outer.on_event = function() inner:fire(); reached = true end\n"
                  "outer:fire()"),
        "");
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_NE(handled[0].find("deep"), std::string::npos);
    lua_getglobal(L, "reached");
    EXPECT_TRUE(lua_toboolean(L, -1));
    lua_pop(L, 1);
}
