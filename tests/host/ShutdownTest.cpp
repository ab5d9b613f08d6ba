// Finalisation through the real binary: the logged order and the order of the plugin calls
// behind it, with every device present.
#include <gtest/gtest.h>

#include "HostLines.h"

namespace {

using namespace hosttest;
using vorntest::GameFolder;
using vorntest::LinesFrom;
using vorntest::SameLines;

TEST(Shutdown, DevicesAreReleasedThenPluginsUnloadedInOrder)
{
    GameFolder game;
    StandardGame(game, "");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(SameLines(
        LinesFrom(run.log, kEnteringMainLoop), Lines{kEnteringMainLoop} + NormalEnd(AllDevicesReleased())));
    EXPECT_TRUE(SameLines(
        LinesFrom(game.ReadLines("testplugins.calls"), "audio ReleaseDevice 102"), AllReleaseCalls()));
}

}  // namespace
