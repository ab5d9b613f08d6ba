// The input devices against a real X server with the SDL plugins: keys, buttons, motion and wheel
// from xdotool reach the callbacks with the right codes, the cursor reads in display coordinates
// whatever the client size, set_cursor_pos places it, and hide/show nest. The script reports to
// events.txt, which the test watches.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <thread>

#include "CursorImage.h"
#include "GameRun.h"
#include "XSession.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kScript = R"(Out = io.open("events.txt", "a")
local function say(...)
    Out:write(table.concat({...}, " "), "\n")
    Out:flush()
end
assert(display:create("input x", 640, 480, 32, true))
keyboard.on_press = function(c)
    say("press", c)
    if c == KEY_S then mouse:set_cursor_pos(0, 0) say("placed") end
    if c == KEY_H then mouse:hide_cursor() mouse:hide_cursor() mouse:show_cursor() say("hid") end
    if c == KEY_V then mouse:show_cursor() say("shown") end
end
keyboard.on_release = function(c) say("release", c) end
mouse.on_press = function(c) say("mpress", c) end
mouse.on_release = function(c) say("mrelease", c) end
mouse.on_move = function(dx, dy) say("move", dx, dy) end
mouse.on_wheelmove = function(dz) say("wheel", dz) end
local x, y, aDown
Watch = Timer()
Watch.on_tick = function()
    local down, code = keyboard:is_down(KEY_A)
    if down ~= aDown then
        aDown = down
        say("down", tostring(down), code)
    end
    if mouse.xaxis ~= x or mouse.yaxis ~= y then
        x, y = mouse.xaxis, mouse.yaxis
        say("pos", x, y)
    end
end
Watch:start(1, true)
say("ready")
)";

class XInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.UseSdlPluginsAsDefaults();
        game.WriteScript("main.lua", kScript);
        run = std::make_unique<vorntest::RunningGame>(
            game, server.Options().Env("VORN_MESSAGEBOX", "cancel"));
        ASSERT_TRUE(run->WaitForLog("entering main loop")) << game.Read("vorn.log");
        window = server.FindWindow("input x");
        ASSERT_NE(0u, window);
        ASSERT_TRUE(Xdo("windowfocus --sync " + Id()));
        ASSERT_TRUE(WaitFor([](const std::string& line) { return line.rfind("pos ", 0) == 0; }));
    }

    void TearDown() override
    {
        if (window != 0)
            server.RequestClose(window);
        const auto result = run->Finish();
        EXPECT_EQ(0, result.exitCode) << result.Describe();
        EXPECT_EQ("[vorn] all interfaces released. Exitting.", result.log.empty() ? "" : result.log.back());
    }

    std::string Id() const { return std::to_string(window); }
    bool Xdo(const std::string& arguments, std::string* output = nullptr)
    {
        return server.XdoTool(arguments, output);
    }

    // Waits until a line of events.txt written after the previous wait satisfies `match`.
    bool WaitFor(const std::function<bool(const std::string&)>& match, std::chrono::milliseconds timeout = 5s)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        do {
            const auto lines = game.ReadLines("events.txt");
            for (; seen < lines.size(); ++seen) {
                if (match(lines[seen])) {
                    ++seen;
                    return true;
                }
            }
            std::this_thread::sleep_for(10ms);
        } while (std::chrono::steady_clock::now() < deadline);
        return false;
    }
    bool WaitForLine(const std::string& text)
    {
        return WaitFor([&text](const std::string& line) { return line == text; });
    }
    // Moves the pointer to a client point and waits for the script to read (x, y), within one unit.
    bool PointerReads(int clientX, int clientY, int x, int y)
    {
        Xdo("mousemove --window " + Id() + " " + std::to_string(clientX) + " " + std::to_string(clientY));
        return WaitFor([x, y](const std::string& line) {
            std::istringstream in(line);
            std::string word;
            int gotX = 0, gotY = 0;
            return (in >> word >> gotX >> gotY) && word == "pos" && std::abs(gotX - x) <= 1
                && std::abs(gotY - y) <= 1;
        });
    }

    vorntest::XServer server;
    vorntest::GameFolder game;
    std::unique_ptr<vorntest::RunningGame> run;
    unsigned long window = 0;
    size_t seen = 0;
};

