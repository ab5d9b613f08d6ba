// The input API through the real binary without a window: constants, classes, key-state
// results, conversions and error texts (api.lua, with the test plugins).
#include <gtest/gtest.h>

#include "LuaSuite.h"

TEST(InputApi, ConstantsDevicesAndErrors)
{
    vorntest::ExpectLuaSuitePasses("tests/input/api.lua", "input");
}
