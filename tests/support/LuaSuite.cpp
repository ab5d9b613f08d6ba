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
    // "<suite>: N checks, M failed" (parsed by hand: std::regex trips GCC 12's uninitialised-use
    // warning in the sanitizer build).
    const std::string head = suite + ": ";
    size_t at = run.out.find(head);
    int checks = -1, failed = -1;
    while (at != std::string::npos
        && std::sscanf(run.out.c_str() + at + head.size(), "%d checks, %d failed", &checks, &failed) != 2)
        at = run.out.find(head, at + 1);
    ASSERT_NE(std::string::npos, at) << run.out << run.Describe();
    EXPECT_GT(checks, 0);
    EXPECT_EQ(0, failed) << run.out;
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", run.log.empty() ? "" : run.log.back());
}

}  // namespace vorntest
