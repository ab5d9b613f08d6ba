// The game window and its modes through the real binary on SDL's dummy video, with the test
// plugins for what a real device does not do on demand: refusing modes, listing given modes,
// failing to list them.
#include <gtest/gtest.h>

#include "GameRun.h"
#include "LogMatch.h"

namespace {

using namespace vorntest;

// Runs `main` with the test plugins and `config` as testplugins.cfg; returns the recorded calls
// that start with `kind` or `other` ("video ", "input Bind"), the run in *run.
Lines Calls(const std::string& main, const std::string& kind, RunResult* run, const std::string& config = "",
    const std::string& answer = "ok", const std::string& other = "\n")
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.Write("testplugins.cfg", config);
    game.WriteScript("main.lua", main);
    *run = game.Run(RunOptions().Env("VORN_MESSAGEBOX", answer));
    Lines selected;
    for (const auto& line : game.ReadLines("testplugins.calls"))
        if (line.rfind(kind, 0) == 0 || line.rfind(other, 0) == 0)
            selected.push_back(line);
    return selected;
}

// A window made by `create` that the first timer tick destroys, so that the main loop runs a frame.
std::string InWindow(const std::string& create = "display:create('Game', 640, 480, 32, true)\n")
{
    return create + "ender = Timer(); ender.on_tick = function() display:destroy() end; ender:start(1)\n";
}

// Where the window goes and what a frame is, a real X server shows (DisplayX11Test.cpp); what the
// device is asked for and which devices are bound, the test plugins tell.
TEST(DisplayWindow, TheNumericFormAsksForRefresh60AndBindsTheInputDevicesTheModeFormDoesNot)
{
    RunResult run;
    EXPECT_TRUE(SameLines(Calls(InWindow(), "video SetMode", &run, "", "ok", "input Bind"),
        { "video SetMode window 640x480x32@60 windowed", "input Bind window 116 0 1",
            "input Bind window 117 0 1", "input Bind window 118 0 1" }));
    EXPECT_TRUE(SameLines(Calls(InWindow("local m = DisplayMode()\n"
                                         "m.width, m.height, m.depth, m.refresh = 800, 600, 16, 75\n"
                                         "display:create('Full', m)\n"),
                              "video SetMode", &run, "", "ok", "input Bind"),
        { "video SetMode window 800x600x16@75 fullscreen" }));
}

TEST(DisplayWindow, ATitleIsUsedOnceRegardlessOfCaseAndARefusedModeFreesIt)
{
    RunResult run;
    const Lines video
        = Calls("display.on_destroy = function() print('on_destroy') end\n"
                "print(display:create('Game', 320, 240, 32, true), display:get_title())\n"
                // From now on the plugin takes the mode; the title can be used again.
                "local config = io.open('testplugins.cfg', 'w') config:write('') config:close()\n"
                "print(display:create('Game', 320, 240, 32, true))\n"
                "print(display:create('GAME', 320, 240, 32, true), display:create('', 320, 240, 32, true))\n"
                "display:destroy()\n",
            "video Update", &run, "video.setmode = fail\n");
    EXPECT_EQ("on_destroy\nfalse\tnil\ntrue\nfalse\tfalse\non_destroy\n", run.out);
    EXPECT_TRUE(ContainsInOrder(run.log,
        { "Could not set display mode", "1410: Could not register window class",
            "87: Could not register window class" }));
    EXPECT_TRUE(video.empty()) << "destroyed before the main loop: no frame ran";
}

TEST(DisplayMode, SetModeNeedsTheCurrentModeAndAWindow)
{
    const std::string main
        = "local m = DisplayMode()\nm.width, m.height = 640, 480\nprint(display:set_mode(m))\n";
    RunResult run; // a device that cannot tell its mode
    Calls(main, "", &run);
    EXPECT_EQ("false\n", run.out);
    EXPECT_TRUE(
        ContainsRun(run.log, { "[vorn]: cannot get current display mode", "[vorn] entering main loop" }));
    // The SDL plugin tells the desktop's mode before any window; set_mode then fails at the resize.
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua",
        "local d = DisplayMode()\n"
        "print(display:get_mode(d), d.width .. 'x' .. d.height, d.windowed)\n"
            + main);
    run = game.Run();
    EXPECT_EQ("true\t1024x768\ttrue\nfalse\n", run.out) << run.Describe();
    EXPECT_TRUE(
        ContainsRun(run.log, { "[vorn] set_mode: failed to resize window", "[vorn] entering main loop" }));
}

TEST(DisplayMode, EveryReadOfModesListsTheDeviceAfreshAndAFailedListingIsLogged)
{
    RunResult run;
    const Lines calls = Calls("local function show(list)\n"
                              "  local text = {}\n"
                              "  for i, m in ipairs(list) do\n"
                              "    text[i] = m.width .. 'x' .. m.height .. 'x' .. m.depth .. '@' .. "
                              "m.refresh .. (m.windowed and 'w' or 'f')\n"
                              "  end\n"
                              "  print(#list, table.concat(text, ' '))\n"
                              "end\n"
                              "local a, b = display.modes, display.modes\n"
                              "print(a ~= b, a[1] ~= b[1], tolua.type(a[1]))\n"
                              "a[1].width = 1\n"
                              "show(b)\n"
                              "local config = io.open('testplugins.cfg', 'a') "
                              "config:write('video.enumeratemodes = fail\\n') config:close()\n"
                              "show(display.modes)\n",
        "video EnumerateModes", &run, "video.modes = 640x480x32@60 windowed; 800x600x16@75 fullscreen\n");
    // What was listed before the failure is kept.
    EXPECT_EQ("true\ttrue\tDisplayMode\n2\t640x480x32@60w 800x600x16@75f\n2\t640x480x32@60w 800x600x16@75f\n",
        run.out);
    EXPECT_TRUE(
        ContainsRun(run.log, { "[vorn] EnumerateDisplayModes failed.", "[vorn] entering main loop" }));
    // The display names its device by the handle it was opened with.
    EXPECT_TRUE(SameLines(
        calls, { "video EnumerateModes 101", "video EnumerateModes 101", "video EnumerateModes 101" }));
}

TEST(DisplayMode, TheErrorBoxShowsAFullScreenGameInAWindowAndReturnsOnOk)
{
    const std::string main = "display:create('Game', 800, 600, 32, false)\nError('shown over a window')\n"
                             "print('after the box')\ndisplay:destroy()\n";
    const std::string full = "video SetMode window 800x600x32@60 fullscreen";
    const std::string windowed = "video SetMode window 800x600x32@60 windowed";
    RunResult run;
    EXPECT_TRUE(SameLines(Calls(main, "video SetMode", &run), { full, windowed, full }));
    EXPECT_EQ("after the box\n", run.out);
    // Cancel ends the run in the window: full screen is not restored.
    EXPECT_TRUE(SameLines(Calls(main, "video SetMode", &run, "", "cancel"), { full, windowed }));
    EXPECT_EQ("", run.out);
}

} // namespace
