// The scene nodes through the script API: scene.lua runs as the main script of the real binary.
#include <gtest/gtest.h>

#include "LuaSuite.h"

TEST(SceneScript, ScriptChecksPassThroughTheBinary)
{
    vorntest::ExpectLuaSuitePasses("tests/scene/scene.lua", "scene");
}
