// Start-up through the real binary: banner, settings and default plugins, default devices and
// their globals, the command-line forms, and a run whose script makes no window.
#include <gtest/gtest.h>

#include "HostLines.h"

namespace {

using namespace hosttest;
using vorntest::ContainsInOrder;
using vorntest::ContainsRun;
using vorntest::GameFolder;
using vorntest::LacksLine;
using vorntest::RunOptions;
using vorntest::SameLines;

// Prints the registered type of each device global (or nil) on one line.
constexpr const char* kPrintGlobals =
    "local function t(v) return v == nil and 'nil' or tolua.type(v) end\n"
    "io.write(t(display), ' ', t(keyboard), ' ', t(mouse), ' ', t(joystick), ' ', t(audio), '\\n')\n";

TEST(Startup, NoSettingsLoadsTheDefaultPluginsAndRunsWithoutAFrame)
{
    GameFolder game;
    StandardGame(game, kPrintGlobals);
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(SameLines(run.log,
        StandardStart() + Lines{kEngineInitialized, kEnteringMainLoop} + NormalEnd(AllDevicesReleased())));
    EXPECT_EQ("LuaDisplay LuaKeyboard LuaMouse LuaJoystick LuaAudio\n", run.out);
    // Without a window no frame runs: no plugin update, no poll, no render.
    const auto calls = game.ReadLines("testplugins.calls");
    for (const char* call :
        {"video Update", "input Update", "audio Update", "input Poll 116", "video BeginFrame"})
        EXPECT_TRUE(LacksLine(calls, call));
}

TEST(Startup, SettingsChooseModulesAndEmptyValuesFallBackToTheDefault)
{
    GameFolder game;
    StandardGame(game, "");
    game.CopyTestPlugin("TestVideo.so", "Plugins/Other Video.so");
    game.WriteSettings("[Video]\n  PLUGIN =  Plugins\\Other Video.DLL  \n[audio]\nplugin=\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(ContainsRun(run.log,
        {kBanner, "[vorn] plugin [Plugins\\Other Video.DLL] loaded",
            "[vorn] plugin [Plugins\\VornDI8.dll] loaded", "[vorn] plugin [Plugins\\VornDS8.dll] loaded"}));
}

TEST(Startup, DeviceLinesAndGlobalsFollowWhatThePluginsReport)
{
    GameFolder game;
    StandardGame(game, kPrintGlobals);
    game.Write("testplugins.cfg",
        "video.default = none\nkeyboard.open = fail\nmouse.default = Second Mouse\n"
        "joystick.default = none\naudio.open = fail\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(SameLines(run.log,
        Lines{kBanner} + DefaultPluginsLoaded() +
            Lines{"[vorn] no default video found.", "[vorn] found default keyboard [Test Keyboard]",
                "[vorn] failed to initialize keyboard.", "[vorn] found default mouse [Second Mouse]",
                "[vorn] no default joystick found.", "[vorn] found default audio [Test Audio]",
                "[vorn] failed to initialize audio.", "[vorn] will load file [Scripts/main.lua]",
                kEngineInitialized, kEnteringMainLoop} +
            NormalEnd({"[vorn] releasing mouse..."})));
    EXPECT_EQ("nil nil LuaMouse nil nil\n", run.out);
    // Only the opened device is released, with the handle it was opened with.
    const auto calls = game.ReadLines("testplugins.calls");
    EXPECT_TRUE(
        ContainsInOrder(calls, {"input OpenDevice 'Second Mouse' -> 117", "input ReleaseDevice 117"}));
    EXPECT_TRUE(LacksLine(calls, "input ReleaseDevice 116"));
}

TEST(Startup, ClassesAreRegisteredWithTheirNamesTypesAndBases)
{
    GameFolder game;
    StandardGame(game,
        "local function check(obj, class, base)\n"
        "  io.write(tostring(getmetatable(obj) == class), ' ', tostring(getmetatable(class) == base), "
        "'\\n')\n"
        "end\n"
        "local none = getmetatable(LuaInputDevice)\n"  // what a class without a base inherits
        "check(display, Display, none)\n"
        "check(keyboard, Keyboard, LuaInputDevice)\n"
        "check(mouse, Mouse, LuaInputDevice)\n"
        "check(joystick, Joystick, LuaInputDevice)\n"
        "check(audio, Audio, none)\n"
        "io.write(tostring(rawget(Display, 'new')), ' ', tostring(rawget(Keyboard, 'new_local')), '\\n')\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("true true\ntrue true\ntrue true\ntrue true\ntrue true\nnil nil\n", run.out);
}

TEST(Startup, AFailedPluginLeavesItsDevicesMissing)
{
    GameFolder game;
    StandardGame(game, kPrintGlobals);
    game.Write("testplugins.cfg", "input.factory = null\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(ContainsRun(run.log,
        {"[vorn] plugin [Plugins\\VornDX8.dll] loaded", "[vorn] Failed to create interface object.",
            "[vorn] plugin [Plugins\\VornDS8.dll] loaded", "[vorn] found default video [Test Video]",
            "[vorn] no default keyboard found.", "[vorn] no default mouse found.",
            "[vorn] no default joystick found.", "[vorn] found default audio [Test Audio]"}));
    EXPECT_TRUE(ContainsRun(run.log, NormalEnd({"[vorn] releasing audio...", "[vorn] releasing video..."})));
    EXPECT_EQ("LuaDisplay nil nil nil LuaAudio\n", run.out);
}

// The command-line forms: the path logged and loaded, and the script that actually ran.
TEST(Startup, CommandLineForms)
{
    GameFolder game;
    StandardGame(game, "io.write('default script\\n')\n");
    game.Write("my game/start script.lua", "io.write('spaced script\\n')\n");

    struct Case {
        std::vector<std::string> args;
        std::string ran;      // what the script wrote
        std::string runLine;  // the path in the "will run script" line (with arguments only)
        std::string loaded;
    };
    const Case cases[] = {
        {{}, "default script\n", "", "Scripts/main.lua"},
        {{"\"my game/start script.lua\""}, "spaced script\n", "my game/start script.lua",
            "my game/start script.lua"},
        {{"my game/start", "script.lua"}, "spaced script\n", "my game/start script.lua",
            "my game/start script.lua"},
        {{"\"\""}, "default script\n", "", "Scripts/main.lua"},
        {{""}, "default script\n", "", "Scripts/main.lua"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.empty() ? std::string("no argument") : c.args[0]);
        RunOptions options;
        options.args = c.args;
        const auto run = game.Run(options);
        ASSERT_EQ(0, run.exitCode) << run.Describe();
        EXPECT_EQ(c.ran, run.out);
        // The line after the banner: the path taken from the tail, or (no argument) the first plugin.
        const std::string second =
            c.args.empty() ? DefaultPluginsLoaded()[0] : "[vorn] will run script [" + c.runLine + "]";
        ASSERT_GE(run.log.size(), 2u) << run.Describe();
        EXPECT_TRUE(SameLines({run.log[0], run.log[1]}, {kBanner, second}));
        EXPECT_TRUE(ContainsRun(run.log, {"[vorn] will load file [" + c.loaded + "]", kEngineInitialized}));
    }
}

}  // namespace
