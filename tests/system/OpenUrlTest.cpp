// open_url through the real binary. The address goes to the desktop's opener: SDL starts xdg-open
// from the search path, so a stand-in xdg-open in the game folder records what it is given. It is
// started only by a display that can tell its mode; in full screen the game window first asks the
// window manager to iconify it, which a client watching the root window of a private X server sees.
#include <gtest/gtest.h>
#include <poll.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "GameRun.h"
#include "LogMatch.h"
#include "XSession.h"

// Last: Xlib's macros (None, Bool, Status) would clash with the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using vorntest::GameFolder;
using vorntest::RunOptions;

// Installs the stand-in opener, which appends its argument to opened.txt, and puts it first on the
// search path of the runs made with the options returned.
RunOptions WithOpener(const GameFolder& game, RunOptions options)
{
    game.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> opened.txt\n");
    std::filesystem::permissions(game.Path() / "bin/xdg-open", std::filesystem::perms::owner_all);
    return options.Env("PATH", (game.Path() / "bin").string() + ":/usr/bin:/bin")
        .Env("VORN_MESSAGEBOX", "cancel");
}

// The opener runs on its own after open_url has returned: wait for its line.
bool WaitForOpened(const GameFolder& game, const std::string& url)
{
    for (int tries = 0; tries < 750; ++tries, std::this_thread::sleep_for(std::chrono::milliseconds(20)))
        if (vorntest::ContainsInOrder(game.ReadLines("opened.txt"), { url }))
            return true;
    return false;
}

TEST(OpenUrl, OnlyADisplayThatKnowsItsModeOpensTheAddress)
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    const struct {
        const char* settings;
        const char* script;
    } runs[] = {
        { "video.default = none\n", "open_url('https://vorn.example/no-display')\n" },
        { "", "open_url('https://vorn.example/no-mode')\n" }, // GetMode fails until a mode is set
        { "video.mode = 640x480x32@60 windowed\n",
            "open_url(nil)\nopen_url('https://vorn.example/windowed')\n" },
    };
    for (const auto& step : runs) {
        game.Write("testplugins.cfg", step.settings);
        game.WriteScript("main.lua", step.script);
        const auto run = game.Run(WithOpener(game, RunOptions()));
        ASSERT_EQ(0, run.exitCode) << run.Describe();
        EXPECT_TRUE(run.Boxes().empty()) << run.Describe();
    }
    // The earlier runs' openers would have been started before the last run began.
    ASSERT_TRUE(WaitForOpened(game, "https://vorn.example/windowed"));
    EXPECT_TRUE(vorntest::SameLines(game.ReadLines("opened.txt"), { "https://vorn.example/windowed" }));
}

// Watches the root window of an X server for the requests a window makes to a window manager.
class RootWatcher {
public:
    explicit RootWatcher(const std::string& display)
        : x_(XOpenDisplay(display.c_str()))
    {
        if (x_ == nullptr)
            return;
        changeState_ = XInternAtom(x_, "WM_CHANGE_STATE", False);
        XSelectInput(x_, DefaultRootWindow(x_), SubstructureNotifyMask);
        XSync(x_, False);
    }
    ~RootWatcher()
    {
        if (x_ != nullptr)
            XCloseDisplay(x_);
    }
    RootWatcher(const RootWatcher&) = delete;
    RootWatcher& operator=(const RootWatcher&) = delete;

    bool Connected() const { return x_ != nullptr; }

    // Reads events until the top-level windows created since the last call are all destroyed (every
    // request their client made has been handled by then); returns how many requests to iconify a
    // window came in meanwhile, or -1 on timeout.
    int IconifyRequests()
    {
        std::set<Window> alive;
        bool created = false;
        int requests = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (std::chrono::steady_clock::now() < deadline) {
            while (XPending(x_) > 0) {
                XEvent event;
                XNextEvent(x_, &event);
                if (event.type == CreateNotify) {
                    alive.insert(event.xcreatewindow.window);
                    created = true;
                } else if (event.type == DestroyNotify) {
                    alive.erase(event.xdestroywindow.window);
                } else if (event.type == ClientMessage && event.xclient.message_type == changeState_
                    && event.xclient.data.l[0] == IconicState) {
                    ++requests;
                }
            }
            if (created && alive.empty())
                return requests;
            pollfd wait { ConnectionNumber(x_), POLLIN, 0 };
            poll(&wait, 1, 100);
        }
        return -1;
    }

private:
    Display* x_;
    Atom changeState_ = None;
};

TEST(OpenUrlX, AFullScreenWindowIsMinimisedAndAWindowedOneIsNot)
{
    vorntest::XServer server;
    RootWatcher watcher(server.Display());
    ASSERT_TRUE(watcher.Connected());
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    for (const std::string windowed : { "true", "false" }) {
        SCOPED_TRACE("windowed " + windowed);
        const std::string url = "https://vorn.example/windowed-" + windowed;
        game.WriteScript("main.lua",
            "assert(display:create('Vorn url', 640, 480, 32, " + windowed + "))\n"
                + "open_url(nil)\nopen_url('" + url + "')\ndisplay:destroy()\n");
        const auto run = game.Run(WithOpener(game, server.Options()));
        ASSERT_EQ(0, run.exitCode) << run.Describe();
        EXPECT_TRUE(run.Boxes().empty()) << run.Describe();
        EXPECT_EQ(watcher.IconifyRequests(), windowed == "true" ? 0 : 1);
        EXPECT_TRUE(WaitForOpened(game, url));
    }
}

} // namespace
