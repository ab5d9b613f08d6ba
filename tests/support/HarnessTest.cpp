// The harness itself: the kill timer, exit codes and signals, the environment it builds, and the
// message-box records it reads from standard error.
#include <gtest/gtest.h>

#include <csignal>

#include "GameRun.h"
#include "LogMatch.h"

namespace {

using vorntest::GameFolder;
using vorntest::RunOptions;

TEST(Harness, AHangingRunIsKilledAtTheTimeout)
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.WriteScript("main.lua", "io.write('looping\\n') io.flush() while true do end\n");
    RunOptions options;
    options.timeout = std::chrono::milliseconds(3000);
    const auto run = game.Run(options);
    EXPECT_TRUE(run.timedOut);
    EXPECT_EQ(SIGKILL, run.signal);
    EXPECT_EQ(-1, run.exitCode);
    EXPECT_EQ("looping\n", run.out);
}

TEST(Harness, TheEnvironmentIsHeadlessAndOptionsApply)
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.WriteScript("main.lua",
        "for _, name in ipairs({'SDL_VIDEODRIVER', 'SDL_AUDIODRIVER', 'DISPLAY', 'VORN_EXTRA', 'HOME'}) do\n"
        "  io.write(name, '=', tostring(os.getenv(name)), '\\n')\n"
        "end\n"
        "os.exit(7)\n");
    const auto run =
        game.Run(RunOptions().Env("DISPLAY", ":99").Env("VORN_EXTRA", "1").Unset("HOME").Unset("DISPLAY"));
    EXPECT_EQ(7, run.exitCode);
    EXPECT_EQ("SDL_VIDEODRIVER=dummy\nSDL_AUDIODRIVER=dummy\nDISPLAY=nil\nVORN_EXTRA=1\nHOME=nil\n", run.out);
}

TEST(Harness, MessageBoxesAreReadFromStandardError)
{
    vorntest::RunResult run;
    run.err =
        "[vorn] a log line\n"
        "[messagebox] title: Lua Error\nfirst line\nsecond line\n[messagebox] answer: OK (not shown: x)\n"
        "[messagebox] title: Other\n\n[messagebox] answer: Cancel (shown)\n";
    const auto boxes = run.Boxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("Lua Error", boxes[0].title);
    EXPECT_EQ("first line\nsecond line", boxes[0].text);
    EXPECT_EQ("OK", boxes[0].answer);
    EXPECT_FALSE(boxes[0].shown);
    EXPECT_EQ("", boxes[1].text);
    EXPECT_EQ("Cancel", boxes[1].answer);
    EXPECT_TRUE(boxes[1].shown);
}

TEST(Harness, LineMatchers)
{
    const vorntest::Lines lines{"a", "b", "c", "d"};
    EXPECT_TRUE(vorntest::ContainsRun(lines, {"b", "c"}));
    EXPECT_FALSE(vorntest::ContainsRun(lines, {"b", "d"}));
    EXPECT_TRUE(vorntest::ContainsInOrder(lines, {"a", "d"}));
    EXPECT_FALSE(vorntest::ContainsInOrder(lines, {"d", "a"}));
    EXPECT_FALSE(vorntest::SameLines(lines, {"a", "b", "c"}));
    EXPECT_TRUE(vorntest::LacksLine(lines, "e"));
    EXPECT_EQ((vorntest::Lines{"c", "d"}), vorntest::LinesFrom(lines, "c"));
}

}  // namespace
