// Input plugin on SDL's dummy video driver, fed the SDL events that real devices on X do not give
// on demand (key repeats, keys without a code, flipped and fractional wheels, more events than
// anyone reads), and joysticks through SDL's virtual joysticks.
#include "PluginFixtures.h"

namespace plugintest {
namespace {

using InputPlugin = InputFixture;

TEST_F(InputPlugin, KeysArriveInOrderWithoutRepeatsAndADeviceKeepsItsNewest1024)
{
    const DeviceHandle keyboard = OpenDefault(DEV_SUBCLASS_KEYBOARD);
    PushKey(SDL_SCANCODE_A, true);
    PushKey(SDL_SCANCODE_A, true, true); // auto-repeat: not a press
    Push(Event(SDL_USEREVENT));
    PushKey(SDL_SCANCODE_NONUSBACKSLASH, true); // a key without a code
    PushKey(SDL_SCANCODE_A, false);
    plugin_->Update();
    EXPECT_EQ("45+ 45-", TakeEvents(keyboard)); // KEY_A
    EXPECT_EQ(1, SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_USEREVENT, SDL_USEREVENT))
        << "not an input event";
    for (int i = 0; i < 700; ++i) {
        PushKey(SDL_SCANCODE_Q, true);
        PushKey(SDL_SCANCODE_Q, false);
    }
    PushKey(SDL_SCANCODE_W, true);
    plugin_->Update();
    const std::string events = TakeEvents(keyboard); // KEY_Q 31, KEY_W 32
    EXPECT_EQ(1024 * 4 - 1, static_cast<int>(events.size()));
    EXPECT_EQ("31- 31+", events.substr(0, 7));
    EXPECT_EQ("31- 32+", events.substr(events.size() - 7));
}

TEST_F(InputPlugin, MotionAndWholeWheelUnitsGatherBetweenPolls)
{
    const DeviceHandle mouse = OpenDefault(DEV_SUBCLASS_MOUSE);
    int32_t value = 0;
    EXPECT_FALSE(plugin_->Axis(mouse, AXIS_MOUSE_X, &value)) << "nothing latched before the first poll";
    SDL_Event motion = Event(SDL_MOUSEMOTION), wheel = Event(SDL_MOUSEWHEEL),
              button = Event(SDL_MOUSEBUTTONDOWN);
    motion.motion.xrel = 7;
    motion.motion.yrel = -2;
    wheel.wheel.preciseY = 2.0f;
    button.button.button = SDL_BUTTON_X2;
    Push(motion);
    Push(wheel);
    Push(button);
    wheel.wheel.preciseY = 1.25f;
    wheel.wheel.direction = SDL_MOUSEWHEEL_FLIPPED; // reports the opposite sign
    Push(wheel);
    plugin_->Update();
    ASSERT_TRUE(plugin_->Poll(mouse));
    EXPECT_EQ("7 -2 90", Axes(mouse, AXIS_MOUSE_X));
    EXPECT_EQ("111+", TakeEvents(mouse)); // MBUTTON_X
    // A fraction of a unit waits for the next poll; motion starts again from zero.
    wheel.wheel.preciseY = -0.5f;
    Push(wheel);
    plugin_->Update();
    ASSERT_TRUE(plugin_->Poll(mouse));
    EXPECT_EQ("0 0 60", Axes(mouse, AXIS_MOUSE_X));
}

class Joystick : public InputFixture {
protected:
    void SetUp() override
    {
        InputFixture::SetUp();
        if (SDL_NumJoysticks() != 0)
            GTEST_SKIP() << "a joystick is plugged into this machine";
    }
    void TearDown() override
    {
        while (SDL_NumJoysticks() > 0 && SDL_JoystickIsVirtual(0))
            SDL_JoystickDetachVirtual(0);
        InputFixture::TearDown();
    }
    // Attaches a virtual joystick and lets the plugin see it arrive; the first one is opened.
    SDL_Joystick* Attach(SDL_JoystickType type, int axes, int buttons, int hats)
    {
        const int index = SDL_JoystickAttachVirtual(type, axes, buttons, hats);
        plugin_->Update();
        stick = stick != 0 ? stick : OpenDefault(DEV_SUBCLASS_JOYSTICK);
        return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index));
    }
    bool Down(uint32_t code)
    {
        uint8_t flag = 0;
        EXPECT_TRUE(plugin_->KeyState(stick, code, &flag));
        return flag == 1;
    }
    std::string Axes()
    {
        EXPECT_TRUE(plugin_->Poll(stick));
        return InputFixture::Axes(stick, AXIS_JOY_X);
    }

    DeviceHandle stick = 0;
};

