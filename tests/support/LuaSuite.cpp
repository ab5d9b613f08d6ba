// LuaSuite: a Lua test file through the real binary; the summary line check.lua prints decides.
#include "LuaSuite.h"

#include <gtest/gtest.h>

#include <string>

#include "GameRun.h"

namespace vorntest {

void ExpectLuaSuitePasses(const std::string& relative, const std::string& suite)
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    const std::string path = std::string(VORN_SOURCE_DIR) + "/" + relative;
    const auto run = game.Run(RunOptions().Arg(path).Env("VORN_MESSAGEBOX", "cancel"));
    EXPECT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(run.Boxes().empty()) << run.out << run.Describe();
    // check.lua's summary, "<suite>: N checks, 0 failed"; a failed or empty suite raises instead.
    EXPECT_NE(std::string::npos, run.out.find(suite + ": ")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find(" checks, 0 failed")) << run.out;
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", run.log.empty() ? "" : run.log.back());
}

} // namespace vorntest
