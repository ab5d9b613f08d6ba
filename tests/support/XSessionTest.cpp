// The X session helpers: a private server that answers, and a background run that a test can
// watch through the log, steer while it runs and then collect.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

#include "GameRun.h"
#include "XSession.h"

namespace {

using vorntest::GameFolder;
using vorntest::RunningGame;
using vorntest::XServer;

TEST(XSession, APrivateServerAnswersXdotool)
{
    XServer server;
    std::string geometry;
    ASSERT_TRUE(server.XdoTool("getdisplaygeometry", &geometry));
    EXPECT_EQ("1280 1024", geometry);
    EXPECT_EQ(0u, server.FindWindow("no such window", std::chrono::milliseconds(200)));
}

TEST(XSession, ABackgroundRunIsWatchedSteeredAndCollected)
{
    XServer server;
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    // The script waits until the test creates the file "go".
    game.WriteScript("main.lua",
                     "print('waiting') io.stdout:flush()\n"
                     "while not io.open('go') do end\n"
                     "print('done')\n");
    RunningGame run(game, server.Options());
    ASSERT_TRUE(run.WaitForLog("running lua global code"));
    EXPECT_TRUE(run.Running());
    EXPECT_FALSE(run.WaitForLog("entering main loop", std::chrono::milliseconds(300)));
    game.Write("go", "");
    const auto result = run.Finish();
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_EQ("waiting\ndone\n", result.out);
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", result.log.back());
}

TEST(XSession, AHangingBackgroundRunIsKilledWhenCollected)
{
    XServer server;
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.WriteScript("main.lua", "while true do end\n");
    RunningGame run(game, server.Options());
    const auto result = run.Finish(std::chrono::milliseconds(500));
    EXPECT_TRUE(result.timedOut);
    EXPECT_EQ(SIGKILL, result.signal);
}

TEST(XSession, TheRealPluginsOpenTheServersDevices)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua", "");
    const auto result = game.Run(server.Options());
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_TRUE(std::find(result.log.begin(), result.log.end(), "[vorn] found default keyboard [System keyboard]")
                != result.log.end()) << result.Describe();
}

}  // namespace
