// Canvas, LinearGradient and Clipper through the script API: canvas.lua runs as the main script
// of the real binary.
#include <gtest/gtest.h>

#include "LuaSuite.h"

TEST(CanvasScript, ScriptChecksPassThroughTheBinary)
{
    vorntest::ExpectLuaSuitePasses("tests/drawing/canvas.lua", "canvas");
}
