// Point through the script API: point.lua runs as the main script of the real binary.
#include <gtest/gtest.h>

#include "LuaSuite.h"

TEST(PointScript, ScriptChecksPassThroughTheBinary)
{
    vorntest::ExpectLuaSuitePasses("tests/geometry/point.lua", "point");
}
