// The host through the real binary with the test plugins: start-up lines, settings and device
// globals, failing plugins and devices, script errors and their box, and the one check of the
// finalisation order. The command line's rules have their unit test.
#include <gtest/gtest.h>

#include "GameRun.h"
#include "LogMatch.h"

namespace {

using namespace vorntest;

const std::string kBanner = "[vorn] version [1.2.6] built on [May 25 2009 19:14:50] starting";
const std::string kInitialized = "[vorn] engine initialized, running lua global code...";
const std::string kMainLoop = "[vorn] entering main loop";
const std::string kPrompt = "\nPress OK to continue, Cancel to exit";

// A module path of exactly 255 characters (118 times "./"): the input plugin at its default place.
const std::string kLongInput = [] {
    std::string path;
    for (int i = 0; i < 118; ++i)
        path += "./";
    return path + "/Plugins/VornDI8.so";
}();

// Prints the registered type of each device global (or nil) on one line.
constexpr const char* kPrintGlobals
    = "local function t(v) return v == nil and 'nil' or tolua.type(v) end\n"
      "io.write(t(display), ' ', t(keyboard), ' ', t(mouse), ' ', t(joystick), ' ', t(audio), '\\n')\n";

// Runs `main` with the test plugins at the default paths, `control` as testplugins.cfg and
// `settings` as settings.ini (TestNone.so is at Plugins/TestNone.so).
RunResult RunGame(const GameFolder& game, const std::string& main, const std::string& control = "",
    const std::string& settings = "", const RunOptions& options = {})
{
    game.UseTestPluginsAsDefaults();
    game.CopyTestPlugin("TestNone.so", "Plugins/TestNone.so");
    game.CopyTestPlugin("TestVideo.so", "Plugins/Other Video.so");
    game.WriteScript("main.lua", main);
    game.Write("testplugins.cfg", control);
    game.WriteSettings(settings);
    return game.Run(options);
}

RunOptions Answer(const std::string& answer)
{
    return RunOptions().Env("VORN_MESSAGEBOX", answer);
}

// The one check of the finalisation order (devices released, then plugins unloaded) ends it.
// Settings: sections and keys match without regard to case, the first match counts, its value is
// trimmed, unquoted and cut to 255 characters; an empty value keeps the default; a key nobody
// reads is named once. Module paths are mapped to this system's.
TEST(Host, StartsWithThePluginsTheSettingsNameRunsNoFrameWithoutAWindowAndFinalisesInOrder)
{
    GameFolder game;
    const auto run = RunGame(game,
        std::string(kPrintGlobals)
            + "print(rawequal(getmetatable(display), Display), "
              "rawequal(getmetatable(Mouse), LuaInputDevice))\n",
        "",
        "; a comment\n[Video]\n  PLUGIN =  \"Plugins\\Other Video.DLL\"  "
        "\n[audio]\nplugin=\nvolume=1\n[video]\nplugin=x.dll\n[AUDIO]\nVolume=2\n[input]\nplugin="
            + kLongInput + "ignored\n");
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(SameLines(run.log,
        { kBanner, "[vorn] settings.ini: unknown key [audio] volume ignored",
            "[vorn] plugin [Plugins\\Other Video.DLL] loaded", "[vorn] plugin [" + kLongInput + "] loaded",
            "[vorn] plugin [Plugins\\VornDS8.dll] loaded", "[vorn] found default video [Test Video]",
            "[vorn] found default keyboard [Test Keyboard]", "[vorn] found default mouse [Test Mouse]",
            "[vorn] found default joystick [Test Joystick]", "[vorn] found default audio [Test Audio]",
            "[vorn] will load file [Scripts/main.lua]", kInitialized, kMainLoop,
            "[vorn] finalization started.", "[vorn] releasing audio...", "[vorn] releasing joystick...",
            "[vorn] releasing mouse...", "[vorn] releasing keyboard...", "[vorn] releasing video...",
            "[vorn] lua state released.", "[vorn] audio plugin unloaded", "[vorn] input plugin unloaded",
            "[vorn] video plugin unloaded", "[vorn] all interfaces released. Exitting." }));
    EXPECT_EQ("LuaDisplay LuaKeyboard LuaMouse LuaJoystick LuaAudio\ntrue\ttrue\n", run.out);
    const Lines calls = game.ReadLines("testplugins.calls");
    for (const char* call : { "video Update", "input Update", "audio Update", "video BeginFrame" })
        EXPECT_TRUE(LacksLine(calls, call));
    EXPECT_TRUE(SameLines(LinesFrom(calls, "audio ReleaseDevice 102"),
        { "audio ReleaseDevice 102", "input ReleaseDevice 118", "input ReleaseDevice 117",
            "input ReleaseDevice 116", "video ReleaseDevice 101", "audio Shutdown", "audio Destroy",
            "input Shutdown", "input Destroy", "video Shutdown", "video Destroy" }));
}

TEST(Host, AMissingOrFailingPluginOrDeviceLeavesItsGlobalsNil)
{
    // Only opened devices are released; a plugin that failed to start is deleted, never shut down.
    struct Case {
        std::string control, settings;
        Lines lines;
        std::string printed;
        Lines calls;
        std::string absent;
    };
    const Case cases[] = {
        { "video.default = none\nkeyboard.open = fail\njoystick.default = none\n",
            "[audio]\nplugin=Plugins\\TestNone.dll\n",
            { "[vorn] Procedure CreateAudio not found in plugin Plugins\\TestNone.dll",
                "[vorn] no default video found.", "[vorn] found default keyboard [Test Keyboard]",
                "[vorn] failed to initialize keyboard.", "[vorn] found default mouse [Test Mouse]",
                "[vorn] no default joystick found.", "[vorn] no default audio found." },
            "nil nil LuaMouse nil nil\n", { "input ReleaseDevice 117" }, "input ReleaseDevice 116" },
        { "input.factory = null\naudio.initialize = fail\n", "",
            { "[vorn] plugin [Plugins\\VornDX8.dll] loaded", "[vorn] Failed to create interface object.",
                "[vorn] Failed to Initialize interface object.", "[vorn] found default video [Test Video]",
                "[vorn] no default keyboard found." },
            "LuaDisplay nil nil nil nil\n", { "audio CreateAudio", "audio Initialize", "audio Destroy" },
            "audio Shutdown" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control + c.settings);
        GameFolder game;
        const auto run = RunGame(game, kPrintGlobals, c.control, c.settings);
        ASSERT_EQ(0, run.exitCode) << run.Describe();
        EXPECT_TRUE(ContainsRun(run.log, c.lines));
        EXPECT_EQ(c.printed, run.out);
        const auto calls = game.ReadLines("testplugins.calls");
        EXPECT_TRUE(ContainsRun(calls, c.calls));
        EXPECT_TRUE(LacksLine(calls, c.absent));
    }
}

TEST(Host, AModuleThatCannotBeLoadedEndsTheRunAfterTheBoxWhateverTheAnswer)
{
    // Without VORN_MESSAGEBOX there is no display to show the box on: it is Cancel.
    for (const auto& options : { Answer("ok"), RunOptions() }) {
        GameFolder game;
        const auto run = RunGame(
            game, "io.write('script ran')\n", "", "[input]\nplugin=Plugins\\Missing.dll\n", options);
        ASSERT_EQ(0, run.exitCode) << run.Describe();
        // Before the API's line, what was tried, where, and the loader's reason.
        EXPECT_TRUE(SameLines(run.log,
            { kBanner, "[vorn] plugin [Plugins\\VornDX8.dll] loaded",
                "[vorn] cannot load plugin [Plugins/Missing.so] from [" + game.Path().string()
                    + "]: Plugins/Missing.so: cannot open shared object file: No such file or directory",
                "[vorn] LoadLibrary Plugins\\Missing.dll failed" }));
        ASSERT_EQ(1u, run.Boxes().size()) << run.Describe();
        EXPECT_EQ("Lua Error", run.Boxes()[0].title);
        EXPECT_EQ("Cannot find file Plugins\\Missing.dll" + kPrompt, run.Boxes()[0].text);
        EXPECT_EQ("", run.out);
        EXPECT_TRUE(LacksLine(game.ReadLines("testplugins.calls"), "video Shutdown"))
            << "nothing is finalised";
    }
}

TEST(Host, ScriptErrorsAreLoggedWithTheirBacktraceAndShownInABox)
{
    GameFolder game;
    const auto run = RunGame(game,
        "local function fail()\n" // 1
        "  error('broken')\n" // 2
        "end\n" // 3
        "io.write(Error('custom'), ' ', type(Error(42)), '\\n')\n" // 4
        "Error(setmetatable({}, {__tostring = function() error('nested') end}))\n" // 5
        "fail()\n" // 6
        "io.write('never')\n",
        "", "", Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(ContainsRun(run.log,
        { kInitialized, "custom", "Backtrace:", "0. Call on line 4 from Main chunk", "42",
            "Backtrace:", "0. Call on line 4 from Main chunk", "(error object is a table value)",
            "Backtrace:", "0. Call on line 5 from Main chunk", "Scripts/main.lua:2: broken",
            "Backtrace:", "0. 'error' C function",
            "1. Call on line 2 from 'fail' Lua function defined in 'Scripts/main.lua' on line 1",
            "2. Call on line 6 from Main chunk", kMainLoop }));
    EXPECT_EQ("custom number\n", run.out);
    const auto boxes = run.Boxes();
    ASSERT_EQ(4u, boxes.size()) << run.Describe();
    EXPECT_EQ("42" + kPrompt, boxes[1].text);
    EXPECT_EQ("Scripts/main.lua:2: broken" + kPrompt, boxes[3].text);
}

TEST(Host, AScriptThatCannotBeLoadedIsReportedWithoutABacktraceAndNotRun)
{
    GameFolder game;
    auto run = RunGame(game, "io.write('never')\nx = = 1\n", "", "", Answer("ok").Arg("Scripts/missing.lua"));
    const std::string missing = "cannot open Scripts/missing.lua: No such file or directory";
    EXPECT_TRUE(ContainsInOrder(run.log,
        { kBanner, "[vorn] will run script [Scripts/missing.lua]",
            "[vorn] plugin [Plugins\\VornDX8.dll] loaded" }));
    EXPECT_TRUE(ContainsRun(
        run.log, { "[vorn] will load file [Scripts/missing.lua]", missing, kInitialized, kMainLoop }));
    ASSERT_EQ(1u, run.Boxes().size());
    EXPECT_EQ(missing + kPrompt, run.Boxes()[0].text);
    run = game.Run(Answer("ok"));
    EXPECT_TRUE(LacksLine(run.log, missing)) << "the log starts afresh";
    EXPECT_TRUE(
        ContainsRun(run.log, { "Scripts/main.lua:2: unexpected symbol near '='", kInitialized, kMainLoop }));
    EXPECT_TRUE(LacksLine(run.log, "Backtrace:"));
    EXPECT_EQ("", run.out);
}

TEST(Host, CancelFinalisesAndExitsAndWithoutADisplayEveryBoxEndsTheProcessAtOnce)
{
    GameFolder game;
    const std::string main = "io.write('before ')\nerror('stop')\nio.write('after')\n";
    auto run = RunGame(game, main, "", "", Answer("cancel"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("before ", run.out);
    EXPECT_TRUE(ContainsInOrder(run.log,
        { "1. Call on line 2 from Main chunk", "[vorn] releasing video...", "[vorn] video plugin unloaded",
            "exitting..." }));
    EXPECT_EQ("exitting...", run.log.back());
    run = RunGame(game, main, "video.default = none\n", "", Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("before ", run.out);
    EXPECT_EQ("1. Call on line 2 from Main chunk", run.log.back());
}

TEST(Host, RequireFindsTheGamesScriptsAfterLuasOwnPlaces)
{
    GameFolder game;
    game.WriteScript("util.lua", "return { answer = 42 }\n");
    const auto run
        = RunGame(game, "print(require('util').answer, package.path:find(';Scripts/%?%.lua$') ~= nil)\n");
    EXPECT_EQ("42\ttrue\n", run.out) << run.Describe();
}

TEST(Host, PrintIsWrittenALineAtATimeWhenRedirected)
{
    GameFolder game;
    const auto run = RunGame(game, "print('first')\nos.execute('cp .vorn-stdout seen.txt')\n");
    EXPECT_EQ("first\n", game.Read("seen.txt")) << run.Describe();
}

} // namespace