TEST_F(Joystick, AGameControllerReportsItsButtonsDpadAndStickAxes)
{
    SDL_Joystick* raw = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 0);
    ASSERT_NE(nullptr, raw) << SDL_GetError();
    SDL_JoystickSetVirtualButton(raw, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(raw, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(raw, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    SDL_JoystickSetVirtualAxis(raw, SDL_CONTROLLER_AXIS_LEFTY, 1000);
    SDL_JoystickSetVirtualAxis(raw, SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    plugin_->Update();
    SDL_JoystickSetVirtualButton(raw, SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
    plugin_->Update();
    EXPECT_EQ("112+ 128+ 112-", TakeEvents(stick)); // JBUTTON_1, JDPAD_NORTH
    EXPECT_FALSE(Down(JBUTTON_1));
    EXPECT_TRUE(Down(JDPAD_NORTH));
    EXPECT_EQ("-32768 1000 32767", Axes());
}

TEST_F(Joystick, ARawJoystickReportsButtonsTheHatAndItsAxesToFullDeflection)
{
    SDL_Joystick* raw = Attach(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 20, 1);
    ASSERT_NE(nullptr, raw) << SDL_GetError();
    SDL_JoystickSetVirtualButton(raw, 2, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(raw, 17, SDL_PRESSED); // past the sixteenth: no code
    SDL_JoystickSetVirtualHat(raw, 0, SDL_HAT_RIGHTUP);
    SDL_JoystickSetVirtualAxis(raw, 0, -32768);
    SDL_JoystickSetVirtualAxis(raw, 1, 32767);
    plugin_->Update();
    SDL_JoystickSetVirtualHat(raw, 0, SDL_HAT_UP);
    plugin_->Update();
    EXPECT_EQ("114+ 128+ 129+ 129-", TakeEvents(stick)); // JBUTTON_3, JDPAD_NORTH, JDPAD_EAST
    EXPECT_TRUE(Down(JBUTTON_3));
    EXPECT_FALSE(Down(JDPAD_EAST));
    EXPECT_EQ("-32768 32767 -", Axes()) << "two axes only";
}

TEST_F(Joystick, UnpluggingReleasesWhatItHeldAndCentresItAndTheNextOneTakesItsPlace)
{
    SDL_Joystick* raw = Attach(SDL_JOYSTICK_TYPE_UNKNOWN, 3, 4, 0);
    ASSERT_NE(nullptr, raw) << SDL_GetError();
    SDL_JoystickSetVirtualButton(raw, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(raw, 0, 12345);
    plugin_->Update();
    EXPECT_EQ("12345 0 0", Axes());
    ASSERT_EQ(0, SDL_JoystickDetachVirtual(0));
    plugin_->Update();
    EXPECT_EQ("112+ 112-", TakeEvents(stick));
    EXPECT_EQ("0 0 0", Axes());
    SDL_JoystickSetVirtualButton(Attach(SDL_JOYSTICK_TYPE_UNKNOWN, 3, 4, 0), 1, SDL_PRESSED);
    plugin_->Update();
    EXPECT_EQ("113+", TakeEvents(stick));
}

} // namespace
} // namespace plugintest
