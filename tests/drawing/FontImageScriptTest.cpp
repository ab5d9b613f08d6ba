// Font and Image through the script API: fontimage.lua runs as the main script of the real binary.
#include <gtest/gtest.h>

#include "LuaSuite.h"

TEST(FontImageScript, ScriptChecksPassThroughTheBinary)
{
    vorntest::ExpectLuaSuitePasses("tests/drawing/fontimage.lua", "fontimage");
}
