// The runtime's named-colour constants stay apart from the instances scripts can change.
#include "ScriptFixture.h"

#include <tolua++.h>

#include "drawing/NamedColors.h"
#include "drawing/ScriptColors.h"

using ColorConstants = ScriptFixture;

TEST_F(ColorConstants, ScriptChangesNeverReachTheRuntimeConstants)
{
    ASSERT_EQ(Run("RED.green = 255; WHITE.red = 0"), "");
    EXPECT_EQ(drawing::script_colors::RED.g, 255);
    EXPECT_EQ(drawing::script_colors::WHITE.r, 0);
    EXPECT_EQ(colors::RED.g, 0);
    EXPECT_EQ(colors::WHITE.r, 255);
    // Put the shared script instances back for the other tests of this process.
    drawing::script_colors::RED = colors::RED;
    drawing::script_colors::WHITE = colors::WHITE;
}

TEST_F(ColorConstants, ScriptReadsTheInstanceByReference)
{
    ASSERT_EQ(Run("seen = GOLDENRODYELLOW"), "");
    lua_getglobal(L, "seen");
    EXPECT_EQ(tolua_tousertype(L, -1, nullptr), &drawing::script_colors::GOLDENRODYELLOW);
    lua_pop(L, 1);
}
