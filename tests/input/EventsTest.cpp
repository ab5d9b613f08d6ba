// Button events, key states, mouse motion and joystick axes through the real binary, with the
// test input plugin scripting what each device reports frame by frame.
#include <gtest/gtest.h>

#include <algorithm>

#include "InputRun.h"
#include "LogMatch.h"

using inputtest::CallsOfFrame;
using inputtest::RunInWindow;
using vorntest::ContainsInOrder;
using vorntest::LacksLine;
using vorntest::SameLines;

namespace {

constexpr const char* kPrintButtons = R"(
keyboard.on_press = function(code) print("press", code) end
keyboard.on_release = function(code) print("release", code) end
)";

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

TEST(InputEvents, PressThenReleaseInOneFrameArriveInOrder)
{
    const auto r = RunInWindow("keyboard.events.2 = 45+;45-;72+\nkeyboard.events.3 = 72-\n", kPrintButtons);
    EXPECT_EQ(0, r.run.exitCode) << r.run.Describe();
    EXPECT_TRUE(SameLines(r.printed, { "press\t45", "release\t45", "press\t72", "release\t72" }));
}

TEST(InputEvents, NoEventReadsWhileNoCallbackIsSet)
{
    const auto r = RunInWindow("keyboard.events.2 = 45+\nmouse.events.2 = 108+\njoystick.events.2 = 112+\n",
        "mouse.on_release = print\n");
    EXPECT_EQ(0, r.run.exitCode) << r.run.Describe();
    EXPECT_TRUE(Has(r.calls, "input Poll 116")) << "the keyboard is still polled";
    EXPECT_TRUE(LacksLine(r.calls, "input Events 116"));
    EXPECT_TRUE(LacksLine(r.calls, "input Events 118"));
    EXPECT_TRUE(Has(r.calls, "input Events 117")) << "on_release alone makes the mouse read its events";
    EXPECT_TRUE(r.printed.empty()) << "a press without on_press is dropped";
}

TEST(InputEvents, ClearingOnPressStopsPressesWhileReleasesContinue)
{
    const auto r = RunInWindow("keyboard.events.2 = 45+\nkeyboard.events.3 = 45-;46+;46-\n",
        std::string(kPrintButtons)
            + "local press = keyboard.on_press\n"
              "keyboard.on_press = function(code) press(code) keyboard.on_press = nil end\n");
    EXPECT_TRUE(SameLines(r.printed, { "press\t45", "release\t45", "release\t46" }));
}

TEST(InputEvents, FailedEventReadDeliversNothingAndEndsTheDevicesFrame)
{
    const auto r
        = RunInWindow("keyboard.events.2 = 45+;45-\nkeyboard.eventsfail = 2\nkeyboard.events.3 = 46+\n"
                      "joystick.eventsfail = 2\njoystick.axis3 = 100\n",
            std::string(kPrintButtons) + "joystick.on_press = print\n");
    EXPECT_TRUE(SameLines(r.printed, { "press\t46" })) << "the failed read's events are discarded";
    const auto frame2 = CallsOfFrame(r.calls, 2);
    EXPECT_TRUE(ContainsInOrder(frame2, { "input Events 116", "input Poll 118", "input Events 118" }));
    EXPECT_TRUE(LacksLine(frame2, "input Axis 118 3")) << "the joystick's update stops at the failure";
    EXPECT_TRUE(Has(CallsOfFrame(r.calls, 3), "input Axis 118 3"));
}

TEST(InputEvents, CallbackErrorsAreReportedAndLaterEventsStillArrive)
{
    const auto r = RunInWindow("keyboard.events.2 = 45+;46+\n",
        "keyboard.on_press = function(code) if code == 45 then error('boom') end print('press', code) end\n");
    EXPECT_EQ(0, r.run.exitCode) << r.run.Describe();
    EXPECT_TRUE(SameLines(r.printed, { "press\t46" }));
    ASSERT_EQ(1u, r.run.Boxes().size()) << r.run.err;
    EXPECT_NE(std::string::npos, r.run.Boxes()[0].text.find("boom")) << r.run.Boxes()[0].text;
}

TEST(InputEvents, KeyStateAsksThePluginAndReturnsTheCode)
{
    const auto r = RunInWindow("keyboard.down = 45\n",
        "print(keyboard:is_down(KEY_A))\nprint(keyboard:is_down(KEY_SPACE))\nprint(keyboard:is_down(3.9))\n"
        "print(keyboard:is_up(KEY_A))\nprint(joystick:is_up(JBUTTON_1))\n");
    EXPECT_TRUE(SameLines(r.printed, { "true\t45", "false\t72", "false\t3", "false\t45", "true\t112" }));
    EXPECT_TRUE(ContainsInOrder(r.calls,
        { "input KeyState 116 45 0", "input KeyState 116 72 0", "input KeyState 116 3 0",
            "input KeyState 116 45 1", "input KeyState 118 112 1" }));
}

TEST(InputEvents, JoystickMovesOnChangeWithRawReadingsAndScaledAxes)
{
    // x and y held off-centre from the first frame; z reads only in frame 5.
    const auto r = RunInWindow("joystick.axis3 = 16384\njoystick.axis4 = -32768\njoystick.axis5.5 = 1000\n",
        R"(moves = 0
joystick.on_move = function(x, y)
    print("move", x, y, joystick.xaxis, joystick.yaxis)
    moves = moves + 1
    if moves == 1 then joystick.xaxis = 0 end -- takes part in the next frame's test
end
joystick.on_rotate = function(z) print("rotate", z, joystick.zaxis) end
)");
    EXPECT_TRUE(SameLines(r.printed,
        { "move\t16384\t-32768\t0.5\t1", "move\t16384\t-32768\t0.5\t1", "rotate\t1000\t0.030517578125" }));
}

TEST(InputEvents, JoystickAtRestNeverMoves)
{
    const auto r = RunInWindow("joystick.axis3 = 0\njoystick.axis4 = 0\njoystick.axis5 = 0\n",
        "joystick.on_move = print\njoystick.on_rotate = print\n");
    EXPECT_TRUE(Has(r.calls, "input Axis 118 5"));
    EXPECT_TRUE(r.printed.empty());
}

TEST(InputEvents, MouseButtonsMotionAndWheel)
{
    const auto r = RunInWindow("mouse.events.2 = 108+;108-\nmouse.axis0.3 = 7\nmouse.axis1.4 = -3\n"
                               "mouse.axis2.5 = 120\nmouse.axis2.6 = -120\n",
        "mouse.on_press = function(c) print('press', c) end\n"
        "mouse.on_release = function(c) print('release', c) end\n"
        "mouse.on_move = function(dx, dy) print('move', dx, dy) end\n"
        "mouse.on_wheelmove = function(dz) print('wheel', dz) end\n");
    EXPECT_TRUE(SameLines(r.printed,
        { "press\t108", "release\t108", "move\t7\t0", "move\t0\t-3", "wheel\t120", "wheel\t-120" }));
}
