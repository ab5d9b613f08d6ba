// Display and DisplayMode through the script API: display.lua runs as the main script of the
// real binary.
#include <gtest/gtest.h>

#include "LuaSuite.h"

TEST(DisplayScript, ScriptChecksPassThroughTheBinary)
{
    vorntest::ExpectLuaSuitePasses("tests/display/display.lua", "display");
}
