// The input devices against a real X server with the SDL plugins: keys, buttons, motion and wheel
// from xdotool reach the callbacks with their codes, is_down follows a held key, the cursor reads
// in display coordinates whatever the client size, set_cursor_pos places it, hide/show nest.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "CursorImage.h"
#include "LogMatch.h"
#include "XSession.h"

namespace {

using namespace vorntest;

// Prints what reaches the callbacks, and once per frame is_down(KEY_A) and the cursor when they
// change (is_up too). S places the cursor at (0, 0), H hides it twice and shows it once, V shows it.
constexpr const char* kScript
    = R"(local function say(...) print(table.concat({...}, " ")) io.stdout:flush() end
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
    if down ~= aDown then aDown = down say("down", tostring(down), tostring((keyboard:is_up(KEY_A))), code) end
    if mouse.xaxis ~= x or mouse.yaxis ~= y then x, y = mouse.xaxis, mouse.yaxis say("pos", x, y) end
end
Watch:start(1, true)
)";

TEST(XInput, KeysButtonsMotionAndTheWheelReachTheCallbacksAndTheCursorReadsAndHides)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua", kScript);
    RunningGame run(game, server.Options().Env("VORN_MESSAGEBOX", "cancel"));
    ASSERT_TRUE(run.WaitForLog("entering main loop"));
    const unsigned long window = server.FindWindow("input x");
    const std::string id = std::to_string(window);
    // Waits until a line printed after the one the previous wait found satisfies `match`.
    size_t seen = 0;
    auto Next = [&](const std::function<bool(const std::string&)>& match) {
        return WaitUntil([&] {
            const Lines lines = run.Printed();
            for (; seen < lines.size(); ++seen)
                if (match(lines[seen]))
                    return ++seen > 0;
            return false;
        });
    };
    auto Line = [&](const std::string& text) {
        return Next([&text](const std::string& line) { return line == text; });
    };
    // Moves the pointer to a client point and waits for the script to read (x, y), within one unit.
    auto PointerReads = [&](int clientX, int clientY, int x, int y) {
        server.XdoTool(
            "mousemove --window " + id + " " + std::to_string(clientX) + " " + std::to_string(clientY));
        return Next([x, y](const std::string& line) {
            std::istringstream in(line);
            std::string word;
            int gotX = 0, gotY = 0;
            return (in >> word >> gotX >> gotY) && word == "pos" && std::abs(gotX - x) <= 1
                && std::abs(gotY - y) <= 1;
        });
    };
    ASSERT_TRUE(window != 0 && server.XdoTool("windowfocus --sync " + id));
    ASSERT_TRUE(Next([](const std::string& line) { return line.rfind("pos ", 0) == 0; }));

    auto gives = [&](const std::string& action, const std::string& first, const std::string& second) {
        server.XdoTool(action);
        return Line(first) && Line(second);
    };
    EXPECT_TRUE(gives("key Escape", "press 1", "release 1"));
    EXPECT_TRUE(gives("key a", "press 45", "release 45"));
    EXPECT_TRUE(gives("key space", "press 72", "release 72"));
    EXPECT_TRUE(gives("keydown a", "press 45", "down true false 45"));
    EXPECT_TRUE(gives("keyup a", "release 45", "down false true 45"));
    server.XdoTool("mousemove --window " + id + " 100 100");
    EXPECT_TRUE(gives("click 1", "mpress 108", "mrelease 108"));
    EXPECT_TRUE(gives("click 3", "mpress 110", "mrelease 110"));
    for (const auto& [action, line] : { std::pair { "mousemove_relative 5 0", "move 5 0" },
             std::pair { "click 4", "wheel 120" }, std::pair { "click 5", "wheel -120" } }) {
        server.XdoTool(action);
        EXPECT_TRUE(Line(line)) << action;
    }
    // The cursor reads in display coordinates whatever the client size, set_cursor_pos places it,
    // and hides nest.
    EXPECT_TRUE(PointerReads(0, 0, -320, 240));
    EXPECT_TRUE(PointerReads(320, 240, 0, 0));
    EXPECT_TRUE(PointerReads(639, 479, 320, -240));
    // set_cursor_pos(0, 0) places it at the client area's centre.
    server.XdoTool("key s");
    ASSERT_TRUE(Line("placed"));
    std::string geometry, location;
    ASSERT_TRUE(server.XdoTool("getwindowgeometry --shell " + id, &geometry)
        && server.XdoTool("getmouselocation --shell", &location));
    auto value = [](const std::string& text, const std::string& key) {
        return std::atoi(text.c_str() + text.find(key + "=") + key.size() + 1);
    };
    EXPECT_EQ(value(geometry, "X") + 320, value(location, "X")) << geometry << "\n" << location;
    EXPECT_EQ(value(geometry, "Y") + 240, value(location, "Y")) << geometry << "\n" << location;
    // Doubled, at the screen's corner so that the whole client area is on the 1280x1024 screen.
    ASSERT_TRUE(server.XdoTool("windowmove --sync " + id + " 0 0")
        && server.XdoTool("windowsize --sync " + id + " 1280 960"));
    EXPECT_TRUE(PointerReads(0, 0, -320, 240));
    EXPECT_TRUE(PointerReads(1279, 959, 320, -240));
    // Hides nest: two hides need two shows. The counter is applied from inside the frame, so the
    // pointer moves to give the server a frame to show it.
    EXPECT_TRUE(inputtest::CursorVisible(server.Display()));
    server.XdoTool("key h");
    ASSERT_TRUE(Line("hid") && PointerReads(1200, 900, 280, -210));
    EXPECT_FALSE(inputtest::CursorVisible(server.Display()));
    server.XdoTool("key v");
    ASSERT_TRUE(Line("shown") && PointerReads(1210, 900, 285, -210));
    EXPECT_TRUE(inputtest::CursorVisible(server.Display())) << "the second show balances the hides";
    ASSERT_TRUE(server.RequestClose(window));
    EXPECT_EQ(0, run.Finish().exitCode);
}

} // namespace
