// Display modes and the frame through the real binary on SDL's dummy video with the test plugins:
// set_mode and its failure lines, the mode list, a device that is not ready, and the error box
// switching a full-screen display to a window and back.
#include <gtest/gtest.h>

#include "DisplayGame.h"

namespace {

using namespace displaytest;
using vorntest::ContainsInOrder;
using vorntest::ContainsRun;
using vorntest::GameFolder;
using vorntest::LacksLine;

// A 640x480 window, then `rest`, then the window is destroyed.
std::string InWindow(const std::string& rest)
{
    return "display:create('Game', 640, 480, 32, true)\n"
           "local function mode(w, h, d, r, windowed)\n"
           "  local m = DisplayMode()\n"
           "  m.width, m.height, m.depth, m.refresh, m.windowed = w, h, d, r, windowed\n"
           "  return m\n"
           "end\n"
           "local current = DisplayMode()\n"
        + rest + "display:destroy()\n";
}

TEST(DisplayMode, ARefusedModeIsLoggedAndTheWindowFitsTheOldModeAgain)
{
    GameFolder game;
    DisplayGame(game,
        InWindow("print(display:set_mode(mode(1024, 768, 32, 75, false)))\n"
                 "print(display:get_mode(current), current.width)\n"
                 "print(display:set_mode(mode(1024, 768, 32, 75, true)))\n"
                 "print(display:get_mode(current), current.width)\n"
                 "print(display:set_mode(mode(800, 600, 16, 60, true)))\n"
                 "print(display:get_mode(current), current.width, current.height, current.depth)\n"),
        "video.refuse = 1024x768x32@75 fullscreen; 1024x768x32@75 windowed\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("false\ntrue\t640\nfalse\ntrue\t640\ntrue\ntrue\t800\t600\t16\n", run.out);
    EXPECT_TRUE(ContainsRun(run.log,
        { "[vorn] set_mode [1024 x 768 x 32 @ 75Hz fs] failed.",
            "[vorn] set_mode [1024 x 768 x 32 @ 75Hz win] failed." }));
    // The window was fitted to the new mode before the device was asked, and back afterwards.
    EXPECT_TRUE(ContainsInOrder(CallsOf(game, "video "),
        { "video SetMode window 1024x768x32@75 fullscreen", "video Window 1016x741 at 4,23 shown",
            "video GetMode", "video Window 640x480 at 4,23 shown",
            "video SetMode window 1024x768x32@75 windowed", "video Window 1024x768 at 4,23 shown",
            "video GetMode", "video Window 640x480 at 4,23 shown",
            "video SetMode window 800x600x16@60 windowed", "video Window 800x600 at 4,23 shown" }));
}

TEST(DisplayMode, SetModeNeedsTheCurrentModeAndAWindow)
{
    GameFolder game;
    DisplayGame(game, "local m = DisplayMode()\nm.width, m.height = 640, 480\nprint(display:set_mode(m))\n");
    auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("false\n", run.out);
    EXPECT_TRUE(
        ContainsRun(run.log, { "[vorn]: cannot get current display mode", "[vorn] entering main loop" }));

    game.Write("testplugins.cfg", "video.mode = 640x480x32@60 windowed\n");
    run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("false\n", run.out);
    EXPECT_TRUE(
        ContainsRun(run.log, { "[vorn] set_mode: failed to resize window", "[vorn] entering main loop" }));
    EXPECT_TRUE(LacksLine(CallsOf(game, "video "), "video SetMode no-window 640x480x0@0 fullscreen"));
}

// Prints each listed mode of `name` on one line.
constexpr const char* kPrintModes
    = "local function show(name, list)\n"
      "  local text = {}\n"
      "  for i, m in ipairs(list) do\n"
      "    text[i] = m.width .. 'x' .. m.height .. 'x' .. m.depth .. '@' .. m.refresh ..\n"
      "      (m.windowed and 'w' or 'f')\n"
      "  end\n"
      "  print(name, #list, table.concat(text, ' '))\n"
      "end\n";

TEST(DisplayMode, EveryReadOfModesListsTheDeviceAfreshInANewTable)
{
    GameFolder game;
    DisplayGame(game,
        std::string(kPrintModes)
            + "local a, b = display.modes, display.modes\n"
              "show('a', a)\n"
              "print(a ~= b, a[1] ~= b[1], tolua.type(a[1]))\n"
              "a[1].width = 1\n"
              "show('b', b)\n"
              "show('again', display.modes)\n",
        "video.modes = 640x480x32@60 windowed; 800x600x16@75 fullscreen\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("a\t2\t640x480x32@60w 800x600x16@75f\n"
              "true\ttrue\tDisplayMode\n"
              "b\t2\t640x480x32@60w 800x600x16@75f\n"
              "again\t2\t640x480x32@60w 800x600x16@75f\n",
        run.out);
    // The display's own device handle names the device.
    EXPECT_TRUE(ContainsRun(CallsOf(game, "video E"),
        { "video EnumerateModes 101", "video EnumerateModes 101", "video EnumerateModes 101" }));
}

TEST(DisplayMode, AFailedEnumerationKeepsWhatWasListedAndIsLoggedOncePerRead)
{
    GameFolder game;
    DisplayGame(game,
        std::string(kPrintModes) + "show('first', display.modes)\nshow('second', display.modes)\n",
        "video.modes = 320x240x8@50 fullscreen\nvideo.enumeratemodes = fail\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("first\t1\t320x240x8@50f\nsecond\t1\t320x240x8@50f\n", run.out);
    EXPECT_TRUE(ContainsRun(run.log,
        { "[vorn] EnumerateDisplayModes failed.", "[vorn] EnumerateDisplayModes failed.",
            "[vorn] entering main loop" }));
}

TEST(DisplayMode, ADeviceThatIsNotReadyGetsNoFrame)
{
    GameFolder game;
    DisplayGame(game,
        "display:create('Game', 320, 240, 32, true)\n"
        "ender = Timer()\n"
        "ender.on_tick = function() display:destroy() end\n"
        "ender:start(1)\n",
        "video.ready = no\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    const Lines video = CallsOf(game, "video ");
    EXPECT_TRUE(ContainsInOrder(video,
        { "video SetMode window 320x240x32@60 windowed", "video Ready", "video Update", "video Ready",
            "video ReleaseDevice 101" }));
    EXPECT_TRUE(LacksLine(video, "video BeginFrame"));
    EXPECT_TRUE(LacksLine(video, "video EndFrame"));
}

TEST(DisplayMode, TheErrorBoxShowsAFullScreenGameInAWindowAndReturnsOnOk)
{
    GameFolder game;
    DisplayGame(game,
        "display:create('Game', 800, 600, 32, false)\n"
        "Error('shown over a window')\n"
        "print('after the box')\n"
        "display:destroy()\n");
    auto run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("after the box\n", run.out);
    EXPECT_TRUE(ContainsInOrder(CallsOf(game, "video "),
        { "video SetMode window 800x600x32@60 fullscreen", "video GetMode",
            "video SetMode window 800x600x32@60 windowed",
            "video SetMode window 800x600x32@60 fullscreen" }));

    // Cancel ends the run in the window: full screen is not restored.
    game.Write("testplugins.calls", "");
    run = game.Run(Answer("cancel"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    const Lines video = CallsOf(game, "video SetMode");
    EXPECT_EQ((Lines { "video SetMode window 800x600x32@60 fullscreen",
                  "video SetMode window 800x600x32@60 windowed" }),
        video);
}

} // namespace
