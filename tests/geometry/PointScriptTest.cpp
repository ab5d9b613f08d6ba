// Point through the script API: runs point.lua under the host-like test runner.
#include "ScriptFixture.h"

using PointScript = ScriptFixture;

TEST_F(PointScript, ScriptChecksPass)
{
    EXPECT_EQ(RunFile("tests/geometry/point.lua"), "");
    EXPECT_TRUE(handled.empty());
}
