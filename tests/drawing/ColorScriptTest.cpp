// Color and the named colours through the script API: runs color.lua under the test runner.
#include "ScriptFixture.h"

using ColorScript = ScriptFixture;

TEST_F(ColorScript, ScriptChecksPass)
{
    EXPECT_EQ(RunFile("tests/drawing/color.lua"), "");
    EXPECT_TRUE(handled.empty());
}
