// LuaSuite: a Lua test file through the real binary; the summary line check.lua prints decides.
#include "LuaSuite.h"

#include <gtest/gtest.h>

#include <cstdio>
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
    // "<suite>: <n> checks, <m> failed", read without std::regex (which trips GCC's
    // maybe-uninitialized warning in the sanitizer build).
    const std::string marker = suite + ": ";
    const auto at = run.out.rfind(marker); // the summary is printed last
    ASSERT_NE(std::string::npos, at) << run.out << run.Describe();
    int checks = -1;
    int failed = -1;
    ASSERT_EQ(2, std::sscanf(run.out.c_str() + at + marker.size(), "%d checks, %d failed", &checks, &failed))
        << run.out << run.Describe();
    EXPECT_GT(checks, 0);
    EXPECT_EQ(0, failed) << run.out;
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", run.log.empty() ? "" : run.log.back());
}

}  // namespace vorntest
