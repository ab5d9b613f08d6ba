// The game window on a real X server (a private Xvfb) with the SDL plugins: window events and
// their order, close requests with and without on_close, and a presented frame captured to PNG.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "DisplayGame.h"
#include "XSession.h"

namespace {

using namespace displaytest;
using vorntest::GameFolder;
using vorntest::RunningGame;
using vorntest::XServer;

// Notes every display callback in events.txt as it happens, so the test can follow the run.
// on_close refuses the first request and accepts the second.
constexpr const char* kEventScript
    = "local log = io.open('events.txt', 'w')\n"
      "local function note(text) log:write(text, '\\n') log:flush() end\n"
      "for _, name in ipairs({'on_create', 'on_destroy', 'on_gainfocus', 'on_losefocus', 'on_suspend',\n"
      "                       'on_unsuspend', 'on_resize'}) do\n"
      "  display[name] = function(d) note(d == display and name or 'wrong display') end\n"
      "end\n"
      "closes = 0\n"
      "display.on_close = function()\n"
      "  closes = closes + 1\n"
      "  note('on_close ' .. closes)\n"
      "  if closes == 2 then return true end\n"
      "end\n"
      "note('create ' .. tostring(display:create('Vorn events', 640, 480, 32, true)))\n";

// The whole contents of a file outside the game folder.
std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// How many lines of the game's `file` equal `line`.
size_t CountLines(const GameFolder& game, const std::string& file, const std::string& line)
{
    const Lines lines = game.ReadLines(file);
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

// Waits until `file` holds `line` at least `count` times.
bool WaitForLines(const GameFolder& game, const std::string& file, const std::string& line, size_t count = 1)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (CountLines(game, file, line) < count) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

TEST(DisplayX11, WindowEventsReachTheCallbacksInOrderAndOnCloseDecides)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua", kEventScript);
    RunningGame run(game, server.Options());
    ASSERT_TRUE(WaitForLines(game, "events.txt", "create true")) << game.Read("events.txt");
    const unsigned long window = server.FindWindow("Vorn events");
    ASSERT_NE(0u, window);
    const std::string id = std::to_string(window);

    // The client area is the mode's size, inside a nominal frame placed at the origin.
    std::string geometry;
    ASSERT_TRUE(server.XdoTool("getwindowgeometry " + id, &geometry));
    EXPECT_NE(std::string::npos, geometry.find("Position: 4,23")) << geometry;
    EXPECT_NE(std::string::npos, geometry.find("Geometry: 640x480")) << geometry;

    ASSERT_TRUE(server.XdoTool("windowfocus --sync " + id));
    ASSERT_TRUE(WaitForLines(game, "events.txt", "on_gainfocus")) << game.Read("events.txt");
    // A user move, then a user resize: each is one suspend, unsuspend, resize.
    ASSERT_TRUE(server.XdoTool("windowmove --sync " + id + " 100 80"));
    ASSERT_TRUE(WaitForLines(game, "events.txt", "on_resize", 1)) << game.Read("events.txt");
    ASSERT_TRUE(server.XdoTool("windowsize --sync " + id + " 700 500"));
    ASSERT_TRUE(WaitForLines(game, "events.txt", "on_resize", 2)) << game.Read("events.txt");

    // The first close request is refused (on_close returns nothing): the window stays.
    ASSERT_TRUE(server.RequestClose(window));
    ASSERT_TRUE(WaitForLines(game, "events.txt", "on_close 1")) << game.Read("events.txt");
    EXPECT_TRUE(run.Running());
    EXPECT_NE(0u, server.FindWindow("Vorn events", std::chrono::milliseconds(500)));
    // The second is accepted: the window closes and the run ends through the usual finalisation.
    ASSERT_TRUE(server.RequestClose(window));
    const auto result = run.Finish();
    ASSERT_FALSE(result.timedOut) << result.Describe();
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", result.log.back());
    EXPECT_TRUE(vorntest::ContainsInOrder(result.log,
        { "[vorn] entering main loop", "[vorn] finalization started.", "[vorn] releasing mouse...",
            "[vorn] releasing keyboard...", "[vorn] releasing video...", "[vorn] lua state released." }));

    const Lines expected = { "on_create", "create true", "on_gainfocus", "on_suspend", "on_unsuspend",
        "on_resize", "on_suspend", "on_unsuspend", "on_resize", "on_close 1", "on_close 2", "on_destroy" };
    Lines events = game.ReadLines("events.txt");
    // Focus may come and go as the server maps the window; only the order of the rest is fixed.
    events.erase(std::remove(events.begin(), events.end(), "on_losefocus"), events.end());
    events.erase(std::unique(events.begin(), events.end()), events.end());
    EXPECT_TRUE(vorntest::SameLines(events, expected));
}

TEST(DisplayX11, APresentedFrameIsTheModesSizeInBlackAndACloseWithoutOnCloseEndsTheRun)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua", "display:create('Vorn frame', 320, 200, 32, true)\n");
    RunningGame run(game, server.Options().Env("VORN_CAPTURE_FRAMES", "2"));
    ASSERT_TRUE(run.WaitForLog("[vorn] entering main loop"));
    const unsigned long window = server.FindWindow("Vorn frame");
    ASSERT_NE(0u, window);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (game.Read("frame-2.png").empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(server.RequestClose(window));
    const auto result = run.Finish();
    ASSERT_FALSE(result.timedOut) << result.Describe();
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", result.log.back());

    SDL_Surface* loaded = IMG_Load((game.Path() / "frame-2.png").c_str());
    ASSERT_NE(nullptr, loaded) << IMG_GetError();
    SDL_Surface* frame = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(320, frame->w);
    EXPECT_EQ(200, frame->h);
    int coloured = 0;
    for (int y = 0; y < frame->h; ++y) {
        const auto* row = static_cast<const Uint8*>(frame->pixels) + y * frame->pitch;
        for (int x = 0; x < frame->w; ++x)
            if (row[4 * x] != 0 || row[4 * x + 1] != 0 || row[4 * x + 2] != 0)
                ++coloured;
    }
    SDL_FreeSurface(frame);
    EXPECT_EQ(0, coloured);
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

// The bundled game as built into the game folder: it opens its window with a title saying what
// arrived last, and closing the window ends it.
TEST(DisplayX11, TheBundledGameOpensItsWindowAndClosingItEndsTheGame)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.Write("Scripts/main.lua", ReadFile(vorntest::VornBinary().parent_path() / "Scripts" / "main.lua"));
    RunningGame run(game, server.Options());
    const unsigned long window = server.FindWindow("Vorn - key - - mouse 0, 0 - button -");
    ASSERT_NE(0u, window);
    ASSERT_TRUE(server.RequestClose(window));
    const auto result = run.Finish();
    ASSERT_FALSE(result.timedOut) << result.Describe();
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_EQ("start: Vorn - key - - mouse 0, 0 - button -\nVorn: window closed\n", result.out);
}

// Waits until the window's title contains `part`; the title it last saw goes to *title.
bool WaitForTitle(const XServer& server, unsigned long window, const std::string& part, std::string* title)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < deadline) {
        if (server.XdoTool("getwindowname " + std::to_string(window), title)
            && title->find(part) != std::string::npos)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// Keys, the pointer and its buttons reach the bundled game's title; Escape ends the game.
TEST(DisplayX11, TheBundledGameShowsKeysAndTheMouseAndEndsOnEscape)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.Write("Scripts/main.lua", ReadFile(vorntest::VornBinary().parent_path() / "Scripts" / "main.lua"));
    RunningGame run(game, server.Options());
    const unsigned long window = server.FindWindow("Vorn - key - - mouse 0, 0 - button -");
    ASSERT_NE(0u, window);
    const std::string id = std::to_string(window);
    ASSERT_TRUE(server.XdoTool("windowfocus --sync " + id));
    std::string title;
    ASSERT_TRUE(server.XdoTool("key --window " + id + " a"));
    EXPECT_TRUE(WaitForTitle(server, window, "key KEY_A", &title)) << title;
    // 20 pixels right of and 10 above the client area's centre: display coordinates (20, 10).
    ASSERT_TRUE(server.XdoTool("mousemove --window " + id + " 340 230"));
    EXPECT_TRUE(WaitForTitle(server, window, "mouse 20, 10", &title)) << title;
    ASSERT_TRUE(server.XdoTool("click --window " + id + " 1"));
    EXPECT_TRUE(WaitForTitle(server, window, "button MBUTTON_LEFT", &title)) << title;
    ASSERT_TRUE(server.XdoTool("key --window " + id + " Escape"));
    const auto result = run.Finish();
    ASSERT_FALSE(result.timedOut) << result.Describe();
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_NE(std::string::npos, result.out.find("key: Vorn - key KEY_ESCAPE")) << result.out;
    EXPECT_NE(std::string::npos, result.out.find("Vorn: window closed")) << result.out;
}

} // namespace
