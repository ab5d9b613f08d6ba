// Plugin loading through the real binary: a module that cannot be loaded ends the process after
// the box; a missing factory, a null object or a failed initialisation leave that kind missing.
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

TEST(PluginLoading, AMissingModuleEndsTheProcessAfterTheBoxWhateverTheAnswer)
{
    GameFolder game;
    StandardGame(game, "io.write('script ran\\n')\n");
    game.WriteSettings("[input]\nplugin=Plugins\\Missing.dll\n");
    // "" leaves VORN_MESSAGEBOX unset: there is no display to show a box on, so it is Cancel.
    for (const std::string answer : {"ok", "cancel", ""}) {
        SCOPED_TRACE("VORN_MESSAGEBOX=" + answer);
        const auto run =
            game.Run(answer.empty() ? RunOptions() : RunOptions().Env("VORN_MESSAGEBOX", answer));
        ASSERT_EQ(0, run.exitCode) << run.Describe();
        EXPECT_TRUE(SameLines(run.log,
            {kBanner, "[vorn] plugin [Plugins\\VornDX8.dll] loaded",
                "[vorn] LoadLibrary Plugins\\Missing.dll failed"}));
        const auto boxes = run.Boxes();
        ASSERT_EQ(1u, boxes.size()) << run.Describe();
        EXPECT_EQ("Lua Error", boxes[0].title);
        EXPECT_EQ("Cannot find file Plugins\\Missing.dll" + kPrompt, boxes[0].text);
        EXPECT_EQ(answer == "ok" ? "OK" : "Cancel", boxes[0].answer);
        EXPECT_FALSE(boxes[0].shown);
        EXPECT_EQ("", run.out);
        // Nothing is finalised: the loaded video plugin is never shut down.
        EXPECT_TRUE(LacksLine(game.ReadLines("testplugins.calls"), "video Shutdown"));
        game.Write("testplugins.calls", "");
    }
}

TEST(PluginLoading, AModuleWithoutTheFactoryLeavesThatKindMissing)
{
    GameFolder game;
    StandardGame(game, "io.write(tostring(audio), '\\n')\n");
    game.CopyTestPlugin("TestNone.so", "Plugins/TestNone.so");
    game.WriteSettings("[audio]\nplugin=Plugins\\TestNone.dll\n");
    const auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(ContainsRun(run.log,
        {"[vorn] plugin [Plugins\\VornDI8.dll] loaded",
            "[vorn] Procedure CreateAudio not found in plugin Plugins\\TestNone.dll",
            "[vorn] found default video [Test Video]"}));
    EXPECT_TRUE(ContainsRun(
        run.log, {"[vorn] found default joystick [Test Joystick]", "[vorn] no default audio found."}));
    EXPECT_TRUE(ContainsRun(run.log,
        NormalEnd({"[vorn] releasing joystick...", "[vorn] releasing mouse...",
            "[vorn] releasing keyboard...", "[vorn] releasing video..."})));
    EXPECT_EQ("nil\n", run.out);
}

TEST(PluginLoading, ANullObjectOrAFailedInitialisationLeavesThatKindMissing)
{
    struct Case {
        std::string control;
        std::string line;
        std::vector<std::string> calls;  // the audio plugin's calls, in order
    };
    const Case cases[] = {
        {"audio.factory = null\n", "[vorn] Failed to create interface object.", {"audio CreateAudio"}},
        // The object is deleted at once; it is never shut down, since it never started.
        {"audio.initialize = fail\n", "[vorn] Failed to Initialize interface object.",
            {"audio CreateAudio", "audio Initialize", "audio Destroy"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        GameFolder game;
        StandardGame(game, "io.write(tostring(audio), '\\n')\n");
        game.Write("testplugins.cfg", c.control);
        const auto run = game.Run();
        ASSERT_EQ(0, run.exitCode) << run.Describe();
        EXPECT_TRUE(ContainsRun(run.log,
            {"[vorn] plugin [Plugins\\VornDI8.dll] loaded", c.line,
                "[vorn] found default video [Test Video]"}));
        EXPECT_TRUE(ContainsRun(
            run.log, {"[vorn] no default audio found.", "[vorn] will load file [Scripts/main.lua]"}));
        EXPECT_TRUE(LacksLine(run.log, "[vorn] releasing audio..."));
        EXPECT_TRUE(ContainsRun(run.log, PluginsUnloaded()));
        EXPECT_EQ("nil\n", run.out);
        Lines audioCalls;
        for (const auto& call : game.ReadLines("testplugins.calls"))
            if (call.rfind("audio ", 0) == 0)
                audioCalls.push_back(call);
        EXPECT_TRUE(SameLines(audioCalls, c.calls));
    }
}

}  // namespace
