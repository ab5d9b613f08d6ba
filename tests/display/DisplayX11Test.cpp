// The game window on a real X server (a private Xvfb) with the SDL plugins: the window events and
// their order, close requests with and without on_close, the screen's modes, a refused mode and the
// window's place, a presented frame captured to PNG.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <algorithm>

#include "LogMatch.h"
#include "XSession.h"

namespace {

using namespace vorntest;

// Waits until the game has printed `line` at least `count` times.
bool Printed(const RunningGame& run, const std::string& line, long count = 1)
{
    return WaitUntil([&] {
        const Lines printed = run.Printed();
        return std::count(printed.begin(), printed.end(), line) >= count;
    });
}

TEST(DisplayX11, WindowEventsReachTheCallbacksInOrderAndOnCloseDecides)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    // Prints every display callback as it happens; on_close refuses the first request only.
    game.WriteScript("main.lua",
        "local function note(text) print(text) io.stdout:flush() end\n"
        "for _, name in ipairs({'on_create', 'on_destroy', 'on_gainfocus', 'on_losefocus', 'on_suspend',\n"
        "                       'on_unsuspend', 'on_resize'}) do\n"
        "  display[name] = function(d) note(d == display and name or 'wrong display') end\n"
        "end\n"
        "closes = 0\n"
        "display.on_close = function() closes = closes + 1 note('on_close ' .. closes) return closes == 2 or "
        "nil end\n"
        "note('create ' .. tostring(display:create('Vorn events', 640, 480, 32, true)))\n");
    RunningGame run(game, server.Options());
    ASSERT_TRUE(Printed(run, "create true"));
    const unsigned long window = server.FindWindow("Vorn events");
    ASSERT_NE(0u, window);
    const std::string id = std::to_string(window);
    ASSERT_TRUE(server.XdoTool("windowfocus --sync " + id));
    ASSERT_TRUE(Printed(run, "on_gainfocus"));
    // A user move, then a user resize: each is one suspend, unsuspend, resize.
    ASSERT_TRUE(server.XdoTool("windowmove --sync " + id + " 100 80"));
    ASSERT_TRUE(Printed(run, "on_resize"));
    ASSERT_TRUE(server.XdoTool("windowsize --sync " + id + " 700 500"));
    ASSERT_TRUE(Printed(run, "on_resize", 2));
    // The first close request is refused: the window stays. The second closes it and ends the run.
    ASSERT_TRUE(server.RequestClose(window));
    ASSERT_TRUE(Printed(run, "on_close 1"));
    ASSERT_TRUE(server.RequestClose(window));
    const auto result = run.Finish();
    ASSERT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_TRUE(ContainsInOrder(result.log, { "[vorn] entering main loop", "[vorn] finalization started." }));
    Lines events = SplitLines(result.out);
    // Focus may come and go as the server maps the window; only the order of the rest is fixed.
    events.erase(std::remove(events.begin(), events.end(), "on_losefocus"), events.end());
    events.erase(std::unique(events.begin(), events.end()), events.end());
    EXPECT_TRUE(SameLines(events,
        { "on_create", "create true", "on_gainfocus", "on_suspend", "on_unsuspend", "on_resize", "on_suspend",
            "on_unsuspend", "on_resize", "on_close 1", "on_close 2", "on_destroy" }));
}

// The screen's modes are listed; a full-screen mode larger than any is refused, logged, and the
// window fitted back to its mode; a presented frame is that mode's size.
TEST(DisplayX11, ModesAreTheScreensAndAPresentedFrameIsTheModesSizeInBlack)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua",
        "display:create('Vorn frame', 320, 200, 32, true)\n"
        "local m = DisplayMode()\n"
        "m.width, m.height, m.depth = 16000, 16000, 32\n"
        "print(#display.modes > 0, display.modes[1].depth, display:set_mode(m))\n");
    RunningGame run(game, server.Options().Env("VORN_CAPTURE_FRAMES", "2"));
    const unsigned long window = server.FindWindow("Vorn frame");
    ASSERT_NE(0u, window);
    ASSERT_TRUE(WaitUntil([&] { return !game.Read("frame-2.png").empty(); }));
    std::string geometry; // the mode's size at the origin, inside a nominal frame: fitted back
    ASSERT_TRUE(server.XdoTool("getwindowgeometry " + std::to_string(window), &geometry));
    EXPECT_NE(std::string::npos, geometry.find("Position: 4,23 (screen: 0)\n  Geometry: 320x200"))
        << geometry;
    ASSERT_TRUE(server.RequestClose(window));
    const auto result = run.Finish();
    ASSERT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_EQ("true\t24\tfalse\n", result.out);
    EXPECT_TRUE(ContainsInOrder(result.log,
        { "[vorn] set_mode [16000 x 16000 x 32 @ 0Hz fs] failed.", "[vorn] entering main loop",
            "[vorn] finalization started." }));
    SDL_Surface* loaded = IMG_Load((game.Path() / "frame-2.png").c_str());
    ASSERT_NE(nullptr, loaded) << IMG_GetError();
    SDL_Surface* frame = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(loaded);
    EXPECT_EQ("320x200", std::to_string(frame->w) + "x" + std::to_string(frame->h));
    const auto* pixels = static_cast<const Uint8*>(frame->pixels);
    EXPECT_TRUE(
        std::all_of(pixels, pixels + frame->pitch * frame->h, [](Uint8 value) { return value == 0; }));
    SDL_FreeSurface(frame);
}

// A destroyed window is freed at once, not kept hidden: the script looks for it on the X server
// right after destroy() returns.
TEST(DisplayX11, ADestroyedWindowIsGoneFromTheServerAtOnce)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua",
        "display:create('Vorn freed', 160, 120, 32, true)\n"
        "os.execute(\"xdotool search --name '^Vorn freed$' > before.txt\")\n"
        "display:destroy()\n"
        "os.execute(\"xdotool search --name '^Vorn freed$' > after.txt\")\n");
    const auto result = game.Run(server.Options());
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_FALSE(game.Read("before.txt").empty()) << "the window existed";
    EXPECT_EQ("", game.Read("after.txt"));
}

} // namespace
