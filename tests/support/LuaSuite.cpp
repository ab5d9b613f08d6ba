// LuaSuite: a Lua test file through the real binary; the summary line check.lua prints decides.
#include "LuaSuite.h"

#include <gtest/gtest.h>

#include <regex>

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
    const std::regex summary(suite + ": ([0-9]+) checks, ([0-9]+) failed");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(run.out, match, summary)) << run.out << run.Describe();
    EXPECT_GT(std::stoi(match[1]), 0);
    EXPECT_EQ("0", match[2].str()) << run.out;
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", run.log.empty() ? "" : run.log.back());
}

}  // namespace vorntest
