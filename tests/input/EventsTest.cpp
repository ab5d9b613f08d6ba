// Input through the real binary with the test input plugin scripting, frame by frame, what no
// real device produces on demand: several events in one frame, failing reads, joystick axes.
// Keys, buttons, motion and the wheel of real devices are tested on X (XInputTest.cpp).
#include <gtest/gtest.h>

#include "GameRun.h"
#include "LogMatch.h"

namespace {

using namespace vorntest;

// Runs `script` in a 640x480 window that a 1 ms timer destroys at its 20th tick (20 frames at
// least), `config` as testplugins.cfg, error boxes answered OK; the run in *run, the recorded calls
// of frame `frame` (from its "input Update" on, from 1; every call when 0).
Lines RunInWindow(const std::string& config, const std::string& script, RunResult* run, int frame = 0)
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.Write("testplugins.cfg", config);
    game.WriteScript("main.lua",
        "assert(display:create('input test', 640, 480, 32, true))\n"
        "local ticks = 0\n"
        "Ender = Timer()\n"
        "Ender.on_tick = function() ticks = ticks + 1 if ticks == 20 then display:destroy() end end\n"
        "Ender:start(1, true)\n"
            + script);
    *run = game.Run(RunOptions().Env("VORN_MESSAGEBOX", "ok"));
    Lines calls;
    int seen = 0;
    for (const auto& line : game.ReadLines("testplugins.calls")) {
        seen += line == "input Update" ? 1 : 0;
        if (frame == 0 || seen == frame)
            calls.push_back(line);
    }
    return calls;
}

TEST(InputEvents, ButtonEventsArriveInOrderAndAreReadOnlyWhileACallbackListens)
{
    RunResult run;
    const Lines calls = RunInWindow("keyboard.events.2 = 45+;45-;72+\nkeyboard.events.3 = "
                                    "72-;46+\nmouse.events.2 = 108+\njoystick.events.2 = 112+\n",
        "keyboard.on_press = function(code) print('press', code) if code == 72 then keyboard.on_press = nil "
        "end end\n"
        "keyboard.on_release = function(code) print('release', code) end\n"
        "mouse.on_release = print\n",
        &run);
    // The press after on_press was cleared is dropped, and nothing is reported.
    EXPECT_EQ("press\t45\nrelease\t45\npress\t72\nrelease\t72\n", run.out);
    EXPECT_TRUE(run.Boxes().empty()) << run.err;
    EXPECT_TRUE(ContainsRun(calls, { "input Events 117" })) << "on_release alone makes the mouse read";
    EXPECT_TRUE(LacksLine(calls, "input Events 118")) << "a joystick without callbacks is not read";
}

TEST(InputEvents, AFailedReadDiscardsItsEventsAndEndsTheDevicesFrame)
{
    RunResult run;
    const Lines frame2
        = RunInWindow("keyboard.events.2 = 45+;45-\nkeyboard.eventsfail = 2\nkeyboard.events.3 = 46+\n"
                      "joystick.eventsfail = 2\njoystick.axis3 = 100\n",
            "keyboard.on_press = function(code) print('press', code) end\n"
            "keyboard.on_release = function(code) print('release', code) end\n"
            "joystick.on_press = print\n",
            &run, 2);
    EXPECT_EQ("press\t46\n", run.out);
    EXPECT_TRUE(ContainsInOrder(frame2, { "input Events 116", "input Poll 118", "input Events 118" }));
    EXPECT_TRUE(LacksLine(frame2, "input Axis 118 3")) << "the joystick's frame stops at the failed read";
}

TEST(InputEvents, JoystickAxesAreScaledToOneAtFullDeflectionWithYPointingUp)
{
    // x and y held at full deflection from the first frame; z reads only in frame 5.
    RunResult run;
    RunInWindow("joystick.axis3 = -32768\njoystick.axis4 = 32767\njoystick.axis5.5 = 16384\n",
        "moves = 0\n"
        "joystick.on_move = function(x, y)\n"
        "  print('move', x, y, joystick.xaxis, joystick.yaxis)\n"
        "  moves = moves + 1\n"
        "  if moves == 1 then joystick.xaxis = 0 end\n" // differs from the reading: moves again
        "end\n"
        "joystick.on_rotate = function(z) print('rotate', z, joystick.zaxis) end\n",
        &run);
    const std::string move = "move\t-32768\t32767\t-1\t-0.99996948242188\n"; // print's %.14g
    EXPECT_EQ(move + move + "rotate\t16384\t0.5\n", run.out);
}

} // namespace
