// Script errors through the real binary: the logged message and backtrace, the box, and what OK
// and Cancel lead to for a missing script, a compile error, a runtime error and `Error` itself.
#include <gtest/gtest.h>

#include "HostLines.h"

namespace {

using namespace hosttest;
using vorntest::ContainsRun;
using vorntest::GameFolder;
using vorntest::LacksLine;
using vorntest::LinesFrom;
using vorntest::RunOptions;
using vorntest::SameLines;

// Every box of the run is answered so.
RunOptions Answer(const std::string& answer)
{
    return RunOptions().Env("VORN_MESSAGEBOX", answer);
}

TEST(ErrorReporting, AMissingScriptIsSkippedOnOkAndEndsTheRunOnCancel)
{
    GameFolder game;
    StandardGame(game, "");
    const std::string message = "cannot open Scripts/missing.lua: No such file or directory";
    const Lines before = Lines{kBanner, "[vorn] will run script [Scripts/missing.lua]"} +
        DefaultPluginsLoaded() + AllDevicesFound() +
        Lines{"[vorn] will load file [Scripts/missing.lua]", message};

    auto run = game.Run(Answer("ok").Arg("Scripts/missing.lua"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    // No backtrace: no Lua function is active when the load fails.
    EXPECT_TRUE(SameLines(
        run.log, before + Lines{kEngineInitialized, kEnteringMainLoop} + NormalEnd(AllDevicesReleased())));
    ASSERT_EQ(1u, run.Boxes().size());
    EXPECT_EQ(message + kPrompt, run.Boxes()[0].text);

    run = game.Run(Answer("cancel").Arg("Scripts/missing.lua"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(SameLines(run.log, before + CancelEnd(AllDevicesReleased())));
}

TEST(ErrorReporting, ACompileErrorIsLoggedWithoutABacktrace)
{
    GameFolder game;
    StandardGame(game, "io.write('never')\nx = = 1\n");
    const auto run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    const std::string message = "Scripts/main.lua:2: unexpected symbol near '='";
    EXPECT_TRUE(ContainsRun(run.log,
        {"[vorn] will load file [Scripts/main.lua]", message, kEngineInitialized, kEnteringMainLoop}));
    EXPECT_TRUE(LacksLine(run.log, "Backtrace:"));
    ASSERT_EQ(1u, run.Boxes().size());
    EXPECT_EQ(message + kPrompt, run.Boxes()[0].text);
    EXPECT_EQ("", run.out);
}

// A runtime error in `update` (defined on line 8, failing on line 10, called on line 20).
constexpr const char* kFailingUpdate = "io.write('before\\n')\n"   // 1
                                       "\n\n\n\n\n\n"              // 2-7
                                       "function update()\n"       // 8
                                       "  local missing\n"         // 9
                                       "  return missing.field\n"  // 10
                                       "end\n"                     // 11
                                       "\n\n\n\n\n\n\n\n"          // 12-19
                                       "update()\n"                // 20
                                       "io.write('after\\n')\n";   // 21

TEST(ErrorReporting, ARuntimeErrorIsLoggedWithItsBacktraceAndOkGoesOn)
{
    GameFolder game;
    StandardGame(game, kFailingUpdate);
    const auto run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    const std::string message = "Scripts/main.lua:10: attempt to index local 'missing' (a nil value)";
    EXPECT_TRUE(SameLines(LinesFrom(run.log, kEngineInitialized),
        Lines{kEngineInitialized, message, "Backtrace:",
            "0. Call on line 10 from 'update' Lua function defined in 'Scripts/main.lua' on line 8",
            "1. Call on line 20 from Main chunk", kEnteringMainLoop} +
            NormalEnd(AllDevicesReleased())));
    ASSERT_EQ(1u, run.Boxes().size());
    EXPECT_EQ(message + kPrompt, run.Boxes()[0].text);
    EXPECT_EQ("before\n", run.out);
}

TEST(ErrorReporting, CancelFinalisesAndExitsWithCodeZero)
{
    GameFolder game;
    StandardGame(game, kFailingUpdate);
    const auto run = game.Run(Answer("cancel"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(SameLines(LinesFrom(run.log, "1. Call on line 20 from Main chunk"),
        Lines{"1. Call on line 20 from Main chunk"} + CancelEnd(AllDevicesReleased())));
    EXPECT_EQ("before\n", run.out);
    const auto calls = game.ReadLines("testplugins.calls");
    EXPECT_TRUE(SameLines(LinesFrom(calls, "audio ReleaseDevice 102"), AllReleaseCalls()));
}

TEST(ErrorReporting, TheStandardErrorFunctionAppearsAsANamedCFunction)
{
    GameFolder game;
    StandardGame(game, "local function fail()\n  error('broken')\nend\nfail()\n");
    const auto run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(ContainsRun(run.log,
        {"Scripts/main.lua:2: broken", "Backtrace:", "0. 'error' C function",
            "1. Call on line 2 from 'fail' Lua function defined in 'Scripts/main.lua' on line 1",
            "2. Call on line 4 from Main chunk", kEnteringMainLoop}));
}

TEST(ErrorReporting, ScriptsCallErrorAndGetTheirValueBackOnOk)
{
    GameFolder game;
    StandardGame(game,
        "local function report()\n"
        "  return Error('custom text')\n"
        "end\n"
        "io.write(report(), '\\n')\n"
        "io.write(type(Error(42)), ' ', tostring(Error(true)), ' ', tostring(Error()), '\\n')\n");
    const auto run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(ContainsRun(run.log,
        {kEngineInitialized, "custom text", "Backtrace:",
            "0. Call on line 2 from 'report' Lua function defined in 'Scripts/main.lua' on line 1",
            "1. Call on line 4 from Main chunk", "42", "Backtrace:", "0. Call on line 5 from Main chunk",
            "(error object is a boolean value)"}));
    EXPECT_EQ("custom text\nnumber true nil\n", run.out);
    const auto boxes = run.Boxes();
    ASSERT_EQ(4u, boxes.size());
    EXPECT_EQ("custom text" + kPrompt, boxes[0].text);
    EXPECT_EQ("42" + kPrompt, boxes[1].text);
    EXPECT_EQ("(error object is a boolean value)" + kPrompt, boxes[2].text);
    EXPECT_EQ("(error object is a nil value)" + kPrompt, boxes[3].text);
}

TEST(ErrorReporting, ErrorValuesWithoutTextAreDescribedByTheirType)
{
    GameFolder game;
    StandardGame(game,
        "local ok, e = pcall(error, {})\n"
        "error(setmetatable({}, {__tostring = function() error('nested') end}))\n");
    const auto run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(ContainsRun(run.log,
        {kEngineInitialized, "(error object is a table value)", "Backtrace:", "0. 'error' C function",
            "1. Call on line 2 from Main chunk", kEnteringMainLoop}));
}

// In full-screen mode the box switches the display to a windowed copy of its mode first and, on
// OK, back. Without a window (none exists before the window layer) each switch fails at fitting
// the window, which set_mode logs; the windowed case touches no mode at all.
TEST(ErrorReporting, FullScreenModeIsLeftForTheBoxAndRestoredOnOk)
{
    const std::string resizeFailed = "[vorn] set_mode: failed to resize window";
    GameFolder game;
    StandardGame(game, "error('in full screen')\n");
    game.Write("testplugins.cfg", "video.mode = 1024x768x32@75 fullscreen\n");
    auto run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(SameLines(LinesFrom(run.log, "1. Call on line 1 from Main chunk"),
        Lines{"1. Call on line 1 from Main chunk", resizeFailed, resizeFailed, kEnteringMainLoop} +
            NormalEnd(AllDevicesReleased())));

    run = game.Run(Answer("cancel"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(SameLines(LinesFrom(run.log, "1. Call on line 1 from Main chunk"),
        Lines{"1. Call on line 1 from Main chunk", resizeFailed} + CancelEnd(AllDevicesReleased())));

    game.Write("testplugins.cfg", "video.mode = 1024x768x32@75 windowed\n");
    run = game.Run(Answer("ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(LacksLine(run.log, resizeFailed));
    EXPECT_TRUE(
        ContainsRun(game.ReadLines("testplugins.calls"), {"video GetMode", "audio ReleaseDevice 102"}));
}

TEST(ErrorReporting, WithoutADisplayEveryBoxEndsTheProcess)
{
    GameFolder game;
    StandardGame(game, "error('no display here')\nio.write('continued')\n");
    game.Write("testplugins.cfg", "video.default = none\n");
    for (const std::string answer : {"ok", "cancel"}) {
        SCOPED_TRACE(answer);
        const auto run = game.Run(Answer(answer));
        ASSERT_EQ(0, run.exitCode) << run.Describe();
        EXPECT_TRUE(SameLines(LinesFrom(run.log, kEngineInitialized),
            {kEngineInitialized, "Scripts/main.lua:1: no display here", "Backtrace:", "0. 'error' C function",
                "1. Call on line 1 from Main chunk"}));
        EXPECT_EQ("", run.out);
        // Nothing is finalised.
        EXPECT_TRUE(LacksLine(game.ReadLines("testplugins.calls"), "input ReleaseDevice 116"));
        game.Write("testplugins.calls", "");
    }
}

}  // namespace
