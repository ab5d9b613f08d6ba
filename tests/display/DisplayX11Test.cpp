// The game window on a real X server (a private Xvfb) with the SDL plugins: the window events and
// their order, close requests with and without on_close, the screen's modes, a refused mode and the
// window's place, a presented frame captured to PNG.
#include <gtest/gtest.h>

#include <SDL_image.h>
#include <X11/Xlib.h>

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

// Warps the pointer back and forth at (100, 100) `count` times, as fast as the server takes it:
// every warp is a motion event for the window under it.
void FloodMotion(const std::string& display, int count)
{
    ::Display* x = XOpenDisplay(display.c_str());
    ASSERT_NE(nullptr, x);
    for (int i = 0; i < count; ++i)
        XWarpPointer(x, None, DefaultRootWindow(x), 0, 0, 0, 0, 100 + i % 2, 100);
    XSync(x, False);
    XCloseDisplay(x);
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

// A drag of twenty steps is one gesture: one suspend, then unsuspend and resize once it has ended.
// A move the script's own show() finds still queued is the user's too, not an echo of the show.
TEST(DisplayX11, ADragIsOneGestureAndAMoveQueuedBeforeShowIsKept)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua",
        "local function note(text) print(text) io.stdout:flush() end\n"
        "for _, name in ipairs({'on_suspend', 'on_unsuspend', 'on_resize'}) do\n"
        "  display[name] = function() note(name) end\n"
        "end\n"
        "display:create('Vorn drag', 320, 200, 32, true)\n"
        "poll = Timer(); poll.on_tick = function()\n"
        "  if not os.remove('go') then return end\n"
        "  os.execute(\"xdotool search --name '^Vorn drag$' windowmove --sync %1 300 200\")\n"
        "  display:show() note('shown')\n"
        "end\n"
        "poll:start(20, true)\n");
    RunningGame run(game, server.Options());
    const std::string id = std::to_string(server.FindWindow("Vorn drag"));
    ASSERT_TRUE(run.WaitForLog("entering main loop"));
    std::string drag;
    for (int step = 1; step <= 20; ++step)
        drag += " windowmove --sync " + id + " " + std::to_string(10 + 5 * step) + " 40 sleep 0.03";
    ASSERT_TRUE(server.XdoTool(drag.substr(1)));
    ASSERT_TRUE(Printed(run, "on_resize"));
    game.Write("go", "");
    ASSERT_TRUE(Printed(run, "on_resize", 2));
    ASSERT_TRUE(server.RequestClose(server.FindWindow("Vorn drag")));
    const auto result = run.Finish();
    EXPECT_TRUE(SameLines(SplitLines(result.out),
        { "on_suspend", "on_unsuspend", "on_resize", "shown", "on_suspend", "on_unsuspend", "on_resize" }));
}

// The screen's modes are listed; a full-screen mode larger than any is refused, logged, and the
// window fitted back to its mode; a presented frame is that mode's size. The plugins' own lines
// (here the renderer the video plugin chose) reach the log.
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
    EXPECT_TRUE(std::any_of(result.log.begin(), result.log.end(),
        [](const std::string& line) { return line.rfind("[VornDX8] drawing with the ", 0) == 0; }));
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

// Full screen takes only what the screen offers, and get_mode tells the mode in use: the screen's
// own record of it, not what was asked for.
TEST(DisplayX11, FullScreenTakesOnlyAModeTheScreenOffersAndGetModeTellsTheOneInUse)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua",
        "display:create('Vorn modes', 320, 200, 32, true)\n"
        "local m, d = DisplayMode(), DisplayMode()\n"
        "local function mode(x) return x.width .. 'x' .. x.height .. 'x' .. x.depth .. '@' .. x.refresh end\n"
        "m.width, m.height, m.depth, m.refresh, m.windowed = 1024, 768, 32, 75, false\n"
        "print(display:set_mode(m), display:get_mode(d), mode(d), d.windowed)\n"
        "local offered = display.modes[1]\n"
        "m.width, m.height, m.refresh = offered.width, offered.height, 0\n"
        "print(display:set_mode(m), display:get_mode(d), mode(d) == mode(offered), d.windowed)\n"
        "display:destroy()\n");
    const auto result = game.Run(server.Options());
    ASSERT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_EQ("false\ttrue\t320x200x32@60\ttrue\ntrue\ttrue\ttrue\tfalse\n", result.out);
    EXPECT_TRUE(ContainsInOrder(result.log, { "[vorn] set_mode [1024 x 768 x 32 @ 75Hz fs] failed." }));
}

// With no input plugin nobody reads the pointer's motion: more of it than the queue holds must not
// crowd out the close request that follows.
TEST(DisplayX11, AMotionFloodWithNoInputPluginLeavesRoomForTheCloseRequest)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.CopyTestPlugin("TestNone.so", "Plugins/TestNone.so");
    game.WriteSettings("[input]\nplugin=Plugins\\TestNone.dll\n");
    game.WriteScript("main.lua", "display:create('Vorn flood', 320, 200, 32, true)\n");
    RunningGame run(game, server.Options());
    const unsigned long window = server.FindWindow("Vorn flood");
    ASSERT_TRUE(window != 0 && run.WaitForLog("entering main loop"));
    FloodMotion(server.Display(), 80000);
    ASSERT_TRUE(server.RequestClose(window));
    const auto result = run.Finish();
    EXPECT_FALSE(result.timedOut) << result.Describe();
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", result.log.back());
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
