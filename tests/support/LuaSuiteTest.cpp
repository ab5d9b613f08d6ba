// The one test of a Lua suite added with vorn_lua_suite (tests/CMakeLists.txt): the suite's file
// and name come from the build.
#include <gtest/gtest.h>

#include "LuaSuite.h"

TEST(LuaSuite, ChecksPassThroughTheBinary)
{
    vorntest::ExpectLuaSuitePasses(VORN_LUA_SUITE_FILE, VORN_LUA_SUITE_NAME);
}
