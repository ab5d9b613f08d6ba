// LuaRef and CallSlot: the slot's states and the calling protocol's stack discipline.
#include "ScriptFixture.h"
#include "bridge/Callback.h"
#include "bridge/LuaRef.h"

using LuaRefTest = ScriptFixture;

TEST_F(LuaRefTest, NilLeavesTheSlotUnsetAndPushesNil)
{
    bridge::LuaRef slot;
    EXPECT_EQ(slot.Ref(), -1);
    lua_pushnil(L);
    slot.Set(L, -1);
    lua_pop(L, 1);
    EXPECT_FALSE(slot.IsSet());
    slot.Push(L);
    EXPECT_TRUE(lua_isnil(L, -1));
    lua_pop(L, 1);
}

TEST_F(LuaRefTest, HoldsAValueUntilReleased)
{
    bridge::LuaRef slot;
    lua_pushstring(L, "kept");
    slot.Set(L, -1);
    lua_pop(L, 1);
    ASSERT_TRUE(slot.IsSet());
    const int ref = slot.Ref();
    slot.Push(L);
    EXPECT_STREQ(lua_tostring(L, -1), "kept");
    lua_pop(L, 1);
    slot.Release();
    EXPECT_FALSE(slot.IsSet());
    lua_rawgeti(L, LUA_REGISTRYINDEX, ref);
    EXPECT_FALSE(lua_isstring(L, -1));  // the registry entry went back to the free list
    lua_pop(L, 1);
}

TEST_F(LuaRefTest, ReleaseAfterTheStateClosedIsHarmless)
{
    bridge::LuaRef slot;
    lua_pushboolean(L, 1);
    slot.Set(L, -1);
    lua_pop(L, 1);
    CloseState();
    slot.Release();
    EXPECT_FALSE(slot.IsSet());
}

TEST_F(LuaRefTest, CallSlotPassesArgumentsAndKeepsTheStack)
{
    bridge::LuaRef slot;
    ASSERT_EQ(Run("function add(a, b) total = a + b; return total > 10 end"), "");
    lua_getglobal(L, "add");
    slot.Set(L, -1);
    lua_pop(L, 1);
    auto push = [](lua_State* S) {
        lua_pushnumber(S, 4);
        lua_pushnumber(S, 9);
        return 2;
    };
    EXPECT_TRUE(bridge::CallSlot(L, slot, push));
    EXPECT_TRUE(bridge::CallSlot(L, slot, push, true));
    EXPECT_EQ(lua_gettop(L), 1);
    lua_getglobal(L, "total");
    EXPECT_EQ(lua_tonumber(L, -1), 13);
    lua_pop(L, 1);
    bridge::LuaRef empty;
    EXPECT_FALSE(bridge::CallSlot(L, empty, push, true));
    EXPECT_TRUE(handled.empty());
}