TEST_F(XInput, KeysReachOnPressAndOnReleaseWithTheirCodes)
{
    Xdo("key Escape");
    EXPECT_TRUE(WaitForLine("press 1"));
    EXPECT_TRUE(WaitForLine("release 1"));
    Xdo("key a");
    EXPECT_TRUE(WaitForLine("press 45"));
    EXPECT_TRUE(WaitForLine("release 45"));
    Xdo("key space");
    EXPECT_TRUE(WaitForLine("press 72"));
    EXPECT_TRUE(WaitForLine("release 72"));
}

TEST_F(XInput, IsDownFollowsAHeldKey)
{
    // The first frames reported "down false 45" before the set-up's wait.
    Xdo("keydown a");
    EXPECT_TRUE(WaitForLine("down true 45"));
    Xdo("keyup a");
    EXPECT_TRUE(WaitForLine("down false 45"));
}

TEST_F(XInput, ButtonsMotionAndWheelReachTheMouse)
{
    Xdo("mousemove --window " + Id() + " 100 100");
    Xdo("click 1");
    EXPECT_TRUE(WaitForLine("mpress 108"));
    EXPECT_TRUE(WaitForLine("mrelease 108"));
    Xdo("click 3");
    EXPECT_TRUE(WaitForLine("mpress 110"));
    EXPECT_TRUE(WaitForLine("mrelease 110"));
    Xdo("mousemove_relative 5 0");
    EXPECT_TRUE(WaitForLine("move 5 0"));
    Xdo("click 4");
    EXPECT_TRUE(WaitForLine("wheel 120"));
    Xdo("click 5");
    EXPECT_TRUE(WaitForLine("wheel -120"));
}

TEST_F(XInput, TheCursorReadsInDisplayCoordinates)
{
    EXPECT_TRUE(PointerReads(0, 0, -320, 240));
    EXPECT_TRUE(PointerReads(320, 240, 0, 0));
    EXPECT_TRUE(PointerReads(639, 479, 320, -240));
}

TEST_F(XInput, TheCursorKeepsTheModesUnitsInADoubledClientArea)
{
    // At the screen's corner, so that the whole doubled client area is on the 1280x1024 screen.
    ASSERT_TRUE(Xdo("windowmove --sync " + Id() + " 0 0"));
    ASSERT_TRUE(Xdo("windowsize --sync " + Id() + " 1280 960"));
    EXPECT_TRUE(PointerReads(0, 0, -320, 240));
    EXPECT_TRUE(PointerReads(640, 480, 0, 0));
    EXPECT_TRUE(PointerReads(1279, 959, 320, -240));
}

TEST_F(XInput, SetCursorPosPlacesTheCursorAtTheClientCentre)
{
    Xdo("mousemove --window " + Id() + " 10 10");
    Xdo("key s");
    ASSERT_TRUE(WaitForLine("placed"));
    std::string geometry, location;
    ASSERT_TRUE(Xdo("getwindowgeometry --shell " + Id(), &geometry));
    ASSERT_TRUE(Xdo("getmouselocation --shell", &location));
    auto value = [](const std::string& text, const std::string& key) {
        const auto at = text.find(key + "=");
        return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size() + 1);
    };
    EXPECT_EQ(value(geometry, "X") + 320, value(location, "X")) << geometry << "\n" << location;
    EXPECT_EQ(value(geometry, "Y") + 240, value(location, "Y")) << geometry << "\n" << location;
}

TEST_F(XInput, HidingNestsTwoHidesNeedTwoShows)
{
    Xdo("mousemove --window " + Id() + " 200 200");
    ASSERT_TRUE(PointerReads(200, 200, -120, 40));
    EXPECT_TRUE(inputtest::CursorVisible(server.Display()));
    Xdo("key h");
    ASSERT_TRUE(WaitForLine("hid"));
    // The counter is applied from inside the frame; give the server a frame to show it.
    Xdo("mousemove --window " + Id() + " 210 200");
    ASSERT_TRUE(PointerReads(210, 200, -110, 40));
    EXPECT_FALSE(inputtest::CursorVisible(server.Display()));
    Xdo("key v");
    ASSERT_TRUE(WaitForLine("shown"));
    Xdo("mousemove --window " + Id() + " 200 200");
    ASSERT_TRUE(PointerReads(200, 200, -120, 40));
    EXPECT_TRUE(inputtest::CursorVisible(server.Display())) << "the second show balances the hides";
}

} // namespace
