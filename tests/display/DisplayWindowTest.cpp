// The game window through the real binary on SDL's dummy video with the test plugins: the two
// create forms and the window they make, create's failure paths, destroy, the callbacks inside
// create and the end of the run when the window goes.
#include <gtest/gtest.h>

#include "DisplayGame.h"

namespace {

using namespace displaytest;
using vorntest::ContainsInOrder;
using vorntest::ContainsRun;
using vorntest::GameFolder;
using vorntest::LacksLine;
using vorntest::LinesFrom;

// Destroys the window from the first timer tick, so that the main loop runs a few frames.
constexpr const char* kDestroySoon = "ender = Timer()\n"
                                     "ender.on_tick = function() display:destroy() end\n"
                                     "ender:start(1)\n";

TEST(DisplayWindow, TheNumericFormOpensAFramedWindowAtTheOriginAndBindsTheInputDevices)
{
    GameFolder game;
    DisplayGame(game, std::string("print(display:create('Game', 640, 480, 32, true))\n") + kDestroySoon);
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("true\n", run.out);
    const Lines video = CallsOf(game, "video ");
    // Refresh 60 by default. The native window is the client area: 640x480 at (4, 23) inside an
    // outer window of 648x507 at (0, 0). It is shown after the mode is set, then painted.
    EXPECT_TRUE(ContainsRun(video,
        { "video SetMode window 640x480x32@60 windowed", "video Window 640x480 at 4,23 hidden", "video Ready",
            "video GetMode", "video Window 640x480 at 4,23 shown", "video BeginFrame", "video Clear 0 0 0",
            "video EndFrame" }));
    EXPECT_TRUE(ContainsInOrder(CallsOf(game, "input Bind"),
        { "input Bind window 116 0 1", "input Bind window 117 0 1", "input Bind window 118 0 1" }));
    // Frames ran until the timer destroyed the window, then the run ended normally.
    EXPECT_TRUE(ContainsInOrder(run.log, { "[vorn] entering main loop", "[vorn] finalization started." }));
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", run.log.back());
    EXPECT_TRUE(ContainsInOrder(video,
        { "video Update", "video Ready", "video BeginFrame", "video EndFrame", "video ReleaseDevice 101" }));
}

TEST(DisplayWindow, AFullScreenModeGivesTheWindowTheModesSizeAndTheModeFormBindsNothing)
{
    GameFolder game;
    DisplayGame(game,
        "local mode = DisplayMode()\n"
        "mode.width, mode.height, mode.depth, mode.refresh = 800, 600, 16, 75\n"
        "print(display:create('Full', mode))\n"
        "display:destroy()\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("true\n", run.out);
    // The outer window is 800x600 at (0, 0). The test plugin does not switch the native window to
    // full screen, so the layer still frames it: its client area is 792x573 at (4, 23).
    EXPECT_TRUE(ContainsRun(CallsOf(game, "video "),
        { "video SetMode window 800x600x16@75 fullscreen", "video Window 792x573 at 4,23 hidden" }));
    EXPECT_TRUE(CallsOf(game, "input Bind").empty());
}

TEST(DisplayWindow, ATitleCanBeUsedOnceAndAnEmptyOneIsRefused)
{
    GameFolder game;
    DisplayGame(game,
        "print(display:create('Game', 320, 240, 32, true))\n"
        "display:destroy()\n"
        "print(display:create('GAME', 320, 240, 32, true))\n"
        "print(display:create('', 320, 240, 32, true))\n"
        "print(display:create('Game 2', 320, 240, 32, true))\n"
        "display:destroy()\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("true\nfalse\nfalse\ntrue\n", run.out);
    // Class names compare without regard to case, as the window classes they stand for.
    EXPECT_TRUE(ContainsInOrder(
        run.log, { "1410: Could not register window class", "87: Could not register window class" }));
}

TEST(DisplayWindow, ARefusedModeDestroysTheWindowAndFreesItsTitle)
{
    GameFolder game;
    DisplayGame(game,
        "display.on_destroy = function() print('on_destroy') end\n"
        "print(display:create('Game', 320, 240, 32, true))\n"
        "print(display:get_title(), display:destroy())\n"
        // The plugin takes the mode from now on; the title's class was removed, so it works again.
        "local config = io.open('testplugins.cfg', 'w')\n"
        "config:write('video.geometry = yes\\n')\n"
        "config:close()\n"
        "print(display:create('Game', 320, 240, 32, true))\n"
        "display:destroy()\n",
        "video.setmode = fail\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("on_destroy\nfalse\nnil\tfalse\ntrue\non_destroy\n", run.out);
    EXPECT_TRUE(ContainsRun(run.log, { "Could not set display mode", "Window already destroyed" }));
}

TEST(DisplayWindow, DestroyCallsOnDestroyOnceAndEndsTheRunBeforeAnyFrame)
{
    GameFolder game;
    DisplayGame(game,
        "display.on_destroy = function(d) print('on_destroy', d == display) end\n"
        "display:create('Game', 320, 240, 32, true)\n"
        "print(display:destroy())\n"
        "print(display:destroy())\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("on_destroy\ttrue\ntrue\nfalse\n", run.out);
    EXPECT_TRUE(ContainsRun(run.log,
        { "Window already destroyed", "[vorn] entering main loop", "[vorn] finalization started." }));
    EXPECT_TRUE(LacksLine(CallsOf(game, "video "), "video Update"));
    // The video device lets go of the window before the window is freed.
    EXPECT_TRUE(ContainsInOrder(CallsOf(game, "video "), { "video SetMode window 320x240x32@60 windowed",
        "video ForgetWindow window", "video ReleaseDevice 101" }));
}

TEST(DisplayWindow, AnErrorInOnCreateIsReportedAndCreateGoesOn)
{
    GameFolder game;
    DisplayGame(game,
        "display.on_create = function()\n"
        "  error('broken on_create')\n"
        "end\n"
        "print(display:create('Game', 320, 240, 32, true))\n"
        "display:destroy()\n");
    const auto run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("true\n", run.out);
    EXPECT_TRUE(ContainsRun(run.log,
        { "Scripts/main.lua:2: broken on_create", "Backtrace:", "0. 'error' C function",
            "1. Call on line 2 from Lua function defined in 'Scripts/main.lua' on line 1",
            "2. 'create' C function", "3. Call on line 4 from Main chunk" }));
    ASSERT_EQ(1u, run.Boxes().size());
    EXPECT_EQ(
        "Scripts/main.lua:2: broken on_create\nPress OK to continue, Cancel to exit", run.Boxes()[0].text);

    // Cancel ends the process from inside create, with the usual finalisation.
    const auto cancelled = game.Run(Answer("cancel"));
    ASSERT_EQ(0, cancelled.exitCode) << cancelled.Describe();
    EXPECT_EQ("", cancelled.out);
    EXPECT_EQ("exitting...", cancelled.log.back());
}

} // namespace
