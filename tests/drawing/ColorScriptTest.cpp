// Color and the named colours through the script API: color.lua runs as the main script of the
// real binary.
#include <gtest/gtest.h>

#include "LuaSuite.h"

TEST(ColorScript, ScriptChecksPassThroughTheBinary)
{
    vorntest::ExpectLuaSuitePasses("tests/drawing/color.lua", "color");
}
